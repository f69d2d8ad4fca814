#pragma once

class CAppSettings;
class QMainWindow;
class QSplitter;
class QTableView;
class QWidget;

// The window as the user left it, kept in the user's settings (CAppSettings::kWindowLayoutKeys).

// Shows the window where and as large as it was at the last close (maximised or not); the first
// start, or a stored placement Qt cannot use (damaged, another screen layout it cannot map),
// opens it maximised.
void ShowAtStoredPlacement(QMainWindow& window, const CAppSettings& settings);
// Stores the window's position, its size when not maximised and whether it is maximised.
void StorePlacement(const QMainWindow& window, CAppSettings& settings);

// Gives the splitter the sizes kept under its object name, and from now on notes the user's
// moves. Sizes count only as proportions until the splitter is laid out. A splitter the user
// never moves keeps the sizes its view gives it.
void KeepSplitterSizes(QSplitter& splitter, const CAppSettings& settings);
// Stores the sizes of every splitter under root that KeepSplitterSizes watches and the user moved
// in this run.
void StoreSplitterSizes(const QWidget& root, CAppSettings& settings);

// Gives the list's hand-sized columns (the interactive ones but the last, which stretches) the
// widths kept under its object name followed by "Columns", and notes their widths as the list's
// own. A value for another number of columns is not this list's.
void KeepColumnWidths(QTableView& list, const CAppSettings& settings);
// Stores the columns of every list under root that KeepColumnWidths watches and whose widths the
// user changed in this run.
void StoreColumnWidths(const QWidget& root, CAppSettings& settings);
