#include "ui/ModalSeam.h"

#include <QDialog>
#include <QMenu>

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
} // namespace

int CModalSeam::Exec(QDialog& dialog)
{
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
