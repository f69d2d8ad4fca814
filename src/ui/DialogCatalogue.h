#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CNewOrvDoc;
class QDialog;
class QWidget;

// Every dialog of the program by a short name, made over a document as the program would open it,
// for the screenshot tool and for the test that checks every dialog in both languages. A new
// dialog joins the list.
struct SDialogEntry
{
    QString name;
    // Null when the event has nothing to show the dialog on (no guest for a guest's dialog).
    std::function<std::unique_ptr<QDialog>(CNewOrvDoc&, QWidget*)> make;
};

const std::vector<SDialogEntry>& DialogCatalogue();

// The entry of that name; null when there is none.
const SDialogEntry* FindDialogEntry(const QString& name);
