#include "ui/MeetingsModel.h"

#include "model/Meeting.h"
#include "model/Payment.h"
#include "platform/Language.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace
{
// A small dot in the calendar pen's colour (0x00BBGGRR as the records keep it).
QIcon PenMark()
{
    static const QIcon mark = []
    {
        const int value = CMeeting::kPenColour;
        const QColor colour(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(4, 4, 8, 8));
        return QIcon(pixmap);
    }();
    return mark;
}
} // namespace

CMeetingsModel::CMeetingsModel(CNewOrvDoc& doc, QObject* parent) : CDocModel(doc, parent)
{
    Rebuild();
}

void CMeetingsModel::Rebuild()
{
    beginResetModel();
    m_meetings.clear();
    for (const auto& meeting : Doc().GetMeetings())
        m_meetings.push_back(meeting.get());
    endResetModel();
}

void CMeetingsModel::RefreshRow(const CMeeting* meeting)
{
    const int row = RowOf(meeting);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

CMeeting* CMeetingsModel::MeetingAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_meetings.size()))
        return nullptr;
    return m_meetings[static_cast<std::size_t>(row)];
}

int CMeetingsModel::RowOf(const CMeeting* meeting) const
{
    for (std::size_t i = 0; i < m_meetings.size(); ++i)
    {
        if (m_meetings[i] == meeting)
            return static_cast<int>(i);
    }
    return -1;
}

int CMeetingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_meetings.size());
}

int CMeetingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CMeetingsModel::data(const QModelIndex& index, int role) const
{
    const CMeeting* meeting = MeetingAt(index.row());
    if (meeting == nullptr)
        return {};
    switch (index.column())
    {
    case kColumnMark:
        if (role == Qt::DecorationRole)
            return PenMark();
        break;
    case kColumnSubject:
        if (role == Qt::DisplayRole)
            return ToQt(meeting->GetName());
        break;
    case kColumnDate:
        if (role == Qt::DisplayRole)
            return ToQt(CPayment::FormatDate(meeting->GetDate(), IsHebrewUi()));
        break;
    default:
        break;
    }
    return {};
}

QVariant CMeetingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section)
    {
    case kColumnSubject:
        return UiText(IDS_COLUMN_SUBJECT);
    case kColumnDate:
        return UiText(IDS_COLUMN_DATE);
    default:
        return QString();
    }
}

void CMeetingsModel::DropRecords(EUpdateHint, CRecord*)
{
    beginResetModel();
    m_meetings.clear();
    endResetModel();
}

void CMeetingsModel::DropRemovedRecord(EUpdateHint hint, CRecord* record)
{
    if (hint != HINT_MEETING_REMOVING)
        return;
    const int row = RowOf(HintRecord<CMeeting>(record));
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_meetings.erase(m_meetings.begin() + row);
    endRemoveRows();
}
