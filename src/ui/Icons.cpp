#include "ui/Icons.h"

#include <QFile>

QIcon ThemeIcon(const char* name)
{
    const QString bundled = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
    QIcon fallback = QFile::exists(bundled) ? QIcon(bundled) : QIcon();
    return QIcon::fromTheme(QLatin1String(name), fallback);
}
