#pragma once

#include "edits/TaskEdits.h"
#include "store/DocView.h"

#include <QAbstractItemModel>

class CNewOrvDoc;
class CTask;

// The document's task tree as a tree with check boxes: one top row, the root, and every task
// under its parent in order. Ticking a box ticks the task off.
//
// The model makes the tree's changes itself, through the task edits, so that it can tell its view
// about each row before the task goes or after it comes; it is their sender and so does not hear
// them. The tasks of the event go on HINT_EVENT_RELOADING (the model shows nothing until
// HINT_EVENT_RELOADED), and a change another view made resets it.
class CTaskTreeModel : public QAbstractItemModel, public IDocView
{
    Q_OBJECT
public:
    explicit CTaskTreeModel(CNewOrvDoc& doc, QObject* parent = nullptr);
    ~CTaskTreeModel() override;

    // Null for an invalid index.
    CTask* TaskOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const CTask* task) const;
    QModelIndex RootIndex() const;

    // The edits, each with its rows announced. Null or false when refused (see Edits::).
    CTask* AddTask(const Edits::STaskPlace& place, const QString& name, const QString& info);
    bool RemoveTask(CTask* task);
    bool SetName(CTask* task, const QString& name);
    bool SetInfo(CTask* task, const QString& info);

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record) override;

private:
    CNewOrvDoc& m_doc;
    bool m_detached = false;
};
