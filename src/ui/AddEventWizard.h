#pragma once

#include "store/NewEvent.h"

#include <QWizard>

class CNewOrvDoc;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

// "Add Event": four pages (type and date; copying from an existing event; the names and the event
// name; groups and phone). Details() gives what "Finish" creates the event with.
class CAddEventWizard : public QWizard
{
    Q_OBJECT
public:
    enum EPage
    {
        kTypePage,
        kCopyPage,
        kNamesPage,
        kGroupsPage,
    };

    CAddEventWizard(CNewOrvDoc& doc, QWidget* parent = nullptr);

    SNewEvent Details() const;

    // The fields, for tests that fill the wizard as a person would.
    QComboBox* TypeList() const { return m_type; }
    QDateEdit* DateField() const { return m_date; }
    QRadioButton* CopyChoice() const { return m_copy; }
    QListWidget* EventsList() const { return m_events; }
    QLineEdit* GroomName(int part) const { return m_groom[part]; }
    QLineEdit* BrideName(int part) const { return m_bride[part]; }
    QLineEdit* EventName() const { return m_eventName; }
    QRadioButton* CreateGroupsChoice() const { return m_createGroups; }
    QLineEdit* Phone() const { return m_phone; }
    QGroupBox* GroomBox() const { return m_groomBox; }

    bool validateCurrentPage() override;

private:
    QWizardPage* MakeTypePage();
    QWizardPage* MakeCopyPage();
    QWizardPage* MakeNamesPage();
    QWizardPage* MakeGroupsPage();
    void OnPageChanged(int id);
    void ApplyType();
    void RefillEventName();

    CNewOrvDoc& m_doc;
    QComboBox* m_type = nullptr;
    QDateEdit* m_date = nullptr;
    QRadioButton* m_copy = nullptr;
    QRadioButton* m_dontCopy = nullptr;
    QListWidget* m_events = nullptr;
    QGroupBox* m_groomBox = nullptr;
    QGroupBox* m_brideBox = nullptr;
    QLineEdit* m_groom[3] = {};
    QLineEdit* m_bride[3] = {};
    QLineEdit* m_eventName = nullptr;
    QRadioButton* m_createGroups = nullptr;
    QRadioButton* m_noGroups = nullptr;
    QLineEdit* m_phone = nullptr;
    bool m_groupsChoiceTouched = false;
};
