#pragma once

#include "office/ImportedGuest.h"

#include <string>
#include <vector>

class IPrompt;
struct SSheetCells;

// The guest lines of a spreadsheet's "Guests" sheet. The header row is the first row: each column
// name ("Name", "Last Name", "Relation", "Group", "Address", "Phone Number", "Mobile phone",
// "e-mail", "Guests amount", "Actualy coming", and "Unique ID" of an exported workbook), in the
// interface language or in English, is found by exact text in the first cell of the row that
// holds it, in any order. "Relation", "Last Name" and "Name" are required and checked in that
// order. Data rows follow from the second row until the first row whose name is empty. A relation
// that is not one of the interface's three words asks whether to take it as Mutual (Yes) or to
// stop reading (No: the lines read so far stay). The two counts are read as numbers (a text that
// is no number counts 0, counts below 0 count 0); the other cells as texts, trimmed.
enum class EGuestSheetRead
{
    Read,          // every line up to the end of the data
    MissingColumn, // nothing read; the message was told
    Stopped,       // the user answered No to the relation question; the lines before it stay
};

struct SGuestSheetResult
{
    EGuestSheetRead state = EGuestSheetRead::Read;
    std::vector<SImportedGuest> guests;
    std::string message; // what was told for a missing column
};

SGuestSheetResult ReadGuestSheet(const SSheetCells& sheet, IPrompt& prompt);

// The worksheet a workbook's guests are read from and the export writes (the same name in both
// languages: the import looks for it).
constexpr const char* kGuestsSheetName = "Guests";

// The largest count the import takes; larger ones are taken as this.
constexpr int kMaxImportedCount = 1000000;
