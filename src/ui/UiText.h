#pragma once

#include "platform/StringTable.h"

#include <QString>
#include <string>

// A string-table text as a QString (Windows line breaks dropped: Qt breaks on '\n' alone).
inline QString UiText(int id)
{
    return QString::fromStdString(LoadString(id)).remove(QLatin1Char('\r'));
}

// A caption on one line: some captions break their line where a fixed-size button of the old
// screens ran out of room; a Qt layout gives the text the room it needs instead.
inline QString UiLine(int id)
{
    return UiText(id).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

inline QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}
inline std::string FromQt(const QString& text)
{
    return text.toStdString();
}
