#include "ui/ModalSeam.h"

#include <QDialog>
#include <QMenu>
#include <QScreen>
#include <algorithm>

namespace
{
CModalSeam::DialogHandler& Dialogs()
{
    static CModalSeam::DialogHandler handler;
    return handler;
}

CModalSeam::MenuHandler& Menus()
{
    static CModalSeam::MenuHandler handler;
    return handler;
}

// A dialog that chose its own size still opens large enough for its content (texts are longer in
// one language than in the other), never larger than the screen; and it opens centred on its
// window. Qt centres on the window's geometry as it stands, which right after the start is not
// yet the maximised one the window manager is about to give it: a maximised window is taken as
// its screen's free area instead.
void FitAndCentre(QDialog& dialog)
{
    const QWidget* window =
        dialog.parentWidget() != nullptr ? dialog.parentWidget()->window() : nullptr;
    const QScreen* screen = window != nullptr ? window->screen() : dialog.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    if (dialog.testAttribute(Qt::WA_Resized))
    {
        QSize wanted = dialog.size().expandedTo(dialog.sizeHint());
        if (available.isValid())
            wanted = wanted.boundedTo(available.size());
        if (wanted != dialog.size())
            dialog.resize(wanted);
    }
    if (window == nullptr || !window->isVisible() || dialog.testAttribute(Qt::WA_Moved))
        return;
    const QRect area =
        window->isMaximized() && available.isValid() ? available : window->frameGeometry();
    // Without a size of its own Qt gives it the one its content asks for when it is shown.
    const QSize size =
        dialog.testAttribute(Qt::WA_Resized) ? dialog.frameGeometry().size() : dialog.sizeHint();
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(area.center());
    if (available.isValid())
    {
        // Whole on the screen, its title bar first.
        placed.moveRight(std::min(placed.right(), available.right()));
        placed.moveBottom(std::min(placed.bottom(), available.bottom()));
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveTop(std::max(placed.top(), available.top()));
    }
    dialog.move(placed.topLeft());
}
} // namespace

int CModalSeam::Exec(QDialog& dialog)
{
    FitAndCentre(dialog);
    if (Dialogs())
        return Dialogs()(dialog);
    return dialog.exec();
}

QAction* CModalSeam::ExecMenu(QMenu& menu, const QPoint& globalPosition)
{
    if (Menus())
        return Menus()(menu);
    return menu.exec(globalPosition);
}

void CModalSeam::SetDialogHandler(DialogHandler handler)
{
    Dialogs() = std::move(handler);
}

void CModalSeam::SetMenuHandler(MenuHandler handler)
{
    Menus() = std::move(handler);
}

bool CModalSeam::HasDialogHandler()
{
    return static_cast<bool>(Dialogs());
}
