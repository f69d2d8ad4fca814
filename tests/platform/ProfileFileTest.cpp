#include "platform/ProfileFile.h"

#include "platform/TextEncoding.h"
#include "support/FaultHookGuard.h"
#include "support/TempDir.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// A profile read from bytes as they would stand in a file.
CProfileFile Parse(const std::string& bytes)
{
    CProfileFile file;
    file.LoadBytes(bytes);
    return file;
}

// Writes the bytes as Test.ini in the folder and loads it from there.
CProfileFile LoadFile(const CTempDir& folder, const std::string& bytes)
{
    WriteBytes(folder / "Test.ini", bytes);
    CProfileFile file(folder / "Test.ini");
    EXPECT_TRUE(file.WasLoaded());
    return file;
}

std::string Repeat(const std::string& piece, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += piece;
    return out;
}
} // namespace

// Names ---------------------------------------------------------------------------------------

TEST(ProfileFileNames, SectionAndKeyNamesIgnoreCase)
{
    CProfileFile file = Parse("[FtpSettings]\r\nFtpAutoUpload=1\r\n");
    EXPECT_TRUE(file.HasSection("FTPSETTINGS"));
    EXPECT_EQ(file.GetString("ftpsettings", "FTPAUTOUPLOAD"), "1");

    file.SetString("FTPSETTINGS", "ftpautoupload", "0");
    EXPECT_EQ(file.ToText(), "[FtpSettings]\r\nFtpAutoUpload=0\r\n");
}

TEST(ProfileFileNames, FirstOfTwoHeadersDifferingInCaseIsReadAndWritten)
{
    CProfileFile file = Parse("[FtpSettings]\r\n"
                              "FtpAutoUpload=1\r\n"
                              "\r\n"
                              "[FTPSettings]\r\n"
                              "FtpServer=ftp.example.org\r\n"
                              "FtpAutoUpload=0\r\n");
    // The second header's keys are hidden behind the first.
    EXPECT_EQ(file.GetInt("FTPSettings", "FtpAutoUpload", 7), 1);
    EXPECT_FALSE(file.HasKey("FTPSettings", "FtpServer"));

    file.SetString("FTPSettings", "FtpServer", "ftp.example.com");
    file.SetInt("FTPSETTINGS", "FtpAutoUpload", 0);
    EXPECT_EQ(file.ToText(), "[FtpSettings]\r\n"
                             "FtpAutoUpload=0\r\n"
                             "FtpServer=ftp.example.com\r\n"
                             "\r\n"
                             "[FTPSettings]\r\n"
                             "FtpServer=ftp.example.org\r\n"
                             "FtpAutoUpload=0\r\n");
}

TEST(ProfileFileNames, FirstOfRepeatedKeysIsReadAndWritten)
{
    CProfileFile file = Parse("[S]\r\nKey=1\r\nKEY=2\r\n");
    EXPECT_EQ(file.GetInt("S", "key", 0), 1);
    EXPECT_EQ(file.GetKeys("S"), std::vector<std::string>{"Key"});
    file.SetString("S", "kEy", "3");
    EXPECT_EQ(file.ToText(), "[S]\r\nKey=3\r\nKEY=2\r\n");
}

TEST(ProfileFileNames, WhatMakesAHeaderAndAKey)
{
    CProfileFile file = Parse("Key=top\r\n"
                              "[ Sec ] ; note [x]\r\n"
                              "\t Key \t= v\r\n"
                              ";Comment=1\r\n"
                              "=nameless\r\n"
                              "no equals sign\r\n"
                              "[Open\r\n"
                              "Other=2\r\n");
    // Blanks around names do not count; a header ends at its first closing bracket.
    EXPECT_EQ(file.GetString(" sec ", " key\t"), "v");
    // Comments, nameless lines and lines before the first header are no keys; "[Open" is no
    // header, so the key below it stays in the section above.
    EXPECT_FALSE(file.HasKey("", "Key"));
    EXPECT_FALSE(file.HasSection("Open"));
    EXPECT_EQ(file.GetKeys("Sec"), (std::vector<std::string>{"Key", "Other"}));

    // Names given with blanks are stored trimmed, so they read back as themselves.
    file.SetString(" Other ", " New ", "x");
    EXPECT_EQ(Parse(file.ToText()).GetString("other", "new"), "x");
}

TEST(ProfileFileNames, NamesThatCannotBeStoredAreRefused)
{
    CProfileFile file;
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"S", ""},     {"S", "   "},   {"S", "a=b"}, {"S", ";key"}, {"S", "[key]"},   {"S", "a\nb"},
        {"S", "a\rb"}, {"S", "key\r"}, {"a]b", "k"}, {"a\nb", "k"}, {"a\r\n[b", "k"},
    };
    for (const auto& [section, key] : refused)
    {
        file.SetString(section, key, "v");
        EXPECT_FALSE(file.IsChanged()) << section << "/" << key;
    }
    EXPECT_EQ(file.ToText(), "");
}

// Values --------------------------------------------------------------------------------------

TEST(ProfileFileValues, TrimmedWithOnePairOfMatchingQuotesStripped)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {" \t two  inner  blanks \t \r", "two  inner  blanks"},
        {"", ""},
        {" a=b ; not a comment", "a=b ; not a comment"},
        {"\"abc\"", "abc"},
        {"'abc'", "abc"},
        {"\"\"abc\"\"", "\"abc\""},
        {"\"abc'", "\"abc'"},
        {"'abc\"", "'abc\""},
        {"\"", "\""},
        {"'", "'"},
        {"\"\"", ""},
        {"''", ""},
        {"  \" padded \"  ", " padded "},
        {"a\"b\"", "a\"b\""},
        {"\"a\"b", "\"a\"b"},
    };
    for (const auto& [stored, expected] : cases)
        EXPECT_EQ(Parse("[S]\r\nK=" + stored + "\r\n").GetString("S", "K", "default"), expected)
            << stored;

    CProfileFile file = Parse("[S]\r\nK=1\r\n");
    EXPECT_EQ(file.GetString("S", "Missing", "default"), "default");
    EXPECT_EQ(file.GetString("Missing", "K", "default"), "default");
}

TEST(ProfileFileValues, CutAt255CharactersNeverInsideACharacter)
{
    const std::string hebrew = "\xD7\xA9";        // ש, two bytes
    const std::string emoji = "\xF0\x9F\x8E\x89"; // four bytes
    CProfileFile file = Parse("[S]\r\n"
                              "Ascii=" +
                              Repeat("a", 300) +
                              "\r\n"
                              "Hebrew=" +
                              Repeat(hebrew, 300) +
                              "\r\n"
                              "Mixed=" +
                              Repeat("a", 254) + hebrew + hebrew +
                              "\r\n"
                              "Emoji=" +
                              Repeat(emoji, 256) +
                              "\r\n"
                              "Quoted=\"" +
                              Repeat("b", 300) +
                              "\"\r\n"
                              "Exact=" +
                              Repeat(hebrew, 255) + "\r\n");
    EXPECT_EQ(file.GetString("S", "Ascii"), Repeat("a", 255));
    EXPECT_EQ(file.GetString("S", "Hebrew"), Repeat(hebrew, 255));
    EXPECT_EQ(file.GetString("S", "Mixed"), Repeat("a", 254) + hebrew);
    EXPECT_EQ(file.GetString("S", "Emoji"), Repeat(emoji, 255));
    EXPECT_EQ(file.GetString("S", "Quoted"), Repeat("b", 255));
    EXPECT_EQ(file.GetString("S", "Exact"), Repeat(hebrew, 255));

    // The whole value is kept in the file; only reads are cut.
    file.SetString("S", "Long", Repeat(hebrew, 400));
    EXPECT_NE(file.ToText().find("Long=" + Repeat(hebrew, 400) + "\r\n"), std::string::npos);
}

TEST(ProfileFileValues, IntegersAreTheLeadingSignedDecimalSaturated)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"12abc", 12},
        {"abc", 0},
        {" -7", -7},
        {"", 0}, // an empty value is 0, not the default
        {"+5", 5},
        {"\"42\"", 42},
        {"1.9", 1},
        {"0x10", 0},
        {"- 3", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& [stored, expected] : cases)
        EXPECT_EQ(Parse("[S]\r\nK=" + stored + "\r\n").GetInt("S", "K", 99), expected) << stored;

    CProfileFile file = Parse("[S]\r\n");
    EXPECT_EQ(file.GetInt("S", "Missing", 5), 5);
    EXPECT_EQ(file.GetInt("Missing", "K", -5), -5);
    file.SetInt("S", "Neg", -5);
    file.SetInt("S", "Big", 9223372036854775807LL);
    EXPECT_EQ(file.ToText(), "[S]\r\nNeg=-5\r\nBig=9223372036854775807\r\n");
    EXPECT_EQ(file.GetInt("S", "Big", 0), INT_MAX);
}

// Encodings -----------------------------------------------------------------------------------

TEST(ProfileFileEncodings, Windows1255IsReadAndWrittenBackAsUtf8)
{
    CTempDir folder;
    // "שלום", a comment "הערה" and the yes word "כן" in windows-1255.
    CProfileFile file = LoadFile(folder, "[GenSettings]\r\n"
                                         "EveName=\xF9\xEC\xE5\xED\r\n"
                                         "; \xE4\xF2\xF8\xE4\r\n"
                                         "Other=\xEB\xEF\r\n"
                                         "Price=\x80"
                                         "5\r\n");
    EXPECT_EQ(file.GetString("GenSettings", "EveName"), "שלום");
    EXPECT_EQ(file.GetString("GenSettings", "Other"), "כן");

    file.SetString("GenSettings", "EventType", "2");
    std::string error;
    ASSERT_TRUE(file.Save(&error)) << error;
    const std::string written = ReadBytes(file.GetPath());
    EXPECT_TRUE(IsValidUtf8(written));
    EXPECT_EQ(written, "[GenSettings]\r\n"
                       "EveName=שלום\r\n"
                       "; הערה\r\n"
                       "Other=כן\r\n"
                       "Price=€5\r\n"
                       "EventType=2\r\n");
}

TEST(ProfileFileEncodings, MarkedFilesAreWrittenBackAsUtf8WithoutAMark)
{
    const std::vector<std::string> marked = {
        "\xEF\xBB\xBF[S]\r\nName=\xD7\xA9\r\n", // UTF-8 with its mark
        std::string("\xFF\xFE[\0S\0]\0\r\0\n\0N\0a\0m\0e\0=\0\xE9\x05\r\0\n\0", 28), // UTF-16LE
    };
    for (const std::string& bytes : marked)
    {
        CProfileFile file = Parse(bytes);
        EXPECT_TRUE(file.HasSection("S")) << "the mark is no part of the first header";
        EXPECT_EQ(file.GetString("S", "Name"), "ש");
        file.SetString("S", "K", "1");
        EXPECT_EQ(file.ToText(), "[S]\r\nName=ש\r\nK=1\r\n");
    }
}

// Writes --------------------------------------------------------------------------------------

TEST(ProfileFileWrites, EveryOtherLineIsKeptByteForByte)
{
    const std::string before = "; Settings of one event\r\n"
                               "\r\n"
                               "[GenSettings]\r\n"
                               "  EveName = \"Dana & Noam\"  \r\n"
                               "Unknown\t=\tkept as is\r\n"
                               "; a comment = with an equals sign\r\n"
                               "EventType=1\r\n"
                               "\r\n"
                               "just some text\r\n"
                               "[Other]\r\n"
                               "X=1";
    CProfileFile file = Parse(before);
    EXPECT_EQ(file.ToText(), before);
    file.SetInt("GenSettings", "EventType", 2);
    std::string after = before;
    after.replace(after.find("EventType=1"), 11, "EventType=2");
    EXPECT_EQ(file.ToText(), after);
}

TEST(ProfileFileWrites, LineEndsOfTheFileAreKept)
{
    CProfileFile unix = Parse("[S]\nA=1\n\n[T]\nB=2");
    unix.SetString("S", "C", "3");
    unix.SetString("T", "D", "4");
    EXPECT_EQ(unix.ToText(), "[S]\nA=1\nC=3\n\n[T]\nB=2\nD=4\n");

    CProfileFile created;
    created.SetString("S", "A", "1");
    EXPECT_EQ(created.ToText(), "[S]\r\nA=1\r\n");
}

TEST(ProfileFileWrites, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd)
{
    CProfileFile file = Parse("[A]\r\nX=1\r\n\r\n\r\n[Empty]\r\n\r\n[B]\r\nY=2\r\n");
    file.SetString("a", "Z", "3");
    file.SetString("EMPTY", "Q", "4");
    file.SetString("B", "W", "5");
    file.SetString("C", "K", "v");
    file.SetString("C", "L", "w");
    EXPECT_EQ(file.ToText(), "[A]\r\nX=1\r\nZ=3\r\n\r\n\r\n[Empty]\r\nQ=4\r\n\r\n"
                             "[B]\r\nY=2\r\nW=5\r\n[C]\r\nK=v\r\nL=w\r\n");
}

TEST(ProfileFileWrites, DeleteKeyRemovesOnlyItsLines)
{
    CProfileFile file = Parse("[A]\r\nX=1\r\nx=2\r\nY=3\r\n[B]\r\nX=4\r\n");
    file.DeleteKey("Missing", "X");
    file.DeleteKey("A", "Missing");
    EXPECT_FALSE(file.IsChanged());

    // A repeated key goes entirely, so the deleted key does not come back from its second line.
    file.DeleteKey("a", "X");
    EXPECT_TRUE(file.IsChanged());
    EXPECT_FALSE(file.HasKey("A", "X"));
    EXPECT_EQ(file.ToText(), "[A]\r\nY=3\r\n[B]\r\nX=4\r\n");
}

TEST(ProfileFileWrites, DeleteSectionRemovesEveryHeaderOfThatName)
{
    CProfileFile file =
        Parse("; top\r\n[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n[a]\r\nX=3\r\n[C]\r\nZ=4\r\n");
    file.DeleteSection("Missing");
    EXPECT_FALSE(file.IsChanged());
    file.DeleteSection("A");
    EXPECT_FALSE(file.HasSection("A"));
    EXPECT_EQ(file.ToText(), "; top\r\n[B]\r\nY=2\r\n[C]\r\nZ=4\r\n");
    // The index still finds the sections behind the removed ones.
    file.SetString("C", "Z", "5");
    EXPECT_EQ(file.ToText(), "; top\r\n[B]\r\nY=2\r\n[C]\r\nZ=5\r\n");
}

TEST(ProfileFileWrites, LineBreakInAValueCannotStartALine)
{
    CProfileFile file = Parse("[S]\r\nK=1\r\n");
    file.SetString("S", "K", "x\r\n[Evil]\r\nAdmin=1");
    file.SetString("S", "New", "y\nAdmin=2");
    const CProfileFile reread = Parse(file.ToText());
    EXPECT_FALSE(reread.HasSection("Evil"));
    EXPECT_FALSE(reread.HasKey("S", "Admin"));
    EXPECT_EQ(reread.GetString("S", "K"), "x  [Evil]  Admin=1");
    EXPECT_EQ(reread.GetString("S", "New"), "y Admin=2");
}

TEST(ProfileFileWrites, OneShotHelpersCreateFileAndSection)
{
    CTempDir folder;
    const fs::path path = folder / "New.ini";
    // Deleting from a file that is not there writes nothing.
    EXPECT_TRUE(DeleteProfileKey(path, "S", "K"));
    EXPECT_FALSE(fs::exists(path));

    ASSERT_TRUE(WriteProfileString(path, "S", "K", "v"));
    ASSERT_TRUE(WriteProfileString(path, "S", "N", "12x"));
    EXPECT_EQ(ReadBytes(path), "[S]\r\nK=v\r\nN=12x\r\n");
    EXPECT_EQ(ReadProfileString(path, "s", "k", "d"), "v");
    EXPECT_EQ(ReadProfileInt(path, "S", "N", 3), 12);
    ASSERT_TRUE(DeleteProfileKey(path, "S", "K"));
    EXPECT_EQ(ReadProfileString(path, "S", "K", "d"), "d");
    EXPECT_EQ(ReadProfileString(folder / "Missing.ini", "S", "K", "d"), "d");
}

// Saving --------------------------------------------------------------------------------------

TEST(ProfileFileSave, FailureAtAnyStepLeavesTheOldFileAndNoTemporaryFile)
{
    const std::string original = "[S]\r\nK=old\r\n; comment\r\n";
    for (EFileStep step : {EFileStep::CreateTemp, EFileStep::Write, EFileStep::Flush,
                           EFileStep::Close, EFileStep::Rename})
    {
        SCOPED_TRACE(static_cast<int>(step));
        CTempDir folder;
        CProfileFile file = LoadFile(folder, original);
        file.SetString("S", "K", "new");
        file.SetString("S", "Added", Repeat("x", 2000));
        std::string error;
        {
            CFaultHookGuard guard([&](EFileStep at, const std::string&) { return at == step; });
            EXPECT_FALSE(file.Save(&error));
        }
        EXPECT_EQ(ReadBytes(file.GetPath()), original);
        EXPECT_EQ(FolderEntries(folder.Path()), std::set<std::string>{"Test.ini"});
        EXPECT_NE(error.find(file.GetPath().string()), std::string::npos) << error;
        EXPECT_TRUE(file.IsChanged());

        // Once the fault is gone the same object saves what it holds.
        ASSERT_TRUE(file.SaveIfChanged());
        EXPECT_EQ(CProfileFile(file.GetPath()).GetString("S", "K"), "new");
    }
}

TEST(ProfileFileSave, NothingIsWrittenWhenNothingChanged)
{
    CTempDir folder;
    CProfileFile file = LoadFile(folder, "[S]\r\nK=1\r\n");
    struct stat before
    {
    };
    ASSERT_EQ(::stat(file.GetPath().c_str(), &before), 0);

    file.GetString("S", "K");
    file.SetString("s", "k", "1");
    file.SetInt("S", "K", 1);
    file.DeleteKey("S", "Missing");
    EXPECT_FALSE(file.IsChanged());
    int steps = 0;
    {
        CFaultHookGuard guard(
            [&](EFileStep, const std::string&)
            {
                ++steps;
                return true;
            });
        EXPECT_TRUE(file.SaveIfChanged());
    }
    EXPECT_EQ(steps, 0);
    struct stat after
    {
    };
    ASSERT_EQ(::stat(file.GetPath().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST(ProfileFileSave, AnExistingPathThatCannotBeReadIsNeverOverwritten)
{
    CTempDir folder;
    const fs::path path = folder / "Settings.ini";
    fs::create_directory(path);
    WriteBytes(path / "inside", "data");

    CProfileFile file(path);
    EXPECT_FALSE(file.WasLoaded());
    file.SetString("S", "K", "v");
    std::string error;
    EXPECT_FALSE(file.Save(&error));
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    EXPECT_FALSE(WriteProfileString(path, "S", "K", "v"));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(ReadBytes(path / "inside"), "data");
}

TEST(ProfileFileEncodings, Utf16WithoutAMarkIsReadAndAFileThatIsNoTextIsNeverRewritten)
{
    CTempDir folder;
    const fs::path utf16 = folder / "AppSettings.ini";
    const std::string text = "[GenSettings]\r\nAutoSaveOnExit=0\r\nBACK_UP_EVERY=5\r\n";
    std::string bytes;
    for (char c : text)
        bytes += std::string{c, '\0'};
    WriteBytes(utf16, bytes);
    CProfileFile file(utf16);
    EXPECT_TRUE(file.WasLoaded());
    EXPECT_EQ(file.GetInt("GenSettings", "AutoSaveOnExit", 1), 0);
    EXPECT_EQ(file.GetInt("GenSettings", "BACK_UP_EVERY", 10), 5);

    const fs::path binary = folder / "Settings.ini";
    const std::string garbage("[GenSettings]\r\nEveName=Dana\0\0\0\0\x01\x02\0\0\r\n", 37);
    WriteBytes(binary, garbage);
    CProfileFile unreadable(binary);
    EXPECT_FALSE(unreadable.WasLoaded());
    unreadable.SetString("GenSettings", "EveName", "Other");
    std::string error;
    EXPECT_FALSE(unreadable.Save(&error));
    EXPECT_NE(error.find("cannot be read as text"), std::string::npos) << error;
    EXPECT_FALSE(WriteProfileString(binary, "GenSettings", "EveName", "Other"));
    EXPECT_EQ(ReadBytes(binary), garbage);

    // The same bytes handed over in memory read as the file does (a fuzzing finding: "\0\xD3\xFF"
    // was taken as text with a zero character, and its rendering read back as another text).
    for (const std::string& input : {garbage, std::string("\0\xD3\xFF", 3)})
    {
        CProfileFile fromBytes(binary);
        fromBytes.LoadBytes(input);
        EXPECT_FALSE(fromBytes.WasLoaded());
        EXPECT_EQ(fromBytes.ToText(), "");
        fromBytes.SetString("GenSettings", "EveName", "Other");
        EXPECT_FALSE(fromBytes.Save());
        EXPECT_EQ(ReadBytes(binary), garbage);
    }

    // A zero character set in a value or a name never reaches the file: written, it would make
    // the whole file no text, read as defaults at the next load (found by fuzzing as well).
    CProfileFile written(folder / "Written.ini");
    written.SetString("GenSettings", "EveName", std::string("Dana\0Avi", 8));
    written.SetString("GenSettings", std::string("Odd\0Key", 7), "x");
    ASSERT_TRUE(written.Save());
    CProfileFile reread(folder / "Written.ini");
    EXPECT_TRUE(reread.WasLoaded());
    EXPECT_EQ(reread.GetString("GenSettings", "EveName"), "Dana Avi");
    EXPECT_EQ(reread.GetKeys("GenSettings").size(), 1u);
}
