#include "office/SpreadsheetReader.h"

#include "office/NumberCells.h"
#include "office/OfficeXml.h"
#include "platform/AtomicFile.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <freexl.h>
#include <map>
#include <memory>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

// How the readers work
//
// Every format fills one CSheetBuilder, which holds the limits: a cell beyond the last column
// read is dropped, a text is cut at Excel's own length, and a cell with content at a row beyond
// the limit (or more text than the limit altogether) stops the read with a reason. Empty cells
// and rows are never stored, so a repeat count (".ods" writes "the next million rows are empty"
// as one element) costs nothing. Archive parts are read in slices up to their limit whatever size
// the archive claims for them, so a zip bomb ends at the limit.

namespace
{
const std::string kEmpty;

constexpr std::string_view kZipMagic = "PK\x03\x04";
constexpr std::string_view kOleMagic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

std::string Mib(std::size_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

class CSheetBuilder
{
public:
    explicit CSheetBuilder(SSheetCells& sheet) : m_sheet(sheet) { m_sheet.rows.clear(); }

    // False once a limit stopped the read.
    bool Set(std::uint64_t row, std::uint64_t column, std::string text)
    {
        if (!m_error.empty())
            return false;
        if (text.empty() || column >= CSpreadsheetReader::kMaxColumns)
            return true;
        if (row >= CSpreadsheetReader::kMaxRows)
            return Fail("the sheet has more than " + std::to_string(CSpreadsheetReader::kMaxRows) +
                        " rows");
        if (text.size() > CSpreadsheetReader::kMaxCellChars)
            text = Utf8Left(text, CSpreadsheetReader::kMaxCellChars);
        m_textBytes += text.size();
        if (m_textBytes > CSpreadsheetReader::kMaxTextBytes)
            return Fail("the sheet holds more than " + Mib(CSpreadsheetReader::kMaxTextBytes) +
                        " of text");
        auto& rows = m_sheet.rows;
        if (rows.size() <= row)
            rows.resize(static_cast<std::size_t>(row) + 1);
        auto& cells = rows[static_cast<std::size_t>(row)];
        if (cells.size() <= column)
            cells.resize(static_cast<std::size_t>(column) + 1);
        cells[static_cast<std::size_t>(column)] = std::move(text);
        return true;
    }

    bool Fail(const std::string& reason)
    {
        if (m_error.empty())
            m_error = reason;
        return false;
    }
    const std::string& Error() const { return m_error; }

private:
    SSheetCells& m_sheet;
    std::string m_error;
    std::size_t m_textBytes = 0;
};

// A whole decimal number within [0, limit], or -1.
long long ParseCount(std::string_view text, long long limit)
{
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return -1;
    return value > limit ? limit : value;
}

std::string NumberText(const std::string& raw)
{
    const std::string trimmed = TrimSpaces(raw);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (ec != std::errc() || end != trimmed.data() + trimmed.size())
        return raw;
    return NumberCellText(value);
}

// --- Archives ---------------------------------------------------------------------------------

class CZipArchive
{
public:
    ~CZipArchive()
    {
        if (m_zip != nullptr)
            zip_discard(m_zip);
    }

    bool Open(std::string_view bytes, std::string& error)
    {
        zip_error_t zipError;
        zip_error_init(&zipError);
        zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &zipError);
        if (source != nullptr)
        {
            m_zip = zip_open_from_source(source, ZIP_RDONLY, &zipError);
            if (m_zip == nullptr)
                zip_source_free(source);
        }
        zip_error_fini(&zipError);
        if (m_zip == nullptr)
        {
            error = "the file is a damaged archive";
            return false;
        }
        const zip_int64_t entries = zip_get_num_entries(m_zip, 0);
        if (entries < 0 ||
            static_cast<std::uint64_t>(entries) > CSpreadsheetReader::kMaxArchiveEntries)
        {
            error = "the archive has too many parts";
            return false;
        }
        return true;
    }

    bool Has(const std::string& name) const
    {
        return zip_name_locate(m_zip, name.c_str(), ZIP_FL_NOCASE) >= 0;
    }

    // The part's bytes, read up to the limit whatever the archive says of its size.
    bool Read(const std::string& name, std::string& bytes, std::string& error) const
    {
        const zip_int64_t index = zip_name_locate(m_zip, name.c_str(), ZIP_FL_NOCASE);
        if (index < 0)
        {
            error = "the archive has no part " + name;
            return false;
        }
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
            (stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > CSpreadsheetReader::kMaxPartBytes)
        {
            error =
                "the part " + name + " is larger than " + Mib(CSpreadsheetReader::kMaxPartBytes);
            return false;
        }
        zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
        if (file == nullptr)
        {
            error = "the part " + name + " cannot be read (damaged or encrypted)";
            return false;
        }
        bytes.clear();
        char buffer[65536];
        bool ok = true;
        for (;;)
        {
            const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
            if (got < 0)
            {
                error = "the part " + name + " is damaged";
                ok = false;
                break;
            }
            if (got == 0)
                break;
            if (bytes.size() + static_cast<std::size_t>(got) > CSpreadsheetReader::kMaxPartBytes)
            {
                error = "the part " + name + " unpacks to more than " +
                        Mib(CSpreadsheetReader::kMaxPartBytes);
                ok = false;
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        zip_fclose(file);
        return ok;
    }

private:
    zip_t* m_zip = nullptr;
};

// Collects the texts of elements named textName inside elements named groupName (skipping those
// inside skipName), one text per group: the shared texts of .xlsx.
class CSharedTextsHandler : public IOfficeXmlHandler
{
public:
    void Start(const std::string& name, const Attributes&) override
    {
        if (name == "si")
        {
            m_inItem = true;
            m_current.clear();
        }
        else if (name == "rPh")
            ++m_skip;
        else if (name == "t" && m_inItem && m_skip == 0)
            m_inText = true;
    }
    void End(const std::string& name) override
    {
        if (name == "si" && m_inItem)
        {
            m_inItem = false;
            if (texts.size() >= CSpreadsheetReader::kMaxSharedTexts)
                m_error = "the workbook has more than " +
                          std::to_string(CSpreadsheetReader::kMaxSharedTexts) + " shared texts";
            else
                texts.push_back(Utf8Left(m_current, CSpreadsheetReader::kMaxCellChars));
        }
        else if (name == "rPh" && m_skip > 0)
            --m_skip;
        else if (name == "t")
            m_inText = false;
    }
    void Text(std::string_view utf8) override
    {
        // A cell keeps at most kMaxCellChars characters, at most 4 bytes each.
        if (m_inText && m_current.size() < CSpreadsheetReader::kMaxCellChars * 4)
            m_current.append(utf8);
    }
    bool Stopped(std::string* reason) const override
    {
        if (m_error.empty())
            return false;
        *reason = m_error;
        return true;
    }

    std::vector<std::string> texts;

private:
    bool m_inItem = false;
    bool m_inText = false;
    int m_skip = 0;
    std::string m_current;
    std::string m_error;
};

// The sheets of xl/workbook.xml (name and relation id) or the relations of its .rels part.
class CPairsHandler : public IOfficeXmlHandler
{
public:
    CPairsHandler(std::string element, std::string first, std::string second)
        : m_element(std::move(element)), m_first(std::move(first)), m_second(std::move(second))
    {
    }
    void Start(const std::string& name, const Attributes& attributes) override
    {
        if (name == m_element && pairs.size() < CSpreadsheetReader::kMaxArchiveEntries)
            pairs.emplace_back(AttributeValue(attributes, m_first),
                               AttributeValue(attributes, m_second));
    }
    void End(const std::string&) override {}
    void Text(std::string_view) override {}
    bool Stopped(std::string*) const override { return false; }

    std::vector<std::pair<std::string, std::string>> pairs;

private:
    std::string m_element, m_first, m_second;
};

// "B12" -> column 1, row 11; false when it is no cell reference.
bool ParseCellReference(const std::string& reference, std::uint64_t& row, std::uint64_t& column)
{
    std::size_t i = 0;
    std::uint64_t col = 0;
    while (i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z' && i < 4)
        col = col * 26 + static_cast<std::uint64_t>(reference[i++] - 'A' + 1);
    if (i == 0 || col == 0)
        return false;
    const long long number = ParseCount(std::string_view(reference).substr(i), 1LL << 40);
    if (number < 1)
        return false;
    column = col - 1;
    row = static_cast<std::uint64_t>(number - 1);
    return true;
}

class CXlsxSheetHandler : public IOfficeXmlHandler
{
public:
    CXlsxSheetHandler(CSheetBuilder& builder, const std::vector<std::string>& shared)
        : m_builder(builder), m_shared(shared)
    {
    }
    void Start(const std::string& name, const Attributes& attributes) override
    {
        if (name == "row")
        {
            const long long r = ParseCount(AttributeValue(attributes, "r"), 1LL << 40);
            m_row = r >= 1 ? static_cast<std::uint64_t>(r - 1) : m_nextRow;
            m_nextRow = m_row + 1;
            m_nextColumn = 0;
        }
        else if (name == "c")
        {
            std::uint64_t row = m_row;
            std::uint64_t column = m_nextColumn;
            if (!ParseCellReference(AttributeValue(attributes, "r"), row, column))
                row = m_row;
            m_cellRow = row;
            m_cellColumn = column;
            m_nextColumn = column + 1;
            m_type = AttributeValue(attributes, "t");
            m_value.clear();
            m_inline.clear();
            m_inCell = true;
        }
        else if (m_inCell && name == "v")
            m_in = EIn::Value;
        else if (m_inCell && name == "is")
            m_inInline = true;
        else if (m_inInline && name == "rPh")
            ++m_skip;
        else if (m_inInline && name == "t" && m_skip == 0)
            m_in = EIn::Inline;
    }
    void End(const std::string& name) override
    {
        if (name == "v" || name == "t")
            m_in = EIn::None;
        else if (name == "rPh" && m_skip > 0)
            --m_skip;
        else if (name == "is")
            m_inInline = false;
        else if (name == "c" && m_inCell)
        {
            m_inCell = false;
            FinishCell();
        }
    }
    void Text(std::string_view utf8) override
    {
        std::string* target = m_in == EIn::Value    ? &m_value
                              : m_in == EIn::Inline ? &m_inline
                                                    : nullptr;
        if (target != nullptr && target->size() < CSpreadsheetReader::kMaxCellChars * 4)
            target->append(utf8);
    }
    bool Stopped(std::string* reason) const override
    {
        if (m_builder.Error().empty())
            return false;
        *reason = m_builder.Error();
        return true;
    }

private:
    enum class EIn
    {
        None,
        Value,
        Inline,
    };

    void FinishCell()
    {
        std::string text;
        if (m_type == "s")
        {
            const long long index = ParseCount(TrimSpaces(m_value), 1LL << 40);
            if (m_value.empty())
                return;
            if (index < 0 || static_cast<std::uint64_t>(index) >= m_shared.size())
            {
                m_builder.Fail("a cell refers to shared text " + TrimSpaces(m_value) +
                               ", which the workbook does not have");
                return;
            }
            text = m_shared[static_cast<std::size_t>(index)];
        }
        else if (m_type == "inlineStr")
            text = m_inline;
        else if (m_type == "str" || m_type == "e" || m_type == "b" || m_type == "d")
            text = m_value;
        else
            text = m_value.empty() ? std::string() : NumberText(m_value);
        m_builder.Set(m_cellRow, m_cellColumn, std::move(text));
    }

    CSheetBuilder& m_builder;
    const std::vector<std::string>& m_shared;
    std::uint64_t m_row = 0, m_nextRow = 0, m_nextColumn = 0, m_cellRow = 0, m_cellColumn = 0;
    std::string m_type, m_value, m_inline;
    bool m_inCell = false, m_inInline = false;
    int m_skip = 0;
    EIn m_in = EIn::None;
};

// A path inside the archive from a relation's target, relative to xl/ ("../" and "./" resolved).
std::string ResolveTarget(const std::string& target)
{
    std::vector<std::string> parts;
    std::string whole = !target.empty() && target[0] == '/' ? target.substr(1) : "xl/" + target;
    std::size_t start = 0;
    while (start <= whole.size())
    {
        std::size_t end = whole.find('/', start);
        if (end == std::string::npos)
            end = whole.size();
        const std::string part = whole.substr(start, end - start);
        if (part == "..")
        {
            if (!parts.empty())
                parts.pop_back();
        }
        else if (!part.empty() && part != ".")
            parts.push_back(part);
        start = end + 1;
    }
    std::string path;
    for (const auto& part : parts)
        path += (path.empty() ? "" : "/") + part;
    return path;
}

bool ReadXlsx(const CZipArchive& archive, const std::string& sheetName, SSheetCells& sheet,
              std::string& error)
{
    std::string bytes;
    if (!archive.Read("xl/workbook.xml", bytes, error))
        return false;
    CPairsHandler sheets("sheet", "name", "id");
    if (!ParseOfficeXml(bytes, sheets, error))
        return false;
    std::string relation;
    for (const auto& [name, id] : sheets.pairs)
        if (EqualsIgnoringCase(name, sheetName))
        {
            sheet.sheetName = name;
            relation = id;
            break;
        }
    if (sheet.sheetName.empty())
    {
        error = LoadString(IDS_IMPORT_NO_GUESTS_SHEET);
        return false;
    }
    if (!archive.Read("xl/_rels/workbook.xml.rels", bytes, error))
        return false;
    CPairsHandler relations("Relationship", "Id", "Target");
    if (!ParseOfficeXml(bytes, relations, error))
        return false;
    std::string part;
    for (const auto& [id, target] : relations.pairs)
        if (id == relation)
            part = ResolveTarget(target);
    if (part.empty())
    {
        error = "the workbook does not say where its sheet " + sheet.sheetName + " is";
        return false;
    }

    CSharedTextsHandler shared;
    if (archive.Has("xl/sharedStrings.xml"))
    {
        if (!archive.Read("xl/sharedStrings.xml", bytes, error) ||
            !ParseOfficeXml(bytes, shared, error))
            return false;
    }
    if (!archive.Read(part, bytes, error))
        return false;
    CSheetBuilder builder(sheet);
    CXlsxSheetHandler handler(builder, shared.texts);
    if (!ParseOfficeXml(bytes, handler, error))
    {
        if (!builder.Error().empty())
            error = builder.Error();
        return false;
    }
    return true;
}

// content.xml of an OpenDocument spreadsheet.
class COdsHandler : public IOfficeXmlHandler
{
public:
    COdsHandler(CSheetBuilder& builder, const std::string& sheetName)
        : m_builder(builder), m_sheetName(sheetName)
    {
    }
    void Start(const std::string& name, const Attributes& attributes) override
    {
        if (name == "table")
        {
            if (m_inTable)
                ++m_nested;
            else if (!m_found &&
                     EqualsIgnoringCase(AttributeValue(attributes, "name"), m_sheetName))
            {
                m_found = m_inTable = true;
                foundName = AttributeValue(attributes, "name");
            }
            return;
        }
        if (!m_inTable || m_nested > 0)
            return;
        if (name == "table-row")
        {
            m_rowRepeat = Repeat(attributes, "number-rows-repeated");
            m_column = 0;
            m_pending.clear();
        }
        else if (name == "table-cell" || name == "covered-table-cell")
        {
            m_inCell = true;
            m_columnRepeat = Repeat(attributes, "number-columns-repeated");
            const std::string type = AttributeValue(attributes, "value-type");
            m_cellText.clear();
            m_paragraphs = 0;
            m_cellValue.clear();
            if (type == "float" || type == "percentage" || type == "currency")
                m_cellValue = NumberText(AttributeValue(attributes, "value"));
            else if (type == "boolean")
                m_cellValue = AttributeValue(attributes, "boolean-value") == "true" ? "1" : "0";
        }
        else if (m_inCell && name == "annotation")
            ++m_annotation;
        else if (m_inCell && m_annotation == 0)
        {
            if (name == "p" || name == "h")
            {
                if (m_paragraphs++ > 0)
                    Append("\n");
            }
            else if (name == "s")
            {
                const long long count = ParseCount(AttributeValue(attributes, "c"), 1000);
                Append(std::string(static_cast<std::size_t>(count < 1 ? 1 : count), ' '));
            }
            else if (name == "tab")
                Append("\t");
            else if (name == "line-break")
                Append("\n");
        }
    }
    void End(const std::string& name) override
    {
        if (name == "table" && m_inTable)
        {
            if (m_nested > 0)
                --m_nested;
            else
                m_inTable = false;
            return;
        }
        if (!m_inTable || m_nested > 0)
            return;
        if (name == "annotation" && m_annotation > 0)
            --m_annotation;
        else if ((name == "table-cell" || name == "covered-table-cell") && m_inCell)
        {
            m_inCell = false;
            std::string text = m_cellValue.empty() ? m_cellText : m_cellValue;
            if (!text.empty())
                for (std::uint64_t k = 0;
                     k < m_columnRepeat && m_column + k < CSpreadsheetReader::kMaxColumns; ++k)
                    m_pending.emplace_back(m_column + k, text);
            m_column += m_columnRepeat;
        }
        else if (name == "table-row")
        {
            if (m_pending.empty())
            {
                m_row += m_rowRepeat; // empty rows, however many, cost nothing
                return;
            }
            for (std::uint64_t k = 0; k < m_rowRepeat; ++k, ++m_row)
                for (const auto& [column, text] : m_pending)
                    if (!m_builder.Set(m_row, column, text))
                        return;
        }
    }
    void Text(std::string_view utf8) override
    {
        if (m_inTable && m_nested == 0 && m_inCell && m_annotation == 0 && m_paragraphs > 0)
            Append(utf8);
    }
    bool Stopped(std::string* reason) const override
    {
        if (m_builder.Error().empty())
            return false;
        *reason = m_builder.Error();
        return true;
    }

    std::string foundName;

private:
    static std::uint64_t Repeat(const Attributes& attributes, std::string_view name)
    {
        const long long count = ParseCount(AttributeValue(attributes, name), 1LL << 31);
        return count < 1 ? 1 : static_cast<std::uint64_t>(count);
    }
    void Append(std::string_view text)
    {
        if (m_cellText.size() < CSpreadsheetReader::kMaxCellChars * 4)
            m_cellText.append(text);
    }

    CSheetBuilder& m_builder;
    const std::string& m_sheetName;
    bool m_found = false, m_inTable = false, m_inCell = false;
    int m_nested = 0, m_annotation = 0, m_paragraphs = 0;
    std::uint64_t m_row = 0, m_rowRepeat = 1, m_column = 0, m_columnRepeat = 1;
    std::string m_cellText, m_cellValue;
    std::vector<std::pair<std::uint64_t, std::string>> m_pending;
};

bool ReadOds(const CZipArchive& archive, const std::string& sheetName, SSheetCells& sheet,
             std::string& error)
{
    std::string bytes;
    if (!archive.Read("content.xml", bytes, error))
        return false;
    CSheetBuilder builder(sheet);
    COdsHandler handler(builder, sheetName);
    if (!ParseOfficeXml(bytes, handler, error))
    {
        if (!builder.Error().empty())
            error = builder.Error();
        return false;
    }
    if (handler.foundName.empty())
    {
        error = LoadString(IDS_IMPORT_NO_GUESTS_SHEET);
        return false;
    }
    sheet.sheetName = handler.foundName;
    return true;
}

// --- .xls ------------------------------------------------------------------------------------

// freexl opens files by name: the bytes go to an anonymous memory file.
class CMemoryFile
{
public:
    explicit CMemoryFile(std::string_view bytes)
    {
        m_fd = ::memfd_create("velloran-xls", MFD_CLOEXEC);
        if (m_fd < 0)
            return;
        std::size_t done = 0;
        while (done < bytes.size())
        {
            const ssize_t wrote = ::write(m_fd, bytes.data() + done, bytes.size() - done);
            if (wrote <= 0)
            {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
            done += static_cast<std::size_t>(wrote);
        }
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~CMemoryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CMemoryFile(const CMemoryFile&) = delete;
    CMemoryFile& operator=(const CMemoryFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
};

class CFreexlHandle
{
public:
    ~CFreexlHandle()
    {
        if (handle != nullptr)
            freexl_close(handle);
    }
    const void* handle = nullptr;
};

// The sheet's index, -1 when absent; -2 with error set when the workbook cannot be read.
int FindXlsSheet(const void* handle, const std::string& sheetName, std::string& found)
{
    unsigned int count = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
        return -2;
    for (unsigned int i = 0; i < count && i < 0xFFFF; ++i)
    {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(i), &name) == FREEXL_OK &&
            name != nullptr && EqualsIgnoringCase(name, sheetName))
        {
            found = name;
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ReadXlsHere(std::string_view bytes, const std::string& sheetName, SSheetCells& sheet,
                 std::string& error)
{
    CMemoryFile file(bytes);
    if (file.Path().empty())
    {
        error = "no memory for the workbook";
        return false;
    }
    std::string found;
    {
        // The cells are loaded whole, so the sheet's size is checked on the outline first.
        CFreexlHandle info;
        if (freexl_open_info(file.Path().c_str(), &info.handle) != FREEXL_OK)
        {
            error = "the file is a damaged or unsupported Excel workbook";
            return false;
        }
        unsigned int password = 0;
        if (freexl_get_info(info.handle, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK &&
            password == FREEXL_BIFF_OBFUSCATED)
        {
            error = "the workbook is protected by a password";
            return false;
        }
        const int index = FindXlsSheet(info.handle, sheetName, found);
        if (index < 0)
        {
            error = index == -1 ? LoadString(IDS_IMPORT_NO_GUESTS_SHEET)
                                : "the file is a damaged Excel workbook";
            return false;
        }
    }
    CFreexlHandle workbook;
    if (freexl_open(file.Path().c_str(), &workbook.handle) != FREEXL_OK)
    {
        error = "the file is a damaged or unsupported Excel workbook";
        return false;
    }
    const int index = FindXlsSheet(workbook.handle, sheetName, found);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (index < 0 ||
        freexl_select_active_worksheet(workbook.handle, static_cast<unsigned short>(index)) !=
            FREEXL_OK ||
        freexl_worksheet_dimensions(workbook.handle, &rows, &columns) != FREEXL_OK)
    {
        error = "the file is a damaged Excel workbook";
        return false;
    }
    sheet.sheetName = found;
    CSheetBuilder builder(sheet);
    const unsigned int readColumns =
        std::min<unsigned int>(columns, CSpreadsheetReader::kMaxColumns);
    for (unsigned int r = 0; r < rows; ++r)
    {
        for (unsigned int c = 0; c < readColumns; ++c)
        {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(workbook.handle, r, static_cast<unsigned short>(c), &value) !=
                FREEXL_OK)
                continue;
            std::string text;
            switch (value.type)
            {
            case FREEXL_CELL_INT:
                text = std::to_string(value.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                text = NumberCellText(value.value.double_value);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                if (value.value.text_value != nullptr)
                    text = value.value.text_value;
                break;
            default:
                break;
            }
            if (!IsValidUtf8(text))
                text = Cp1255ToUtf8(text);
            if (!builder.Set(r, c, std::move(text)))
            {
                error = builder.Error();
                return false;
            }
        }
    }
    return true;
}

// libfreexl writes out of bounds on some damaged workbooks, so it never runs in this process: a
// child reads the sheet and sends it back through a pipe (a record: sheet name, then per cell
// row, column, text; an error text instead on failure). A child that dies or takes longer than
// kXlsSeconds leaves a damaged workbook.
constexpr unsigned kXlsSeconds = 30;

void PutNumber(std::string& out, std::uint64_t value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}
void PutText(std::string& out, const std::string& text)
{
    PutNumber(out, text.size());
    out += text;
}
bool GetNumber(std::string_view& in, std::uint64_t& value)
{
    if (in.size() < sizeof value)
        return false;
    std::memcpy(&value, in.data(), sizeof value);
    in.remove_prefix(sizeof value);
    return true;
}
bool GetText(std::string_view& in, std::string& text)
{
    std::uint64_t size = 0;
    if (!GetNumber(in, size) || size > in.size())
        return false;
    text.assign(in.data(), static_cast<std::size_t>(size));
    in.remove_prefix(static_cast<std::size_t>(size));
    return true;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty())
    {
        const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

bool ReadXls(std::string_view bytes, const std::string& sheetName, SSheetCells& sheet,
             std::string& error)
{
    const std::string damaged = "the file is a damaged Excel workbook";
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
    {
        error = damaged;
        return false;
    }
    const pid_t child = ::fork();
    if (child < 0)
    {
        ::close(fds[0]);
        ::close(fds[1]);
        error = damaged;
        return false;
    }
    if (child == 0)
    {
        ::close(fds[0]);
        ::alarm(kXlsSeconds);
        SSheetCells read;
        std::string reason;
        std::string out;
        if (ReadXlsHere(bytes, sheetName, read, reason))
        {
            out += 'S';
            PutText(out, read.sheetName);
            for (std::size_t r = 0; r < read.rows.size(); ++r)
                for (std::size_t c = 0; c < read.rows[r].size(); ++c)
                    if (!read.rows[r][c].empty())
                    {
                        PutNumber(out, r);
                        PutNumber(out, c);
                        PutText(out, read.rows[r][c]);
                    }
        }
        else
        {
            out += 'E';
            PutText(out, reason);
        }
        ::_exit(WriteAll(fds[1], out) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string in;
    char buffer[65536];
    bool tooMuch = false;
    for (;;)
    {
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        // Cells within the limits, with their positions, never come near twice the text limit.
        if (in.size() + static_cast<std::size_t>(got) > 2 * CSpreadsheetReader::kMaxTextBytes)
        {
            tooMuch = true;
            break;
        }
        in.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fds[0]);
    if (tooMuch)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR)
    {
    }
    std::string_view record(in);
    if (tooMuch || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || record.empty())
    {
        error = damaged;
        return false;
    }
    const char kind = record.front();
    record.remove_prefix(1);
    if (kind == 'E')
    {
        if (!GetText(record, error))
            error = damaged;
        return false;
    }
    std::string name;
    if (kind != 'S' || !GetText(record, name))
    {
        error = damaged;
        return false;
    }
    sheet.sheetName = name;
    CSheetBuilder builder(sheet);
    while (!record.empty())
    {
        std::uint64_t row = 0, column = 0;
        std::string text;
        if (!GetNumber(record, row) || !GetNumber(record, column) || !GetText(record, text))
        {
            error = damaged;
            return false;
        }
        if (!builder.Set(row, column, std::move(text)))
        {
            error = builder.Error();
            return false;
        }
    }
    return true;
}

// --- Delimited text --------------------------------------------------------------------------

char FindSeparator(std::string_view text)
{
    std::size_t tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (char c : text)
    {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == '\t')
            ++tabs;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == ',')
            ++commas;
    }
    if (tabs > 0 && tabs >= semicolons && tabs >= commas)
        return '\t';
    if (semicolons > commas)
        return ';';
    return ',';
}

bool ReadDelimited(std::string_view bytes, SSheetCells& sheet, std::string& error)
{
    std::string text;
    if (!DecodeFileTextChecked(bytes, text))
    {
        error = "the file is neither a workbook nor a text file";
        return false;
    }
    const char separator = FindSeparator(text);
    CSheetBuilder builder(sheet);
    std::uint64_t row = 0, column = 0;
    std::string field;
    bool quoted = false;
    bool endedRecord = false;
    auto endField = [&]
    {
        const bool ok = builder.Set(row, column, std::move(field));
        field.clear();
        ++column;
        return ok;
    };
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        endedRecord = false;
        if (quoted)
        {
            if (c == '"')
            {
                if (i + 1 < text.size() && text[i + 1] == '"')
                {
                    field += '"';
                    ++i;
                }
                else
                    quoted = false;
            }
            else if (c == '\r')
            {
                if (i + 1 >= text.size() || text[i + 1] != '\n')
                    field += '\n';
            }
            else if (field.size() < CSpreadsheetReader::kMaxCellChars * 4)
                field += c;
        }
        else if (c == '"' && field.empty())
            quoted = true;
        else if (c == separator)
        {
            if (!endField())
                break;
        }
        else if (c == '\r' || c == '\n')
        {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            if (!endField())
                break;
            ++row;
            column = 0;
            endedRecord = true;
        }
        else if (field.size() < CSpreadsheetReader::kMaxCellChars * 4)
            field += c;
    }
    if (builder.Error().empty() && !endedRecord)
        endField();
    if (!builder.Error().empty())
    {
        error = builder.Error();
        return false;
    }
    return true;
}
} // namespace

const std::string& SSheetCells::Cell(std::size_t row, std::size_t column) const
{
    if (row >= rows.size() || column >= rows[row].size())
        return kEmpty;
    return rows[row][column];
}

CSpreadsheetReader::EKind CSpreadsheetReader::Sniff(std::string_view bytes)
{
    if (bytes.substr(0, kZipMagic.size()) == kZipMagic)
        return EKind::Zip;
    if (bytes.substr(0, kOleMagic.size()) == kOleMagic)
        return EKind::Xls;
    return EKind::Text;
}

bool CSpreadsheetReader::ReadBytes(std::string_view bytes, const std::string& sheetName,
                                   SSheetCells& sheet, std::string& error)
{
    sheet = SSheetCells{};
    if (bytes.size() > kMaxFileBytes)
    {
        error = "the file is larger than " + Mib(kMaxFileBytes);
        return false;
    }
    bool ok = false;
    try
    {
        switch (Sniff(bytes))
        {
        case EKind::Zip:
        {
            CZipArchive archive;
            if (!archive.Open(bytes, error))
                break;
            if (archive.Has("xl/workbook.xml"))
                ok = ReadXlsx(archive, sheetName, sheet, error);
            else if (archive.Has("content.xml"))
                ok = ReadOds(archive, sheetName, sheet, error);
            else
                error = "the archive is neither an Excel nor an OpenDocument workbook";
            break;
        }
        case EKind::Xls:
            ok = ReadXls(bytes, sheetName, sheet, error);
            break;
        case EKind::Text:
            ok = ReadDelimited(bytes, sheet, error);
            break;
        }
    }
    catch (const std::bad_alloc&)
    {
        error = "not enough memory to read the file";
        ok = false;
    }
    if (!ok)
        sheet.rows.clear();
    return ok;
}

bool CSpreadsheetReader::ReadFile(const std::filesystem::path& path, const std::string& sheetName,
                                  SSheetCells& sheet, std::string& error)
{
    std::string bytes;
    if (!ReadRegularFile(path, bytes, kMaxFileBytes, &error))
        return false;
    return ReadBytes(bytes, sheetName, sheet, error);
}
