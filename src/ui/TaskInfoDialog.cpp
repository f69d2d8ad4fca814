#include "ui/TaskInfoDialog.h"

#include "edits/TaskEdits.h"
#include "platform/ProfileFile.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CTaskInfoDialog::CTaskInfoDialog(EMode mode, CNewOrvDoc& doc, const QString& name,
                                 const QString& info, QWidget* parent)
    : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_TASK_INFO_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(name);
    m_name->setMaxLength(static_cast<int>(CProfileFile::kMaxValueChars));
    m_name->selectAll();
    m_info = MakeTextBox(info);
    m_info->setTabChangesFocus(true);
    m_info->setMaximumHeight(m_info->fontMetrics().lineSpacing() * 7);
    form->addRow(UiText(IDS_TASK_NAME_LABEL), m_name);
    form->addRow(UiText(IDS_TASK_INFO_LABEL), m_info);
    layout->addLayout(form);
    if (mode == kAdd)
    {
        m_asChild = new QCheckBox(UiText(IDS_TASK_AS_CHILD));
        layout->addWidget(m_asChild);
    }
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTaskInfoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    m_name->setFocus();
}

QString CTaskInfoDialog::Name() const
{
    return m_name->text();
}

QString CTaskInfoDialog::Info() const
{
    return m_info->toPlainText();
}

bool CTaskInfoDialog::AsChild() const
{
    return m_asChild != nullptr && m_asChild->isChecked();
}

void CTaskInfoDialog::accept()
{
    if (!Edits::CheckTaskName(m_doc, FromQt(Name())))
    {
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}
