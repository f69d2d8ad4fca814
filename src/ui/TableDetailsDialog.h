#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class CNewOrvDoc;
class CTable;
class IDocView;
class IPrompt;
class QLineEdit;
class QListWidget;
class QSpinBox;

// "Table details": the name of a table (free text of at most CTable::kMaxNameChars characters, or
// a group name picked from "Groups:"), its number of seats and its place in the hall, for adding
// and editing.
//
// OK checks the ranges of CTable (on edit the table's own values are accepted unchanged) and stays
// open with the range message otherwise. Whether the place is free is the caller's question,
// asked after the dialog closed.
class CTableDetailsDialog : public QDialog
{
    Q_OBJECT
public:
    struct SValues
    {
        QString name;
        int seats = 0;
        int place = 0;
    };

    // kept: the table's values on edit, which pass the range check unchanged; null when adding.
    CTableDetailsDialog(const SValues& values, const QStringList& groupNames, const SValues* kept,
                        IPrompt& prompt, QWidget* parent = nullptr);

    // The entered values, the name as the table gets it (CTable::NameFromUser).
    SValues Values() const;

    QLineEdit* NameField() const { return m_name; }
    QListWidget* GroupsList() const { return m_groups; }
    QSpinBox* SeatsField() const { return m_seats; }
    QSpinBox* PlaceField() const { return m_place; }

    void accept() override;

private:
    // False (after the range message) when value is outside min..max and not the kept value.
    bool CheckRange(QSpinBox* field, int min, int max, int keptValue);

    IPrompt& m_prompt;
    bool m_editing;
    SValues m_kept;
    QLineEdit* m_name;
    QListWidget* m_groups;
    QSpinBox* m_seats;
    QSpinBox* m_place;
};

// "Table details" as every view runs it. Adding: the dialog opens with "Not mapped", the event's
// table size and the first free place; a place in use is told and the dialog opens again with
// what was entered. Returns the new table (announced with HINT_TABLE_CREATED), null when
// cancelled.
CTable* AddTableWithDialog(CNewOrvDoc& doc, QWidget* parent);
// Editing: the same for an existing table (its own place is not asked about); the unseated table
// opens no dialog but is explained. True when the table changed (HINT_RECORD_CHANGED to every
// view but the sender).
bool EditTableWithDialog(CNewOrvDoc& doc, CTable* table, IDocView* sender, QWidget* parent);
