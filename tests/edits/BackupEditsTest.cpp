// Replacing the event's data from a backup or a folder, the timed backup and the export by mail.

#include "edits/BackupEdits.h"

#include "EditsFixture.h"
#include "model/Guest.h"
#include "store/EventBackup.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
std::string GuestsXml(const std::string& name)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n<Guest>"
           "<UniqueId>1001</UniqueId><gsName><![CDATA[" +
           name + "]]></gsName></Guest>\r\n</Guests>\r\n</WeddingData>\r\n";
}

class BackupEditsTest : public CEditsFixture
{
protected:
    CNewOrvDoc& OpenOurs()
    {
        WriteEventFile("WeddingData.xml", GuestsXml("Dan"));
        WriteEventFile("Settings.ini", "[GenSettings]\r\nEveName=Ours\r\n");
        return OpenEvent();
    }
    // A backup of this event, in the folder of the current second (where the backup made
    // before a restore would go too).
    fs::path BackupOfNow(const std::string& guest)
    {
        const fs::path folder = m_root / "BackUp" / BackupFolderName(std::time(nullptr));
        WriteBytes(folder / "Backup.ini", "[Backup]\r\nEvent=DB\r\n");
        WriteBytes(folder / "WeddingData.xml", GuestsXml(guest));
        return folder;
    }
    std::string FirstGuest() const
    {
        return m_doc->GetGuestCount() > 0 ? m_doc->GetGuestAt(0)->GetFullName() : "";
    }
};
} // namespace

TEST_F(BackupEditsTest, ARestoreAsksThenSavesAndBacksUpWhatItReplaces)
{
    CNewOrvDoc& doc = OpenOurs();
    doc.AddGuest("Unsaved", "Guest");
    const fs::path source = BackupOfNow("Yael");

    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::RestoreBackup(doc, source));
    EXPECT_EQ(doc.GetGuestCount(), 2) << "No changes nothing";

    m_prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(Edits::RestoreBackup(doc, source));
    EXPECT_EQ(FirstGuest(), "Yael");
    EXPECT_EQ(doc.GetGuestCount(), 1);
    EXPECT_EQ(ReadBytes(source / "WeddingData.xml"), GuestsXml("Yael"))
        << "the backup before the restore never writes into its source";
    // The replaced data, unsaved guest included, are a backup of their own.
    bool found = false;
    for (const SBackupInfo& backup : ListBackups(m_root / "BackUp"))
        found = found ||
                ReadBytes(backup.path / "WeddingData.xml").find("Unsaved") != std::string::npos;
    EXPECT_TRUE(found);
    EXPECT_EQ(m_spy.Count(HINT_EVENT_RELOADING), 1);
    EXPECT_EQ(m_spy.Count(HINT_EVENT_RELOADED), 1);

    // The retention never takes the source of a restore away.
    doc.GetAppSettings().SetKeepBackups(1);
    const fs::path old = m_root / "BackUp" / "01-01-2020--00-00-00";
    WriteBytes(old / "Backup.ini", "[Backup]\r\nEvent=DB\r\n");
    WriteBytes(old / "WeddingData.xml", GuestsXml("Old"));
    m_prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(Edits::RestoreBackup(doc, old));
    EXPECT_EQ(FirstGuest(), "Old");
    EXPECT_TRUE(fs::exists(old / "WeddingData.xml"));
}

TEST_F(BackupEditsTest, AnImportNeedsEventDataAndAnAnswer)
{
    CNewOrvDoc& doc = OpenOurs();
    CTempDir outside;
    WriteBytes(outside / "notes.txt", "nothing of an event");
    EXPECT_FALSE(Edits::ImportFromFolder(doc, outside.Path()));
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::Ok) << "told, not asked";

    WriteBytes(outside / "WeddingData.xml", GuestsXml("Imported"));
    WriteBytes(outside / "AppSettings.ini", "[GenSettings]\r\nBACK_UP_EVERY=0\r\n");
    m_prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(Edits::ImportFromFolder(doc, outside.Path()));
    EXPECT_EQ(FirstGuest(), "Imported");
    EXPECT_FALSE(fs::exists(m_root / "AppSettings.ini") &&
                 ReadBytes(m_root / "AppSettings.ini").find("BACK_UP_EVERY=0") != std::string::npos)
        << "the shared settings are never imported";
}

TEST_F(BackupEditsTest, TheTimedBackupSavesChangesFirstAndLeavesAnUnchangedEventAlone)
{
    CNewOrvDoc& doc = OpenOurs();
    ASSERT_TRUE(doc.SaveEventData());
    const auto written = fs::last_write_time(EventFile("WeddingData.xml"));
    const fs::path first = Edits::TimedBackup(doc);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(fs::last_write_time(EventFile("WeddingData.xml")), written);

    doc.AddGuest("Noa", "Levi");
    const fs::path second = Edits::TimedBackup(doc);
    ASSERT_FALSE(second.empty());
    EXPECT_FALSE(doc.IsDataChanged());
    EXPECT_NE(ReadBytes(second / "WeddingData.xml").find("Noa"), std::string::npos);
}

TEST_F(BackupEditsTest, TheMailExportOffersToSaveAndAttachesTheEventFilesInOrder)
{
    CNewOrvDoc& doc = OpenOurs();
    WriteBytes(m_root / "AppSettings.ini", "[GenSettings]\r\n");
    WriteEventFile("Tasks.ini", "[Task0]\r\nName=Flowers\r\n");
    doc.AddGuest("Noa", "Levi");
    std::vector<fs::path> attached;
    std::string subject;
    auto handOver =
        [&](const std::string& s, const std::string&, const std::vector<fs::path>& files)
    {
        subject = s;
        attached = files;
        return true;
    };

    m_prompt.Answer(EAnswer::Yes); // save first
    ASSERT_TRUE(Edits::ExportByMail(doc, handOver));
    EXPECT_FALSE(doc.IsDataChanged());
    EXPECT_EQ(subject, "Event data files");
    std::vector<std::string> names;
    for (const fs::path& file : attached)
        names.push_back(file.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"Settings.ini", "AppSettings.ini", "Tasks.ini",
                                               "Checkpoint.ini", "WeddingData.xml"}));
    EXPECT_EQ(attached[1], m_root / "AppSettings.ini");
    EXPECT_NE(m_prompt.Asked().back().text.find("handed to the mail program"), std::string::npos);

    Clear();
    EXPECT_FALSE(Edits::ExportByMail(doc, [](const std::string&, const std::string&,
                                             const std::vector<fs::path>&) { return false; }));
    ASSERT_EQ(m_prompt.Asked().size(), 1u) << "nothing to save: no question";
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Failed to create email message");
}
