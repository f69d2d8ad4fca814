#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Reads one sheet of a spreadsheet file into texts: .xlsx and .ods (zip archives, read with libzip
// and their XML parts with Xerces-C), .xls (libfreexl) and delimited text (.csv or .tsv: UTF-8,
// UTF-16 with a byte-order mark or windows-1255; comma, semicolon or tab, found from the first
// line; fields in double quotes may hold separators, line breaks and doubled quotes). The kind is
// told from the bytes, not from the file name.
//
// Cells come back as UTF-8 texts: a number as its shortest decimal text ("3", "12.5"), a formula
// cell as the value the file stored for it (formulas are never evaluated), a boolean as "1" or
// "0", a date as the file's text of it. Line breaks inside a cell are "\n".
//
// The file is hostile input. What is read is bounded (the limits below); a file beyond them, a
// damaged archive or part, a shared text that does not exist or an encrypted workbook is refused
// with a short English reason, never a crash or an endless read. Cells beyond the last column read
// are ignored; a longer text is cut.
struct SSheetCells
{
    std::string sheetName;                      // empty for delimited text
    std::vector<std::vector<std::string>> rows; // rows[r][c], r and c from 0; rows may be short

    // The cell's text, or empty where the sheet has none.
    const std::string& Cell(std::size_t row, std::size_t column) const;
};

class CSpreadsheetReader
{
public:
    enum class EKind
    {
        Zip,  // .xlsx or .ods, told apart by their parts
        Xls,  // a compound document (.xls)
        Text, // anything else is taken as delimited text
    };

    static constexpr std::size_t kMaxFileBytes = 64u << 20;  // the file itself
    static constexpr std::size_t kMaxPartBytes = 64u << 20;  // one part inside an archive
    static constexpr std::size_t kMaxTextBytes = 64u << 20;  // all cell texts together
    static constexpr std::size_t kMaxRows = 100000;          // the last row with a cell
    static constexpr std::size_t kMaxColumns = 256;          // cells beyond are ignored
    static constexpr std::size_t kMaxCellChars = 32767;      // Excel's own limit
    static constexpr std::size_t kMaxSharedTexts = 1000000;  // .xlsx shared texts
    static constexpr std::size_t kMaxArchiveEntries = 10000; // entries of a .xlsx or .ods
    static constexpr std::size_t kMaxXlsCells = 4000000;     // rows x columns of a .xls sheet

    static EKind Sniff(std::string_view bytes);

    // The sheet called sheetName (compared regardless of case); delimited text has one sheet and
    // takes no name. False with the reason in error (a short English phrase; the missing sheet in
    // the interface language).
    static bool ReadBytes(std::string_view bytes, const std::string& sheetName, SSheetCells& sheet,
                          std::string& error);
    // As ReadBytes on a regular file of at most kMaxFileBytes.
    static bool ReadFile(const std::filesystem::path& path, const std::string& sheetName,
                         SSheetCells& sheet, std::string& error);
};
