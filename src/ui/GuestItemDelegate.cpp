#include "ui/GuestItemDelegate.h"

#include "model/Guest.h"
#include "ui/GuestsTableModel.h"
#include "ui/UiText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

namespace
{
constexpr int kMaxCount = 9999;

QStringList RelationNames()
{
    return {UiText(IDS_RELATION_BRIDE), UiText(IDS_RELATION_GROOM), UiText(IDS_RELATION_MUTUAL)};
}
} // namespace

CGuestItemDelegate::CGuestItemDelegate(std::function<QStringList()> groupNames, QObject* parent)
    : QStyledItemDelegate(parent), m_groupNames(std::move(groupNames))
{
}

void CGuestItemDelegate::CommitAndClose()
{
    QWidget* editor = m_editor;
    if (editor == nullptr)
        return;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QWidget* CGuestItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = nullptr;
    switch (index.column())
    {
    case CGuestsTableModel::kColumnRelation:
    case CGuestsTableModel::kColumnGroup:
    case CGuestsTableModel::kColumnInvitationSent:
    {
        auto* box = new QComboBox(parent);
        if (index.column() == CGuestsTableModel::kColumnRelation)
            box->addItems(RelationNames());
        else if (index.column() == CGuestsTableModel::kColumnGroup)
            box->addItems(m_groupNames());
        else
            box->addItems({ToQt(CGuest::GetYesNoText(true)), ToQt(CGuest::GetYesNoText(false))});
        // A choice from the list ends the edit; the list drops down as soon as the editor shows.
        auto* self = const_cast<CGuestItemDelegate*>(this);
        connect(box, &QComboBox::activated, self, &CGuestItemDelegate::CommitAndClose);
        QTimer::singleShot(0, box,
                           [box]
                           {
                               if (box->isVisible())
                                   box->showPopup();
                           });
        editor = box;
        break;
    }
    case CGuestsTableModel::kColumnPlanned:
    case CGuestsTableModel::kColumnActual:
    {
        auto* spin = new QSpinBox(parent);
        spin->setRange(0, kMaxCount);
        spin->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
        editor = spin;
        break;
    }
    default:
        editor = QStyledItemDelegate::createEditor(parent, option, index);
        break;
    }
    m_editor = editor;
    emit EditingChanged();
    return editor;
}

void CGuestItemDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    const bool wasOpen = editor == m_editor;
    if (wasOpen)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
    if (wasOpen)
        emit EditingChanged();
}

void CGuestItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor))
    {
        if (index.column() == CGuestsTableModel::kColumnInvitationSent)
            box->setCurrentIndex(index.data(Qt::EditRole).toBool() ? 0 : 1);
        else // no entry is chosen for a value that is not in the list
            box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString()));
        return;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(editor))
    {
        spin->setValue(index.data(Qt::EditRole).toInt());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CGuestItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor))
    {
        if (box->currentIndex() < 0)
            return; // nothing chosen: the value stays
        if (index.column() == CGuestsTableModel::kColumnInvitationSent)
            model->setData(index, box->currentIndex() == 0, Qt::EditRole);
        else
            model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(editor))
    {
        spin->interpretText();
        model->setData(index, spin->value(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
