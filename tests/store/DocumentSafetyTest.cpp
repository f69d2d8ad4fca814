// One writer per event, a data file changed by another program, damaged and capped loads, saves
// the reader could not read back, and the files the document must leave alone.

#include "model/Category.h"
#include "model/Guest.h"
#include "model/Task.h"
#include "platform/EventLock.h"
#include "platform/ProfileFile.h"
#include "store/XmlDataReader.h"
#include "support/DocFixture.h"
#include "support/FaultHookGuard.h"
#include "support/FifoWatchdog.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace
{
const char kTwoGuests[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n"
                          "<Guests>\r\n<Guest><UniqueId>1001</UniqueId><gsName><![CDATA[Dan]]>"
                          "</gsName></Guest>\r\n<Guest><UniqueId>1002</UniqueId><gsName>"
                          "<![CDATA[Dana]]></gsName></Guest>\r\n</Guests>\r\n</WeddingData>\r\n";

class DocumentSafetyTest : public CDocFixture
{
protected:
    // Opens the event as a front end does: with the event lock in use.
    CNewOrvDoc& OpenLocked(CNewOrvDoc::EWhenLocked whenLocked,
                           CNewOrvDoc::ELockResult expected = CNewOrvDoc::ELockResult::Locked)
    {
        m_beforeLoad = [whenLocked, expected](CNewOrvDoc& doc)
        {
            doc.UseEventLock("velloran", 0ms, whenLocked);
            EXPECT_EQ(doc.LockActiveEvent(), expected);
        };
        return Open();
    }

    std::vector<std::string> DamagedCopies() const
    {
        std::vector<std::string> copies;
        for (const auto& entry : fs::directory_iterator(m_root / "DB"))
            if (entry.path().filename().string().rfind("WeddingData.xml.damaged-", 0) == 0)
                copies.push_back(entry.path().filename().string());
        return copies;
    }

    bool AskedAbout(const std::string& words) const
    {
        for (const auto& asked : m_prompt.Asked())
            if (asked.text.find(words) != std::string::npos)
                return true;
        return false;
    }

    // Another program holding an event's lock.
    CEventLock m_other;
};
} // namespace

TEST_F(DocumentSafetyTest, AWritingRunFindingTheEventLockedIsRefusedNamingTheHolder)
{
    fs::create_directories(m_root / "DB");
    ASSERT_EQ(m_other.Acquire(m_root / "DB", "velloran", 0ms), CEventLock::EResult::Acquired);
    OpenLocked(CNewOrvDoc::EWhenLocked::Refuse, CNewOrvDoc::ELockResult::Refused);
    ASSERT_FALSE(m_prompt.Asked().empty());
    const std::string& told = m_prompt.Asked()[0].text;
    EXPECT_NE(told.find("velloran (process " + std::to_string(::getpid())), std::string::npos)
        << told;
    EXPECT_FALSE(m_doc->HoldsEventLock());

    m_other.Release();
    m_prompt.Clear();
    OpenLocked(CNewOrvDoc::EWhenLocked::Refuse);
    EXPECT_TRUE(m_doc->HoldsEventLock());
    EXPECT_FALSE(CEventLock::IsFree(m_root / "DB"));
    EXPECT_EQ(CEventLock::ReadHolder(m_root / "DB").program, "velloran");
    m_doc.reset();
    EXPECT_TRUE(CEventLock::IsFree(m_root / "DB")) << "the document lets go when it ends";
}

TEST_F(DocumentSafetyTest, AnEventOpenElsewhereOpensReadOnlyOnRequestAndWritesNothingThere)
{
    WriteEventFile("WeddingData.xml", kTwoGuests);
    WriteEventFile("Settings.ini", "[GenSettings]\r\nEveName=Ours\r\n");
    ASSERT_EQ(m_other.Acquire(m_root / "DB", "velloran-cli", 0ms), CEventLock::EResult::Acquired);

    m_prompt.Answer(EAnswer::No); // choose another event instead
    OpenLocked(CNewOrvDoc::EWhenLocked::OfferReadOnly, CNewOrvDoc::ELockResult::Refused);
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNo);

    m_prompt.Clear();
    m_prompt.Answer(EAnswer::Yes);
    CNewOrvDoc& doc =
        OpenLocked(CNewOrvDoc::EWhenLocked::OfferReadOnly, CNewOrvDoc::ELockResult::ReadOnly);
    EXPECT_TRUE(doc.IsEventReadOnly());
    ASSERT_EQ(doc.GetGuestCount(), 2);

    const std::string dataBefore = ReadBytes(EventFile("WeddingData.xml"));
    const std::string settingsBefore = ReadBytes(EventFile("Settings.ini"));
    doc.GetGuestAt(0)->SetName("Changed");
    doc.GetSettings().SetDollarRate(3.5);
    m_prompt.Clear();
    EXPECT_FALSE(doc.SaveEventData());
    EXPECT_TRUE(AskedAbout("read-only"));
    // Closing asks whether to lose the changes that cannot be saved.
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(doc.SaveModified());
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(doc.WriteShutdownState());
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), dataBefore);
    EXPECT_EQ(ReadBytes(EventFile("Settings.ini")), settingsBefore);
    EXPECT_FALSE(fs::exists(EventFile("Checkpoint.ini")));
    // What belongs to the data root is still written.
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB");
}

TEST_F(DocumentSafetyTest, SwitchingEventsTakesTheNewLockBeforeLettingGoOfTheOld)
{
    fs::create_directories(m_root / "DB1");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    fs::create_directories(m_root / "DB");
    CNewOrvDoc& doc = OpenLocked(CNewOrvDoc::EWhenLocked::OfferReadOnly);
    ASSERT_TRUE(doc.HoldsEventLock());
    ASSERT_EQ(m_other.Acquire(m_root / "DB1", "velloran-cli", 0ms), CEventLock::EResult::Acquired);

    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(doc.SelectEvent(doc.FindEvent("DB1")));
    EXPECT_EQ(doc.GetActiveEvent()->GetId(), "DB");
    EXPECT_FALSE(CEventLock::IsFree(m_root / "DB")) << "the current event stays locked";

    m_other.Release();
    EXPECT_TRUE(doc.SelectEvent(doc.FindEvent("DB1")));
    EXPECT_EQ(doc.GetActiveEvent()->GetId(), "DB1");
    EXPECT_TRUE(CEventLock::IsFree(m_root / "DB"));
    EXPECT_FALSE(CEventLock::IsFree(m_root / "DB1"));
    EXPECT_FALSE(doc.IsEventReadOnly());

    // Back to DB while another program holds it: read-only when asked for.
    ASSERT_EQ(m_other.Acquire(m_root / "DB", "velloran-cli", 0ms), CEventLock::EResult::Acquired);
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(doc.SelectEvent(doc.FindEvent("DB")));
    EXPECT_TRUE(doc.IsEventReadOnly());
    EXPECT_TRUE(CEventLock::IsFree(m_root / "DB1"));

    // A new event is never anyone else's: it is locked and writable.
    SNewEvent details;
    details.brideFirstName = "Dana";
    details.groomFirstName = "Avi";
    CEventInfo* added = doc.AddEvent(details);
    ASSERT_NE(added, nullptr);
    EXPECT_FALSE(doc.IsEventReadOnly());
    EXPECT_FALSE(CEventLock::IsFree(added->GetFolder()));
}

TEST_F(DocumentSafetyTest, ADataFileChangedByAnotherProgramIsNeverOverwrittenUnasked)
{
    WriteEventFile("WeddingData.xml", kTwoGuests);
    CNewOrvDoc& doc = Open();
    doc.GetGuestAt(0)->SetName("Ours");
    // Another program replaces the file (a restore, a download, a copy by hand).
    std::string theirs = kTwoGuests;
    theirs.replace(theirs.find("Dana"), 4, "Ruth");
    WriteEventFile("WeddingData.xml", theirs);

    m_prompt.Answer(EAnswer::Cancel);
    EXPECT_FALSE(doc.SaveEventData());
    ASSERT_FALSE(m_prompt.Asked().empty());
    EXPECT_EQ(m_prompt.Asked().back().buttons, EButtons::YesNoCancel);
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), theirs);
    EXPECT_TRUE(doc.IsDataChanged());

    // The command line refuses.
    doc.SetExternalChangePolicy(CNewOrvDoc::EExternalChange::Refuse);
    m_prompt.Clear();
    EXPECT_FALSE(doc.SaveEventData());
    EXPECT_TRUE(AskedAbout("changed by another program"));
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), theirs);

    // No: the file is loaded again, the changes made here go.
    doc.SetExternalChangePolicy(CNewOrvDoc::EExternalChange::Ask);
    m_prompt.Answer(EAnswer::No);
    EXPECT_TRUE(doc.SaveEventData());
    EXPECT_FALSE(doc.IsDataChanged());
    ASSERT_EQ(doc.GetGuestCount(), 2);
    EXPECT_EQ(doc.GetGuestAt(0)->GetName(), "Dan");
    EXPECT_EQ(doc.GetGuestAt(1)->GetName(), "Ruth");
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), theirs);

    // Yes: replaced; and after our own save the file is ours again, with no question.
    WriteEventFile("WeddingData.xml", kTwoGuests);
    doc.GetGuestAt(0)->SetName("Ours");
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(doc.SaveEventData());
    EXPECT_NE(ReadBytes(EventFile("WeddingData.xml")).find("Ours"), std::string::npos);
    m_prompt.Clear();
    doc.GetGuestAt(0)->SetName("Ours again");
    EXPECT_TRUE(doc.SaveEventData());
    EXPECT_TRUE(m_prompt.Asked().empty());
}

TEST_F(DocumentSafetyTest, TheHashCatchesAChangeOfTheSameSizeAndTime)
{
    WriteEventFile("WeddingData.xml", kTwoGuests);
    CNewOrvDoc& doc = Open();
    struct stat loaded
    {
    };
    ASSERT_EQ(::stat(EventFile("WeddingData.xml").c_str(), &loaded), 0);
    std::string theirs = kTwoGuests;
    theirs.replace(theirs.find("Dana"), 4, "Ruth");
    WriteEventFile("WeddingData.xml", theirs);
    const timespec times[2] = {loaded.st_atim, loaded.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, EventFile("WeddingData.xml").c_str(), times, 0), 0);

    doc.GetGuestAt(0)->SetName("Ours");
    m_prompt.Answer(EAnswer::Cancel);
    EXPECT_FALSE(doc.SaveEventData());
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), theirs);
}

TEST_F(DocumentSafetyTest, ReplacingTheDataFileOnPurposeAdoptsIt)
{
    WriteEventFile("WeddingData.xml", kTwoGuests);
    CNewOrvDoc& doc = Open();
    std::string restored = kTwoGuests;
    restored.replace(restored.find("Dana"), 4, "Ruth");
    WriteEventFile("WeddingData.xml", restored);
    doc.AdoptDataFile();
    doc.GetGuestAt(0)->SetName("Ours");
    EXPECT_TRUE(doc.SaveEventData());
    EXPECT_TRUE(m_prompt.Asked().empty());

    // A reload takes the file as loaded as well.
    WriteEventFile("WeddingData.xml", restored);
    doc.ReloadEvent();
    doc.GetGuestAt(0)->SetName("Ours");
    EXPECT_TRUE(doc.SaveEventData());
    EXPECT_TRUE(m_prompt.Asked().empty());
}

TEST_F(DocumentSafetyTest, ADamagedLoadAsksBeforeItsFirstSaveReplacesTheFile)
{
    std::string damaged = kTwoGuests;
    damaged.resize(damaged.find("</Guests>"));
    WriteEventFile("WeddingData.xml", damaged);
    CNewOrvDoc& doc = Open();
    ASSERT_TRUE(doc.IsDataFileDamaged());
    ASSERT_EQ(m_prompt.Asked().size(), 1u) << "the user is told at the load";
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Damaged data file");
    ASSERT_EQ(doc.GetGuestCount(), 2) << "the records before the damage are kept";
    doc.GetGuestAt(0)->SetName("Changed");

    m_prompt.Clear();
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(doc.SaveEventData());
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNo);
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), damaged);
    EXPECT_TRUE(DamagedCopies().empty());
    EXPECT_TRUE(doc.IsDataChanged());

    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(doc.SaveEventData());
    ASSERT_EQ(DamagedCopies().size(), 1u);
    EXPECT_EQ(ReadBytes(m_root / "DB" / DamagedCopies()[0]), damaged);
    EXPECT_FALSE(doc.IsDataFileDamaged());
    doc.SetDataChanged(true);
    ASSERT_TRUE(doc.SaveEventData());
    EXPECT_EQ(DamagedCopies().size(), 1u) << "a sound file is replaced without a copy";
    // Closing with AutoSaveOnExit does not save over a damaged file unasked: it asks as usual.
    m_prompt.Clear();
    WriteEventFile("WeddingData.xml", damaged);
    CNewOrvDoc& again = Open();
    again.GetGuestAt(0)->SetName("Changed");
    ASSERT_TRUE(again.GetAppSettings().GetAutoSaveOnExit());
    m_prompt.Clear();
    m_prompt.Answer(EAnswer::No); // the close question: close without saving
    EXPECT_TRUE(again.SaveModified());
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), damaged);
}

TEST_F(DocumentSafetyTest, ACutTextMakesADamagedLoadWhoseFileIsKept)
{
    const std::string info(CXmlDataReader::kMaxFieldChars + 10, 'x');
    const std::string file = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n"
                             "<Guests>\r\n<Guest><gsName><![CDATA[Dan]]></gsName><Info>" +
                             info + "</Info></Guest>\r\n</Guests>\r\n</WeddingData>\r\n";
    WriteEventFile("WeddingData.xml", file);
    CNewOrvDoc& doc = Open();
    EXPECT_TRUE(doc.IsDataFileDamaged());
    EXPECT_TRUE(AskedAbout("was cut"));
    doc.GetGuestAt(0)->SetName("Danny");
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(doc.SaveEventData());
    ASSERT_EQ(DamagedCopies().size(), 1u);
    EXPECT_EQ(ReadBytes(m_root / "DB" / DamagedCopies()[0]), file);
}

TEST_F(DocumentSafetyTest, ASaveTheReaderCouldNotReadBackIsRefused)
{
    WriteEventFile("WeddingData.xml", kTwoGuests);
    CNewOrvDoc& doc = Open();
    doc.GetGuestAt(0)->SetInfo(std::string(CXmlDataReader::kMaxFieldChars + 1, 'x'));
    EXPECT_FALSE(doc.SaveEventData());
    EXPECT_TRUE(AskedAbout("characters"));
    EXPECT_TRUE(doc.IsDataChanged());
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), kTwoGuests);

    doc.GetGuestAt(0)->SetInfo("short again");
    for (std::size_t i = doc.GetCategories().size() + 3;
         i <= static_cast<std::size_t>(CXmlDataReader::kMaxRecords); ++i)
        doc.AddCategory("c");
    m_prompt.Clear();
    EXPECT_FALSE(doc.SaveEventData());
    EXPECT_TRUE(AskedAbout("records"));
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), kTwoGuests);
}

TEST_F(DocumentSafetyTest, DuplicateIdsGetNewOnesAndMissingTablesUnseat)
{
    WriteEventFile("WeddingData.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n"
                   "<Guest><UniqueId>1005</UniqueId><gsName><![CDATA[First]]></gsName>"
                   "<TableOrder>1</TableOrder></Guest>\r\n"
                   "<Guest><UniqueId>1005</UniqueId><gsName><![CDATA[Second]]></gsName>"
                   "<TableOrder>7</TableOrder></Guest>\r\n"
                   "<Guest><UniqueId>1003</UniqueId><gsName><![CDATA[Third]]></gsName>"
                   "<TableOrder>-1</TableOrder></Guest>\r\n"
                   "<Guest><UniqueId>1005</UniqueId><gsName><![CDATA[Fourth]]></gsName>"
                   "</Guest>\r\n</Guests>\r\n<Tables>\r\n"
                   "<Table><tName><![CDATA[Unseated Guests]]></tName></Table>\r\n"
                   "<Table><tName><![CDATA[Near stage]]></tName><tSeats>10</tSeats></Table>\r\n"
                   "</Tables>\r\n</WeddingData>\r\n");
    CNewOrvDoc& doc = Open();
    ASSERT_EQ(doc.GetGuestCount(), 4);
    EXPECT_EQ(doc.GetGuestAt(0)->GetUniqueId(), 1005) << "the first in the file keeps its id";
    const int second = doc.GetGuestAt(1)->GetUniqueId();
    const int fourth = doc.GetGuestAt(3)->GetUniqueId();
    EXPECT_GT(second, 1005);
    EXPECT_GT(fourth, 1005);
    EXPECT_NE(second, fourth);
    EXPECT_EQ(doc.FindGuestByUniqueId(1005)->GetName(), "First");

    EXPECT_EQ(doc.GetGuestAt(0)->GetTable(), 1);
    EXPECT_EQ(doc.GetGuestAt(1)->GetTable(), 0);
    EXPECT_EQ(doc.GetGuestAt(2)->GetTable(), 0);
    EXPECT_TRUE(AskedAbout("2 guest lines sat at tables that do not exist"));
    EXPECT_TRUE(doc.IsDataFileDamaged());
    EXPECT_TRUE(doc.IsDataChanged()) << "the next save writes the new ids";

    m_prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(doc.SaveEventData());
    CNewOrvDoc& reread = Open();
    EXPECT_EQ(reread.GetGuestAt(1)->GetUniqueId(), second);
    EXPECT_EQ(reread.GetGuestAt(3)->GetUniqueId(), fourth);
    EXPECT_FALSE(reread.IsDataFileDamaged());
}

TEST_F(DocumentSafetyTest, StaleTemporaryFilesGoAtTheNextSaveUnlessTheEventIsInUse)
{
    WriteEventFile("WeddingData.xml", kTwoGuests);
    WriteEventFile(".WeddingData.xml.Ab12Cd", "half a save");
    WriteEventFile(".Settings.ini.Qw34Er", "half a save");
    WriteEventFile(".Notes.txt.Ab12Cd", "not ours");
    CNewOrvDoc& doc = Open();

    // Another program has the event: its temporary files may be in the middle of a save.
    ASSERT_EQ(m_other.Acquire(m_root / "DB", "velloran", 0ms), CEventLock::EResult::Acquired);
    doc.GetGuestAt(0)->SetName("Changed");
    ASSERT_TRUE(doc.SaveEventData());
    EXPECT_TRUE(fs::exists(EventFile(".WeddingData.xml.Ab12Cd")));

    m_other.Release();
    doc.GetGuestAt(0)->SetName("Changed again");
    ASSERT_TRUE(doc.SaveEventData());
    EXPECT_FALSE(fs::exists(EventFile(".WeddingData.xml.Ab12Cd")));
    EXPECT_FALSE(fs::exists(EventFile(".Settings.ini.Qw34Er")));
    EXPECT_TRUE(fs::exists(EventFile(".Notes.txt.Ab12Cd")));
}

TEST_F(DocumentSafetyTest, AReadOnlyDataFileIsRespected)
{
    WriteEventFile("WeddingData.xml", kTwoGuests);
    fs::permissions(EventFile("WeddingData.xml"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    CNewOrvDoc& doc = Open();
    doc.GetGuestAt(0)->SetName("Changed");
    EXPECT_FALSE(doc.SaveEventData());
    EXPECT_TRUE(AskedAbout("read-only"));
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), kTwoGuests);
    EXPECT_TRUE(doc.IsDataChanged());
}

TEST_F(DocumentSafetyTest, SpecialFilesAreNeitherWaitedOnNorReplaced)
{
    fs::create_directories(m_root / "DB");
    ASSERT_EQ(::mkfifo(EventFile("WeddingData.xml").c_str(), 0644), 0);
    CFifoWatchdog watchdog(EventFile("WeddingData.xml"));
    const auto start = std::chrono::steady_clock::now();
    CNewOrvDoc& doc = Open();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_TRUE(AskedAbout("not a regular file"));
    doc.AddGuest("Dan", "Levi");
    m_prompt.Answer(EAnswer::Yes); // replace what was read of the damaged file
    EXPECT_FALSE(doc.SaveEventData());
    EXPECT_TRUE(fs::is_fifo(EventFile("WeddingData.xml")));

    // A task list linked to a device node (our own, never a system one) or to a FIFO.
    fs::remove(EventFile("WeddingData.xml"));
    const bool haveDevice =
        ::mknod((m_root / "device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    if (!haveDevice)
    {
        ASSERT_EQ(::mkfifo((m_root / "device").c_str(), 0644), 0);
    }
    fs::create_symlink(m_root / "device", EventFile("Tasks.ini"));
    CNewOrvDoc& again = Open();
    auto task = std::make_unique<CTask>();
    task->SetName("Book the hall");
    again.GetTaskRoot()->AddChild(std::move(task));
    m_prompt.Clear();
    EXPECT_FALSE(again.SaveEventData());
    EXPECT_TRUE(AskedAbout("not a regular file"));
    EXPECT_TRUE(fs::is_symlink(EventFile("Tasks.ini")));
    EXPECT_TRUE(haveDevice ? fs::is_character_file(m_root / "device")
                           : fs::is_fifo(m_root / "device"));
}

TEST_F(DocumentSafetyTest, ATaskOrSettingsFileThatCouldNotBeWrittenKeepsTheEventChanged)
{
    // The data file is written, Tasks.ini (or Settings.ini) is not: the save says so and the event
    // stays changed, so the next save (the end of a command's run, the question at exit) writes
    // the file after all instead of taking the event as saved.
    for (const char* failing : {"Tasks.ini", "Settings.ini"})
    {
        SCOPED_TRACE(failing);
        WriteEventFile("WeddingData.xml", kTwoGuests);
        CNewOrvDoc& doc = Open();
        auto task = std::make_unique<CTask>();
        task->SetName("Book the hall");
        ASSERT_TRUE(doc.GetTaskRoot()->AddChild(std::move(task)));
        doc.GetSettings().SetEventName("Dana & Dan");
        doc.GetGuestAt(0)->SetName("Changed");
        {
            CFaultHookGuard faults(
                [&](EFileStep step, const std::string& path)
                { return step == EFileStep::Rename && fs::path(path).filename() == failing; });
            m_prompt.Clear();
            EXPECT_FALSE(doc.SaveEventData());
        }
        EXPECT_FALSE(m_prompt.Asked().empty());
        EXPECT_TRUE(doc.IsDataChanged());
        EXPECT_TRUE(doc.SaveEventData());
        EXPECT_FALSE(doc.IsDataChanged());
        EXPECT_NE(ReadBytes(EventFile("Tasks.ini")).find("Book the hall"), std::string::npos);
        CProfileFile settings(EventFile("Settings.ini"));
        EXPECT_EQ(settings.GetString("GenSettings", "EveName"), "Dana & Dan");
    }
}
