#include "ui/ExpensesModel.h"

#include "edits/MoneyEdits.h"
#include "model/Expence.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"
#include "ui/TipMarkup.h"
#include "ui/UiText.h"

#include <QDate>
#include <algorithm>

namespace
{
// The first line, and "..." when there are more.
QString FirstLine(const std::string& text)
{
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string::npos)
        return ToQt(text);
    return ToQt(text.substr(0, end)) + QStringLiteral("...");
}

// A text of the tooltip: line breaks as "<br>", an empty text "Not Entered".
std::string TipText(const std::string& text)
{
    if (text.empty())
        return LoadString(IDS_NOT_ENTERED);
    std::string tip;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\r')
            continue;
        tip += text[i] == '\n' ? std::string("<br>") : std::string(1, text[i]);
    }
    return tip;
}

Edits::EExpenseField FieldOf(CExpensesModel::EColumn kind)
{
    switch (kind)
    {
    case CExpensesModel::kColumnDollars:
        return Edits::EExpenseField::Dollars;
    case CExpensesModel::kColumnShekels:
        return Edits::EExpenseField::Shekels;
    case CExpensesModel::kColumnComments:
        return Edits::EExpenseField::Comments;
    default:
        return Edits::EExpenseField::Name;
    }
}
} // namespace

CExpensesModel::CExpensesModel(CNewOrvDoc& doc, IDocView* editor, QObject* parent)
    : CDocModel(doc, parent), m_editor(editor)
{
    // Hebrew counts in shekels first: they stand before the dollars (to their right).
    m_columns = {kColumnNumber, kColumnName, kColumnPaid};
    if (IsHebrewUi())
        m_columns.push_back(kColumnShekels);
    m_columns.insert(m_columns.end(),
                     {kColumnDollars, kColumnDate, kColumnPayments, kColumnComments});
}

bool CExpensesModel::DropsRecordsOn(EUpdateHint hint) const
{
    return hint == HINT_EXPENSE_REMOVING || hint == HINT_EVENT_RELOADING;
}

void CExpensesModel::DropRecords(EUpdateHint hint, CRecord* record)
{
    if (hint == HINT_EVENT_RELOADING)
    {
        beginResetModel();
        m_rows.clear();
        endResetModel();
        return;
    }
    const int row = RowOf(HintRecord<CExpence>(record));
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    // The numbers below it changed.
    if (row < rowCount())
        emit dataChanged(index(row, 0), index(rowCount() - 1, columnCount() - 1));
}

void CExpensesModel::Rebuild()
{
    std::vector<CExpence*> rows;
    for (const auto& expense : Doc().GetExpenses())
        rows.push_back(expense.get());
    if (rows.size() == m_rows.size() && !rows.empty())
    {
        m_rows = std::move(rows);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CExpensesModel::SortByDate(bool descending)
{
    emit layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [descending](const CExpence* a, const CExpence* b) {
                         return descending ? b->GetDate() < a->GetDate()
                                           : a->GetDate() < b->GetDate();
                     });
    emit layoutChanged();
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

CExpence* CExpensesModel::ExpenseAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)];
}

int CExpensesModel::RowOf(const CExpence* expense) const
{
    if (expense == nullptr)
        return -1;
    auto it = std::find(m_rows.begin(), m_rows.end(), expense);
    return it == m_rows.end() ? -1 : static_cast<int>(it - m_rows.begin());
}

CExpensesModel::EColumn CExpensesModel::ColumnKind(int column) const
{
    if (column < 0 || column >= columnCount())
        return kColumnNumber;
    return m_columns[static_cast<std::size_t>(column)];
}

int CExpensesModel::ColumnOf(EColumn kind) const
{
    auto it = std::find(m_columns.begin(), m_columns.end(), kind);
    return it == m_columns.end() ? -1 : static_cast<int>(it - m_columns.begin());
}

int CExpensesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CExpensesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QString CExpensesModel::ToolTip(const CExpence& expense) const
{
    const std::string name = expense.GetName();
    const std::string comments = TipText(expense.CRecord::GetInfo());
    const std::string paid = CExpence::GetPaidStateText(expense.GetPaidState());
    if (IsHebrewUi())
        return MarkupToRichText(
            FormatText(LoadString(IDS_EXPENSE_TOOLTIP_SHEKELS),
                       {name, comments, expense.GetPayer(), FormatInt(expense.GetPaymentCount()),
                        FormatInt(expense.GetDollars()), FormatInt(expense.GetShekels()), paid}));
    return MarkupToRichText(FormatText(LoadString(IDS_EXPENSE_TOOLTIP),
                                       {name, comments, FormatInt(expense.GetDollars()), paid}));
}

QVariant CExpensesModel::data(const QModelIndex& index, int role) const
{
    const CExpence* expense = ExpenseAt(index.row());
    if (!index.isValid() || expense == nullptr)
        return {};
    const EColumn kind = ColumnKind(index.column());
    switch (role)
    {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (kind)
        {
        case kColumnNumber:
            return index.row() + 1;
        case kColumnName:
            return ToQt(expense->GetName());
        case kColumnPaid:
            return ToQt(CExpence::GetPaidStateText(expense->GetPaidState()));
        case kColumnDollars:
            return expense->GetDollars();
        case kColumnShekels:
            return expense->GetShekels();
        case kColumnDate:
        {
            const SDate& date = expense->GetDate();
            if (date.IsEmpty())
                return QString();
            return ToQt(CPayment::FormatDate(date, IsHebrewUi()));
        }
        case kColumnPayments:
            return expense->GetPaymentCount();
        case kColumnComments:
            return role == Qt::EditRole ? ToQt(expense->CRecord::GetInfo())
                                        : FirstLine(expense->CRecord::GetInfo());
        }
        return {};
    case Qt::TextAlignmentRole:
        switch (kind)
        {
        case kColumnNumber:
        case kColumnDollars:
        case kColumnShekels:
        case kColumnPayments:
            return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
        case kColumnPaid:
        case kColumnDate:
            return QVariant::fromValue(Qt::AlignCenter);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return ToolTip(*expense);
    default:
        return {};
    }
}

Qt::ItemFlags CExpensesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = CDocModel::flags(index);
    switch (ColumnKind(index.column()))
    {
    case kColumnName:
    case kColumnDollars:
    case kColumnShekels:
    case kColumnComments:
        flags |= Qt::ItemIsEditable;
        break;
    default:
        break;
    }
    return flags;
}

bool CExpensesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    CExpence* expense = ExpenseAt(index.row());
    if (role != Qt::EditRole || expense == nullptr || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const EColumn kind = ColumnKind(index.column());
    Edits::ExpenseFieldValue fieldValue;
    if (kind == kColumnDollars || kind == kColumnShekels)
        fieldValue = value.toInt();
    else
        fieldValue = FromQt(value.toString());
    if (!Edits::EditExpenseField(Doc(), expense, FieldOf(kind), fieldValue, m_editor))
        return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit ExpenseEdited(expense);
    return true;
}

QVariant CExpensesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (ColumnKind(section))
    {
    case kColumnNumber:
        return UiText(IDS_COLUMN_NUM);
    case kColumnName:
        return UiText(IDS_EXPENSE_COLUMN_NAME);
    case kColumnPaid:
        return UiText(IDS_EXPENSE_COLUMN_PAID);
    case kColumnDollars:
        return UiText(IDS_EXPENSE_COLUMN_DOLLARS);
    case kColumnShekels:
        return UiText(IDS_EXPENSE_COLUMN_SHEKELS);
    case kColumnDate:
        return UiText(IDS_COLUMN_DATE);
    case kColumnPayments:
        return UiText(IDS_EXPENSE_COLUMN_PAYMENTS);
    case kColumnComments:
        return UiText(IDS_COLUMN_COMMENTS);
    }
    return {};
}
