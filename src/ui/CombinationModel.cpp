#include "ui/CombinationModel.h"

#include "budget/BudgetPlan.h"
#include "model/Offer.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

CCombinationModel::CCombinationModel(CNewOrvDoc& doc, QObject* parent) : CDocModel(doc, parent) {}

bool CCombinationModel::DropsRecordsOn(EUpdateHint hint) const
{
    return hint == HINT_BUDGET_REMOVING || hint == HINT_EVENT_RELOADING;
}

void CCombinationModel::DropRecords(EUpdateHint, CRecord*)
{
    Clear();
}

void CCombinationModel::Rebuild(int combination)
{
    const CBudgetPlan plan(Doc());
    const int invited = plan.InvitedCount();
    std::vector<SRow> rows;
    for (COffer* offer : plan.OffersIn(combination))
        rows.push_back({offer, offer->GetPrice(invited)});
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CCombinationModel::Clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

COffer* CCombinationModel::OfferAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)].offer;
}

int CCombinationModel::RowOf(const COffer* offer) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].offer == offer)
            return static_cast<int>(i);
    return -1;
}

int CCombinationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CCombinationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CCombinationModel::data(const QModelIndex& index, int role) const
{
    const COffer* offer = OfferAt(index.row());
    if (!index.isValid() || offer == nullptr)
        return {};
    if (role == Qt::DisplayRole)
    {
        if (index.column() == kColumnSum)
            return QVariant::fromValue(m_rows[static_cast<std::size_t>(index.row())].price);
        return ToQt(offer->GetName());
    }
    if (role == Qt::TextAlignmentRole && index.column() == kColumnSum)
        return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
    return {};
}

QVariant CCombinationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return UiText(section == kColumnSum ? IDS_OFFER_COLUMN_SUM : IDS_OFFER_COLUMN_OFFERS);
}
