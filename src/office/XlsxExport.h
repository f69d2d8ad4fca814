#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CNewOrvDoc;

// The guests as a real spreadsheet (.xlsx, written with libxlsxwriter): one sheet "Guests" with a
// bold, frozen header row and an auto-filter; every column of the guests list and the contact,
// seat and gift fields; counts, table numbers and amounts as numbers; column widths from the
// longest text; a right-to-left sheet in the Hebrew interface. The first ten columns carry the
// import's column names in the import's order and the last one the guest's unique id, so an
// exported workbook imports back (and into the same event, every line is a duplicate). Reading
// only: nothing here changes the document.

// One cell as the workbook holds it.
struct SXlsxCell
{
    std::string text; // a number's text as the spreadsheet reader gives it back
    bool number = false;
    double value = 0.0;
};

// The sheet's rows, the header first, exactly as they are written.
std::vector<std::vector<SXlsxCell>> BuildGuestsSheet(CNewOrvDoc& doc);

// Writes the workbook and replaces path with it atomically. False with the reason in *error (a
// sentence for the user); path is then as it was.
bool WriteGuestsXlsx(CNewOrvDoc& doc, const std::filesystem::path& path,
                     std::string* error = nullptr);

// Excel's limit of a cell text in characters; longer texts are cut.
constexpr std::size_t kMaxCellChars = 32767;
