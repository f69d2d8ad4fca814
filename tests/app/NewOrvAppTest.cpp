#include "app/NewOrvApp.h"

#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
class NewOrvAppTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove(CProgramFolders::OrvIni(), ignored);
        fs::remove(CProgramFolders::UserGeneralIni(), ignored);
        SetUiLanguage(ELanguage::English);
    }

    std::unique_ptr<CNewOrvApp> Start(std::optional<ELanguage> language = ELanguage::English)
    {
        SAppOptions options;
        options.language = language;
        options.dataRoot = m_root / "data";
        options.programDir = m_root / "program";
        auto app = std::make_unique<CNewOrvApp>(options, m_prompt);
        app->Initialize();
        EXPECT_TRUE(app->OpenDocument());
        return app;
    }

    CTempDir m_root;
    CScriptedPrompt m_prompt;
};
} // namespace

TEST_F(NewOrvAppTest, LanguageResolution)
{
    const fs::path orv = m_root / "orv.ini";
    EXPECT_EQ(CNewOrvApp::ResolveLanguage(ELanguage::Hebrew, orv, "en_US.UTF-8"),
              ELanguage::Hebrew);
    EXPECT_EQ(CNewOrvApp::ResolveLanguage(std::nullopt, orv, "he_IL.UTF-8"), ELanguage::Hebrew);
    EXPECT_EQ(CNewOrvApp::ResolveLanguage(std::nullopt, orv, nullptr), ELanguage::English);
    WriteBytes(orv, "[ForceEnglish]\r\nForceEnglish=1\r\n");
    EXPECT_EQ(CNewOrvApp::ResolveLanguage(std::nullopt, orv, "he_IL.UTF-8"), ELanguage::English);
    EXPECT_EQ(CNewOrvApp::ResolveLanguage(ELanguage::Hebrew, orv, "en"), ELanguage::Hebrew)
        << "the option wins over orv.ini";
}

TEST_F(NewOrvAppTest, TheEditionPicksItsDataRoot)
{
    SAppOptions options;
    options.language = ELanguage::Hebrew;
    options.programDir = m_root / "program";
    CNewOrvApp app(options, m_prompt);
    app.Initialize();
    EXPECT_EQ(app.GetFolders().DataRoot().filename(), "Heb");
    EXPECT_EQ(app.GetFolders().DataRoot().parent_path().filename(), "Velloran");
}

TEST_F(NewOrvAppTest, RealTimeToggleChangesOnlyTheNextRun)
{
    auto app = Start();
    EXPECT_FALSE(app->IsRealTime());
    ASSERT_TRUE(app->ToggleRealTime());
    EXPECT_FALSE(app->IsRealTime()) << "the mode in force stays for this run";
    EXPECT_TRUE(app->IsRealTimeRequested());
    EXPECT_EQ(ReadProfileString(CProgramFolders::UserGeneralIni(), "General", "REALTIME"), "1");
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_NE(m_prompt.Asked()[0].text.find("after the program is restarted"), std::string::npos);

    auto next = Start();
    EXPECT_TRUE(next->IsRealTime());
    next->LeaveRealTime();
    EXPECT_FALSE(next->IsRealTime());
    EXPECT_EQ(ReadProfileString(CProgramFolders::UserGeneralIni(), "General", "REALTIME"), "0");
}

TEST_F(NewOrvAppTest, LanguageCommandsWriteOrvIni)
{
    auto app = Start();
    ASSERT_TRUE(app->SetForceEnglish(true));
    EXPECT_EQ(ReadProfileString(CProgramFolders::OrvIni(), "ForceEnglish", "ForceEnglish"), "1");
    ASSERT_TRUE(app->SetForceEnglish(false));
    EXPECT_EQ(ReadProfileString(CProgramFolders::OrvIni(), "ForceEnglish", "ForceEnglish"), "0");
    EXPECT_EQ(m_prompt.Asked().back().caption, "Change language");
}

TEST_F(NewOrvAppTest, TipOfTheDayKeys)
{
    auto app = Start();
    int first = 0;
    ASSERT_TRUE(app->ShouldShowTip(first));
    EXPECT_EQ(first, 1) << "an empty item starts at tip 1";
    app->GetDocument().GetAppSettings().SetKeySetting("TipOfDayItem", "abc");
    ASSERT_TRUE(app->ShouldShowTip(first));
    EXPECT_EQ(first, 1);

    app->StoreTipState(4, false);
    EXPECT_FALSE(app->ShouldShowTip(first));
    ASSERT_TRUE(app->Shutdown());

    auto next = Start();
    EXPECT_FALSE(next->ShouldShowTip(first));
    EXPECT_EQ(next->GetDocument().GetAppSettings().GetKeySetting("TipOfDayItem"), "4");
}

TEST_F(NewOrvAppTest, ShutdownWritesTheFirstRunState)
{
    auto app = Start();
    ASSERT_TRUE(app->Shutdown());
    EXPECT_EQ(ReadProfileString(m_root / "data" / "events.ini", "Events", "Active"), "DB");
    EXPECT_TRUE(fs::exists(m_root / "data" / "AppSettings.ini"))
        << "the calculator path is always marked changed at start-up";
}
