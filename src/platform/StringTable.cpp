#include "platform/StringTable.h"

#include "platform/Language.h"
#include "platform/Trace.h"
#include "platform/strings/StringAreas.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace
{
// Every area's entries in one table sorted by id, made once (the areas keep their own order).
const std::vector<SStringEntry>& Table()
{
    static const std::vector<SStringEntry> table = []
    {
        std::vector<SStringEntry> all;
        for (const SStringEntries& area : StringAreas())
            all.insert(all.end(), area.begin(), area.end());
        std::stable_sort(all.begin(), all.end(),
                         [](const SStringEntry& a, const SStringEntry& b) { return a.id < b.id; });
        return all;
    }();
    return table;
}

const SStringEntry* Find(int id)
{
    const std::vector<SStringEntry>& table = Table();
    auto it = std::lower_bound(table.begin(), table.end(), id,
                               [](const SStringEntry& entry, int key) { return entry.id < key; });
    if (it == table.end() || it->id != id)
        return nullptr;
    return &*it;
}
} // namespace

std::string LoadStringIn(int id, bool hebrew)
{
    const SStringEntry* entry = Find(id);
    if (entry == nullptr)
    {
        Trace("LoadString", "unknown string " + std::to_string(id));
        return {};
    }
    return hebrew ? entry->hebrew : entry->english;
}

std::string LoadString(int id)
{
    return LoadStringIn(id, IsHebrewUi());
}

bool HasString(int id)
{
    return Find(id) != nullptr;
}

SStringEntries GetStringEntries()
{
    const std::vector<SStringEntry>& table = Table();
    return {table.data(), table.data() + table.size()};
}

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> args)
{
    // Only what the program's texts use counts as a conversion; anything else after a "%" (a
    // blank, a Hebrew letter, "o" of "% of") is prose and is copied, never eaten with an argument.
    constexpr std::string_view kFlagsWidthPrecision = "-+#0123456789.lh";
    constexpr std::string_view kConversions = "diuxXscfeEgG";

    std::string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i)
    {
        char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size())
        {
            out += c;
            continue;
        }
        if (pattern[i + 1] == '%')
        {
            out += '%';
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < pattern.size() &&
               kFlagsWidthPrecision.find(pattern[j]) != std::string_view::npos)
            ++j;
        if (j >= pattern.size() || kConversions.find(pattern[j]) == std::string_view::npos)
        {
            out += c;
            continue;
        }
        if (next != args.end())
            out += *next++;
        i = j;
    }
    return out;
}
