#include "ui/WindowLayout.h"

#include "platform/NumberText.h"
#include "settings/AppSettings.h"
#include "ui/UiText.h"

#include <QByteArray>
#include <QMainWindow>
#include <QSplitter>
#include <QStringList>
#include <algorithm>

namespace
{
constexpr const char* kPlacementKey = "WindowPlacement";
// Set on a splitter the user moved in this run.
constexpr const char* kMovedProperty = "velloranSplitterMoved";

std::string SplitterKey(const QSplitter& splitter)
{
    return FromQt(splitter.objectName());
}
} // namespace

void ShowAtStoredPlacement(QMainWindow& window, const CAppSettings& settings)
{
    // Qt's own record of a window's geometry: it knows the screen it was on and moves a window
    // that would now be off every screen back onto one.
    const QByteArray stored =
        QByteArray::fromBase64(QByteArray::fromStdString(settings.GetKeySetting(kPlacementKey)));
    if (stored.isEmpty() || !window.restoreGeometry(stored))
    {
        window.showMaximized();
        return;
    }
    window.show();
}

void StorePlacement(const QMainWindow& window, CAppSettings& settings)
{
    settings.SetKeySetting(kPlacementKey, window.saveGeometry().toBase64().toStdString());
}

void KeepSplitterSizes(QSplitter& splitter, const CAppSettings& settings)
{
    const QStringList parts = ToQt(settings.GetKeySetting(SplitterKey(splitter)))
                                  .split(QLatin1Char(','), Qt::SkipEmptyParts);
    QList<int> sizes;
    for (const QString& part : parts)
        sizes << ParseLeadingInt(FromQt(part));
    // A value for another number of panes, or with a pane closed, is not this splitter's.
    const bool usable = sizes.size() == splitter.count() &&
                        std::all_of(sizes.begin(), sizes.end(), [](int size) { return size > 0; });
    if (usable)
        splitter.setSizes(sizes);
    QObject::connect(&splitter, &QSplitter::splitterMoved, &splitter,
                     [&splitter] { splitter.setProperty(kMovedProperty, true); });
}

void StoreSplitterSizes(const QWidget& root, CAppSettings& settings)
{
    for (const QSplitter* splitter : root.findChildren<QSplitter*>())
    {
        if (!splitter->property(kMovedProperty).toBool())
            continue;
        QStringList parts;
        for (int size : splitter->sizes())
            parts << QString::number(size);
        settings.SetKeySetting(SplitterKey(*splitter), FromQt(parts.join(QLatin1Char(','))));
    }
}
