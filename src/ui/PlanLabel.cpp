#include "ui/PlanLabel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace
{
// Below this many device pixels a text is not drawn at all.
constexpr qreal kLeastDevicePixels = 3.5;

QFont LineFont(const QFont& base, const SPlanLabelLine& line, qreal scale)
{
    QFont font = base;
    font.setPixelSize(std::max(1, static_cast<int>(line.pixels * scale + 0.5)));
    font.setBold(line.bold);
    return font;
}

struct SLaidOut
{
    QFont font;
    QStringList texts;
    QColor colour;
};
} // namespace

QStringList WrapPlanText(const QString& text, const QFont& font, qreal width, int maxLines,
                         bool* tooWide)
{
    if (tooWide != nullptr)
        *tooWide = false;
    QStringList out;
    const QFontMetricsF metrics(font);
    const QStringList paragraphs = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs)
    {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        // Words stay whole; a word wider than the line is reported, so the caller can try a
        // smaller font before it is cut.
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (;;)
        {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(width);
            if (tooWide != nullptr && line.naturalTextWidth() > width + 0.5)
                *tooWide = true;
            if (maxLines > 0 && out.size() == maxLines - 1)
            {
                // The last line allowed takes the rest, cut to the width.
                const QString rest = paragraph.mid(line.textStart()).trimmed();
                if (tooWide != nullptr && metrics.horizontalAdvance(rest) > width)
                    *tooWide = true;
                out << metrics.elidedText(rest, Qt::ElideRight, width);
                layout.endLayout();
                return out;
            }
            out << metrics.elidedText(paragraph.mid(line.textStart(), line.textLength()).trimmed(),
                                      Qt::ElideRight, width);
        }
        layout.endLayout();
        if (paragraph.isEmpty())
            out << QString();
    }
    return out;
}

void DrawPlanLabel(QPainter& painter, const QRectF& box, const std::vector<SPlanLabelLine>& lines)
{
    if (lines.empty() || box.width() <= 1 || box.height() <= 1)
        return;
    const qreal deviceScale = std::max(std::abs(painter.worldTransform().m11()),
                                       std::abs(painter.worldTransform().m22()));
    qreal smallest = lines.front().pixels;
    for (const SPlanLabelLine& line : lines)
        smallest = std::min(smallest, line.pixels);
    if (smallest * deviceScale < kLeastDevicePixels)
        return;

    // The first line (a name) gives way first, the others only when the block is still too
    // tall; a size fits when every word fits its line, no line is cut and the block fits.
    static const std::pair<qreal, qreal> kScales[] = {
        {1.0, 1.0}, {0.9, 1.0},  {0.8, 1.0}, {0.7, 1.0}, {0.6, 1.0},
        {0.6, 0.9}, {0.55, 0.8}, {0.5, 0.7}, {0.5, 0.6}, {0.5, 0.5}};
    std::vector<SLaidOut> laidOut;
    qreal height = 0;
    for (const auto& [firstScale, restScale] : kScales)
    {
        laidOut.clear();
        height = 0;
        bool anyCut = false;
        for (std::size_t i = 0; i < lines.size(); ++i)
        {
            const SPlanLabelLine& line = lines[i];
            SLaidOut one{
                LineFont(painter.font(), line, i == 0 ? firstScale : restScale), {}, line.colour};
            bool cut = false;
            one.texts = WrapPlanText(line.text, one.font, box.width(), line.maxLines, &cut);
            anyCut = anyCut || cut;
            height += QFontMetricsF(one.font).lineSpacing() * one.texts.size();
            laidOut.push_back(std::move(one));
        }
        if (height <= box.height() && !anyCut)
            break;
    }
    // Still too tall at the smallest size: lines go from the end, the first always stays.
    while (height > box.height() && !laidOut.empty())
    {
        SLaidOut& last = laidOut.back();
        const qreal spacing = QFontMetricsF(last.font).lineSpacing();
        if (laidOut.size() == 1 && last.texts.size() <= 1)
            break;
        last.texts.removeLast();
        height -= spacing;
        if (last.texts.isEmpty())
            laidOut.pop_back();
    }

    qreal y = box.top() + std::max<qreal>(0, (box.height() - height) / 2);
    painter.save();
    painter.setClipRect(box.adjusted(-1, -1, 1, 1), Qt::IntersectClip);
    for (const SLaidOut& one : laidOut)
    {
        painter.setFont(one.font);
        painter.setPen(one.colour);
        const qreal spacing = QFontMetricsF(one.font).lineSpacing();
        for (const QString& text : one.texts)
        {
            painter.drawText(QRectF(box.left(), y, box.width(), spacing), Qt::AlignCenter, text);
            y += spacing;
        }
    }
    painter.restore();
}
