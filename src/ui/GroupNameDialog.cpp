#include "ui/GroupNameDialog.h"

#include "platform/Prompt.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CGroupNameDialog::CGroupNameDialog(EMode mode, const QString& name, IPrompt& prompt,
                                   QWidget* parent)
    : QDialog(parent), m_mode(mode), m_prompt(prompt)
{
    setWindowTitle(UiText(IDS_GROUP_NAME_TITLE));
    auto* layout = new QVBoxLayout(this);
    m_name = new QLineEdit(name);
    m_name->selectAll();
    layout->addWidget(m_name);
    if (mode == kAdd)
    {
        m_createTable = new QCheckBox(UiText(IDS_GROUP_NAME_CREATE_TABLE));
        layout->addWidget(m_createTable);
    }
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGroupNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
    m_name->setFocus();
}

QString CGroupNameDialog::Name() const
{
    return m_name->text().trimmed();
}

bool CGroupNameDialog::CreateTable() const
{
    return m_createTable != nullptr && m_createTable->isChecked();
}

void CGroupNameDialog::accept()
{
    if (Name().isEmpty())
    {
        AskString(m_prompt, IDS_GROUP_NAME_MANDATORY,
                  m_mode == kAdd ? IDS_ADD_GROUP_CAPTION : IDS_RENAME_GROUP_CAPTION, EButtons::Ok);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}
