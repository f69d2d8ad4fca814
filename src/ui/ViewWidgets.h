#pragma once

#include <QAbstractItemView>
#include <functional>
#include <initializer_list>

class QAbstractItemModel;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The pieces every view is built from, so that screens written at different times look and
// behave alike (right to left included: they are all laid out by Qt layouts).

// The explanation line at the top of a view, wrapped.
QLabel* MakeExplanation(int textId);

// A read-only list of records: whole rows selected (one or several), alternating row colours, no
// row numbers, the last column stretching to the edge, a context menu on right click (the view
// connects customContextMenuRequested). objectName names it for tests and style sheets.
QTableView*
MakeRecordList(const char* objectName, QAbstractItemModel* model,
               QAbstractItemView::SelectionMode selection = QAbstractItemView::SingleSelection);

// A command button with a theme icon (see ThemeIcon) and a text of the string table, on one line.
QPushButton* MakeCommandButton(const char* icon, int textId);

// The buttons side by side from the leading edge.
QHBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> buttons);

// The Delete key on the list (while it has the focus) runs the command.
void AddDeleteKey(QAbstractItemView* list, std::function<void()> command);

// A text box that starts its lines at the interface's leading edge: the right in Hebrew (a plain
// text box of Qt aligns every line to the left unless told otherwise).
QPlainTextEdit* MakeTextBox(const QString& text = QString());
