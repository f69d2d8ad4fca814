#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

// The in-place editors of the guests list: drop-down lists for the relation, the group and
// "Invitation Sent" (opening on the current value), free text for the names and spin boxes for
// the counts. It knows the one editor that is open, so the view can commit it before a save.
class CGuestItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // groupNames gives the group names in collection order when a group editor opens.
    CGuestItemDelegate(std::function<QStringList()> groupNames, QObject* parent = nullptr);

    bool HasOpenEditor() const { return !m_editor.isNull(); }
    QWidget* OpenEditor() const { return m_editor; }
    // Stores the open editor's value in the model and closes the editor; nothing when none is open.
    void CommitAndClose();

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    // An editor opened or closed (Save follows whether an edit is pending).
    void EditingChanged() const;

private:
    std::function<QStringList()> m_groupNames;
    mutable QPointer<QWidget> m_editor;
};
