#include "ui/TipDialog.h"

#include "app/TipOfDay.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CTipDialog::CTipDialog(int firstTip, bool showAtStartup, QWidget* parent)
    : QDialog(parent), m_tip(CTipOfDay::Normalize(firstTip))
{
    setWindowTitle(UiText(IDS_TIP_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* title =
        new QLabel(QStringLiteral("<b>%1</b>").arg(UiText(IDS_TIP_TITLE).toHtmlEscaped()));
    layout->addWidget(title);
    m_text = new QLabel;
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(420);
    m_text->setMinimumHeight(80);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeading);
    layout->addWidget(m_text, 1);

    m_showAtStartup = new QCheckBox(UiText(IDS_TIP_SHOW_AT_START));
    m_showAtStartup->setChecked(showAtStartup);
    layout->addWidget(m_showAtStartup);

    auto* buttons = new QDialogButtonBox;
    QPushButton* next = buttons->addButton(UiText(IDS_TIP_NEXT), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    TranslateButtons(*buttons);
    connect(next, &QPushButton::clicked, this, &CTipDialog::ShowNextTip);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    layout->addWidget(buttons);

    ShowTip();
}

void CTipDialog::ShowTip()
{
    m_text->setText(ToQt(CTipOfDay::Text(m_tip)));
}

void CTipDialog::ShowNextTip()
{
    m_tip = CTipOfDay::Normalize(m_tip + 1);
    ShowTip();
}

int CTipDialog::NextTip() const
{
    return CTipOfDay::Normalize(m_tip + 1);
}

bool CTipDialog::ShowAtStartup() const
{
    return m_showAtStartup->isChecked();
}
