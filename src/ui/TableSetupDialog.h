#pragma once

#include <QDialog>

class CNewOrvDoc;
class IDocView;
class QCheckBox;
class QSpinBox;

// "Table setup": the seats of every new table ("NumberOfGuestsInTable", 1 to 1000), and how the
// graphic seating view orders and labels its tables ("ArrangeTableByHallNumber",
// "DontShowNonComming", "ShowSerial"). A seat count out of range keeps the dialog open with the
// range message.
class CTableSetupDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMinSeats = 1;
    static constexpr int kMaxSeats = 1000;

    CTableSetupDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    // Stores the four values in the event settings ("ShowSerial" as "1" or "0") and broadcasts
    // hint 5 (from sender) once for each of the last three that changed.
    void Apply(IDocView* sender);

    QSpinBox* SeatsField() const { return m_seats; }
    QCheckBox* ByHallNumber() const { return m_byHallNumber; }
    QCheckBox* HideNotComing() const { return m_hideNotComing; }
    QCheckBox* ShowId() const { return m_showId; }

    void accept() override;

private:
    CNewOrvDoc& m_doc;
    QSpinBox* m_seats;
    QCheckBox* m_byHallNumber;
    QCheckBox* m_hideNotComing;
    QCheckBox* m_showId;
};
