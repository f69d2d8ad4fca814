#pragma once

#include "office/ImportedGuest.h"

#include <filesystem>
#include <string>
#include <vector>

class IPrompt;

// Reading the guest lines an import offers, from either source of the import dialog, with the
// questions and messages told through prompt.
enum class EImportSource
{
    Spreadsheet, // the "Guests" sheet of a workbook, or a .csv/.tsv file
    DataFile,    // the guests of another event's WeddingData.xml
    ByContent,   // a file whose first character is "<" is a data file, anything else a sheet
};

struct SImportRead
{
    std::vector<SImportedGuest> guests; // the lines offered
    std::vector<std::string> errors;    // every message told (a missing column, a read failure)
    bool stopped = false;               // the user answered No to the relation question
};

// A file that cannot be read is told as "The file could not be read:" with the reason (caption
// "Error reading file") and offers nothing; a damaged data file is told and offers the guests read
// before the damage.
SImportRead ReadImportFile(const std::filesystem::path& path, EImportSource source,
                           IPrompt& prompt);
