#include "pages/CheckinCodesPage.h"

#include "pages/QrCode.h"
#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPen>

namespace
{
// Millimetres on the page.
constexpr int kResolution = 300; // dots per inch of the drawing
constexpr double kMargin = 12.0;
constexpr int kColumns = 3;
constexpr int kRows = 4;
constexpr double kCodeSide = 34.0; // the QR code with its quiet zone
constexpr int kQuietModules = 4;
constexpr double kGap = 2.0;

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The dark modules as one path of rectangles, a row's neighbouring modules joined.
QPainterPath CodePath(const CQrCode& code, const QRectF& area)
{
    QPainterPath path;
    const int modules = code.Size() + 2 * kQuietModules;
    const double step = area.width() / modules;
    for (int row = 0; row < code.Size(); ++row)
    {
        int column = 0;
        while (column < code.Size())
        {
            if (!code.IsDark(row, column))
            {
                ++column;
                continue;
            }
            const int start = column;
            while (column < code.Size() && code.IsDark(row, column))
                ++column;
            path.addRect(QRectF(area.left() + (kQuietModules + start) * step,
                                area.top() + (kQuietModules + row) * step, (column - start) * step,
                                step));
        }
    }
    return path;
}

class CLabelPainter
{
public:
    CLabelPainter(QPainter& painter, double unitsPerMm)
        : m_painter(painter), m_mm(unitsPerMm), m_name(QStringLiteral("Sans Serif")),
          m_detail(QStringLiteral("Sans Serif"))
    {
        m_name.setPointSizeF(12.0);
        m_name.setBold(true);
        m_detail.setPointSizeF(9.5);
    }

    void Draw(const SCheckinCode& code, const QRectF& cell)
    {
        QPen guide(QColor(0xb0, 0xb0, 0xb0));
        guide.setStyle(Qt::DashLine);
        guide.setWidthF(0.2 * m_mm);
        m_painter.setPen(guide);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(cell);

        const double side = kCodeSide * m_mm;
        const QRectF area(cell.center().x() - side / 2, cell.top() + 4 * m_mm, side, side);
        const CQrCode qr(code.code);
        if (qr.Size() > 0)
            m_painter.fillPath(CodePath(qr, area), Qt::black);

        const double inner = cell.width() - 6 * m_mm;
        double top = area.bottom() + kGap * m_mm;
        top = Text(Q(code.name), m_name, Qt::black, cell, inner, top);
        top = Text(Q(code.table), m_detail, Qt::black, cell, inner, top);
        Text(Q(code.code), m_detail, QColor(0x50, 0x50, 0x50), cell, inner, top);
    }

private:
    // One line, centred and cut with an ellipsis to the width; returns the top of the next one.
    double Text(const QString& text, const QFont& font, const QColor& colour, const QRectF& cell,
                double width, double top)
    {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        const QFontMetricsF metrics(font, m_painter.device());
        const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
        const QRectF line(cell.center().x() - width / 2, top, width, metrics.height());
        m_painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, shown);
        return top + metrics.height() + 0.8 * m_mm;
    }

    QPainter& m_painter;
    double m_mm;
    QFont m_name;
    QFont m_detail;
};
} // namespace

QByteArray CheckinCodesPdf(const std::vector<SCheckinCode>& codes, bool rightToLeft)
{
    if (codes.empty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(Q(LoadString(IDS_RT_CODES_PAGE_TITLE)));
        writer.setCreator(QStringLiteral("Velloran"));

        QPainter painter(&writer);
        painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const double mm = kResolution / 25.4;
        const QSizeF page = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        const double cellWidth = (page.width() - 2 * kMargin) / kColumns * mm;
        const double cellHeight = (page.height() - 2 * kMargin) / kRows * mm;
        CLabelPainter label(painter, mm);
        constexpr std::size_t kPerPage = kColumns * kRows;
        for (std::size_t i = 0; i < codes.size(); ++i)
        {
            if (i > 0 && i % kPerPage == 0)
                writer.newPage();
            const int place = static_cast<int>(i % kPerPage);
            int column = place % kColumns;
            if (rightToLeft)
                column = kColumns - 1 - column;
            const int row = place / kColumns;
            label.Draw(codes[i], QRectF(kMargin * mm + column * cellWidth,
                                        kMargin * mm + row * cellHeight, cellWidth, cellHeight));
        }
    }
    return bytes;
}

ECheckinCodes WriteCheckinCodes(CNewOrvDoc& doc, const std::filesystem::path& path, int* written)
{
    const std::vector<SCheckinCode> codes = CollectCheckinCodes(doc);
    if (written != nullptr)
        *written = 0;
    if (codes.empty())
    {
        AskString(doc.GetPrompt(), IDS_RT_CODES_NOTHING, IDS_RT_CODES_PAGE_TITLE, EButtons::Ok);
        return ECheckinCodes::Nothing;
    }
    const QByteArray pdf = CheckinCodesPdf(codes, IsHebrewUi());
    std::string error;
    if (pdf.isEmpty() ||
        !WriteFileAtomic(path, std::string_view(pdf.constData(), pdf.size()), &error))
    {
        doc.GetPrompt().Ask(FormatText(LoadString(IDS_RT_CODES_WRITE_FAILED), {error}),
                            LoadString(IDS_RT_CODES_PAGE_TITLE), EButtons::Ok);
        return ECheckinCodes::Failed;
    }
    if (written != nullptr)
        *written = static_cast<int>(codes.size());
    return ECheckinCodes::Written;
}
