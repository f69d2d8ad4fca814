#include "ui/TipMarkup.h"

#include <QRegularExpression>

namespace
{
// A Windows colour number (0x00BBGGRR) as an HTML colour.
QString HtmlColour(const QString& value)
{
    bool ok = false;
    const uint number = value.toUInt(&ok, 0);
    if (!ok)
        return QStringLiteral("#000000");
    const uint red = number & 0xFF;
    const uint green = (number >> 8) & 0xFF;
    const uint blue = (number >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'));
}

QString Replacement(const QString& tag)
{
    static const QRegularExpression colour(QStringLiteral("^<ct=([^>]*)>$"));
    static const QRegularExpression rule(QStringLiteral("^<hr=(\\d{1,3})%?>$"));
    static const QRegularExpression picture(QStringLiteral("^<bmp=(\\d+)>$"));
    const QString lower = tag.toLower();
    if (lower == QLatin1String("<b>"))
        return QStringLiteral("<b>");
    if (lower == QLatin1String("</b>"))
        return QStringLiteral("</b>");
    if (lower == QLatin1String("<br>"))
        return QStringLiteral("<br>");
    if (lower == QLatin1String("</ct>"))
        return QStringLiteral("</span>");
    if (lower == QLatin1String("<al_l>"))
        return QStringLiteral("<div align=\"left\">");
    if (lower == QLatin1String("<al_c>"))
        return QStringLiteral("<div align=\"center\">");
    if (lower == QLatin1String("<al_r>"))
        return QStringLiteral("<div align=\"right\">");
    if (lower == QLatin1String("</al_l>") || lower == QLatin1String("</al_c>") ||
        lower == QLatin1String("</al_r>"))
        return QStringLiteral("</div>");
    if (auto match = colour.match(lower); match.hasMatch())
        return QStringLiteral("<span style=\"color:%1\">").arg(HtmlColour(match.captured(1)));
    if (auto match = rule.match(lower); match.hasMatch())
        return QStringLiteral("<hr width=\"%1%\">").arg(qMin(match.captured(1).toInt(), 100));
    if (picture.match(lower).hasMatch())
        return QString(); // no bundled pictures of that numbering
    return tag.toHtmlEscaped();
}
} // namespace

QString MarkupToRichText(const std::string& markup)
{
    const QString text = QString::fromStdString(markup).remove(QLatin1Char('\r'));
    QString html = QStringLiteral("<qt>");
    int pos = 0;
    while (pos < text.size())
    {
        const int open = text.indexOf(QLatin1Char('<'), pos);
        if (open < 0)
        {
            html += text.mid(pos).toHtmlEscaped();
            break;
        }
        html += text.mid(pos, open - pos).toHtmlEscaped();
        const int close = text.indexOf(QLatin1Char('>'), open);
        if (close < 0)
        {
            html += text.mid(open).toHtmlEscaped();
            break;
        }
        html += Replacement(text.mid(open, close - open + 1));
        pos = close + 1;
    }
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return html + QStringLiteral("</qt>");
}
