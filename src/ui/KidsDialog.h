#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

// "Kids": the number of kids in a guest's family and whether it needs a baby chair. It takes the
// values, not the guest; the caller stores them through Edits::SetGuestKids after OK.
class CKidsDialog : public QDialog
{
    Q_OBJECT
public:
    CKidsDialog(int kids, bool childSeat, QWidget* parent = nullptr);

    int Kids() const;
    bool ChildSeat() const;

    QSpinBox* KidsField() const { return m_kids; }
    QCheckBox* ChildSeatBox() const { return m_childSeat; }

private:
    QSpinBox* m_kids;
    QCheckBox* m_childSeat;
};
