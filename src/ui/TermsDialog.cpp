#include "ui/TermsDialog.h"

#include "ui/UiText.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

CTermsDialog::CTermsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_TERMS_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QTextBrowser;
    text->setPlainText(UiText(IDS_TERMS_TEXT));
    text->setMinimumSize(480, 260);
    layout->addWidget(text);

    auto* buttons = new QDialogButtonBox;
    QPushButton* agree = buttons->addButton(UiText(IDS_TERMS_AGREE), QDialogButtonBox::AcceptRole);
    buttons->addButton(UiText(IDS_TERMS_DISAGREE), QDialogButtonBox::RejectRole);
    agree->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
