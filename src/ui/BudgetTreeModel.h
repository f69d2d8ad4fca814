#pragma once

#include "store/DocView.h"

#include <QAbstractItemModel>
#include <vector>

class CCategory;
class CNewOrvDoc;
class COffer;
class CRecord;

// The "Categories" tree of the budget view: each category a top-level item, its offers (those whose
// category text is its name) as children, both in document order. The tooltips give an offer's
// current price (a per-guest offer follows the invited count).
//
// Rebuild() takes a snapshot of the pointers. Like the list models it attaches to the document
// itself and drops every pointer when an offer or a category is about to go
// (HINT_BUDGET_REMOVING) and when the event reloads; the owning view then rebuilds it.
class CBudgetTreeModel : public QAbstractItemModel, public IDocView
{
    Q_OBJECT
public:
    explicit CBudgetTreeModel(CNewOrvDoc& doc, QObject* parent = nullptr);
    ~CBudgetTreeModel() override;

    void Rebuild();
    void Clear();

    // The record of an item: a category (top level) or an offer (a child); null for none.
    CCategory* CategoryAt(const QModelIndex& index) const;
    COffer* OfferAt(const QModelIndex& index) const;
    QModelIndex IndexOf(const CCategory* category) const;
    QModelIndex IndexOf(const COffer* offer) const;

    void OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record) override;

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct SCategoryNode
    {
        CCategory* category = nullptr;
        std::vector<COffer*> offers;
    };

    CNewOrvDoc& m_doc;
    std::vector<SCategoryNode> m_nodes;
};
