#include "ui/GiftDialog.h"

#include "platform/Language.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
QSpinBox* MakeAmountField(int value, const QString& suffix)
{
    auto* field = new QSpinBox;
    field->setRange(0, CGiftList::kMaxAmount);
    field->setGroupSeparatorShown(true);
    field->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    field->setSuffix(suffix);
    field->setValue(value);
    return field;
}
} // namespace

CGiftDialog::CGiftDialog(const CGiftList::SGift& gift, const QString& guestName, QWidget* parent)
    : QDialog(parent), m_gift(gift)
{
    setWindowTitle(UiText(IDS_GIFT_TITLE));
    auto* layout = new QVBoxLayout(this);
    if (!guestName.isEmpty())
    {
        auto* caption =
            new QLabel(ToQt(FormatText(LoadString(IDS_GIFT_GUEST_LABEL), {FromQt(guestName)})));
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        layout->addWidget(caption);
    }
    auto* form = new QFormLayout;
    m_description = new QLineEdit(ToQt(gift.description));
    form->addRow(UiText(IDS_GIFT_DESCRIPTION_LABEL), m_description);
    m_comments = MakeTextBox(ToQt(gift.comments).remove(QLatin1Char('\r')));
    m_comments->setTabChangesFocus(true);
    m_comments->setFixedHeight(m_comments->fontMetrics().lineSpacing() * 3 + 12);
    form->addRow(UiText(IDS_GIFT_COMMENT_LABEL), m_comments);
    m_dollars = MakeAmountField(gift.dollars, QStringLiteral(" $"));
    if (IsHebrewUi())
    {
        m_shekels = MakeAmountField(gift.shekels, QStringLiteral(" ₪"));
        auto* amounts = new QHBoxLayout;
        amounts->addWidget(m_shekels);
        amounts->addWidget(m_dollars);
        form->addRow(UiText(IDS_GIFT_MONEY_LABEL), amounts);
    }
    else
        form->addRow(UiText(IDS_GIFT_MONEY_LABEL), m_dollars);
    layout->addLayout(form);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(400);
    m_description->setFocus();
}

CGiftList::SGift CGiftDialog::Gift() const
{
    CGiftList::SGift gift = m_gift;
    gift.description = FromQt(m_description->text());
    QString comments = m_comments->toPlainText();
    comments.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    gift.comments = FromQt(comments);
    m_dollars->interpretText();
    gift.dollars = m_dollars->value();
    if (m_shekels != nullptr)
    {
        m_shekels->interpretText();
        gift.shekels = m_shekels->value();
    }
    return gift;
}
