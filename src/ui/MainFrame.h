#pragma once

#include "online/Approvals.h"
#include "store/DocView.h"
#include "ui/FrameView.h"
#include "ui/OfficeActions.h"

#include <QMainWindow>
#include <chrono>
#include <map>
#include <memory>

class CNewOrvApp;
class CNewOrvDoc;
class COnlineServicesThread;
class CQtPrompt;
class CUndoCommands;
class QAction;
class QActionGroup;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolBar;

// The single top-level window: the menu bar, one toolbar, the status bar, the vertical bar of
// views on the leading side and the pane that shows one view at a time. It switches views,
// keeps the last one in "LastUIMode", inserts the active view's menu after "&View", routes the
// generic Add / Edit / Delete / Search commands to the active view and runs the close sequence.
class CMainFrame : public QMainWindow, public IDocView
{
    Q_OBJECT
public:
    CMainFrame(CNewOrvApp& app, CQtPrompt& prompt, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the view with that code; false (nothing changes) when the bar has no such item.
    bool ShowView(int code);
    void NextView();
    void PreviousView();

    int ActiveViewCode() const;
    CFrameView* ActiveView() const { return m_activeView; }
    CFrameView* ViewByCode(int code) const;
    // The codes of the bar's items, in bar order.
    std::vector<int> BarCodes() const;

    // The step that runs once after the first activation: the event details dialog when both
    // couple names are empty.
    void RunDeferredStartup();

    QAction* SaveAction() const { return m_save; }
    CUndoCommands& UndoCommands() const { return *m_undoCommands; }
    QAction* AddEventAction() const { return m_addEvent; }
    QAction* RealTimeAction() const { return m_realTime; }
    QAction* StatusBarAction() const { return m_statusBarToggle; }
    const SFrameActions& GenericActions() const { return m_generic; }
    QToolBar* MainToolBar() const { return m_toolBar; }

    // Refreshes the enabled state of Save (never for an event open read-only) and of the generic
    // commands.
    void UpdateCommandState();
    // The program's name, with "(read-only)" while the event is open read-only.
    void UpdateTitle();

    // The online services: the update check with the web approvals on a thread of its own, after
    // the delay (the start-up's 10 seconds, none for the Help menu's command). One check at a
    // time: the user's check (manual) replaces a running one and also says when there is no
    // newer version or no answer.
    void StartOnlineServices(std::chrono::milliseconds delay, bool manual);
    bool IsOnlineCheckRunning() const;
    // Cancels a running check; returns at once, whatever the server does.
    void StopOnlineServices();
    // The approvals-arrived hand-over (interface thread): opens "Approvals From Web Site" when an
    // answer is new to the guest list and, on "Update guests list", applies them. Approvals that
    // arrive after another event became active, or its event code changed, are dropped.
    void ShowApprovals(const ApprovalMap& approvals, const std::string& eventCode);
    const ApprovalMap& LastApprovals() const { return m_approvals; }

    QAction* CheckUpdatesAction() const { return m_checkUpdates; }
    QAction* BackupAction() const { return m_backup; }
    QAction* ExportFolderAction() const { return m_exportFolder; }
    QAction* ExportMailAction() const { return m_exportMail; }
    QAction* ImportAction() const { return m_office.importData; }
    QAction* ShareSettingsAction() const { return m_shareSettings; }
    QAction* ShareUploadAction() const { return m_shareUpload; }
    QAction* ShareDownloadAction() const { return m_shareDownload; }
    // The download at start-up when "FtpAutoDownload" is on and a server and user are set.
    void RunStartupDownload();
    QAction* UnansweredCsvAction() const { return m_unansweredCsv; }

    // The timed backup: every "BACK_UP_EVERY" minutes (none at 0 or less), armed when the frame
    // is built and again after "Options". Each tick saves the event when it changed and backs it
    // up (Edits::TimedBackup).
    void ArmBackupTimer();
    const QTimer* BackupTimer() const { return m_backupTimer; }
    void RunTimedBackup();
    QAction* MailAllAction() const { return m_mailAll; }
    QAction* MailUnansweredAction() const { return m_mailUnanswered; }
    QAction* MailRequestsAction() const { return m_mailRequests; }

    void OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void AskLeaveRealTime();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateViews();
    void ActivateView(CFrameView* view);
    void RunGeneric(CFrameView::ECommand command);
    void OnSave();
    void OnWeddingInformation();
    void OnAddEvent();
    void OnSelectEvent();
    void OnOptions();
    void OnCalculator();
    void OnBackupAndRestore();
    void OnExportToFolder();
    void OnExportByMail();
    // Chooses a folder of event data and imports it (asks first); true when the event was replaced.
    bool ImportFolder();
    void OnShareSettings();
    bool EditShareSettings();
    void OnShareUpload();
    void OnShareDownload();
    void OnUnansweredCsv();
    // A folder chosen in a folder dialog titled with that text; empty on Cancel.
    QString ChooseFolder(int titleId);
    void OnAbout();
    void ApplyShowTips();
    void AskNewerVersion();
    void OnOnlineCheckFinished(int result, bool manual);

    CNewOrvApp& m_app;
    CNewOrvDoc& m_doc;
    CQtPrompt& m_prompt;

    QListWidget* m_bar = nullptr;
    QStackedWidget* m_pane = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::map<int, CFrameView*> m_views;
    std::map<int, QAction*> m_viewActions;
    CFrameView* m_activeView = nullptr;
    QAction* m_activeViewMenu = nullptr;
    QAction* m_viewMenuAnchor = nullptr; // the menu bar entry after which view menus go

    SFrameActions m_generic;
    QAction* m_save = nullptr;
    CUndoCommands* m_undoCommands = nullptr;
    QAction* m_weddingInfo = nullptr;
    QAction* m_addEvent = nullptr;
    SOfficeActions m_office;
    QAction* m_selectEvent = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_realTime = nullptr;
    QAction* m_nextView = nullptr;
    QAction* m_previousView = nullptr;
    QAction* m_statusBarToggle = nullptr;
    QAction* m_calculator = nullptr;
    QAction* m_options = nullptr;
    QAction* m_english = nullptr;
    QAction* m_defaultLanguage = nullptr;
    QAction* m_about = nullptr;
    QAction* m_webSite = nullptr;
    QAction* m_comments = nullptr;
    QAction* m_checkUpdates = nullptr;
    QAction* m_mailAll = nullptr;
    QAction* m_mailUnanswered = nullptr;
    QAction* m_mailRequests = nullptr;
    QAction* m_backup = nullptr;
    QAction* m_exportFolder = nullptr;
    QAction* m_exportMail = nullptr;
    QAction* m_shareSettings = nullptr;
    QAction* m_shareUpload = nullptr;
    QAction* m_shareDownload = nullptr;
    QAction* m_unansweredCsv = nullptr;
    QTimer* m_backupTimer = nullptr;
    std::unique_ptr<COnlineServicesThread> m_online;
    ApprovalMap m_approvals; // the last approvals that arrived, for the rest of the run
    QActionGroup* m_viewGroup = nullptr;
    bool m_firstActivationDone = false;
};
