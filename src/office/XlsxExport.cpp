#include "office/XlsxExport.h"

#include "model/Guest.h"
#include "model/Table.h"
#include "office/GuestSheet.h"
#include "office/NumberCells.h"
#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <unistd.h>
#include <xlsxwriter.h>

namespace
{
struct SColumn
{
    int headerId;
    std::function<SXlsxCell(CNewOrvDoc&, const CGuest&)> cell;
    bool hebrewOnly = false;
};

// Cells break lines with a line feed alone (an XML reader turns CR LF into one anyway).
SXlsxCell Text(const std::string& text)
{
    std::string cell;
    cell.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            cell += text[i];
    return {Utf8Left(cell, kMaxCellChars), false, 0.0};
}

SXlsxCell Number(double value)
{
    return {NumberCellText(value), true, value};
}

// A stored amount is a float: written as the decimal the screens show (12.1, not 12.0999999).
SXlsxCell Amount(float value)
{
    const std::string text = FormatShortest(value);
    double shown = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return Number(shown);
}

std::string StatusWord(int status)
{
    if (status == CGuest::kStatusApproved)
        return LoadString(IDS_YES);
    if (status == CGuest::kStatusNotComing)
        return LoadString(IDS_NO);
    return LoadString(IDS_UNKNOWN);
}

// The import reads the first ten by name; they come first, in the import's order.
const std::vector<SColumn>& Columns()
{
    static const std::vector<SColumn> columns = {
        {IDS_IMPORT_COL_NAME, [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetName()); }},
        {IDS_IMPORT_COL_LAST_NAME,
         [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetFamilyName()); }},
        {IDS_IMPORT_COL_RELATION,
         [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetRelation()); }},
        {IDS_IMPORT_COL_GROUP, [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetGroupName()); }},
        {IDS_IMPORT_COL_ADDRESS, [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetAddress()); }},
        {IDS_IMPORT_COL_PHONE, [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetPhone()); }},
        {IDS_IMPORT_COL_MOBILE, [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetMobile()); }},
        {IDS_IMPORT_COL_EMAIL, [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetEmail()); }},
        {IDS_IMPORT_COL_INVITED,
         [](CNewOrvDoc&, const CGuest& g) { return Number(g.GetInvitedCount()); }},
        {IDS_IMPORT_COL_COMING,
         [](CNewOrvDoc&, const CGuest& g) { return Number(g.GetComingCount()); }},
        {IDS_TSV_INVITATION_SENT, [](CNewOrvDoc&, const CGuest& g)
         { return Text(CGuest::GetYesNoText(g.GetInvitationSent())); }},
        {IDS_TSV_STATUS,
         [](CNewOrvDoc&, const CGuest& g) { return Text(StatusWord(g.GetStatus())); }},
        {IDS_TSV_TABLE, [](CNewOrvDoc&, const CGuest& g) { return Number(g.GetTable()); }},
        {IDS_XLSX_TABLE_NAME,
         [](CNewOrvDoc& doc, const CGuest& g)
         {
             const CTable* table = g.GetTable() > 0 ? doc.FindTableById(g.GetTable()) : nullptr;
             return Text(table != nullptr ? table->GetName() : std::string());
         }},
        {IDS_XLSX_TABLE_HALL_NUMBER, [](CNewOrvDoc& doc, const CGuest& g)
         { return Number(doc.HallNumberOfTable(g.GetTable())); }},
        {IDS_TSV_GIFT, [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetGift()); }},
        {IDS_TSV_GIFT_COMMENTS,
         [](CNewOrvDoc&, const CGuest& g) { return Text(g.GetGiftDetails()); }},
        {IDS_TSV_DOLLARS, [](CNewOrvDoc&, const CGuest& g) { return Amount(g.GetGiftDollars()); }},
        {IDS_TSV_SHEKELS, [](CNewOrvDoc&, const CGuest& g) { return Amount(g.GetGiftShekels()); },
         true},
        {IDS_IMPORT_COL_UNIQUE_ID,
         [](CNewOrvDoc&, const CGuest& g) { return Number(g.GetUniqueId()); }},
    };
    return columns;
}

// Display width in characters of the widest line of a text.
std::size_t WidestLine(const std::string& text)
{
    std::size_t widest = 0;
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        widest = std::max(widest, Utf8Length(std::string_view(text).substr(start, end - start)));
        start = end + 1;
    }
    return widest;
}

// libxlsxwriter writes to a named file; it goes to a private temporary file that is then read
// back and put in place atomically, so a failed export never leaves half a workbook at path.
class CTemporaryFile
{
public:
    CTemporaryFile()
    {
        std::error_code ec;
        std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
        if (ec)
            folder = "/tmp";
        std::string pattern = (folder / "velloran-xlsx-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0)
        {
            ::close(fd);
            m_path = pattern;
        }
    }
    ~CTemporaryFile()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
} // namespace

std::vector<std::vector<SXlsxCell>> BuildGuestsSheet(CNewOrvDoc& doc)
{
    const bool hebrew = IsHebrewUi();
    std::vector<const SColumn*> columns;
    for (const SColumn& column : Columns())
        if (!column.hebrewOnly || hebrew)
            columns.push_back(&column);

    std::vector<std::vector<SXlsxCell>> rows;
    rows.reserve(doc.GetGuests().size() + 1);
    std::vector<SXlsxCell> header;
    for (const SColumn* column : columns)
        header.push_back(Text(LoadString(column->headerId)));
    rows.push_back(std::move(header));
    for (const auto& guest : doc.GetGuests())
    {
        std::vector<SXlsxCell> row;
        row.reserve(columns.size());
        for (const SColumn* column : columns)
            row.push_back(column->cell(doc, *guest));
        rows.push_back(std::move(row));
    }
    return rows;
}

bool WriteGuestsXlsx(CNewOrvDoc& doc, const std::filesystem::path& path, std::string* error)
{
    const auto rows = BuildGuestsSheet(doc);
    CTemporaryFile temporary;
    auto fail = [&](const std::string& reason)
    {
        if (error != nullptr)
            *error = path.string() + ": " + reason;
        return false;
    };
    if (temporary.Path().empty())
        return fail("no temporary file could be made");

    lxw_workbook* workbook = workbook_new(temporary.Path().c_str());
    if (workbook == nullptr)
        return fail("the workbook could not be made");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, kGuestsSheetName);
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format* wrapped = workbook_add_format(workbook);
    format_set_text_wrap(wrapped);
    if (sheet == nullptr)
    {
        workbook_close(workbook);
        return fail("the sheet could not be made");
    }
    if (IsHebrewUi())
        worksheet_right_to_left(sheet);

    const std::size_t columnCount = rows.front().size();
    std::vector<std::size_t> widths(columnCount, 0);
    lxw_error status = LXW_NO_ERROR;
    for (std::size_t r = 0; r < rows.size() && status == LXW_NO_ERROR; ++r)
    {
        for (std::size_t c = 0; c < columnCount && status == LXW_NO_ERROR; ++c)
        {
            const SXlsxCell& cell = rows[r][c];
            const auto row = static_cast<lxw_row_t>(r);
            const auto col = static_cast<lxw_col_t>(c);
            widths[c] = std::max(widths[c], WidestLine(cell.text));
            if (cell.number)
                status = worksheet_write_number(sheet, row, col, cell.value, nullptr);
            else if (!cell.text.empty())
                status = worksheet_write_string(
                    sheet, row, col, cell.text.c_str(),
                    r == 0 ? bold
                           : (cell.text.find('\n') != std::string::npos ? wrapped : nullptr));
        }
    }
    if (status != LXW_NO_ERROR)
    {
        workbook_close(workbook);
        return fail(lxw_strerror(status));
    }
    // The library has no autofit: a character is about one unit of width; a little room for the
    // filter button, and a cap so that one long note does not make a column a screen wide.
    for (std::size_t c = 0; c < columnCount; ++c)
    {
        const double width = static_cast<double>(std::clamp<std::size_t>(widths[c] + 3, 8, 60));
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                             nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(rows.size() - 1),
                         static_cast<lxw_col_t>(columnCount - 1));
    status = workbook_close(workbook);
    if (status != LXW_NO_ERROR)
        return fail(lxw_strerror(status));

    std::string bytes;
    if (!ReadWholeFile(temporary.Path(), bytes))
        return fail("the workbook could not be read back");
    return WriteFileAtomic(path, bytes, error);
}
