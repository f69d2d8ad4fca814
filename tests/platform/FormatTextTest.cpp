#include <gtest/gtest.h>

#include "platform/StringTable.h"

TEST(FormatText, FillsPlaceholdersInOrder)
{
    EXPECT_EQ(FormatText("Wedding of %s and %s", {"דנה", "Noam"}), "Wedding of דנה and Noam");
    EXPECT_EQ(FormatText("%d guests at %s", {"12", "table 3"}), "12 guests at table 3");
    EXPECT_EQ(FormatText("%5.2f|%ld|%-3s", {"a", "b", "c"}), "a|b|c");
}

TEST(FormatText, PercentSignsAndMissingOrExtraArguments)
{
    EXPECT_EQ(FormatText("100%% of %s", {"x"}), "100% of x");
    EXPECT_EQ(FormatText("%s-%s-%s", {"a"}), "a--");
    EXPECT_EQ(FormatText("%s", {"a", "b"}), "a");
    EXPECT_EQ(FormatText("ends with %", {}), "ends with %");
    EXPECT_EQ(FormatText("", {"a"}), "");
    // An argument is never read as a pattern.
    EXPECT_EQ(FormatText("%s %s", {"%s%d%%", "b"}), "%s%d%% b");
}
