#include "store/ProgramFolders.h"

#include "platform/Environment.h"
#include "platform/EventFiles.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/SharedProfile.h"
#include "platform/Trace.h"
#include "store/EventInfo.h"

namespace fs = std::filesystem;

CProgramFolders::CProgramFolders(fs::path dataRootOverride, fs::path programFolder,
                                 bool hebrewEdition, bool mayCreate)
    : m_dataRootOverride(std::move(dataRootOverride)), m_programFolder(std::move(programFolder)),
      m_hebrew(hebrewEdition), m_mayCreate(mayCreate)
{
}

void CProgramFolders::CreateFolder(const fs::path& folder) const
{
    if (!m_mayCreate)
        return;
    std::error_code ignored; // a failure shows later, when a file cannot be written there
    fs::create_directories(folder, ignored);
}

const fs::path& CProgramFolders::DataRoot()
{
    if (m_dataRoot.empty())
    {
        if (!m_dataRootOverride.empty())
            m_dataRoot = fs::absolute(m_dataRootOverride).lexically_normal();
        else
            m_dataRoot = XdgDataHome() / "Velloran" / (m_hebrew ? "Heb" : "Eng");
        CreateFolder(m_dataRoot);
    }
    return m_dataRoot;
}

const fs::path& CProgramFolders::ActiveEventFolder()
{
    if (m_activeEventFolder.empty())
        m_activeEventFolder = DataRoot() / "DB";
    return m_activeEventFolder;
}

void CProgramFolders::SetActiveEventFolder(fs::path folder)
{
    m_activeEventFolder = std::move(folder);
}

fs::path CProgramFolders::EnsureActiveEventFolder()
{
    DataRoot();
    CreateFolder(ActiveEventFolder());
    return ActiveEventFolder();
}

fs::path CProgramFolders::BackupRoot()
{
    fs::path folder = DataRoot() / "BackUp";
    CreateFolder(folder);
    return folder;
}

fs::path CProgramFolders::EventsIniPath()
{
    return DataRoot() / "events.ini";
}

fs::path CProgramFolders::CommercialPath()
{
    return DataRoot() / "Commercial";
}

fs::path CProgramFolders::HallDraftsFolder()
{
    return DataRoot() / "HallsArrangement";
}

fs::path CProgramFolders::FilePath(int kind)
{
    return EventFilePath(ActiveEventFolder(), kind);
}

fs::path CProgramFolders::EventFolder(int n)
{
    return DataRoot() / EventId(n);
}

std::string CProgramFolders::EventId(int n)
{
    return n == 0 ? "DB" : "DB" + FormatInt(n);
}

fs::path CProgramFolders::ProgramGeneralIni() const
{
    return m_programFolder / "General.ini";
}

fs::path CProgramFolders::UserGeneralIni()
{
    return XdgConfigHome() / "Velloran" / "General.ini";
}

fs::path CProgramFolders::OrvIni()
{
    return XdgConfigHome() / "orv.ini";
}

bool CProgramFolders::WriteActive(const CEventInfo& event, bool isActive)
{
    if (!isActive)
        return true;
    CreateFolder(DataRoot());
    // Every program on the data root writes this file: under its settings lock, over what is on
    // disk now.
    std::string error;
    if (UpdateSharedProfile(
            EventsIniPath(),
            [&](CProfileFile& file) { file.SetString("Events", "Active", event.GetId()); }, &error))
        return true;
    Trace("CProgramFolders::WriteActive", error);
    return false;
}
