#include "platform/StringTable.h"

#include "platform/TextEncoding.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace
{
// The printf conversions of a text in order ("%%" is no conversion). Deliberately written apart
// from FormatText: a conversion is "%", optional flags, width, precision and length, and one of
// the letters the program's texts use.
std::vector<std::string> Placeholders(const std::string& text)
{
    constexpr auto npos = std::string_view::npos;
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '%')
            continue;
        if (i + 1 < text.size() && text[i + 1] == '%')
        {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < text.size() && std::string_view("-+#0123456789.lh").find(text[j]) != npos)
            ++j;
        if (j < text.size() && std::string_view("diuxXscfeEgG").find(text[j]) != npos)
        {
            found.push_back(text.substr(i, j - i + 1));
            i = j;
        }
    }
    return found;
}

bool HasHebrewLetter(const std::string& text)
{
    // Hebrew letters are U+05D0..U+05EA: UTF-8 D7 90..D7 AA.
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
    {
        auto lead = static_cast<unsigned char>(text[i]);
        auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xD7 && trail >= 0x90 && trail <= 0xAA)
            return true;
    }
    return false;
}

// Single "&" marks a menu mnemonic; "&&" is a literal ampersand.
int MnemonicCount(const std::string& text)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '&')
            continue;
        if (i + 1 < text.size() && text[i + 1] == '&')
            ++i;
        else
            ++count;
    }
    return count;
}

} // namespace

TEST(StringTable, EveryAreaTogetherIsSortedWithoutDuplicatesAndFindsEveryEntry)
{
    SStringEntries entries = GetStringEntries();
    ASSERT_GT(entries.size(), 300u);
    const SStringEntry* previous = nullptr;
    for (const SStringEntry& entry : entries)
    {
        if (previous != nullptr)
        {
            EXPECT_LT(previous->id, entry.id) << "after " << previous->id;
        }
        previous = &entry;
        // The binary search must reach every entry, including the first and the last.
        EXPECT_TRUE(HasString(entry.id)) << entry.id;
        EXPECT_EQ(LoadStringIn(entry.id, false), entry.english) << entry.id;
        EXPECT_EQ(LoadStringIn(entry.id, true), entry.hebrew) << entry.id;
    }
    EXPECT_FALSE(HasString(0));
    EXPECT_FALSE(HasString(59401));
    EXPECT_FALSE(HasString(99999));
    EXPECT_EQ(LoadStringIn(59401, true), "");
}

TEST(StringTable, EveryEntryHasBothTextsWithTheSamePlaceholders)
{
    for (const SStringEntry& entry : GetStringEntries())
    {
        SCOPED_TRACE(entry.id);
        ASSERT_NE(entry.english, nullptr);
        ASSERT_NE(entry.hebrew, nullptr);
        std::string english = entry.english;
        std::string hebrew = entry.hebrew;
        EXPECT_FALSE(english.empty());
        EXPECT_FALSE(hebrew.empty());
        EXPECT_TRUE(IsValidUtf8(english));
        EXPECT_TRUE(IsValidUtf8(hebrew));
        // Arguments are filled in order, so both languages need the same conversions in the
        // same order.
        EXPECT_EQ(Placeholders(english), Placeholders(hebrew)) << english << " / " << hebrew;
    }
}

TEST(StringTable, HebrewTextsAreTranslated)
{
    // Texts that are the same in both languages on purpose: the product name and pure formats.
    const std::set<int> sameInBoth = {IDS_PRODUCT_NAME_FRAME,    IDS_PRODUCT_NAME,
                                      IDS_TABLES_NO_VALUE,       IDS_MOVE_TO_TABLE_BLOCK,
                                      IDS_MOVE_TO_TABLE_ENTRY,   IDS_SEATING_LINE,
                                      IDS_SEATING_LINE_NUMBERED, IDS_PLAN_TABLE_PEOPLE};
    for (const SStringEntry& entry : GetStringEntries())
    {
        if (sameInBoth.count(entry.id) != 0)
            continue;
        EXPECT_TRUE(HasHebrewLetter(entry.hebrew)) << entry.id << ": " << entry.hebrew;
    }
}

TEST(StringTable, MenuMnemonicsAreKeptInHebrew)
{
    for (const SStringEntry& entry : GetStringEntries())
    {
        if (entry.id < IDS_MENU_EVENT || entry.id > IDS_MENU_TASK_LIST)
            continue;
        EXPECT_EQ(MnemonicCount(entry.english), MnemonicCount(entry.hebrew)) << entry.id;
    }
}

TEST(StringTable, TextsThatStoredDataComparesWithAreExact)
{
    // Legacy files and the data of either edition hold these words; the default content and
    // the guests' relations compare with them.
    const std::vector<std::pair<int, const char*>> hebrew = {
        {IDS_RELATION_BRIDE, "כלה"},
        {IDS_RELATION_GROOM, "חתן"},
        {IDS_RELATION_MUTUAL, "משותף"},
        {IDS_TASKS_ROOT, "משימות"},
        {IDS_UNKNOWN, "לא ידוע"},
        {IDS_YES, "כן"},
        {IDS_NO, "לא"},
        {IDS_PARTLY, "חלקית"},
        {IDS_NOT_MAPPED, "לא ממופה"},
        {IDS_PAYER_BOTH_PARENTS, "הורי החתן והכלה"},
    };
    for (const auto& [id, text] : hebrew)
        EXPECT_EQ(LoadStringIn(id, true), text) << id;
    EXPECT_EQ(LoadStringIn(IDS_RELATION_BRIDE, false), "Bride");
    EXPECT_EQ(LoadStringIn(IDS_RELATION_GROOM, false), "Groom");
    EXPECT_EQ(LoadStringIn(IDS_RELATION_MUTUAL, false), "Mutual");
    EXPECT_EQ(LoadStringIn(IDS_PAYER_BOTH_PARENTS, false), "Grooms and Brides Parents");
}

TEST(FormatText, FillsConversionsInOrderAndLeavesEveryOtherPercentSign)
{
    EXPECT_EQ(FormatText("Table %d (%s)", {"7", "Friends"}), "Table 7 (Friends)");
    EXPECT_EQ(FormatText("%d%s[%d Guests]", {"12", " ", "30"}), "12 [30 Guests]");
    EXPECT_EQ(FormatText("Sum : %.0f, %ld|%5.2f|%-3s", {"450", "3", "a", "b"}), "Sum : 450, 3|a|b");
    EXPECT_EQ(FormatText("100%% sure, %s", {"yes"}), "100% sure, yes");
    // Missing arguments leave their conversions empty; extra ones are ignored.
    EXPECT_EQ(FormatText("%d out of %d seats", {"4"}), "4 out of  seats");
    EXPECT_EQ(FormatText("%s", {"a", "b"}), "a");
    EXPECT_EQ(FormatText("", {"a"}), "");
    // An argument is never read as a pattern.
    EXPECT_EQ(FormatText("%s %s", {"%s%d%%", "b"}), "%s%d%% b");
    // Prose such as the options dialog's label must not swallow an argument or a letter.
    EXPECT_EQ(FormatText("% of regular serving.", {"x"}), "% of regular serving.");
    EXPECT_EQ(FormatText("50% %s", {"off"}), "50% off");
    EXPECT_EQ(FormatText("ends with %", {}), "ends with %");
    EXPECT_EQ(FormatText(LoadStringIn(IDS_WEDDING_OF, true), {"דנה", "יוסי"}),
              "החתונה של דנה ויוסי");
    EXPECT_EQ(FormatText(LoadStringIn(IDS_OPTIONS_CHILD_SERVING_PERCENT, true), {"x"}),
              LoadStringIn(IDS_OPTIONS_CHILD_SERVING_PERCENT, true));
}
