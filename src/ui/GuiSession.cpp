#include "ui/GuiSession.h"

#include "online/OnlineServicesThread.h"
#include "store/EventBackup.h"
#include "store/NewOrvDoc.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/QtProgress.h"
#include "ui/QtPrompt.h"
#include "ui/SelectEventDialog.h"
#include "ui/TermsDialog.h"
#include "ui/TipDialog.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QLocale>
#include <chrono>
#include <filesystem>

CGuiSession::CGuiSession(SAppOptions options)
    : m_options(std::move(options)), m_prompt(std::make_unique<CQtPrompt>()),
      m_progress(std::make_unique<CQtProgress>())
{
}

CGuiSession::~CGuiSession()
{
    if (m_app)
        m_app->GetDocument().SetProgress(nullptr);
    m_frame.reset(); // views detach from the document before it goes
    m_app.reset();
}

bool CGuiSession::ParseArguments(const QStringList& arguments, SAppOptions& options, QString* error)
{
    for (int i = 1; i < arguments.size(); ++i)
    {
        const QString& argument = arguments[i];
        // A value that is the next option is missing.
        auto value = [&]() -> QString
        {
            return i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--"))
                       ? arguments[++i]
                       : QString();
        };
        if (argument == QLatin1String("--lang"))
        {
            const QString language = value();
            if (language == QLatin1String("en"))
                options.language = ELanguage::English;
            else if (language == QLatin1String("he"))
                options.language = ELanguage::Hebrew;
            else
            {
                *error = QStringLiteral("--lang must be en or he");
                return false;
            }
        }
        else if (argument == QLatin1String("--data-root"))
        {
            // A data root that is no folder would open an empty event and save one over nothing.
            options.dataRoot = value().toStdString();
            std::error_code ignored;
            if (options.dataRoot.empty() ||
                (std::filesystem::exists(options.dataRoot, ignored) &&
                 !std::filesystem::is_directory(options.dataRoot, ignored)))
            {
                *error = QStringLiteral("--data-root needs a folder");
                return false;
            }
        }
        else if (argument == QLatin1String("--program-dir"))
            options.programDir = value().toStdString();
        else
        {
            *error = QStringLiteral("unknown option ") + argument;
            return false;
        }
    }
    return true;
}

bool CGuiSession::Start(int& exitCode, bool showWindow)
{
    exitCode = 0;
    m_app = std::make_unique<CNewOrvApp>(m_options, *m_prompt);
    m_app->Initialize();
    // Before any window exists, so every layout mirrors itself in Hebrew.
    QApplication::setLayoutDirection(IsHebrewUi() ? Qt::RightToLeft : Qt::LeftToRight);
    // Calendars and numbers of Qt's widgets follow the interface language too.
    QLocale::setDefault(IsHebrewUi() ? QLocale(QLocale::Hebrew, QLocale::Israel)
                                     : QLocale(QLocale::English, QLocale::UnitedStates));

    CNewOrvDoc& doc = m_app->GetDocument();
    doc.SetProgress(m_progress.get());
    // One writer per event: the window holds its event's lock. An event another program has
    // open opens read-only on request; otherwise the user chooses another one (none: the
    // program ends).
    doc.UseEventLock("velloran", std::chrono::milliseconds(0),
                     CNewOrvDoc::EWhenLocked::OfferReadOnly);
    while (doc.LockActiveEvent() == CNewOrvDoc::ELockResult::Refused)
    {
        CSelectEventDialog choose(doc);
        if (CModalSeam::Exec(choose) != QDialog::Accepted || choose.ChosenEvent() == nullptr)
            return false;
        doc.ActivateBeforeLoad(choose.ChosenEvent());
    }
    doc.SetTermsNotice(
        []
        {
            CTermsDialog dialog;
            return CModalSeam::Exec(dialog) == QDialog::Accepted;
        });
    if (!m_app->OpenDocument())
        return false; // "I Disagree": end at once, nothing saved
    // Every start of the window backs up the event as loaded (a failure is told).
    MakeBackup(doc);

    m_frame = std::make_unique<CMainFrame>(*m_app, *m_prompt);
    m_progress->SetParent(m_frame.get());
    if (doc.GetAppSettings().GetCheckForUpdates())
        m_frame->StartOnlineServices(COnlineServicesThread::kStartupDelay, false);
    if (showWindow)
        ShowAtStoredPlacement(*m_frame, doc.GetAppSettings());
    // After the start-up backup, so what a download replaces can be restored.
    m_frame->RunStartupDownload();

    int firstTip = 1;
    if (m_app->ShouldShowTip(firstTip))
    {
        CTipDialog tip(firstTip, true, m_frame.get());
        CModalSeam::Exec(tip);
        m_app->StoreTipState(tip.NextTip(), tip.ShowAtStartup());
    }
    return true;
}
