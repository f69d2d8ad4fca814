#pragma once

#include "ui/DocModel.h"

#include <vector>

class COffer;

// The list of one budget combination: its offers in document order, with the columns "Sum" (the
// offer's current price) and "Offers" (its name). Every row goes when an offer or a category is
// about to go (HINT_BUDGET_REMOVING) and when the event reloads; the owning view rebuilds it.
class CCombinationModel : public CDocModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnSum,
        kColumnOffers,
        kColumnCount,
    };

    explicit CCombinationModel(CNewOrvDoc& doc, QObject* parent = nullptr);

    // The offers of combination k (0 to 2).
    void Rebuild(int combination);
    void Clear();

    COffer* OfferAt(int row) const;
    int RowOf(const COffer* offer) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    bool DropsRecordsOn(EUpdateHint hint) const override;
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    struct SRow
    {
        COffer* offer = nullptr;
        long long price = 0;
    };
    std::vector<SRow> m_rows;
};
