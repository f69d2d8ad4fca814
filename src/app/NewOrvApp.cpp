#include "app/NewOrvApp.h"

#include "platform/Environment.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"

#include <cstring>

namespace fs = std::filesystem;

CNewOrvApp::CNewOrvApp(SAppOptions options, IPrompt& prompt)
    : m_options(std::move(options)), m_prompt(prompt)
{
}

CNewOrvApp::~CNewOrvApp()
{
    m_document.reset(); // before the folders it refers to
}

ELanguage CNewOrvApp::ResolveLanguage(std::optional<ELanguage> requested, const fs::path& orvIni,
                                      const char* langVariable)
{
    if (requested)
        return *requested;
    if (ReadProfileInt(orvIni, "ForceEnglish", "ForceEnglish", 0) == 1)
        return ELanguage::English;
    if (langVariable != nullptr && std::strncmp(langVariable, "he", 2) == 0)
        return ELanguage::Hebrew;
    return ELanguage::English;
}

void CNewOrvApp::Initialize()
{
    SetUiLanguage(
        ResolveLanguage(m_options.language, CProgramFolders::OrvIni(), std::getenv("LANG")));
    Trace("CNewOrvApp::Initialize", IsHebrewUi() ? "Hebrew" : "English");

    const fs::path programFolder =
        m_options.programDir.empty() ? ExecutableFolder() : m_options.programDir;
    m_folders = std::make_unique<CProgramFolders>(m_options.dataRoot, programFolder, IsHebrewUi(),
                                                  !m_options.readOnly);

    m_general.Load(m_folders->ProgramGeneralIni(), CProgramFolders::UserGeneralIni());
    m_realTime = m_realTimeRequested = m_general.realTime;

    m_document = std::make_unique<CNewOrvDoc>(*m_folders, m_prompt, m_options.readOnly);
    m_document->SetDefaultContentSource(&m_defaultContent);
}

bool CNewOrvApp::OpenDocument()
{
    return m_document->OnNewDocument();
}

bool CNewOrvApp::ToggleRealTime()
{
    m_realTimeRequested = !m_realTimeRequested;
    std::string error;
    if (!CGeneralSettings::WriteRealTime(CProgramFolders::UserGeneralIni(), m_realTimeRequested,
                                         &error))
    {
        m_prompt.Ask(error, LoadString(IDS_PRODUCT_NAME), EButtons::Ok);
        return false;
    }
    m_prompt.Ask(LoadString(IDS_REALTIME_CHANGE_TEXT), LoadString(IDS_PRODUCT_NAME), EButtons::Ok);
    return true;
}

bool CNewOrvApp::LeaveRealTime()
{
    m_realTime = m_realTimeRequested = false;
    std::string error;
    if (CGeneralSettings::WriteRealTime(CProgramFolders::UserGeneralIni(), false, &error))
        return true;
    m_prompt.Ask(error, LoadString(IDS_PRODUCT_NAME), EButtons::Ok);
    return false;
}

bool CNewOrvApp::SetForceEnglish(bool forceEnglish)
{
    const fs::path orvIni = CProgramFolders::OrvIni();
    std::error_code ignored;
    fs::create_directories(orvIni.parent_path(), ignored);
    CProfileFile file(orvIni);
    file.SetString("ForceEnglish", "ForceEnglish", forceEnglish ? "1" : "0");
    std::string error;
    if (!file.SaveIfChanged(&error))
    {
        m_prompt.Ask(error, LoadString(IDS_LANGUAGE_CHANGE_CAPTION), EButtons::Ok);
        return false;
    }
    AskString(m_prompt, IDS_LANGUAGE_CHANGE_TEXT, IDS_LANGUAGE_CHANGE_CAPTION, EButtons::Ok);
    return true;
}

bool CNewOrvApp::ShouldShowTip(int& firstTip) const
{
    const CAppSettings& settings = m_document->GetAppSettings();
    if (settings.GetKeySetting("ShowTipOfDay") == "0")
        return false;
    firstTip = std::max(1, ParseLeadingInt(settings.GetKeySetting("TipOfDayItem")));
    return true;
}

void CNewOrvApp::StoreTipState(int nextTip, bool showAtStartup)
{
    CAppSettings& settings = m_document->GetAppSettings();
    settings.SetKeySetting("TipOfDayItem", FormatInt(nextTip));
    settings.SetKeySetting("ShowTipOfDay", showAtStartup ? "1" : "0");
}

bool CNewOrvApp::CanClose()
{
    return m_document->SaveModified();
}

bool CNewOrvApp::Shutdown()
{
    return m_document->WriteShutdownState();
}
