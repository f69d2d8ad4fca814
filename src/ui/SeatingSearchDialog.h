#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// "Search" of the seating board: a guest's name, a table's name and the direction. "Find Next"
// stays disabled while both texts are empty. What matches is the board's rule
// (CSeatingBoard::FindNext).
class CSeatingSearchDialog : public QDialog
{
    Q_OBJECT
public:
    CSeatingSearchDialog(const QString& guest, const QString& table, bool backwards,
                         QWidget* parent = nullptr);

    QString GuestText() const;
    QString TableText() const;
    bool Backwards() const;

    QLineEdit* GuestField() const { return m_guest; }
    QLineEdit* TableField() const { return m_table; }
    QRadioButton* BackwardsButton() const { return m_backwards; }

private:
    void UpdateFindButton();

    QLineEdit* m_guest;
    QLineEdit* m_table;
    QRadioButton* m_forwards;
    QRadioButton* m_backwards;
    QPushButton* m_find;
};
