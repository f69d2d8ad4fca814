#include "ui/RestrictedGuestsDialog.h"

#include "edits/GuestEdits.h"
#include "model/Guest.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
QStringList SelectedTexts(const QListWidget& list)
{
    QStringList texts;
    for (const QListWidgetItem* item : list.selectedItems())
        texts << item->text();
    return texts;
}
} // namespace

CRestrictedGuestsDialog::CRestrictedGuestsDialog(CNewOrvDoc& doc, CGuest& guest, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_guest(guest)
{
    setWindowTitle(UiText(IDS_RESTRICTED_TITLE));
    for (const std::string& name : guest.GetRestrictedList())
        m_names << ToQt(name);
    QSet<QString> seen;
    for (const auto& other : doc.GetGuests())
    {
        if (other.get() == &guest)
            continue;
        const QString name = ToQt(other->GetFullName());
        if (!name.isEmpty() && !seen.contains(name))
        {
            seen.insert(name);
            m_candidates << name;
        }
    }

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* listLabel = new QLabel(
        ToQt(FormatText(LoadString(IDS_RESTRICTED_LIST_LABEL), {guest.GetDisplayName()})));
    m_restricted = new QListWidget;
    m_restricted->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listLabel->setBuddy(m_restricted);
    auto* othersLabel = new QLabel(UiText(IDS_RESTRICTED_OTHERS_LABEL));
    m_others = new QListWidget;
    m_others->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_others->setUniformItemSizes(true);
    othersLabel->setBuddy(m_others);
    auto* findRow = new QHBoxLayout;
    auto* findLabel = new QLabel(UiText(IDS_RESTRICTED_FIND));
    m_find = new QLineEdit;
    m_find->setClearButtonEnabled(true);
    findLabel->setBuddy(m_find);
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find, 1);

    auto* buttons = new QVBoxLayout;
    m_add = new QPushButton(UiText(IDS_RESTRICTED_ADD));
    m_remove = new QPushButton(UiText(IDS_RESTRICTED_REMOVE));
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();

    // Leading: the other guests; trailing: the restricted ones (mirrored in Hebrew).
    grid->addWidget(othersLabel, 0, 0);
    grid->addLayout(findRow, 1, 0);
    grid->addWidget(m_others, 2, 0);
    grid->addLayout(buttons, 2, 1);
    grid->addWidget(listLabel, 0, 2);
    grid->addWidget(m_restricted, 1, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid, 1);

    m_bothWays = new QCheckBox(UiText(IDS_RESTRICTED_BOTH_WAYS));
    m_bothWays->setChecked(true);
    layout->addWidget(m_bothWays);
    auto* box = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);

    connect(m_add, &QPushButton::clicked, this, [this] { AddNames(SelectedTexts(*m_others)); });
    connect(m_remove, &QPushButton::clicked, this,
            [this] { RemoveNames(SelectedTexts(*m_restricted)); });
    connect(m_others, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { AddNames({item->text()}); });
    connect(m_restricted, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { RemoveNames({item->text()}); });
    connect(m_others, &QListWidget::itemSelectionChanged, this,
            &CRestrictedGuestsDialog::UpdateButtons);
    connect(m_restricted, &QListWidget::itemSelectionChanged, this,
            &CRestrictedGuestsDialog::UpdateButtons);
    connect(m_find, &QLineEdit::textChanged, this, &CRestrictedGuestsDialog::ApplyFind);

    FillLists();
    resize(640, 420);
    m_find->setFocus();
}

QStringList CRestrictedGuestsDialog::OfferedNames() const
{
    QStringList offered;
    for (const QString& name : m_candidates)
        if (!m_names.contains(name))
            offered << name;
    return offered;
}

void CRestrictedGuestsDialog::AddNames(const QStringList& names)
{
    for (const QString& name : names)
        if (m_candidates.contains(name) && !m_names.contains(name))
            m_names << name;
    FillLists();
}

void CRestrictedGuestsDialog::RemoveNames(const QStringList& names)
{
    for (const QString& name : names)
        m_names.removeOne(name);
    FillLists();
}

void CRestrictedGuestsDialog::FillLists()
{
    m_restricted->clear();
    m_restricted->addItems(m_names);
    m_others->clear();
    m_others->addItems(OfferedNames());
    ApplyFind();
}

void CRestrictedGuestsDialog::ApplyFind()
{
    const QString text = m_find->text().trimmed();
    for (int row = 0; row < m_others->count(); ++row)
    {
        QListWidgetItem* item = m_others->item(row);
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
    }
    UpdateButtons();
}

void CRestrictedGuestsDialog::UpdateButtons()
{
    m_add->setEnabled(!m_others->selectedItems().isEmpty());
    m_remove->setEnabled(!m_restricted->selectedItems().isEmpty());
}

std::vector<CGuest*> CRestrictedGuestsDialog::Apply(IDocView* sender)
{
    std::vector<std::string> names;
    for (const QString& name : m_names)
        names.push_back(FromQt(name));
    return Edits::SetRestrictedNames(m_doc, m_guest, names, m_bothWays->isChecked(), sender);
}
