#include "ui/GiftSearchDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CGiftSearchDialog::CGiftSearchDialog(const QString& text, bool backwards, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(UiText(IDS_GIFT_SEARCH_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_text = new QLineEdit(text);
    form->addRow(UiText(IDS_GIFT_SEARCH_LABEL), m_text);
    layout->addLayout(form);

    auto* direction = new QGroupBox(UiText(IDS_SEARCH_DIRECTION));
    auto* directions = new QHBoxLayout(direction);
    m_forwards = new QRadioButton(UiText(IDS_SEARCH_FORWARDS));
    m_backwards = new QRadioButton(UiText(IDS_SEARCH_BACKWARDS));
    (backwards ? m_backwards : m_forwards)->setChecked(true);
    directions->addWidget(m_forwards);
    directions->addWidget(m_backwards);
    directions->addStretch();
    layout->addWidget(direction);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Cancel);
    m_find = buttons->addButton(UiText(IDS_SEARCH_FIND_NEXT), QDialogButtonBox::AcceptRole);
    m_find->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_text, &QLineEdit::textChanged, this,
            [this] { m_find->setEnabled(!Text().isEmpty()); });
    m_find->setEnabled(!Text().isEmpty());
    m_text->selectAll();
    m_text->setFocus();
    setMinimumWidth(320);
}

QString CGiftSearchDialog::Text() const
{
    return m_text->text().trimmed();
}

bool CGiftSearchDialog::Backwards() const
{
    return m_backwards->isChecked();
}
