#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

// The in-place editors of the money lists: a spin box for a cell whose value is a whole number (an
// amount), a line for a text. Before an editor opens it asks the view's check, which may refuse
// and tell why (then no editor opens). It knows the one editor that is open, so the view can commit
// it before a save or a refresh.
class CCellEditDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // maxAmount: the largest amount a spin box takes (the smallest is 0).
    explicit CCellEditDelegate(int maxAmount, QObject* parent = nullptr);

    // True when the cell may be edited; a refusal is told by the check itself.
    void SetEditCheck(std::function<bool(const QModelIndex&)> check) { m_check = std::move(check); }

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
    int m_maxAmount;
    std::function<bool(const QModelIndex&)> m_check;
    mutable QPointer<QWidget> m_editor;
};
