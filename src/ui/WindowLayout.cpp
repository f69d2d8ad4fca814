#include "ui/WindowLayout.h"

#include "platform/NumberText.h"
#include "settings/AppSettings.h"
#include "ui/UiText.h"

#include <QByteArray>
#include <QHeaderView>
#include <QMainWindow>
#include <QSplitter>
#include <QStringList>
#include <QTableView>
#include <algorithm>

namespace
{
constexpr const char* kPlacementKey = "WindowPlacement";
// Set on a splitter the user moved in this run.
constexpr const char* kMovedProperty = "velloranSplitterMoved";
// The column widths a watched list had when it was built (or last restored).
constexpr const char* kColumnsProperty = "velloranColumnWidths";

std::string SplitterKey(const QSplitter& splitter)
{
    return FromQt(splitter.objectName());
}
std::string ColumnsKey(const QTableView& list)
{
    return FromQt(list.objectName()) + "Columns";
}

QList<int> ParseSizes(const std::string& value)
{
    QList<int> sizes;
    for (const QString& part : ToQt(value).split(QLatin1Char(','), Qt::SkipEmptyParts))
        sizes << ParseLeadingInt(FromQt(part));
    return sizes;
}

QString JoinSizes(const QList<int>& sizes)
{
    QStringList parts;
    for (int size : sizes)
        parts << QString::number(size);
    return parts.join(QLatin1Char(','));
}

// A column the user sizes by hand: interactive, and not the last one when that one stretches.
bool IsHandSized(const QHeaderView& header, int column)
{
    if (header.stretchLastSection() && column == header.count() - 1)
        return false;
    return header.sectionResizeMode(column) == QHeaderView::Interactive;
}

QList<int> ColumnWidths(const QTableView& list)
{
    QList<int> widths;
    const QHeaderView& header = *list.horizontalHeader();
    for (int column = 0; column < header.count(); ++column)
        widths << (IsHandSized(header, column) ? header.sectionSize(column) : 0);
    return widths;
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
    const QList<int> sizes = ParseSizes(settings.GetKeySetting(SplitterKey(splitter)));
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
        settings.SetKeySetting(SplitterKey(*splitter), FromQt(JoinSizes(splitter->sizes())));
    }
}

void KeepColumnWidths(QTableView& list, const CAppSettings& settings)
{
    QHeaderView& header = *list.horizontalHeader();
    const QList<int> widths = ParseSizes(settings.GetKeySetting(ColumnsKey(list)));
    if (widths.size() == header.count())
    {
        for (int column = 0; column < header.count(); ++column)
        {
            if (IsHandSized(header, column) && widths[column] >= header.minimumSectionSize())
                header.resizeSection(column, widths[column]);
        }
    }
    list.setProperty(kColumnsProperty, JoinSizes(ColumnWidths(list)));
}

void StoreColumnWidths(const QWidget& root, CAppSettings& settings)
{
    for (const QTableView* list : root.findChildren<QTableView*>())
    {
        const QVariant built = list->property(kColumnsProperty);
        const QString now = JoinSizes(ColumnWidths(*list));
        if (built.isValid() && built.toString() != now)
            settings.SetKeySetting(ColumnsKey(*list), FromQt(now));
    }
}
