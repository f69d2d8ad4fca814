#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

class QFont;
class QPainter;
class QRectF;

// One line of a label drawn on the plan: its text (line breaks start new lines), its size in
// scene pixels, weight and colour, and how many lines it may wrap to (0: as many as fit).
struct SPlanLabelLine
{
    QString text;
    qreal pixels = 12.0;
    bool bold = false;
    QColor colour;
    int maxLines = 0;
};

// Draws the lines as one block centred in box. The first line's font shrinks first, then all of
// them (to half their size at most), until every word fits its line and the block fits the box;
// what still does not fit is left out from the end, and a line that needs more than its lines is
// cut with an ellipsis. Nothing is drawn when the text would be too small to read on the device.
void DrawPlanLabel(QPainter& painter, const QRectF& box, const std::vector<SPlanLabelLine>& lines);

// The text wrapped at word boundaries to width (at most maxLines lines, the last one cut with an
// ellipsis; 0: no limit). Whether something was cut (a word wider than the width, or text beyond
// the last line) is told in tooWide.
QStringList WrapPlanText(const QString& text, const QFont& font, qreal width, int maxLines,
                         bool* tooWide = nullptr);
