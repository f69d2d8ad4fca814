#pragma once

#include "model/Payment.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Add/Edit payment": the payment's sum (dollars; the Hebrew interface also shekels), "Comments:",
// "Was paid" and "Payment date:" with "Chose Date", which opens the calendar.
class CPaymentDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CPaymentDialog(const CPayment& payment, QWidget* parent = nullptr);

    // The entered payment: paid or not. The English interface keeps the shekels as they were.
    CPayment Payment() const;

    // Opens the calendar (through the modal seam) and takes its date on OK.
    void ChooseDate();

    QSpinBox* DollarsField() const { return m_dollars; }
    // Null in the English interface.
    QSpinBox* ShekelsField() const { return m_shekels; }
    QLineEdit* CommentsField() const { return m_comments; }
    QCheckBox* PaidBox() const { return m_paid; }
    QLineEdit* DateField() const { return m_dateField; }
    QPushButton* ChooseDateButton() const { return m_chooseDate; }

private:
    void ShowDate();

    CPayment m_payment;
    SDate m_date;
    QSpinBox* m_dollars;
    QSpinBox* m_shekels = nullptr;
    QLineEdit* m_comments;
    QCheckBox* m_paid;
    QLineEdit* m_dateField;
    QPushButton* m_chooseDate;
};
