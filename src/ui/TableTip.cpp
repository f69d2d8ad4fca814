#include "ui/TableTip.h"

#include "model/Table.h"
#include "platform/NumberText.h"
#include "seating/SeatingBoard.h"
#include "ui/UiText.h"

#include <algorithm>

namespace
{
constexpr std::size_t kMostLines = 30;
} // namespace

QString TableGuestsTip(CNewOrvDoc& doc, const CTable& table)
{
    const CSeatingBoard board(doc);
    QString tip = QStringLiteral("<b>%1</b>").arg(ToQt(table.GetName()).toHtmlEscaped());
    const QString seats = ToQt(board.SeatLine(table));
    if (!seats.isEmpty())
        tip += QStringLiteral("<br>") + seats.toHtmlEscaped();
    const auto guests = board.CellGuests(table);
    if (guests.empty())
        return tip + QStringLiteral("<br><i>%1</i>").arg(UiText(IDS_SEATING_NO_GUESTS_TIP));
    tip += QStringLiteral("<hr>");
    // A tooltip taller than the screen shows nothing useful: the rest is counted.
    const std::size_t shown = std::min(guests.size(), kMostLines);
    for (std::size_t i = 0; i < shown; ++i)
    {
        if (i > 0)
            tip += QStringLiteral("<br>");
        tip += ToQt(board.GuestLineText(*guests[i], static_cast<int>(i) + 1)).toHtmlEscaped();
    }
    if (shown < guests.size())
        tip += QStringLiteral("<br><i>%1</i>")
                   .arg(ToQt(FormatText(LoadString(IDS_SEATING_TIP_MORE),
                                        {FormatInt(static_cast<long long>(guests.size() - shown))}))
                            .toHtmlEscaped());
    return tip;
}
