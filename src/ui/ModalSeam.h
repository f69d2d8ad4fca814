#pragma once

#include <functional>

class QAction;
class QDialog;
class QMenu;
class QPoint;

// Every modal dialog, message box and popup menu of the GUI opens through here, so that tests can
// answer them instead of a person (no test ever blocks on a dialog).
class CModalSeam
{
public:
    // A test's stand-in for a person: gets the dialog (already built and filled), may change its
    // fields, and returns the result exec() would have returned (QDialog::Accepted, a
    // QMessageBox::StandardButton, ...).
    using DialogHandler = std::function<int(QDialog& dialog)>;
    // Gets the popup menu and returns the action to trigger, or nullptr for none.
    using MenuHandler = std::function<QAction*(QMenu& menu)>;

    // Runs the dialog modally, or hands it to the installed handler.
    static int Exec(QDialog& dialog);
    // Shows the popup menu at a global position, or hands it to the installed handler.
    static QAction* ExecMenu(QMenu& menu, const QPoint& globalPosition);

    static void SetDialogHandler(DialogHandler handler);
    static void SetMenuHandler(MenuHandler handler);
    static bool HasDialogHandler();
};
