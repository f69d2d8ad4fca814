#include "ui/TaskListDialog.h"

#include "edits/TaskEdits.h"
#include "model/Task.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"
#include "ui/TaskInfoDialog.h"
#include "ui/TaskTreeModel.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

CTaskListDialog::CTaskListDialog(CNewOrvDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_TASKS_TREE_TITLE));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_TASKS_EXPLANATION));

    auto* columns = new QHBoxLayout;
    m_model = new CTaskTreeModel(doc, this);
    m_tree = new QTreeView;
    m_tree->setObjectName(QStringLiteral("TasksTree"));
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setUniformRowHeights(true);
    columns->addWidget(m_tree, 1);

    auto* buttons = new QVBoxLayout;
    m_add = MakeCommandButton("list-add", IDS_TASKS_ADD_BUTTON);
    m_delete = MakeCommandButton("edit-delete", IDS_TASKS_DELETE_BUTTON);
    m_change = MakeCommandButton("document-edit", IDS_TASKS_CHANGE_BUTTON);
    for (QPushButton* button : {m_add, m_delete, m_change})
    {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    columns->addLayout(buttons);
    layout->addLayout(columns, 1);

    auto* fields = new QFormLayout;
    m_name = new QLineEdit;
    m_name->setMaxLength(static_cast<int>(CProfileFile::kMaxValueChars));
    m_info = MakeTextBox();
    m_info->setTabChangesFocus(true);
    m_info->setMaximumHeight(m_info->fontMetrics().lineSpacing() * 5);
    fields->addRow(UiText(IDS_TASK_NAME_LABEL), m_name);
    fields->addRow(UiText(IDS_TASK_INFO_LABEL), m_info);
    layout->addLayout(fields);

    auto* box = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);

    connect(m_add, &QPushButton::clicked, this, &CTaskListDialog::AddTask);
    connect(m_delete, &QPushButton::clicked, this, &CTaskListDialog::DeleteTask);
    connect(m_change, &QPushButton::clicked, this, &CTaskListDialog::ChangeTask);
    connect(m_tree, &QTreeView::doubleClicked, this, &CTaskListDialog::ChangeTask);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CTaskListDialog::ShowSelectedTask);
    // A reset (another view's change, a reload) leaves no row selected.
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this]
            {
                m_tree->expandAll();
                Select(m_doc.GetTaskRoot());
            });
    connect(m_name, &QLineEdit::textEdited, this, &CTaskListDialog::OnNameEdited);
    // An empty name is not stored: leaving the field shows the task's name again.
    connect(m_name, &QLineEdit::editingFinished, this, &CTaskListDialog::ShowSelectedTask);
    connect(m_info, &QPlainTextEdit::textChanged, this, &CTaskListDialog::OnInfoEdited);

    m_tree->expandAll();
    Select(doc.GetTaskRoot());
    resize(560, 520);
}

CTask* CTaskListDialog::SelectedTask() const
{
    return m_model->TaskOf(m_tree->currentIndex());
}

void CTaskListDialog::Select(const CTask* task)
{
    const QModelIndex index = m_model->IndexOf(task);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    ShowSelectedTask();
}

void CTaskListDialog::ShowSelectedTask()
{
    const CTask* task = SelectedTask();
    m_loading = true;
    m_name->setText(task != nullptr ? ToQt(task->GetName()) : QString());
    m_info->setPlainText(task != nullptr ? ToQt(task->GetInfo()).remove(QLatin1Char('\r'))
                                         : QString());
    m_loading = false;
    m_name->setEnabled(task != nullptr);
    m_info->setEnabled(task != nullptr);
    m_delete->setEnabled(task != nullptr && task->GetParent() != nullptr);
    m_change->setEnabled(task != nullptr);
}

void CTaskListDialog::OnNameEdited()
{
    if (!m_loading)
        m_model->SetName(SelectedTask(), m_name->text());
}

void CTaskListDialog::OnInfoEdited()
{
    if (!m_loading)
        m_model->SetInfo(SelectedTask(), m_info->toPlainText());
}

void CTaskListDialog::AddTask()
{
    CTaskInfoDialog dialog(CTaskInfoDialog::kAdd, m_doc, QString(), QString(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    const Edits::STaskPlace place =
        Edits::PlaceForNewTask(m_doc.GetTaskRoot(), SelectedTask(), dialog.AsChild());
    if (CTask* task = m_model->AddTask(place, dialog.Name(), dialog.Info()))
    {
        m_tree->expand(m_model->IndexOf(place.parent));
        Select(task);
    }
}

void CTaskListDialog::DeleteTask()
{
    CTask* task = SelectedTask();
    if (task == nullptr || task->GetParent() == nullptr)
    {
        QApplication::beep();
        return;
    }
    // Then the task that took its place, else the one before it, else its parent.
    CTask* parent = task->GetParent();
    const int row = parent->IndexOfChild(task);
    m_model->RemoveTask(task); // destroyed here
    const CTask* next = parent->GetChild(row);
    if (next == nullptr)
        next = parent->GetChild(row - 1);
    Select(next != nullptr ? next : parent);
}

void CTaskListDialog::ChangeTask()
{
    CTask* task = SelectedTask();
    if (task == nullptr)
        return;
    CTaskInfoDialog dialog(CTaskInfoDialog::kChange, m_doc, ToQt(task->GetName()),
                           ToQt(task->GetInfo()).remove(QLatin1Char('\r')), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    m_model->SetName(task, dialog.Name());
    m_model->SetInfo(task, dialog.Info());
    ShowSelectedTask();
}
