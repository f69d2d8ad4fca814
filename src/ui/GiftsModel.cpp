#include "ui/GiftsModel.h"

#include "edits/GiftEdits.h"
#include "model/Guest.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"
#include "ui/TipMarkup.h"
#include "ui/UiText.h"

#include <algorithm>
#include <cmath>

namespace
{
QString FirstLine(const std::string& text)
{
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string::npos)
        return ToQt(text);
    return ToQt(text.substr(0, end)) + QStringLiteral("...");
}

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

CGiftsModel::CGiftsModel(CNewOrvDoc& doc, IDocView* editor, QObject* parent)
    : CGuestRowsModel(doc, parent), m_editor(editor)
{
    m_columns = {kColumnId, kColumnName, kColumnDescription, kColumnComments};
    if (IsHebrewUi())
        m_columns.push_back(kColumnShekels);
    m_columns.insert(m_columns.end(), {kColumnDollars, kColumnTotal});
}

void CGiftsModel::DropRecords(EUpdateHint hint, CRecord* record)
{
    // Every guest stays in the list when tables go.
    if (hint != HINT_TABLE_DELETING && hint != HINT_TABLES_REMOVING)
        CGuestRowsModel::DropRecords(hint, record);
}

void CGiftsModel::Rebuild()
{
    std::vector<CGuest*> guests;
    guests.reserve(Doc().GetGuests().size());
    for (const auto& guest : Doc().GetGuests())
        guests.push_back(guest.get());
    if (guests == Guests())
    {
        RefreshRows();
        return;
    }
    SetGuests(std::move(guests));
}

void CGiftsModel::RefreshRows()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

CGiftsModel::EColumn CGiftsModel::ColumnKind(int column) const
{
    if (column < 0 || column >= columnCount())
        return kColumnId;
    return m_columns[static_cast<std::size_t>(column)];
}

int CGiftsModel::ColumnOf(EColumn kind) const
{
    auto it = std::find(m_columns.begin(), m_columns.end(), kind);
    return it == m_columns.end() ? -1 : static_cast<int>(it - m_columns.begin());
}

int CGiftsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CGiftsModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (!index.isValid() || guest == nullptr)
        return {};
    const EColumn kind = ColumnKind(index.column());
    switch (role)
    {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (kind)
        {
        case kColumnId:
            return index.row() + 1;
        case kColumnName:
            return ToQt(guest->GetDisplayName());
        case kColumnDescription:
            return ToQt(guest->GetGift());
        case kColumnComments:
            return role == Qt::EditRole ? ToQt(guest->GetGiftDetails())
                                        : FirstLine(guest->GetGiftDetails());
        case kColumnShekels:
            return static_cast<int>(std::lround(guest->GetGiftShekels()));
        case kColumnDollars:
            return static_cast<int>(std::lround(guest->GetGiftDollars()));
        case kColumnTotal:
            return ToQt(FormatFixed(guest->GetGiftTotal(), 1));
        }
        return {};
    case Qt::TextAlignmentRole:
        switch (kind)
        {
        case kColumnId:
            return QVariant::fromValue(Qt::AlignCenter);
        case kColumnShekels:
        case kColumnDollars:
        case kColumnTotal:
            return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return MarkupToRichText(
            FormatText(LoadString(IDS_GIFT_TOOLTIP),
                       {guest->GetDisplayName(), TipText(guest->GetGift()),
                        TipText(guest->GetGiftDetails()), FormatFixed(guest->GetGiftTotal(), 0)}));
    default:
        return {};
    }
}

Qt::ItemFlags CGiftsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = CGuestRowsModel::flags(index);
    switch (ColumnKind(index.column()))
    {
    case kColumnDescription:
    case kColumnComments:
    case kColumnShekels:
    case kColumnDollars:
        flags |= Qt::ItemIsEditable;
        break;
    default:
        break;
    }
    return flags;
}

bool CGiftsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    CGuest* guest = GuestAt(index.row());
    if (role != Qt::EditRole || guest == nullptr || !(flags(index) & Qt::ItemIsEditable))
        return false;
    CGiftList::SGift gift = CGiftList::GiftOf(*guest);
    switch (ColumnKind(index.column()))
    {
    case kColumnDescription:
        gift.description = FromQt(value.toString());
        break;
    case kColumnComments:
        gift.comments = FromQt(value.toString());
        break;
    case kColumnShekels:
        gift.shekels = value.toInt();
        break;
    case kColumnDollars:
        gift.dollars = value.toInt();
        break;
    default:
        return false;
    }
    if (!Edits::SetGift(Doc(), guest, gift, m_editor))
        return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit GiftEdited(guest);
    return true;
}

QVariant CGiftsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (ColumnKind(section))
    {
    case kColumnId:
        return UiText(IDS_COLUMN_ID);
    case kColumnName:
        return UiText(IDS_COLUMN_GUEST_NAME);
    case kColumnDescription:
        return UiText(IDS_GIFT_COLUMN_DESCRIPTION);
    case kColumnComments:
        return UiText(IDS_COLUMN_COMMENTS);
    case kColumnShekels:
        return UiText(IDS_GIFT_COLUMN_SHEKELS);
    case kColumnDollars:
        return UiText(IDS_GIFT_COLUMN_DOLLARS);
    case kColumnTotal:
        return UiText(IDS_GIFT_COLUMN_TOTAL);
    }
    return {};
}
