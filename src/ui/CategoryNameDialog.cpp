#include "ui/CategoryNameDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CCategoryNameDialog::CCategoryNameDialog(bool renaming, const QString& name, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(UiText(renaming ? IDS_RENAME_CATEGORY_TITLE : IDS_NEW_CATEGORY_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(name);
    m_name->selectAll();
    form->addRow(UiText(IDS_CATEGORY_NAME_LABEL), m_name);
    layout->addLayout(form);
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(340);
    m_name->setFocus();
}

QString CCategoryNameDialog::Name() const
{
    return m_name->text();
}
