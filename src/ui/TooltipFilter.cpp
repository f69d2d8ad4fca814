#include "ui/TooltipFilter.h"

#include <QApplication>
#include <QEvent>

namespace
{
CTooltipFilter* g_filter = nullptr;
}

void CTooltipFilter::Install(bool showTips)
{
    if (showTips && g_filter != nullptr)
    {
        qApp->removeEventFilter(g_filter);
        delete g_filter;
        g_filter = nullptr;
    }
    else if (!showTips && g_filter == nullptr)
    {
        g_filter = new CTooltipFilter;
        qApp->installEventFilter(g_filter);
    }
}

bool CTooltipFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}
