#pragma once

#include "office/ImportedGuest.h"

#include <filesystem>
#include <string>
#include <vector>

// The guests of another event's data file (WeddingData.xml), read through the XML reader with a
// sink of their own; the file's other records are dropped. Each guest keeps its unique id, so a
// guest already in this event is recognised. The record counters of this event are left as they
// were. False, with the reason in error, when the file could not be read or is damaged; the guests
// read before the damage are in guests all the same.
bool ReadGuestsOfDataFile(const std::filesystem::path& path, std::vector<SImportedGuest>& guests,
                          std::string& error);
