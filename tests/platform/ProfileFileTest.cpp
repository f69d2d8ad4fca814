#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "TempFolder.h"
#include "platform/ProfileFile.h"
#include "platform/TextEncoding.h"

namespace fs = std::filesystem;

namespace
{
// Writes the bytes as Test.ini in the folder and loads it.
CProfileFile LoadBytes(const CTempFolder& folder, const std::string& bytes)
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

// UTF-16LE bytes with the byte-order mark, for text of the Basic Multilingual Plane.
std::string Utf16LeWithMark(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text)
    {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
} // namespace

// Names ---------------------------------------------------------------------------------------

TEST(ProfileFileNames, SectionAndKeyNamesIgnoreCase)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[FtpSettings]\r\nFtpAutoUpload=1\r\n");
    EXPECT_TRUE(file.HasSection("FTPSETTINGS"));
    EXPECT_EQ(file.GetString("ftpsettings", "FTPAUTOUPLOAD"), "1");

    file.SetString("FTPSETTINGS", "ftpautoupload", "0");
    EXPECT_EQ(file.ToText(), "[FtpSettings]\r\nFtpAutoUpload=0\r\n");
}

TEST(ProfileFileNames, FirstOfTwoHeadersDifferingInCaseIsReadAndWritten)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[FtpSettings]\r\n"
                                          "FtpAutoUpload=1\r\n"
                                          "\r\n"
                                          "[FTPSettings]\r\n"
                                          "FtpServer=ftp.example.org\r\n"
                                          "FtpAutoUpload=0\r\n");
    // The second header's keys are hidden behind the first.
    EXPECT_EQ(file.GetInt("FTPSettings", "FtpAutoUpload", 7), 1);
    EXPECT_FALSE(file.HasKey("FTPSettings", "FtpServer"));
    EXPECT_EQ(file.GetString("FTPSettings", "FtpServer", "none"), "none");

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
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[S]\r\nKey=1\r\nKEY=2\r\n");
    EXPECT_EQ(file.GetInt("S", "key", 0), 1);
    EXPECT_EQ(file.GetKeys("S"), std::vector<std::string>{"Key"});
    file.SetString("S", "kEy", "3");
    EXPECT_EQ(file.ToText(), "[S]\r\nKey=3\r\nKEY=2\r\n");
}

TEST(ProfileFileNames, BlanksAroundNamesDoNotCount)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[ Sec ]\r\n\t Key \t= v\r\n");
    EXPECT_EQ(file.GetString("Sec", "Key"), "v");
    EXPECT_EQ(file.GetString(" sec ", " key\t"), "v");

    file.SetString(" Other ", " New ", "x");
    ASSERT_TRUE(file.Save());
    CProfileFile reloaded(file.GetPath());
    EXPECT_EQ(reloaded.GetString("Other", "New"), "x");
    EXPECT_EQ(reloaded.GetString("other", "new"), file.GetString("Other", "New"));
}

TEST(ProfileFileNames, CommentsAndLinesBeforeTheFirstHeaderAreNoKeys)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "Key=top\r\n[S]\r\n;Key=comment\r\n=nameless\r\nno "
                                          "equals sign\r\nOther=1\r\n");
    EXPECT_FALSE(file.HasKey("S", "Key"));
    EXPECT_FALSE(file.HasKey("", "Key"));
    EXPECT_EQ(file.GetKeys("S"), std::vector<std::string>{"Other"});
}

TEST(ProfileFileNames, HeaderNameEndsAtTheFirstClosingBracket)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[Sec] ; note [x]\r\nKey=1\r\n[Open\r\nKey=2\r\n");
    EXPECT_EQ(file.GetString("Sec", "Key"), "1");
    // "[Open" is not a header, so its key line stays in the section above.
    EXPECT_FALSE(file.HasSection("Open"));
}

TEST(ProfileFileNames, NamesThatCannotBeStoredAreRefused)
{
    CProfileFile file;
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"S", ""},      {"S", "   "},  {"S", "a=b"},  {"S", ";key"}, {"S", "[key]"}, {"S", "a\nb"},
        {"S", "a\rb"},  {"S", "key\r"}, {"a]b", "k"},  {"a\nb", "k"}, {"a\r\n[b", "k"},
    };
    for (const auto& [section, key] : refused)
    {
        file.SetString(section, key, "v");
        EXPECT_FALSE(file.IsChanged()) << section << "/" << key;
    }
    EXPECT_EQ(file.ToText(), "");
}

// Values --------------------------------------------------------------------------------------

TEST(ProfileFileValues, TrimmedOfBlanksTabsAndCarriageReturns)
{
    CTempFolder folder;
    CProfileFile file =
        LoadBytes(folder, "[S]\r\nA= \t two  inner  blanks \t \r\r\nB=\r\nC\t=\t\r\n");
    EXPECT_EQ(file.GetString("S", "A"), "two  inner  blanks");
    EXPECT_EQ(file.GetString("S", "B", "default"), "");
    EXPECT_EQ(file.GetString("S", "C", "default"), "");
    EXPECT_EQ(file.GetString("S", "D", "default"), "default");
    EXPECT_EQ(file.GetString("T", "A", "default"), "default");
}

TEST(ProfileFileValues, OnePairOfMatchingQuotesIsStripped)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\"abc\"", "abc"},
        {"'abc'", "abc"},
        {"\"\"abc\"\"", "\"abc\""},
        {"\"abc'", "\"abc'"},
        {"'abc\"", "'abc\""},
        {"\"", "\""},
        {"'", "'"},
        {"\"\"", ""},
        {"''", ""},
        {"x", "x"},
        {"  \" padded \"  ", " padded "},
        {"a\"b\"", "a\"b\""},
        {"\"a", "\"a"},
        {"\"a\"b", "\"a\"b"},
    };
    CTempFolder folder;
    for (const auto& [stored, expected] : cases)
    {
        CProfileFile file = LoadBytes(folder, "[S]\r\nK=" + stored + "\r\n");
        EXPECT_EQ(file.GetString("S", "K"), expected) << stored;
    }
}

TEST(ProfileFileValues, ValueRunsFromTheFirstEqualsSign)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[S]\r\nK = a=b ; not a comment\r\n");
    EXPECT_EQ(file.GetString("S", "K"), "a=b ; not a comment");
}

TEST(ProfileFileValues, CutAt255CharactersNeverInsideACharacter)
{
    CTempFolder folder;
    const std::string hebrew = "\xD7\xA9"; // ש, two bytes
    const std::string emoji = "\xF0\x9F\x8E\x89"; // four bytes
    CProfileFile file = LoadBytes(folder, "[S]\r\n"
                                          "Ascii=" + Repeat("a", 300) + "\r\n"
                                          "Hebrew=" + Repeat(hebrew, 300) + "\r\n"
                                          "Mixed=" + Repeat("a", 254) + hebrew + hebrew + "\r\n"
                                          "Emoji=" + Repeat(emoji, 256) + "\r\n"
                                          "Quoted=\"" + Repeat("b", 300) + "\"\r\n"
                                          "Exact=" + Repeat(hebrew, 255) + "\r\n");
    EXPECT_EQ(file.GetString("S", "Ascii"), Repeat("a", 255));
    EXPECT_EQ(file.GetString("S", "Hebrew"), Repeat(hebrew, 255));
    EXPECT_EQ(file.GetString("S", "Mixed"), Repeat("a", 254) + hebrew);
    EXPECT_EQ(file.GetString("S", "Emoji"), Repeat(emoji, 255));
    EXPECT_EQ(file.GetString("S", "Quoted"), Repeat("b", 255));
    EXPECT_EQ(file.GetString("S", "Exact"), Repeat(hebrew, 255));

    // The whole value is kept in the file; only reads are cut.
    file.SetString("S", "Long", Repeat(hebrew, 400));
    ASSERT_TRUE(file.Save());
    EXPECT_NE(ReadBytes(file.GetPath()).find("Long=" + Repeat(hebrew, 400) + "\r\n"),
              std::string::npos);
}

// Integers ------------------------------------------------------------------------------------

TEST(ProfileFileInts, LeadingSignedDecimalOrZero)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"12abc", 12},
        {"abc", 0},
        {" -7", -7},
        {"", 0},
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
    CTempFolder folder;
    for (const auto& [stored, expected] : cases)
    {
        CProfileFile file = LoadBytes(folder, "[S]\r\nK=" + stored + "\r\n");
        EXPECT_EQ(file.GetInt("S", "K", 99), expected) << stored;
    }
}

TEST(ProfileFileInts, DefaultOnlyWhenTheKeyIsMissing)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[S]\r\nEmpty=\r\n");
    EXPECT_EQ(file.GetInt("S", "Empty", 5), 0);
    EXPECT_EQ(file.GetInt("S", "Missing", 5), 5);
    EXPECT_EQ(file.GetInt("Missing", "Empty", -5), -5);
}

TEST(ProfileFileInts, WrittenAsPlainDecimal)
{
    CProfileFile file;
    file.SetInt("S", "Neg", -5);
    file.SetInt("S", "Big", 9223372036854775807LL);
    EXPECT_EQ(file.GetString("S", "Neg"), "-5");
    EXPECT_EQ(file.GetString("S", "Big"), "9223372036854775807");
    EXPECT_EQ(file.GetInt("S", "Big", 0), INT_MAX);
}

// Encodings -----------------------------------------------------------------------------------

TEST(ProfileFileEncodings, Windows1255IsReadAndWrittenBackAsUtf8)
{
    CTempFolder folder;
    // "שלום", a comment "הערה" and the yes word "כן" in windows-1255.
    CProfileFile file = LoadBytes(folder, "[GenSettings]\r\n"
                                          "EveName=\xF9\xEC\xE5\xED\r\n"
                                          "; \xE4\xF2\xF8\xE4\r\n"
                                          "Other=\xEB\xEF\r\n"
                                          "Price=\x80" "5\r\n");
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

TEST(ProfileFileEncodings, Utf8MarkIsNoPartOfTheFirstHeaderAndIsNotWrittenBack)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "\xEF\xBB\xBF[S]\r\nK=\xD7\xA9\r\n");
    EXPECT_TRUE(file.HasSection("S"));
    EXPECT_EQ(file.GetString("S", "K"), "ש");
    file.SetString("S", "K", "x");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(file.GetPath()), "[S]\r\nK=x\r\n");
}

TEST(ProfileFileEncodings, Utf16LeWithMarkIsReadAndWrittenBackAsUtf8)
{
    CTempFolder folder;
    CProfileFile file =
        LoadBytes(folder, Utf16LeWithMark(u"[S]\r\nName=\u05E9\u05DC\u05D5\u05DD\r\n;c\r\n"));
    EXPECT_EQ(file.GetString("S", "Name"), "שלום");
    file.SetString("S", "K", "1");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(file.GetPath()), "[S]\r\nName=שלום\r\n;c\r\nK=1\r\n");
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
    const std::string after = "; Settings of one event\r\n"
                              "\r\n"
                              "[GenSettings]\r\n"
                              "  EveName = \"Dana & Noam\"  \r\n"
                              "Unknown\t=\tkept as is\r\n"
                              "; a comment = with an equals sign\r\n"
                              "EventType=2\r\n"
                              "\r\n"
                              "just some text\r\n"
                              "[Other]\r\n"
                              "X=1";
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, before);
    EXPECT_EQ(file.ToText(), before);
    file.SetInt("GenSettings", "EventType", 2);
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(file.GetPath()), after);
}

TEST(ProfileFileWrites, LineEndsOfTheFileAreKept)
{
    CTempFolder folder;
    CProfileFile unix = LoadBytes(folder, "[S]\nA=1\n\n[T]\nB=2");
    unix.SetString("S", "C", "3");
    unix.SetString("T", "D", "4");
    EXPECT_EQ(unix.ToText(), "[S]\nA=1\nC=3\n\n[T]\nB=2\nD=4\n");

    CProfileFile created;
    created.SetString("S", "A", "1");
    EXPECT_EQ(created.ToText(), "[S]\r\nA=1\r\n");
}

TEST(ProfileFileWrites, NewKeyLandsInsideItsSectionBeforeBlankLines)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[A]\r\nX=1\r\n\r\n\r\n[Empty]\r\n\r\n[B]\r\nY=2\r\n");
    file.SetString("a", "Z", "3");
    file.SetString("EMPTY", "Q", "4");
    file.SetString("B", "W", "5");
    EXPECT_EQ(file.ToText(),
              "[A]\r\nX=1\r\nZ=3\r\n\r\n\r\n[Empty]\r\nQ=4\r\n\r\n[B]\r\nY=2\r\nW=5\r\n");
}

TEST(ProfileFileWrites, NewSectionGoesAtTheEnd)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[A]\r\nX=1\r\n");
    file.SetString("C", "K", "v");
    file.SetString("C", "L", "w");
    EXPECT_EQ(file.ToText(), "[A]\r\nX=1\r\n[C]\r\nK=v\r\nL=w\r\n");
}

TEST(ProfileFileWrites, DeleteKeyRemovesOnlyItsLines)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[A]\r\nX=1\r\nx=2\r\nY=3\r\n[B]\r\nX=4\r\n");
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
    CTempFolder folder;
    CProfileFile file =
        LoadBytes(folder, "; top\r\n[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n[a]\r\nX=3\r\n[C]\r\nZ=4\r\n");
    file.DeleteSection("Missing");
    EXPECT_FALSE(file.IsChanged());
    file.DeleteSection("A");
    EXPECT_FALSE(file.HasSection("A"));
    EXPECT_EQ(file.GetString("A", "X", "gone"), "gone");
    EXPECT_EQ(file.ToText(), "; top\r\n[B]\r\nY=2\r\n[C]\r\nZ=4\r\n");
    // The index still finds the sections behind the removed ones.
    EXPECT_EQ(file.GetString("C", "Z"), "4");
    file.SetString("C", "Z", "5");
    EXPECT_EQ(file.ToText(), "; top\r\n[B]\r\nY=2\r\n[C]\r\nZ=5\r\n");
}

TEST(ProfileFileWrites, LineBreakInAValueCannotStartALine)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[S]\r\nK=1\r\n");
    file.SetString("S", "K", "x\r\n[Evil]\r\nAdmin=1");
    file.SetString("S", "New", "y\nAdmin=2");
    ASSERT_TRUE(file.Save());
    CProfileFile reloaded(file.GetPath());
    EXPECT_FALSE(reloaded.HasSection("Evil"));
    EXPECT_FALSE(reloaded.HasKey("S", "Admin"));
    EXPECT_EQ(reloaded.GetString("S", "K"), "x  [Evil]  Admin=1");
    EXPECT_EQ(reloaded.GetString("S", "New"), "y Admin=2");
}

TEST(ProfileFileWrites, SettingTheSameValueIsNoChange)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[S]\r\nK=1\r\n");
    file.SetString("s", "k", "1");
    file.SetInt("S", "K", 1);
    EXPECT_FALSE(file.IsChanged());
}

TEST(ProfileFileWrites, OneShotHelpersCreateFileAndSection)
{
    CTempFolder folder;
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
        CTempFolder folder;
        CProfileFile file = LoadBytes(folder, original);
        file.SetString("S", "K", "new");
        file.SetString("S", "Added", Repeat("x", 2000));
        std::string error;
        {
            CFaultHookGuard guard([&](EFileStep at, const std::string&) { return at == step; });
            EXPECT_FALSE(file.Save(&error));
        }
        EXPECT_EQ(ReadBytes(file.GetPath()), original);
        EXPECT_EQ(folder.Entries(), std::set<std::string>{"Test.ini"});
        EXPECT_NE(error.find(file.GetPath().string()), std::string::npos) << error;
        EXPECT_TRUE(file.IsChanged());

        // Once the fault is gone the same object saves what it holds.
        ASSERT_TRUE(file.SaveIfChanged());
        EXPECT_EQ(CProfileFile(file.GetPath()).GetString("S", "K"), "new");
    }
}

TEST(ProfileFileSave, NothingIsWrittenWhenNothingChanged)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[S]\r\nK=1\r\n");
    struct stat before{};
    ASSERT_EQ(::stat(file.GetPath().c_str(), &before), 0);

    file.GetString("S", "K");
    file.SetString("S", "K", "1");
    file.DeleteKey("S", "Missing");
    int steps = 0;
    {
        CFaultHookGuard guard([&](EFileStep, const std::string&) {
            ++steps;
            return true;
        });
        EXPECT_TRUE(file.SaveIfChanged());
    }
    EXPECT_EQ(steps, 0);
    struct stat after{};
    ASSERT_EQ(::stat(file.GetPath().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST(ProfileFileSave, AnExistingPathThatCannotBeReadIsNeverOverwritten)
{
    CTempFolder folder;
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

TEST(ProfileFileSave, FilePermissionsAreKept)
{
    CTempFolder folder;
    CProfileFile file = LoadBytes(folder, "[FTPSettings]\r\nFtpPassword=secret\r\n");
    fs::permissions(file.GetPath(), fs::perms::owner_read | fs::perms::owner_write);
    file.SetString("FTPSettings", "FtpPassword", "other");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(fs::status(file.GetPath()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}
