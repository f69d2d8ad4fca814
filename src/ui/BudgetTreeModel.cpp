#include "ui/BudgetTreeModel.h"

#include "budget/BudgetPlan.h"
#include "model/Category.h"
#include "model/Offer.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"
#include "ui/TipMarkup.h"
#include "ui/UiText.h"

#include <QFont>

namespace
{
// The internal id of a category's item; an offer's item carries its category's row plus one.
constexpr quintptr kTopLevel = 0;

std::string TipText(const std::string& text)
{
    if (text.empty())
        return LoadString(IDS_NOT_ENTERED);
    std::string tip;
    for (char c : text)
    {
        if (c == '\r')
            continue;
        tip += c == '\n' ? std::string("<br>") : std::string(1, c);
    }
    return tip;
}
} // namespace

CBudgetTreeModel::CBudgetTreeModel(CNewOrvDoc& doc, QObject* parent)
    : QAbstractItemModel(parent), m_doc(doc)
{
    m_doc.AddView(this);
}

CBudgetTreeModel::~CBudgetTreeModel()
{
    m_doc.RemoveView(this);
}

void CBudgetTreeModel::OnUpdate(IDocView*, EUpdateHint hint, CRecord*)
{
    if (hint == HINT_BUDGET_REMOVING || hint == HINT_EVENT_RELOADING)
        Clear();
}

void CBudgetTreeModel::Rebuild()
{
    std::vector<SCategoryNode> nodes;
    const CBudgetPlan plan(m_doc);
    for (const auto& category : m_doc.GetCategories())
        nodes.push_back({category.get(), plan.OffersOf(category->GetName())});
    beginResetModel();
    m_nodes = std::move(nodes);
    endResetModel();
}

void CBudgetTreeModel::Clear()
{
    if (m_nodes.empty())
        return;
    beginResetModel();
    m_nodes.clear();
    endResetModel();
}

CCategory* CBudgetTreeModel::CategoryAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() != kTopLevel || index.row() >= rowCount())
        return nullptr;
    return m_nodes[static_cast<std::size_t>(index.row())].category;
}

COffer* CBudgetTreeModel::OfferAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == kTopLevel)
        return nullptr;
    const std::size_t node = index.internalId() - 1;
    if (node >= m_nodes.size() || index.row() >= static_cast<int>(m_nodes[node].offers.size()))
        return nullptr;
    return m_nodes[node].offers[static_cast<std::size_t>(index.row())];
}

QModelIndex CBudgetTreeModel::IndexOf(const CCategory* category) const
{
    for (std::size_t i = 0; i < m_nodes.size(); ++i)
        if (m_nodes[i].category == category)
            return createIndex(static_cast<int>(i), 0, kTopLevel);
    return {};
}

QModelIndex CBudgetTreeModel::IndexOf(const COffer* offer) const
{
    for (std::size_t i = 0; i < m_nodes.size(); ++i)
        for (std::size_t j = 0; j < m_nodes[i].offers.size(); ++j)
            if (m_nodes[i].offers[j] == offer)
                return createIndex(static_cast<int>(j), 0, static_cast<quintptr>(i + 1));
    return {};
}

QModelIndex CBudgetTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0 || !hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, kTopLevel);
    if (parent.internalId() != kTopLevel)
        return {};
    return createIndex(row, column, static_cast<quintptr>(parent.row() + 1));
}

QModelIndex CBudgetTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kTopLevel)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTopLevel);
}

int CBudgetTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_nodes.size());
    if (parent.internalId() != kTopLevel || parent.row() >= static_cast<int>(m_nodes.size()))
        return 0;
    return static_cast<int>(m_nodes[static_cast<std::size_t>(parent.row())].offers.size());
}

int CBudgetTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant CBudgetTreeModel::data(const QModelIndex& index, int role) const
{
    if (const CCategory* category = CategoryAt(index))
    {
        switch (role)
        {
        case Qt::DisplayRole:
            return ToQt(category->GetName());
        case Qt::ToolTipRole:
            return MarkupToRichText(
                FormatText(LoadString(IDS_CATEGORY_TIP), {category->GetName()}));
        case Qt::FontRole:
        {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        default:
            return {};
        }
    }
    if (const COffer* offer = OfferAt(index))
    {
        switch (role)
        {
        case Qt::DisplayRole:
            return ToQt(offer->GetName());
        case Qt::ToolTipRole:
            return MarkupToRichText(
                FormatText(LoadString(IDS_OFFER_TIP), {offer->GetName(), offer->GetCategory(),
                                                       FormatInt(CBudgetPlan(m_doc).Price(*offer)),
                                                       TipText(offer->CRecord::GetInfo())}));
        default:
            return {};
        }
    }
    return {};
}

QVariant CBudgetTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return UiText(IDS_CATEGORIES_LABEL);
    return {};
}
