#include "ui/ViewWidgets.h"

#include "ui/Icons.h"
#include "ui/UiText.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QTextOption>

QLabel* MakeExplanation(int textId)
{
    auto* label = new QLabel(UiText(textId));
    label->setWordWrap(true);
    return label;
}

QTableView* MakeRecordList(const char* objectName, QAbstractItemModel* model,
                           QAbstractItemView::SelectionMode selection)
{
    auto* list = new QTableView;
    list->setObjectName(QString::fromLatin1(objectName));
    list->setModel(model);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(selection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setAlternatingRowColors(true);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    return list;
}

QPushButton* MakeCommandButton(const char* icon, int textId)
{
    return new QPushButton(ThemeIcon(icon), UiLine(textId));
}

QHBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

void AddDeleteKey(QAbstractItemView* list, std::function<void()> command)
{
    auto* deleteKey = new QAction(list);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(deleteKey, &QAction::triggered, list, std::move(command));
    list->addAction(deleteKey);
}

QPlainTextEdit* MakeTextBox(const QString& text)
{
    auto* box = new QPlainTextEdit;
    if (QApplication::layoutDirection() == Qt::RightToLeft)
    {
        QTextOption option = box->document()->defaultTextOption();
        option.setTextDirection(Qt::RightToLeft);
        option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        box->document()->setDefaultTextOption(option);
    }
    box->setPlainText(text);
    return box;
}
