#include "ui/TableDetailsDialog.h"

#include "edits/TableEdits.h"
#include "model/Group.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
// The fields take any number of their width, so that a value out of range reaches the check on OK
// and is told about rather than silently clamped.
constexpr int kSeatsFieldMax = 9999;
constexpr int kPlaceFieldMax = 999;

// The name cut as the table keeps it: characters (code points), as the core counts them, not
// UTF-16 units.
QString CutName(const QString& name)
{
    return ToQt(Utf8Left(FromQt(name), CTable::kMaxNameChars));
}
} // namespace

CTableDetailsDialog::CTableDetailsDialog(const SValues& values, const QStringList& groupNames,
                                         const SValues* kept, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_editing(kept != nullptr)
{
    if (kept != nullptr)
        m_kept = *kept;
    setWindowTitle(UiText(IDS_TABLE_DETAILS_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* help = new QLabel(UiText(IDS_TABLE_DETAILS_NAME_HELP));
    help->setWordWrap(true);
    layout->addWidget(help);

    auto* form = new QFormLayout;
    m_name = new QLineEdit;
    m_name->setText(CutName(values.name));
    connect(m_name, &QLineEdit::textEdited, this,
            [this](const QString& text)
            {
                const QString cut = CutName(text);
                if (cut != text)
                    m_name->setText(cut);
            });
    form->addRow(UiText(IDS_TABLE_DETAILS_BELONGS_TO), m_name);

    m_groups = new QListWidget;
    m_groups->addItems(groupNames);
    m_groups->setMaximumHeight(m_groups->fontMetrics().height() * 8);
    form->addRow(UiText(IDS_TABLE_DETAILS_GROUPS), m_groups);

    m_seats = new QSpinBox;
    // A table the arrangement or an enlargement made larger still shows its own values.
    m_seats->setRange(0, std::max(kSeatsFieldMax, values.seats));
    m_seats->setValue(values.seats);
    form->addRow(UiText(IDS_TABLE_DETAILS_SEATS), m_seats);

    m_place = new QSpinBox;
    m_place->setRange(0, std::max(kPlaceFieldMax, values.place));
    m_place->setValue(values.place);
    form->addRow(UiText(IDS_TABLE_DETAILS_PLACE), m_place);
    layout->addLayout(form);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTableDetailsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_groups, &QListWidget::currentTextChanged, this,
            [this](const QString& group)
            {
                if (!group.isEmpty())
                    m_name->setText(CutName(group));
            });
    setMinimumWidth(360);
    m_name->selectAll();
    m_name->setFocus();
}

CTableDetailsDialog::SValues CTableDetailsDialog::Values() const
{
    SValues values;
    values.name = ToQt(CTable::NameFromUser(FromQt(m_name->text())));
    values.seats = m_seats->value();
    values.place = m_place->value();
    return values;
}

bool CTableDetailsDialog::CheckRange(QSpinBox* field, int min, int max, int keptValue)
{
    const int value = field->value();
    if ((value >= min && value <= max) || (m_editing && value == keptValue))
        return true;
    m_prompt.Ask(FormatText(LoadString(IDS_RANGE_INTEGER_TEXT), {FormatInt(min), FormatInt(max)}),
                 LoadString(IDS_TABLE_DETAILS_TITLE), EButtons::Ok);
    field->setFocus();
    field->selectAll();
    return false;
}

void CTableDetailsDialog::accept()
{
    if (!CheckRange(m_seats, CTable::kMinSeats, CTable::kMaxSeats, m_kept.seats) ||
        !CheckRange(m_place, CTable::kMinHallNumber, CTable::kMaxHallNumber, m_kept.place))
        return;
    QDialog::accept();
}

namespace
{
QStringList GroupNames(const CNewOrvDoc& doc)
{
    QStringList names;
    for (const auto& group : doc.GetGroups())
        names << ToQt(group->GetName());
    return names;
}
} // namespace

CTable* AddTableWithDialog(CNewOrvDoc& doc, QWidget* parent)
{
    CTableDetailsDialog::SValues values;
    values.name = UiText(IDS_NOT_MAPPED);
    values.seats = doc.GetSettings().GetGuestsPerTable();
    values.place = doc.NextFreeHallNumber();
    // A place in use is told and the dialog opens again with what was entered.
    for (;;)
    {
        CTableDetailsDialog dialog(values, GroupNames(doc), nullptr, doc.GetPrompt(), parent);
        if (CModalSeam::Exec(dialog) != QDialog::Accepted)
            return nullptr;
        values = dialog.Values();
        if (!Edits::ReportHallNumberTaken(doc, values.place))
            break;
    }
    return Edits::CreateTable(doc, FromQt(values.name), values.place, values.seats);
}

bool EditTableWithDialog(CNewOrvDoc& doc, CTable* table, IDocView* sender, QWidget* parent)
{
    if (table == nullptr)
        return false;
    const int id = table->GetId();
    if (id == 0)
    {
        AskString(doc.GetPrompt(), IDS_UNSEATED_TABLE_EXPLANATION, IDS_EXPLANATION_CAPTION,
                  EButtons::Ok);
        return false;
    }
    CTableDetailsDialog::SValues kept;
    kept.name = ToQt(table->GetName());
    kept.seats = table->GetSeats();
    kept.place = table->GetHallNumber();
    CTableDetailsDialog::SValues values = kept;
    for (;;)
    {
        CTableDetailsDialog dialog(values, GroupNames(doc), &kept, doc.GetPrompt(), parent);
        if (CModalSeam::Exec(dialog) != QDialog::Accepted)
            return false;
        values = dialog.Values();
        // The table's own place is not asked about again.
        if (!Edits::ReportHallNumberTaken(doc, values.place, table))
            break;
    }
    if (doc.GetTableAt(id) != table)
        return false; // the tables changed while the dialog was open
    return Edits::EditTable(doc, table, FromQt(values.name), values.place, values.seats, sender);
}
