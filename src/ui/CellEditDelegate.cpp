#include "ui/CellEditDelegate.h"

#include <QLineEdit>
#include <QSpinBox>

CCellEditDelegate::CCellEditDelegate(int maxAmount, QObject* parent)
    : QStyledItemDelegate(parent), m_maxAmount(maxAmount)
{
}

void CCellEditDelegate::CommitAndClose()
{
    QWidget* editor = m_editor;
    if (editor == nullptr)
        return;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QWidget* CCellEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    if (m_check && !m_check(index))
        return nullptr;
    QWidget* editor = nullptr;
    if (index.data(Qt::EditRole).typeId() == QMetaType::Int)
    {
        auto* spin = new QSpinBox(parent);
        spin->setRange(0, m_maxAmount);
        spin->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
        editor = spin;
    }
    else
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    m_editor = editor;
    emit EditingChanged();
    return editor;
}

void CCellEditDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    const bool wasOpen = editor == m_editor;
    if (wasOpen)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
    if (wasOpen)
        emit EditingChanged();
}

void CCellEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* spin = qobject_cast<QSpinBox*>(editor))
    {
        spin->setValue(index.data(Qt::EditRole).toInt());
        spin->selectAll();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CCellEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    if (auto* spin = qobject_cast<QSpinBox*>(editor))
    {
        spin->interpretText();
        model->setData(index, spin->value(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
