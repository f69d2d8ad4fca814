#pragma once

#include "edits/TableEdits.h"

#include <QDialog>

class IPrompt;
class QCheckBox;
class QSpinBox;

// "Table setup": the seats of every new table ("NumberOfGuestsInTable", CTable::kMinSeats to
// kMaxSeats), and how the graphic seating view orders and labels its tables
// ("ArrangeTableByHallNumber", "DontShowNonComming", "ShowSerial"). A seat count out of range
// keeps the dialog open with the range message. The caller stores Setup() (Edits::SetTableSetup).
class CTableSetupDialog : public QDialog
{
    Q_OBJECT
public:
    CTableSetupDialog(const Edits::STableSetup& setup, IPrompt& prompt, QWidget* parent = nullptr);

    // The values entered.
    Edits::STableSetup Setup() const;

    QSpinBox* SeatsField() const { return m_seats; }
    QCheckBox* ByHallNumber() const { return m_byHallNumber; }
    QCheckBox* HideNotComing() const { return m_hideNotComing; }
    QCheckBox* ShowId() const { return m_showId; }

    void accept() override;

private:
    IPrompt& m_prompt;
    QSpinBox* m_seats;
    QCheckBox* m_byHallNumber;
    QCheckBox* m_hideNotComing;
    QCheckBox* m_showId;
};
