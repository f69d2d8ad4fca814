#pragma once

#include "edits/GuestDetailsEdits.h"

#include <QDialog>
#include <vector>

class CGuest;
class CGuestListModel;
class CNewOrvDoc;
class IDocView;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

// "Multiple guests change": every guest in a list of several selectable rows, and the values to
// give the selected ones, each with a check box that enables it. "Update Guests" applies the
// enabled values (Edits::UpdateGuests) and leaves the dialog open; "Close" ends it, and the
// caller then rebuilds its list.
class CMultipleUpdateDialog : public QDialog
{
    Q_OBJECT
public:
    // sender: the view the changes are announced from (it rebuilds itself after the dialog).
    CMultipleUpdateDialog(CNewOrvDoc& doc, IDocView* sender, QWidget* parent = nullptr);

    // "&Choose All".
    void ChooseAll();
    // "Update Guests": returns the number of guests changed.
    int UpdateGuests();

    // The enabled values; a ticked status without a chosen button is "Unknown".
    Edits::SGuestsUpdate Values() const;
    // The selected guests, from the first row to the last.
    std::vector<CGuest*> SelectedGuests() const;

    QTableView* List() const { return m_list; }
    QCheckBox* GroupBox() const { return m_useGroup; }
    QCheckBox* RelationBox() const { return m_useRelation; }
    QCheckBox* InvitedBox() const { return m_useInvited; }
    QCheckBox* ComingBox() const { return m_useComing; }
    QCheckBox* InvitationBox() const { return m_useInvitation; }
    QCheckBox* StatusBox() const { return m_useStatus; }
    QComboBox* GroupField() const { return m_group; }
    QComboBox* RelationField() const { return m_relation; }
    QSpinBox* InvitedField() const { return m_invited; }
    QSpinBox* ComingField() const { return m_coming; }
    QCheckBox* InvitationSentField() const { return m_invitationSent; }
    // 0 "Approved", 1 "Not coming", 2 "Unknown".
    QRadioButton* StatusButton(int index) const;
    QPushButton* UpdateButton() const { return m_update; }
    QPushButton* ChooseAllButton() const { return m_chooseAll; }

private:
    QWidget* BuildValues();
    void UpdateEnabled();

    CNewOrvDoc& m_doc;
    IDocView* m_sender;
    CGuestListModel* m_model;
    QTableView* m_list;
    QPushButton* m_chooseAll;
    QPushButton* m_update;
    QCheckBox* m_useGroup = nullptr;
    QCheckBox* m_useRelation = nullptr;
    QCheckBox* m_useInvited = nullptr;
    QCheckBox* m_useComing = nullptr;
    QCheckBox* m_useInvitation = nullptr;
    QCheckBox* m_useStatus = nullptr;
    QComboBox* m_group = nullptr;
    QComboBox* m_relation = nullptr;
    QSpinBox* m_invited = nullptr;
    QSpinBox* m_coming = nullptr;
    QCheckBox* m_invitationSent = nullptr;
    QButtonGroup* m_status = nullptr;
};
