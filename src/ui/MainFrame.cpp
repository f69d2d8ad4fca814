#include "ui/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>

#include "app/NewOrvApp.h"
#include "store/NewOrvDoc.h"
#include "ui/QtPrompt.h"
#include "ui/UiText.h"

CMainFrame::CMainFrame(CNewOrvApp& app, CQtPrompt& prompt, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_prompt(prompt)
{
    setWindowTitle(UiText(IDS_PRODUCT_NAME_FRAME));
    m_prompt.SetParent(this);
    BuildMenus();

    const CEventInfo* event = m_app.GetDocument().GetActiveEvent();
    m_placeholder = new QLabel(event != nullptr ? ToQt(event->GetName()) : QString());
    m_placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(m_placeholder);
    UpdateCommandState();
}

CMainFrame::~CMainFrame() { m_prompt.SetParent(nullptr); }

void CMainFrame::BuildMenus()
{
    QMenu* eventMenu = menuBar()->addMenu(UiText(IDS_MENU_EVENT));
    m_save = eventMenu->addAction(UiText(IDS_MENU_SAVE), this, &CMainFrame::OnSave);
    m_save->setShortcut(QKeySequence::Save);
    eventMenu->addSeparator();
    eventMenu->addAction(UiText(IDS_MENU_EXIT), this, &QWidget::close);

    QMenu* realTimeMenu = menuBar()->addMenu(UiText(IDS_MENU_REAL_TIME));
    m_realTime = realTimeMenu->addAction(UiText(IDS_MENU_REAL_TIME_STATE));
    m_realTime->setCheckable(true);
    m_realTime->setChecked(m_app.IsRealTimeRequested());
    connect(m_realTime, &QAction::triggered, this, [this] {
        m_app.ToggleRealTime();
        m_realTime->setChecked(m_app.IsRealTimeRequested());
    });

    QMenu* toolsMenu = menuBar()->addMenu(UiText(IDS_MENU_TOOLS));
    QMenu* language = toolsMenu->addMenu(UiText(IDS_MENU_LANGUAGE));
    language->addAction(UiText(IDS_MENU_ENGLISH), this, [this] { m_app.SetForceEnglish(true); });
    language->addAction(UiText(IDS_MENU_DEFAULT_LANGUAGE), this,
                        [this] { m_app.SetForceEnglish(false); });
}

void CMainFrame::OnSave()
{
    m_app.GetDocument().SaveEventData();
    UpdateCommandState();
}

void CMainFrame::UpdateCommandState()
{
    m_save->setEnabled(m_app.GetDocument().IsDataChanged());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Pending in-place edits are committed by the close prompt before it decides.
    if (!m_app.CanClose())
    {
        event->ignore();
        UpdateCommandState();
        return;
    }
    m_app.Shutdown();
    event->accept();
}
