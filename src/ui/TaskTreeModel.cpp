#include "ui/TaskTreeModel.h"

#include "model/Task.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

CTaskTreeModel::CTaskTreeModel(CNewOrvDoc& doc, QObject* parent)
    : QAbstractItemModel(parent), m_doc(doc)
{
    m_doc.AddView(this);
}

CTaskTreeModel::~CTaskTreeModel()
{
    m_doc.RemoveView(this);
}

CTask* CTaskTreeModel::TaskOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<CTask*>(index.internalPointer()) : nullptr;
}

QModelIndex CTaskTreeModel::IndexOf(const CTask* task) const
{
    if (task == nullptr || m_detached)
        return {};
    const CTask* parent = task->GetParent();
    const int row = parent != nullptr ? parent->IndexOfChild(task) : 0;
    return createIndex(row, 0, const_cast<CTask*>(task));
}

QModelIndex CTaskTreeModel::RootIndex() const
{
    return index(0, 0);
}

CTask* CTaskTreeModel::AddTask(const Edits::STaskPlace& place, const QString& name,
                               const QString& info)
{
    if (place.parent == nullptr || Edits::TaskNameToStore(FromQt(name)).empty())
        return nullptr;
    const int row = qBound(0, place.position, place.parent->GetChildCount());
    beginInsertRows(IndexOf(place.parent), row, row);
    CTask* task = Edits::AddTask(m_doc, {place.parent, row}, FromQt(name), FromQt(info), this);
    endInsertRows();
    return task;
}

bool CTaskTreeModel::RemoveTask(CTask* task)
{
    if (task == nullptr || task->GetParent() == nullptr)
        return false;
    const QModelIndex index = IndexOf(task);
    beginRemoveRows(parent(index), index.row(), index.row());
    const bool removed = Edits::DeleteTask(m_doc, task, this);
    endRemoveRows();
    return removed;
}

bool CTaskTreeModel::SetName(CTask* task, const QString& name)
{
    if (!Edits::SetTaskName(m_doc, task, FromQt(name), this))
        return false;
    const QModelIndex index = IndexOf(task);
    emit dataChanged(index, index);
    return true;
}

bool CTaskTreeModel::SetInfo(CTask* task, const QString& info)
{
    if (!Edits::SetTaskInfo(m_doc, task, FromQt(info), this))
        return false;
    const QModelIndex index = IndexOf(task);
    emit dataChanged(index, index, {Qt::ToolTipRole});
    return true;
}

QModelIndex CTaskTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (m_detached || column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, 0, m_doc.GetTaskRoot()) : QModelIndex();
    CTask* child = TaskOf(parent)->GetChild(row);
    return child != nullptr ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex CTaskTreeModel::parent(const QModelIndex& index) const
{
    const CTask* task = TaskOf(index);
    return task != nullptr ? IndexOf(task->GetParent()) : QModelIndex();
}

int CTaskTreeModel::rowCount(const QModelIndex& parent) const
{
    if (m_detached || parent.column() > 0)
        return 0;
    if (!parent.isValid())
        return 1;
    return TaskOf(parent)->GetChildCount();
}

int CTaskTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant CTaskTreeModel::data(const QModelIndex& index, int role) const
{
    const CTask* task = TaskOf(index);
    if (task == nullptr)
        return {};
    switch (role)
    {
    case Qt::DisplayRole:
        return ToQt(task->GetName());
    case Qt::CheckStateRole:
        return task->IsChecked() ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
        return task->GetInfo().empty() ? QVariant() : QVariant(ToQt(task->GetInfo()).remove('\r'));
    default:
        return {};
    }
}

bool CTaskTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    CTask* task = TaskOf(index);
    if (task == nullptr || role != Qt::CheckStateRole)
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (!Edits::SetTaskChecked(m_doc, task, checked, this))
        return false;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CTaskTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void CTaskTreeModel::OnUpdate(IDocView*, EUpdateHint hint, CRecord*)
{
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
        beginResetModel();
        m_detached = true;
        endResetModel();
        break;
    case HINT_EVENT_RELOADED:
    case HINT_TASKS_CHANGED:
        beginResetModel();
        m_detached = false;
        endResetModel();
        break;
    default:
        break;
    }
}
