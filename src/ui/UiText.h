#pragma once

#include "platform/StringTable.h"

#include <QString>
#include <string>

// A string-table text as a QString (Windows line breaks dropped: Qt breaks on '\n' alone).
inline QString UiText(int id)
{
    return QString::fromStdString(LoadString(id)).remove(QLatin1Char('\r'));
}

inline QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}
inline std::string FromQt(const QString& text)
{
    return text.toStdString();
}
