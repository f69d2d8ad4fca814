#pragma once

#include <functional>
#include <string>

// A seam in the file-writing steps, so tests can make any one of them fail (tests run as root,
// where permissions do not stop a write).
enum class EFileStep
{
    CreateTemp,
    Write,
    Flush,
    Close,
    Rename,
    SyncFolder,
    Remove,
    Copy,
};

// The hook answers true when the step on that path must fail. Pass an empty function to remove it.
void SetFileFaultHook(std::function<bool(EFileStep step, const std::string& path)> hook);

// True when the installed hook makes this step fail.
bool FileStepFails(EFileStep step, const std::string& path);
