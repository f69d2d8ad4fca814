#pragma once

#include "budget/OfferDraft.h"

#include <QDialog>
#include <QStringList>

class IPrompt;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

// "Add Offer" / "Change offer details": "Offerer name:", the amount ("Fixed" with its amount, or
// "Per guest" with the price per guest, for the invited count or for another number of guests),
// the read-only "Total:", "Category:" and "Comments:". The total follows every change (rules in
// budget/OfferDraft.h). OK refuses an empty name or a total of 0 with "Missing Detail" and puts
// the focus back on the field.
class COfferDialog : public QDialog
{
    Q_OBJECT
public:
    // invited: the guests' planned numbers added up, for the per-guest price.
    COfferDialog(const COfferDraft& draft, const QStringList& categories, int invited, bool adding,
                 IPrompt& prompt, QWidget* parent = nullptr);

    COfferDraft Draft() const;
    QString TotalText() const;

    QLineEdit* NameField() const { return m_name; }
    QRadioButton* FixedButton() const { return m_fixed; }
    QRadioButton* PerGuestButton() const { return m_perGuest; }
    QSpinBox* FixedField() const { return m_fixedAmount; }
    QSpinBox* PerGuestField() const { return m_pricePerGuest; }
    QRadioButton* InvitedButton() const { return m_forInvited; }
    QRadioButton* OtherGuestsButton() const { return m_forOther; }
    QSpinBox* GuestsField() const { return m_guests; }
    QComboBox* CategoryBox() const { return m_category; }
    QPlainTextEdit* CommentsField() const { return m_comments; }

    void accept() override;

private:
    void UpdateState();

    IPrompt& m_prompt;
    int m_invited;
    COfferDraft m_draft;
    QLineEdit* m_name;
    QRadioButton* m_fixed;
    QRadioButton* m_perGuest;
    QSpinBox* m_fixedAmount;
    QSpinBox* m_pricePerGuest;
    QRadioButton* m_forInvited;
    QRadioButton* m_forOther;
    QSpinBox* m_guests;
    QLineEdit* m_total;
    QComboBox* m_category;
    QPlainTextEdit* m_comments;
};
