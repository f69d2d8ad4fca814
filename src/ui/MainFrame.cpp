#include "ui/MainFrame.h"

#include "app/NewOrvApp.h"
#include "edits/ApprovalEdits.h"
#include "edits/BackupEdits.h"
#include "edits/ShareEdits.h"
#include "office/UnansweredCsv.h"
#include "online/MailLinks.h"
#include "online/OnlineConfig.h"
#include "online/OnlineServicesThread.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "store/EventBackup.h"
#include "store/NewOrvDoc.h"
#include "ui/AddEventWizard.h"
#include "ui/ApprovalsDialog.h"
#include "ui/BackupDialog.h"
#include "ui/GuestsView.h"
#include "ui/Icons.h"
#include "ui/ImportGuestsDialog.h"
#include "ui/ModalSeam.h"
#include "ui/OptionsDialog.h"
#include "ui/PrintsView.h"
#include "ui/QtPrompt.h"
#include "ui/QtShareRunner.h"
#include "ui/SelectEventDialog.h"
#include "ui/ShareSettingsDialog.h"
#include "ui/TipMarkup.h"
#include "ui/TooltipFilter.h"
#include "ui/UiText.h"
#include "ui/UndoCommands.h"
#include "ui/ViewCodes.h"
#include "ui/ViewRegistry.h"
#include "ui/WeddingInfoDialog.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace
{
constexpr int kBarWidth = 112;
} // namespace

CMainFrame::CMainFrame(CNewOrvApp& app, CQtPrompt& prompt, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_doc(app.GetDocument()), m_prompt(prompt)
{
    UpdateTitle();
    m_prompt.SetParent(this);
    m_doc.AddView(this);
    m_doc.SetDataChangedListener([this](bool) { UpdateCommandState(); });

    AskLeaveRealTime();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    statusBar();

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar = new QListWidget;
    m_bar->setViewMode(QListView::IconMode);
    m_bar->setFlow(QListView::TopToBottom);
    m_bar->setWrapping(false);
    m_bar->setMovement(QListView::Static);
    m_bar->setIconSize(QSize(32, 32));
    m_bar->setSpacing(6);
    m_bar->setFixedWidth(kBarWidth);
    // The items fit the bar's width; a short window scrolls it up and down only.
    m_bar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bar->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pane = new QStackedWidget;
    layout->addWidget(m_bar);
    layout->addWidget(m_pane, 1);
    setCentralWidget(central);

    CreateViews();
    connect(m_bar, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item)
            {
                if (item != nullptr)
                    ShowView(item->data(Qt::UserRole).toInt());
            });
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateCommandState(); });

    // The view of the last run; an unknown code falls back to the guests view, or the first view.
    const int last = m_doc.GetSettings().GetLastUiMode();
    if (!ShowView(last) && !ShowView(VIEW_GUESTS) && !m_views.empty())
        ShowView(BarCodes().front());
    ApplyShowTips();
    UpdateCommandState();
    m_backupTimer = new QTimer(this);
    connect(m_backupTimer, &QTimer::timeout, this, &CMainFrame::RunTimedBackup);
    ArmBackupTimer();
}

CMainFrame::~CMainFrame()
{
    m_online.reset(); // cancels and joins: no hand-over can reach a frame being destroyed
    CImportGuestsDialog::SetFolderImport({});
    m_doc.SetDataChangedListener({});
    m_doc.RemoveView(this);
    m_prompt.SetParent(nullptr);
}

void CMainFrame::AskLeaveRealTime()
{
    if (!m_app.IsRealTime())
        return;
    if (AskString(m_prompt, IDS_LEAVE_REALTIME_QUESTION, IDS_PRODUCT_NAME, EButtons::YesNo) ==
        EAnswer::Yes)
        m_app.LeaveRealTime();
}

void CMainFrame::CreateActions()
{
    m_save = new QAction(ThemeIcon("document-save"), UiText(IDS_MENU_SAVE), this);
    m_save->setIconText(UiText(IDS_TOOLBAR_SAVE));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_save->setToolTip(MarkupToRichText(LoadString(IDS_TOOLTIP_SAVE)));
    connect(m_save, &QAction::triggered, this, &CMainFrame::OnSave);
    m_undoCommands = new CUndoCommands(m_doc, this);

    auto generic = [this](const char* icon, int menuText, int toolbarText, int tooltip,
                          QKeySequence key, CFrameView::ECommand command)
    {
        auto* action = new QAction(ThemeIcon(icon), UiText(menuText), this);
        action->setIconText(UiText(toolbarText));
        action->setShortcut(key);
        action->setToolTip(MarkupToRichText(LoadString(tooltip)));
        action->setData(UiText(menuText));
        connect(action, &QAction::triggered, this, [this, command] { RunGeneric(command); });
        return action;
    };
    m_generic.add = generic("list-add", IDS_MENU_ADD, IDS_TOOLBAR_ADD, IDS_TOOLTIP_ADD,
                            QKeySequence(Qt::CTRL | Qt::Key_N), CFrameView::kCommandAdd);
    m_generic.edit = generic("document-edit", IDS_MENU_EDIT, IDS_TOOLBAR_EDIT, IDS_TOOLTIP_EDIT,
                             QKeySequence(Qt::CTRL | Qt::Key_E), CFrameView::kCommandEdit);
    m_generic.remove =
        generic("edit-delete", IDS_MENU_DELETE, IDS_TOOLBAR_DELETE, IDS_TOOLTIP_DELETE,
                QKeySequence(Qt::CTRL | Qt::Key_D), CFrameView::kCommandDelete);
    m_generic.search = generic("edit-find", IDS_MENU_SEARCH, IDS_TOOLBAR_SEARCH, IDS_TOOLTIP_SEARCH,
                               QKeySequence(Qt::CTRL | Qt::Key_F), CFrameView::kCommandSearch);

    m_weddingInfo = new QAction(UiText(IDS_MENU_WEDDING_INFORMATION), this);
    connect(m_weddingInfo, &QAction::triggered, this, &CMainFrame::OnWeddingInformation);
    m_addEvent = new QAction(ThemeIcon("document-new"), UiText(IDS_MENU_ADD_EVENT), this);
    m_addEvent->setIconText(UiText(IDS_TOOLBAR_ADD_EVENT));
    m_addEvent->setToolTip(MarkupToRichText(LoadString(IDS_TOOLTIP_ADD_EVENT)));
    connect(m_addEvent, &QAction::triggered, this, &CMainFrame::OnAddEvent);
    m_selectEvent = new QAction(ThemeIcon("document-open"), UiText(IDS_MENU_SELECT_EVENT), this);
    m_selectEvent->setIconText(UiText(IDS_TOOLBAR_SELECT_EVENT));
    m_selectEvent->setToolTip(MarkupToRichText(LoadString(IDS_TOOLTIP_SELECT_EVENT)));
    connect(m_selectEvent, &QAction::triggered, this, &CMainFrame::OnSelectEvent);
    m_exit = new QAction(UiText(IDS_MENU_EXIT), this);
    connect(m_exit, &QAction::triggered, this, &QWidget::close);

    m_realTime = new QAction(UiText(IDS_MENU_REAL_TIME_STATE), this);
    m_realTime->setCheckable(true);
    m_realTime->setChecked(m_app.IsRealTimeRequested());
    connect(m_realTime, &QAction::triggered, this,
            [this]
            {
                m_app.ToggleRealTime();
                m_realTime->setChecked(m_app.IsRealTimeRequested());
            });

    m_nextView = new QAction(UiText(IDS_MENU_NEXT_VIEW), this);
    m_nextView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(m_nextView, &QAction::triggered, this, &CMainFrame::NextView);
    m_previousView = new QAction(UiText(IDS_MENU_PREVIOUS_VIEW), this);
    // Ctrl+Shift+Tab arrives as Ctrl+Backtab on most keyboards; bind both.
    m_previousView->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                  QKeySequence(Qt::CTRL | Qt::Key_Backtab)});
    connect(m_previousView, &QAction::triggered, this, &CMainFrame::PreviousView);
    m_statusBarToggle = new QAction(UiText(IDS_MENU_STATUS_BAR), this);
    m_statusBarToggle->setCheckable(true);
    connect(m_statusBarToggle, &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });

    m_calculator = new QAction(UiText(IDS_MENU_CALCULATOR), this);
    connect(m_calculator, &QAction::triggered, this, &CMainFrame::OnCalculator);
    m_generic.calculator = m_calculator;
    m_options = new QAction(UiText(IDS_MENU_OPTIONS), this);
    connect(m_options, &QAction::triggered, this, &CMainFrame::OnOptions);
    m_english = new QAction(UiText(IDS_MENU_ENGLISH), this);
    connect(m_english, &QAction::triggered, this, [this] { m_app.SetForceEnglish(true); });
    m_defaultLanguage = new QAction(UiText(IDS_MENU_DEFAULT_LANGUAGE), this);
    connect(m_defaultLanguage, &QAction::triggered, this, [this] { m_app.SetForceEnglish(false); });

    m_about = new QAction(ThemeIcon("help-about"), UiText(IDS_MENU_ABOUT), this);
    connect(m_about, &QAction::triggered, this, &CMainFrame::OnAbout);
    m_webSite = new QAction(UiText(IDS_MENU_WEB_SITE), this);
    connect(m_webSite, &QAction::triggered, this,
            [this] { ShellOpen(m_app.GetGeneral().webSite); });
    m_comments = new QAction(UiText(IDS_MENU_COMMENTS), this);
    connect(m_comments, &QAction::triggered, this,
            [this] { ShellOpen("mailto:" + m_app.GetGeneral().salesEmail); });
    m_checkUpdates = new QAction(UiText(IDS_MENU_CHECK_UPDATES), this);
    connect(m_checkUpdates, &QAction::triggered, this,
            [this] { StartOnlineServices(std::chrono::milliseconds(0), true); });

    // Failures of the mail program to open a link are not reported.
    const LinkOpener open = [](const std::string& link) { ShellOpen(link); };
    m_mailAll = new QAction(UiText(IDS_MENU_EMAIL_ALL_GUESTS), this);
    connect(m_mailAll, &QAction::triggered, this,
            [this, open] { SendMailToAllGuests(m_doc, open); });
    m_mailUnanswered = new QAction(UiText(IDS_MENU_EMAIL_NOT_APPROVED), this);
    connect(m_mailUnanswered, &QAction::triggered, this,
            [this, open] { SendMailToUnansweredGuests(m_doc, open); });
    m_mailRequests = new QAction(UiText(IDS_MENU_SEND_APPROVAL_DETAILS), this);
    connect(m_mailRequests, &QAction::triggered, this,
            [this, open] {
                SendApprovalRequests(m_doc, MakeApprovalMailInfo(m_app.GetGeneral(), m_doc), open);
            });

    m_backup = new QAction(UiText(IDS_MENU_BACKUP_RESTORE), this);
    m_backup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(m_backup, &QAction::triggered, this, &CMainFrame::OnBackupAndRestore);
    m_exportFolder =
        new QAction(ThemeIcon("document-export"), UiText(IDS_MENU_EXPORT_TO_FOLDER), this);
    m_exportFolder->setIconText(UiText(IDS_TOOLBAR_EXPORT));
    m_exportFolder->setToolTip(MarkupToRichText(LoadString(IDS_TOOLTIP_EXPORT)));
    connect(m_exportFolder, &QAction::triggered, this, &CMainFrame::OnExportToFolder);
    m_exportMail = new QAction(UiText(IDS_MENU_EXPORT_BY_EMAIL), this);
    connect(m_exportMail, &QAction::triggered, this, &CMainFrame::OnExportByMail);
    m_unansweredCsv = new QAction(UiText(IDS_MENU_UNANSWERED_CSV), this);
    connect(m_unansweredCsv, &QAction::triggered, this, &CMainFrame::OnUnansweredCsv);
    m_office = MakeOfficeActions(m_doc, this);
    // The import dialog's third source: a whole event from a folder, through the backup's import.
    CImportGuestsDialog::SetFolderImport([this](CNewOrvDoc&, QWidget*) { return ImportFolder(); });

    m_shareSettings = new QAction(UiText(IDS_MENU_DEFINE_FTP), this);
    connect(m_shareSettings, &QAction::triggered, this, &CMainFrame::OnShareSettings);
    m_shareDownload = new QAction(UiText(IDS_MENU_DOWNLOAD_FROM_SERVER), this);
    connect(m_shareDownload, &QAction::triggered, this, &CMainFrame::OnShareDownload);
    m_shareUpload = new QAction(UiText(IDS_MENU_UPLOAD_TO_SERVER), this);
    connect(m_shareUpload, &QAction::triggered, this, &CMainFrame::OnShareUpload);

    for (QAction* action : {m_save, m_backup, m_generic.add, m_generic.edit, m_generic.remove,
                            m_generic.search, m_nextView, m_previousView})
        addAction(action); // window-wide shortcuts, whichever menu shows the action
}

void CMainFrame::CreateMenus()
{
    QMenu* eventMenu = menuBar()->addMenu(UiText(IDS_MENU_EVENT));
    eventMenu->addAction(m_save);
    eventMenu->addAction(m_undoCommands->UndoAction());
    eventMenu->addAction(m_undoCommands->RedoAction());
    eventMenu->addAction(m_weddingInfo);
    eventMenu->addAction(m_backup);
    QMenu* exportMenu = eventMenu->addMenu(UiText(IDS_MENU_EXPORT_DATA));
    exportMenu->addAction(m_exportFolder);
    exportMenu->addAction(m_exportMail);
    exportMenu->addAction(m_unansweredCsv);
    eventMenu->addAction(m_office.importData);
    eventMenu->addSeparator();
    eventMenu->addAction(m_addEvent);
    eventMenu->addAction(m_selectEvent);
    eventMenu->addSeparator();
    eventMenu->addAction(m_exit);

    QMenu* realTimeMenu = menuBar()->addMenu(UiText(IDS_MENU_REAL_TIME));
    realTimeMenu->addAction(m_realTime);

    QMenu* viewMenu = menuBar()->addMenu(UiText(IDS_MENU_VIEW));
    m_viewGroup = new QActionGroup(this);
    for (const SViewInfo& info : RegisteredViews())
    {
        const bool inMode = m_app.IsRealTime() ? info.realTimeMode : info.regularMode;
        if (!inMode || info.menuTextId == 0)
            continue;
        auto* action = viewMenu->addAction(UiText(info.menuTextId));
        action->setCheckable(true);
        action->setShortcut(info.shortcut);
        action->setActionGroup(m_viewGroup);
        const int code = info.code;
        connect(action, &QAction::triggered, this, [this, code] { ShowView(code); });
        addAction(action);
        m_viewActions[code] = action;
    }
    viewMenu->addSeparator();
    viewMenu->addAction(m_nextView);
    viewMenu->addAction(m_previousView);
    viewMenu->addSeparator();
    viewMenu->addAction(m_statusBarToggle);
    m_viewMenuAnchor = viewMenu->menuAction();

    QMenu* toolsMenu = menuBar()->addMenu(UiText(IDS_MENU_TOOLS));
    toolsMenu->addAction(m_calculator);
    toolsMenu->addAction(m_options);
    QMenu* language = toolsMenu->addMenu(UiText(IDS_MENU_LANGUAGE));
    language->addAction(m_english);
    language->addAction(m_defaultLanguage);
    QMenu* mail = toolsMenu->addMenu(UiText(IDS_MENU_EMAIL));
    mail->addAction(m_mailAll);
    mail->addAction(m_mailUnanswered);
    mail->addAction(m_mailRequests);

    // The report entries show the printouts screen with that report.
    QMenu* reportsMenu = menuBar()->addMenu(UiText(IDS_MENU_REPORTS));
    const auto addReport = [this](QMenu* menu, int textId, EReportKind kind)
    {
        connect(menu->addAction(UiText(textId)), &QAction::triggered, this,
                [this, kind]
                {
                    if (ShowView(VIEW_PRINTOUTS))
                        if (auto* prints = dynamic_cast<CPrintsView*>(ViewByCode(VIEW_PRINTOUTS)))
                            prints->ShowKind(kind);
                });
    };
    QMenu* guestList = reportsMenu->addMenu(UiText(IDS_MENU_GUEST_LIST));
    addReport(guestList, IDS_MENU_BY_LAST_NAME, EReportKind::GuestsByLastName);
    addReport(guestList, IDS_MENU_BY_FIRST_NAME, EReportKind::GuestsByFirstName);
    QMenu* tableReport = reportsMenu->addMenu(UiText(IDS_MENU_TABLE_REPORT));
    addReport(tableReport, IDS_MENU_BY_TABLE_ID, EReportKind::TablesById);
    addReport(tableReport, IDS_MENU_BY_TABLE_NUMBER, EReportKind::TablesByHall);
    bool printsInMode = false;
    for (const SViewInfo& info : RegisteredViews())
        if (info.code == VIEW_PRINTOUTS)
            printsInMode = m_app.IsRealTime() ? info.realTimeMode : info.regularMode;
    reportsMenu->menuAction()->setVisible(printsInMode);
    reportsMenu->addSeparator();
    reportsMenu->addAction(m_office.exportGuests);
    reportsMenu->addAction(m_office.exportTables);
    reportsMenu->addAction(m_office.exportWorkbook);
    QMenu* sharingMenu = menuBar()->addMenu(UiText(IDS_MENU_SHARING));
    sharingMenu->addAction(m_shareSettings);
    sharingMenu->addAction(m_shareDownload);
    sharingMenu->addAction(m_shareUpload);

    QMenu* helpMenu = menuBar()->addMenu(UiText(IDS_MENU_HELP));
    helpMenu->addAction(m_about);
    helpMenu->addAction(m_webSite);
    helpMenu->addAction(m_comments);
    helpMenu->addAction(m_checkUpdates);
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(UiText(IDS_PRODUCT_NAME_FRAME));
    m_toolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->addAction(m_save);
    m_toolBar->addAction(m_undoCommands->UndoAction());
    m_toolBar->addAction(m_undoCommands->RedoAction());
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_generic.add);
    m_toolBar->addAction(m_generic.edit);
    m_toolBar->addAction(m_generic.remove);
    m_toolBar->addAction(m_generic.search);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_addEvent);
    m_toolBar->addAction(m_office.importData);
    m_toolBar->addAction(m_exportFolder);
    m_toolBar->addAction(m_selectEvent);
}

void CMainFrame::CreateViews()
{
    for (const SViewInfo& info : RegisteredViews())
    {
        const bool inMode = m_app.IsRealTime() ? info.realTimeMode : info.regularMode;
        if (!inMode)
            continue;
        CFrameView* view = info.create(m_doc);
        if (auto* guests = qobject_cast<CGuestsView*>(view))
            guests->SetApprovalMailSource(
                [this] { return MakeApprovalMailInfo(m_app.GetGeneral(), m_doc); });
        view->SetFrameActions(m_generic);
        connect(view, &CFrameView::CommandStateChanged, this, &CMainFrame::UpdateCommandState);
        m_pane->addWidget(view);
        m_views[info.code] = view;
        auto* item = new QListWidgetItem(ThemeIcon(info.icon), UiText(info.captionId), m_bar);
        item->setData(Qt::UserRole, info.code);
        item->setTextAlignment(Qt::AlignHCenter);
        item->setSizeHint(QSize(kBarWidth - 16, 64));
    }
}

std::vector<int> CMainFrame::BarCodes() const
{
    std::vector<int> codes;
    for (int row = 0; row < m_bar->count(); ++row)
        codes.push_back(m_bar->item(row)->data(Qt::UserRole).toInt());
    return codes;
}

CFrameView* CMainFrame::ViewByCode(int code) const
{
    auto it = m_views.find(code);
    return it == m_views.end() ? nullptr : it->second;
}

int CMainFrame::ActiveViewCode() const
{
    return m_activeView != nullptr ? m_activeView->ViewCode() : 0;
}

bool CMainFrame::ShowView(int code)
{
    CFrameView* view = ViewByCode(code);
    if (view == nullptr)
        return false;
    for (int row = 0; row < m_bar->count(); ++row)
    {
        if (m_bar->item(row)->data(Qt::UserRole).toInt() == code && m_bar->currentRow() != row)
        {
            QSignalBlocker block(m_bar);
            m_bar->setCurrentRow(row);
        }
    }
    if (view != m_activeView)
        ActivateView(view);
    m_doc.GetSettings().SetLastUiMode(code);
    if (QAction* action = m_viewActions[code])
        action->setChecked(true);
    return true;
}

void CMainFrame::ActivateView(CFrameView* view)
{
    if (m_activeViewMenu != nullptr)
    {
        menuBar()->removeAction(m_activeViewMenu);
        m_activeViewMenu = nullptr;
    }
    m_activeView = view;
    m_pane->setCurrentWidget(view);
    if (QMenu* menu = view->ViewMenu())
    {
        // Right after "&View".
        const QList<QAction*> entries = menuBar()->actions();
        const int anchor = static_cast<int>(entries.indexOf(m_viewMenuAnchor));
        QAction* before = anchor + 1 < entries.size() ? entries[anchor + 1] : nullptr;
        menuBar()->insertMenu(before, menu);
        m_activeViewMenu = menu->menuAction();
    }
    view->OnActivated();
    UpdateCommandState();
}

void CMainFrame::NextView()
{
    int candidate = m_doc.GetSettings().GetLastUiMode() + 1;
    if (candidate >= VIEW_LAST_CODE + 1)
        candidate = VIEW_FIRST_CODE;
    ShowView(candidate);
}

void CMainFrame::PreviousView()
{
    int candidate = m_doc.GetSettings().GetLastUiMode() - 1;
    if (candidate <= 1)
        candidate = VIEW_LAST_CODE;
    ShowView(candidate);
}

void CMainFrame::RunGeneric(CFrameView::ECommand command)
{
    if (m_activeView != nullptr && m_activeView->IsCommandEnabled(command))
        m_activeView->RunCommand(command);
    UpdateCommandState();
}

void CMainFrame::UpdateCommandState()
{
    // An in-place edit still open is a change too: Ctrl+S must save it.
    const bool pendingEdit = m_activeView != nullptr && m_activeView->HasPendingEdit();
    // An event open read-only is never saved.
    m_save->setEnabled((m_doc.IsDataChanged() || pendingEdit) && !m_doc.IsEventReadOnly());
    m_undoCommands->Update();

    const std::pair<QAction*, CFrameView::ECommand> commands[] = {
        {m_generic.add, CFrameView::kCommandAdd},
        {m_generic.edit, CFrameView::kCommandEdit},
        {m_generic.remove, CFrameView::kCommandDelete},
        {m_generic.search, CFrameView::kCommandSearch}};
    for (const auto& [action, command] : commands)
    {
        const bool enabled = m_activeView != nullptr && m_activeView->IsCommandEnabled(command);
        action->setEnabled(enabled);
        const QString text =
            m_activeView != nullptr ? m_activeView->CommandText(command) : QString();
        action->setText(text.isEmpty() ? action->data().toString() : text);
    }
}

void CMainFrame::UpdateTitle()
{
    const QString product = UiText(IDS_PRODUCT_NAME_FRAME);
    setWindowTitle(m_doc.IsEventReadOnly()
                       ? ToQt(FormatText(LoadString(IDS_READ_ONLY_TITLE), {FromQt(product)}))
                       : product);
}

void CMainFrame::OnSave()
{
    const bool saved = m_doc.SaveEventData();
    UpdateCommandState();
    const CEventSettings& settings = m_doc.GetSettings();
    if (saved && settings.GetFtpAutoUpload() && !settings.GetFtpServer().empty() &&
        !settings.GetFtpUser().empty())
        OnShareUpload();
}

bool CMainFrame::EditShareSettings()
{
    CShareSettingsDialog dialog(m_doc, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return false;
    dialog.Apply();
    return true;
}

void CMainFrame::OnShareSettings()
{
    EditShareSettings();
}

void CMainFrame::OnShareUpload()
{
    CQtShareRunner runner(this);
    Edits::SShareHooks hooks;
    hooks.runner = &runner;
    hooks.editSettings = [this] { return EditShareSettings(); };
    Edits::Upload(m_doc, hooks);
}

void CMainFrame::OnShareDownload()
{
    CQtShareRunner runner(this);
    Edits::SShareHooks hooks;
    hooks.runner = &runner;
    hooks.editSettings = [this] { return EditShareSettings(); };
    Edits::Download(m_doc, hooks);
    UpdateCommandState();
}

void CMainFrame::RunStartupDownload()
{
    const CEventSettings& settings = m_doc.GetSettings();
    if (settings.GetFtpAutoDownload() && !settings.GetFtpServer().empty() &&
        !settings.GetFtpUser().empty())
        OnShareDownload();
}

void CMainFrame::OnWeddingInformation()
{
    CWeddingInfoDialog dialog(m_doc, this);
    if (CModalSeam::Exec(dialog) == QDialog::Accepted)
        dialog.Apply();
}

void CMainFrame::OnAddEvent()
{
    CAddEventWizard wizard(m_doc, this);
    if (CModalSeam::Exec(wizard) != QDialog::Accepted)
        return;
    // The core offers to save the current event first; Cancel there leaves everything as it was.
    m_doc.AddEvent(wizard.Details());
    UpdateCommandState();
}

void CMainFrame::OnSelectEvent()
{
    CSelectEventDialog dialog(m_doc, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    CEventInfo* chosen = dialog.ChosenEvent();
    if (chosen != nullptr && chosen != m_doc.GetActiveEvent())
        m_doc.SelectEvent(chosen);
    UpdateCommandState();
}

void CMainFrame::OnOptions()
{
    const bool showTipsBefore = m_doc.GetAppSettings().GetShowTips();
    COptionsDialog dialog(m_doc, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    dialog.Apply();
    ArmBackupTimer();
    if (showTipsBefore != m_doc.GetAppSettings().GetShowTips())
        ApplyShowTips();
}

void CMainFrame::ArmBackupTimer()
{
    m_backupTimer->stop();
    const int minutes = m_doc.GetAppSettings().GetBackupEvery();
    if (minutes > 0)
        m_backupTimer->start(std::chrono::minutes(minutes));
}

void CMainFrame::RunTimedBackup()
{
    Edits::TimedBackup(m_doc);
    UpdateCommandState();
}

void CMainFrame::OnBackupAndRestore()
{
    CBackupDialog dialog(m_doc, this);
    if (CModalSeam::Exec(dialog) == QDialog::Accepted && !dialog.ChosenBackup().empty())
        Edits::RestoreBackup(m_doc, dialog.ChosenBackup());
    UpdateCommandState();
}

QString CMainFrame::ChooseFolder(int titleId)
{
    QFileDialog dialog(this, UiText(titleId));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::LookIn, UiText(IDS_FILE_DIALOG_LOOK_IN));
    dialog.setLabelText(QFileDialog::FileName, UiText(IDS_FILE_DIALOG_FILE_NAME));
    dialog.setLabelText(QFileDialog::FileType, UiText(IDS_FILE_DIALOG_FILE_TYPE));
    dialog.setLabelText(QFileDialog::Accept, UiText(IDS_BUTTON_OK));
    dialog.setLabelText(QFileDialog::Reject, UiText(IDS_BUTTON_CANCEL));
    dialog.setDirectory(QDir::home());
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void CMainFrame::OnExportToFolder()
{
    // The export copies the files on disk: what was typed goes there first.
    m_doc.CommitPendingEdits();
    if (m_doc.IsDataChanged() && !m_doc.IsEventReadOnly() && !m_doc.SaveEventData())
    {
        UpdateCommandState();
        return;
    }
    UpdateCommandState();
    const QString folder = ChooseFolder(IDS_EXPORT_FOLDER_TITLE);
    if (!folder.isEmpty())
        ExportToFolder(m_doc, FromQt(folder));
}

void CMainFrame::OnExportByMail()
{
    Edits::ExportByMail(m_doc, &Edits::HandToMailProgram);
    UpdateCommandState();
}

bool CMainFrame::ImportFolder()
{
    const QString folder = ChooseFolder(IDS_IMPORT_FOLDER_TITLE);
    const bool imported = !folder.isEmpty() && Edits::ImportFromFolder(m_doc, FromQt(folder));
    UpdateCommandState();
    return imported;
}

void CMainFrame::OnUnansweredCsv()
{
    QFileDialog dialog(this, UiText(IDS_CSV_CAPTION));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilters({UiText(IDS_CSV_FILTER), UiText(IDS_ALL_FILES_FILTER)});
    dialog.setLabelText(QFileDialog::LookIn, UiText(IDS_FILE_DIALOG_LOOK_IN));
    dialog.setLabelText(QFileDialog::FileName, UiText(IDS_FILE_DIALOG_FILE_NAME));
    dialog.setLabelText(QFileDialog::FileType, UiText(IDS_FILE_DIALOG_FILE_TYPE));
    dialog.setLabelText(QFileDialog::Accept, UiText(IDS_TOOLBAR_SAVE));
    dialog.setLabelText(QFileDialog::Reject, UiText(IDS_BUTTON_CANCEL));
    dialog.selectFile(QDir::home().filePath(QStringLiteral("Guests.csv")));
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    const std::string file = FromQt(dialog.selectedFiles().value(0));
    int lines = 0;
    std::string error;
    switch (WriteUnansweredCsv(m_doc, file, &lines, &error))
    {
    case EUnansweredCsvResult::Nobody:
        AskString(m_prompt, IDS_CSV_NOBODY, IDS_CSV_CAPTION, EButtons::Ok);
        break;
    case EUnansweredCsvResult::Failed:
        m_prompt.Ask(FormatText(LoadString(IDS_CSV_FAILED), {error}), LoadString(IDS_CSV_CAPTION),
                     EButtons::Ok);
        break;
    case EUnansweredCsvResult::Written:
        m_prompt.Ask(FormatText(LoadString(IDS_CSV_WRITTEN), {FormatInt(lines), file}),
                     LoadString(IDS_CSV_CAPTION), EButtons::Ok);
        break;
    }
}

void CMainFrame::ApplyShowTips()
{
    CTooltipFilter::Install(m_doc.GetAppSettings().GetShowTips());
}

void CMainFrame::OnCalculator()
{
    const std::string program = m_doc.GetAppSettings().GetCalculatorPath();
    if (program.empty() || !StartProgram(program, {}))
        AskString(m_prompt, IDS_NO_CALCULATOR_TEXT, IDS_PRODUCT_NAME, EButtons::Ok);
}

void CMainFrame::OnAbout()
{
    m_prompt.Ask(FormatText(LoadString(IDS_ABOUT_TEXT), {VELLORAN_VERSION_TEXT}),
                 LoadString(IDS_ABOUT_CAPTION), EButtons::Ok);
}

void CMainFrame::OnUpdate(IDocView*, EUpdateHint hint, CRecord*)
{
    m_undoCommands->Update(); // every change is announced: the open step may have begun
    switch (hint)
    {
    case HINT_GOTO_GUEST:
        ShowView(VIEW_GUESTS);
        break;
    case HINT_LOCATE_TABLE:
        ShowView(VIEW_SEATING);
        break;
    case HINT_EVENT_RELOADED:
        UpdateTitle();
        UpdateCommandState();
        break;
    default:
        break;
    }
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivationDone)
        return;
    m_firstActivationDone = true;
    statusBar()->hide();
    m_statusBarToggle->setChecked(false);
    UpdateTitle();
    QTimer::singleShot(0, this, &CMainFrame::RunDeferredStartup);
}

void CMainFrame::RunDeferredStartup()
{
    const CEventSettings& settings = m_doc.GetSettings();
    if (settings.GetKeySetting("GroumName").empty() && settings.GetKeySetting("BrideName").empty())
        OnWeddingInformation();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    for (const auto& [code, view] : m_views)
        view->OnFrameClosing();
    StorePlacement(*this, m_doc.GetAppSettings());
    StoreSplitterSizes(*m_pane, m_doc.GetAppSettings());
    StoreColumnWidths(*m_pane, m_doc.GetAppSettings());
    // The close prompt commits pending in-place edits before it decides.
    if (!m_app.CanClose())
    {
        event->ignore();
        UpdateCommandState();
        return;
    }
    StopOnlineServices();
    m_app.Shutdown();
    event->accept();
}

void CMainFrame::StartOnlineServices(std::chrono::milliseconds delay, bool manual)
{
    // The user's check replaces one still waiting or running; the start-up's never runs twice.
    if (IsOnlineCheckRunning() && !manual)
        return;
    m_online.reset();
    const SOnlineConfig config = MakeOnlineConfig(m_app.GetGeneral(), m_doc);
    // The thread only posts: everything that touches the document runs here, on the interface
    // thread. The thread is stopped before this frame goes, so the posts always find it.
    SUpdateHooks hooks;
    const std::string eventCode = config.eventCode;
    hooks.approvalsArrived = [this, eventCode](ApprovalMap approvals)
    {
        QMetaObject::invokeMethod(
            this,
            [this, eventCode, approvals = std::move(approvals)]
            { ShowApprovals(approvals, eventCode); },
            Qt::QueuedConnection);
    };
    hooks.newerVersion = [this](double)
    {
        QMetaObject::invokeMethod(
            this, [this] { AskNewerVersion(); }, Qt::QueuedConnection);
    };
    auto finished = [this, manual](int result)
    {
        QMetaObject::invokeMethod(
            this, [this, result, manual] { OnOnlineCheckFinished(result, manual); },
            Qt::QueuedConnection);
    };
    m_online = std::make_unique<COnlineServicesThread>(config, std::move(hooks), delay, finished);
}

bool CMainFrame::IsOnlineCheckRunning() const
{
    return m_online && !m_online->IsFinished();
}

void CMainFrame::StopOnlineServices()
{
    m_online.reset();
}

void CMainFrame::OnOnlineCheckFinished(int result, bool manual)
{
    if (!manual)
        return;
    // The question about a newer version was asked already; a user who asked is also told when
    // there is none, or when the site could not be reached.
    if (result == kUpdateNone)
        AskString(m_prompt, IDS_UPDATE_LATEST_TEXT, IDS_UPDATE_CHECK_CAPTION, EButtons::Ok);
    else if (result == kUpdateOffline || result == kUpdateException)
        AskString(m_prompt, IDS_UPDATE_FAILED_TEXT, IDS_UPDATE_CHECK_CAPTION, EButtons::Ok);
}

void CMainFrame::AskNewerVersion()
{
    if (AskString(m_prompt, IDS_NEW_VERSION_QUESTION, IDS_NEW_VERSION_CAPTION, EButtons::YesNo) ==
        EAnswer::Yes)
        ShellOpen(m_app.GetGeneral().webSite);
}

void CMainFrame::ShowApprovals(const ApprovalMap& approvals, const std::string& eventCode)
{
    // Another event may have become active since the check began: its guests' ids are not the
    // ones the site answered for.
    if (eventCode != m_doc.GetSettings().GetKeySetting("EventCode"))
        return;
    m_approvals = approvals;
    if (!ApprovalsNeedAttention(m_doc, approvals))
        return;
    CApprovalsDialog dialog(m_doc, approvals, this);
    if (CModalSeam::Exec(dialog) == QDialog::Accepted)
        Edits::UpdateGuestsFromApprovals(m_doc, dialog.Approvals(), nullptr);
    UpdateCommandState();
}
