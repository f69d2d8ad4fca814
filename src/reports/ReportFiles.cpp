#include "reports/ReportFiles.h"

#include "platform/AtomicFile.h"
#include "platform/NumberText.h"

#include <system_error>

namespace
{
void AppendUnit(std::string& out, unsigned unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

void AppendCodePoint(std::string& out, char32_t cp)
{
    if (cp >= 0x10000)
    {
        cp -= 0x10000;
        AppendUnit(out, 0xD800 + (cp >> 10));
        AppendUnit(out, 0xDC00 + (cp & 0x3FF));
    }
    else
    {
        AppendUnit(out, cp);
    }
}
} // namespace

std::string EncodeReportBytes(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2 + 2);
    out += "\xFF\xFE";
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n)
    {
        const unsigned char c = s[i];
        if (c < 0x80)
        {
            AppendUnit(out, c);
            ++i;
            continue;
        }
        int length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if ((c & 0xE0) == 0xC0)
            length = 2, cp = c & 0x1F, minimum = 0x80;
        else if ((c & 0xF0) == 0xE0)
            length = 3, cp = c & 0x0F, minimum = 0x800;
        else if ((c & 0xF8) == 0xF0)
            length = 4, cp = c & 0x07, minimum = 0x10000;
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= n;
        for (int k = 1; valid && k < length; ++k)
        {
            const unsigned char next = s[i + static_cast<std::size_t>(k)];
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (next & 0x3F);
        }
        if (valid && (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            valid = false;
        if (!valid)
        {
            AppendUnit(out, 0xFFFD);
            ++i;
            continue;
        }
        AppendCodePoint(out, cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

bool WriteReportFile(const std::filesystem::path& path, std::string_view utf8, std::string* error)
{
    return WriteFileAtomic(path, EncodeReportBytes(utf8), error);
}

std::filesystem::path ReportsFolder(const std::filesystem::path& dataRoot)
{
    const std::filesystem::path folder = dataRoot / "Reports";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec))
        return {};
    return folder;
}

std::filesystem::path UniqueReportPath(const std::filesystem::path& folder, const std::string& base,
                                       const std::string& extension)
{
    for (long long n = 1;; ++n)
    {
        std::filesystem::path candidate = folder / (base + FormatInt(n) + "." + extension);
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, ec)))
            return candidate;
    }
}
