#include "ui/OfferDialog.h"

#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
QSpinBox* MakeNumberField(int maximum, int value)
{
    auto* field = new QSpinBox;
    field->setRange(0, maximum);
    field->setGroupSeparatorShown(true);
    field->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    field->setValue(value);
    return field;
}
} // namespace

COfferDialog::COfferDialog(const COfferDraft& draft, const QStringList& categories, int invited,
                           bool adding, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_invited(invited), m_draft(draft)
{
    setWindowTitle(UiText(adding ? IDS_ADD_OFFER_TITLE : IDS_EDIT_OFFER_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(ToQt(draft.name));
    form->addRow(UiText(IDS_OFFERER_NAME_LABEL), m_name);
    layout->addLayout(form);

    auto* amount = new QGroupBox(UiText(IDS_OFFER_AMOUNT_GROUP));
    auto* grid = new QGridLayout(amount);
    m_fixed = new QRadioButton(UiText(IDS_OFFER_FIXED));
    m_fixedAmount = MakeNumberField(COfferDraft::kMaxAmount, draft.fixedAmount);
    m_perGuest = new QRadioButton(UiText(IDS_OFFER_PER_GUEST));
    m_pricePerGuest = MakeNumberField(COfferDraft::kMaxAmount, draft.pricePerGuest);
    m_forInvited =
        new QRadioButton(ToQt(FormatText(LoadString(IDS_OFFER_FOR_INVITED), {FormatInt(invited)})));
    m_forOther = new QRadioButton(UiText(IDS_OFFER_FOR_OTHER));
    m_guests = MakeNumberField(COfferDraft::kMaxGuests, draft.guests);
    grid->addWidget(m_fixed, 0, 0, 1, 2);
    grid->addWidget(m_fixedAmount, 0, 2);
    grid->addWidget(m_perGuest, 1, 0, 1, 2);
    grid->addWidget(m_pricePerGuest, 1, 2);
    // The guest-count choices belong to "Per guest": indented under it.
    grid->addWidget(m_forInvited, 2, 1, 1, 2);
    grid->addWidget(m_forOther, 3, 1);
    grid->addWidget(m_guests, 3, 2);
    grid->setColumnMinimumWidth(0, 20);
    grid->setColumnStretch(1, 1);
    auto* kind = new QButtonGroup(this);
    kind->addButton(m_fixed);
    kind->addButton(m_perGuest);
    auto* guests = new QButtonGroup(this);
    guests->addButton(m_forInvited);
    guests->addButton(m_forOther);
    m_fixed->setChecked(!draft.perGuest);
    m_perGuest->setChecked(draft.perGuest);
    m_forInvited->setChecked(!draft.otherGuests);
    m_forOther->setChecked(draft.otherGuests);
    layout->addWidget(amount);

    auto* details = new QFormLayout;
    m_total = new QLineEdit;
    m_total->setReadOnly(true);
    m_total->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    details->addRow(UiText(IDS_OFFER_TOTAL_LABEL), m_total);
    m_category = new QComboBox;
    m_category->addItems(categories);
    m_category->setCurrentIndex(
        std::max(0, static_cast<int>(categories.indexOf(ToQt(draft.category)))));
    details->addRow(UiText(IDS_OFFER_CATEGORY_LABEL), m_category);
    m_comments = MakeTextBox(ToQt(draft.comments).remove(QLatin1Char('\r')));
    m_comments->setTabChangesFocus(true);
    m_comments->setFixedHeight(m_comments->fontMetrics().lineSpacing() * 4);
    details->addRow(UiText(IDS_COMMENTS_LABEL), m_comments);
    layout->addLayout(details);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &COfferDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    for (QRadioButton* button : {m_fixed, m_perGuest, m_forInvited})
        connect(button, &QRadioButton::toggled, this, &COfferDialog::UpdateState);
    connect(m_forOther, &QRadioButton::toggled, this,
            [this](bool chosen)
            {
                // Chosen with a number below 1: the invited count to start from.
                if (chosen && m_guests->value() < 1)
                    m_guests->setValue(m_invited);
                UpdateState();
            });
    for (QSpinBox* field : {m_fixedAmount, m_pricePerGuest, m_guests})
        connect(field, &QSpinBox::valueChanged, this, &COfferDialog::UpdateState);
    setMinimumWidth(440);
    UpdateState();
    m_name->setFocus();
}

COfferDraft COfferDialog::Draft() const
{
    COfferDraft draft = m_draft;
    draft.name = FromQt(m_name->text());
    draft.perGuest = m_perGuest->isChecked();
    draft.fixedAmount = m_fixedAmount->value();
    draft.pricePerGuest = m_pricePerGuest->value();
    draft.otherGuests = m_forOther->isChecked();
    draft.guests = m_guests->value();
    draft.category = FromQt(m_category->currentText());
    QString comments = m_comments->toPlainText();
    comments.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    draft.comments = FromQt(comments);
    return draft;
}

QString COfferDialog::TotalText() const
{
    return m_total->text();
}

void COfferDialog::UpdateState()
{
    const bool perGuest = m_perGuest->isChecked();
    m_fixedAmount->setEnabled(!perGuest);
    m_pricePerGuest->setEnabled(perGuest);
    m_forInvited->setEnabled(perGuest);
    m_forOther->setEnabled(perGuest);
    m_guests->setEnabled(perGuest && m_forOther->isChecked());
    m_total->setText(ToQt(FormatInt(Draft().Total(m_invited))));
}

void COfferDialog::accept()
{
    const COfferDraft draft = Draft();
    const int problem = draft.Problem(m_invited);
    if (problem != 0)
    {
        AskString(m_prompt, problem, IDS_MISSING_DETAIL_CAPTION, EButtons::Ok);
        QWidget* field = m_name;
        if (problem == IDS_FILL_OFFER_SUM)
            field = draft.perGuest ? m_pricePerGuest : m_fixedAmount;
        field->setFocus();
        return;
    }
    QDialog::accept();
}
