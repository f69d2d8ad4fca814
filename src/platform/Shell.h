#pragma once

#include <functional>
#include <string>
#include <vector>

// Opens a link, a mail address or a file with the desktop's handler (xdg-open), without a shell
// in between. Returns false when the handler could not be started.
bool ShellOpen(const std::string& target);

// Tests only: what ShellOpen hands a target to instead of the desktop's handler, so that a test
// sees what would be opened and no program starts. An empty handler restores the desktop's.
using ShellOpenHandler = std::function<bool(const std::string& target)>;
void SetShellOpenHandler(ShellOpenHandler handler);

// Starts a program with arguments, detached; false when it could not be started.
bool StartProgram(const std::string& program, const std::vector<std::string>& arguments);

// The full path of the first of the names found as an executable on PATH; empty when none is.
std::string FindFirstOnPath(const std::vector<std::string>& names);
