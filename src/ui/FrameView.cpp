#include "ui/FrameView.h"

#include "store/NewOrvDoc.h"

#include <QMenu>
#include <QMetaObject>

CFrameView::CFrameView(CNewOrvDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    m_doc.AddView(this);
}

CFrameView::~CFrameView()
{
    m_doc.RemoveView(this);
}

bool CFrameView::IsCommandEnabled(ECommand) const
{
    return false;
}

QString CFrameView::CommandText(ECommand) const
{
    return {};
}

void CFrameView::RunCommand(ECommand) {}

void CFrameView::SetFrameActions(const SFrameActions& actions)
{
    m_actions = actions;
    delete m_viewMenu;
    m_viewMenu = new QMenu(this);
    BuildViewMenu(*m_viewMenu);
    if (m_viewMenu->isEmpty())
    {
        delete m_viewMenu;
        m_viewMenu = nullptr;
    }
}

void CFrameView::OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    HandleHint(sender, hint, record);
}

void CFrameView::HandleHint(IDocView* sender, EUpdateHint, CRecord*)
{
    if (sender != this)
        MarkStale();
}

void CFrameView::MarkStale(unsigned stale)
{
    m_stale |= stale;
    if (m_refreshScheduled)
        return;
    m_refreshScheduled = true;
    QMetaObject::invokeMethod(this, &CFrameView::RunScheduledRefresh, Qt::QueuedConnection);
}

void CFrameView::RunScheduledRefresh()
{
    m_refreshScheduled = false;
    if (isVisible())
        FlushRefresh();
}

void CFrameView::FlushRefresh()
{
    if (m_stale == 0)
        return;
    const unsigned stale = m_stale;
    m_stale = 0;
    Refresh(stale);
    emit CommandStateChanged();
}

void CFrameView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FlushRefresh();
}
