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

    const SSearchControls controls = AddSearchControls(*this, *layout, backwards);
    m_forwards = controls.forwards;
    m_backwards = controls.backwards;
    m_find = controls.find;
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
