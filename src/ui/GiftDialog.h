#pragma once

#include "budget/GiftList.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

// "Add/Edit gift": the four values of a guest's gift: "Description:", "Comment:" and "Money gift:"
// in dollars (the Hebrew interface also in shekels). Shared by the gifts view and the guest details
// panel: it takes the values, not the guest, and hands them back; the caller stores them through
// Edits::SetGift.
class CGiftDialog : public QDialog
{
    Q_OBJECT
public:
    // guestName: shown above the fields (may be empty).
    CGiftDialog(const CGiftList::SGift& gift, const QString& guestName, QWidget* parent = nullptr);

    // The entered gift. The English interface keeps the shekels as they were.
    CGiftList::SGift Gift() const;

    QLineEdit* DescriptionField() const { return m_description; }
    QPlainTextEdit* CommentsField() const { return m_comments; }
    QSpinBox* DollarsField() const { return m_dollars; }
    // Null in the English interface.
    QSpinBox* ShekelsField() const { return m_shekels; }

private:
    CGiftList::SGift m_gift;
    QLineEdit* m_description;
    QPlainTextEdit* m_comments;
    QSpinBox* m_dollars;
    QSpinBox* m_shekels = nullptr;
};
