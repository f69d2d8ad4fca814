#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class CGuest;
class CNewOrvDoc;
class IDocView;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Restricted guests": the full names a guest must not sit with. The other guests' full names are
// offered (each once); the working list changes in the dialog only, and Apply() (after OK) stores
// it through Edits::SetRestrictedNames. "Both ways" also adds or removes this guest's full name in
// the other guest's list.
class CRestrictedGuestsDialog : public QDialog
{
    Q_OBJECT
public:
    CRestrictedGuestsDialog(CNewOrvDoc& doc, CGuest& guest, QWidget* parent = nullptr);

    // Stores the changes, announced from sender. Returns every guest whose list changed (this
    // guest first), each once.
    std::vector<CGuest*> Apply(IDocView* sender);

    // Moves the offered names to the working list, or back.
    void AddNames(const QStringList& names);
    void RemoveNames(const QStringList& names);

    QStringList RestrictedNames() const { return m_names; }
    QStringList OfferedNames() const;
    QListWidget* RestrictedList() const { return m_restricted; }
    QListWidget* OthersList() const { return m_others; }
    QLineEdit* FindField() const { return m_find; }
    QCheckBox* BothWaysBox() const { return m_bothWays; }

private:
    void FillLists();
    void ApplyFind();
    void UpdateButtons();

    CNewOrvDoc& m_doc;
    CGuest& m_guest;
    QStringList m_candidates; // other guests' full names, each once, in list order
    QStringList m_names;      // the working list
    QListWidget* m_restricted;
    QListWidget* m_others;
    QLineEdit* m_find;
    QPushButton* m_add;
    QPushButton* m_remove;
    QCheckBox* m_bothWays;
};
