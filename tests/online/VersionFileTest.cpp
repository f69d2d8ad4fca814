#include "online/VersionFile.h"

#include <gtest/gtest.h>
#include <string>

TEST(VersionFileTest, Cases)
{
    const struct
    {
        const char* name;
        std::string text;
        double expected;
    } cases[] = {
        {"equal version", "VerVerVerVer2.52CurCurCurCur", 2.52},
        {"four characters, C included", "VerVerVerVer2.6CurCurCurCur", 2.6},
        {"blanks after the number", "VerVerVerVer3   CurCurCurCur", 3.0},
        {"text around", "<html>news\nVerVerVerVer2.70CurCurCurCur\n</html>", 2.7},
        {"end marker elsewhere", "CurCurCurCur then VerVerVerVer2.61", 2.61},
        {"first version marker counts", "VerVerVerVer2.53 VerVerVerVer9.99CurCurCurCur", 2.53},
        {"not a number reads 0", "VerVerVerVerabcdCurCurCurCur", 0.0},
        {"fewer than four characters left", "CurCurCurCurVerVerVerVer4.", 4.0},
        {"no end marker", "VerVerVerVer2.60", -1.0},
        {"no version marker", "2.60CurCurCurCur", -1.0},
        {"empty", "", -1.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ParseVersionFile(c.text), c.expected) << c.name;
}

TEST(VersionFileTest, OnlyTheFirst10240BytesAreRead)
{
    std::string text(10240 - 16, ' ');
    text += "VerVerVerVer2.99"; // the version ends at byte 10 240
    EXPECT_DOUBLE_EQ(ParseVersionFile(text + "CurCurCurCur"), -1.0);
    EXPECT_DOUBLE_EQ(ParseVersionFile("CurCurCurCur" + text.substr(12)), 2.99);
}
