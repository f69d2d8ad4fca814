#pragma once

#include "store/DocView.h"
#include "ui/FrameView.h"

#include <QMainWindow>
#include <map>

class CNewOrvApp;
class CNewOrvDoc;
class CQtPrompt;
class QAction;
class QActionGroup;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QStackedWidget;
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
    void OnAbout();
    void ApplyShowTips();

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
    QAction* m_weddingInfo = nullptr;
    QAction* m_addEvent = nullptr;
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
    QActionGroup* m_viewGroup = nullptr;
    bool m_firstActivationDone = false;
};
