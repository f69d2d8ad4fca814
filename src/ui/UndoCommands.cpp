#include "ui/UndoCommands.h"

#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "ui/Icons.h"
#include "ui/TipMarkup.h"
#include "ui/UiText.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <algorithm>

namespace
{
QString Caption(int withStep, int withoutStep, bool available, const std::string& step)
{
    if (!available)
        return UiText(withoutStep);
    return ToQt(
        FormatText(LoadString(withStep), {step.empty() ? LoadString(IDS_STEP_CHANGE) : step}));
}
} // namespace

CUndoCommands::CUndoCommands(CNewOrvDoc& doc, QWidget* window) : QObject(window), m_doc(doc)
{
    // The arrows point against the reading direction for Undo, with it for Redo.
    const bool rightToLeft = QGuiApplication::isRightToLeft();
    m_undo = new QAction(ThemeIcon(rightToLeft ? "edit-redo" : "edit-undo"),
                         UiText(IDS_UNDO_MENU_EMPTY), window);
    m_undo->setIconText(UiText(IDS_UNDO_TOOLBAR));
    m_undo->setToolTip(MarkupToRichText(LoadString(IDS_UNDO_TOOLTIP)));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_undo, &QAction::triggered, this, [this] { Run(false); });

    m_redo = new QAction(ThemeIcon(rightToLeft ? "edit-undo" : "edit-redo"),
                         UiText(IDS_REDO_MENU_EMPTY), window);
    m_redo->setIconText(UiText(IDS_REDO_TOOLBAR));
    m_redo->setToolTip(MarkupToRichText(LoadString(IDS_REDO_TOOLTIP)));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_redo, &QAction::triggered, this, [this] { Run(true); });
    // Window-wide, whichever menu or bar shows them; an open line editor keeps Ctrl+Z for its
    // own typing.
    window->addAction(m_undo);
    window->addAction(m_redo);

    m_doc.GetUndoHistory().SetStepOpenedListener(
        [this] { m_stepLoopLevel = static_cast<int>(QThread::currentThread()->loopLevel()); });
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &CUndoCommands::OnAboutToBlock);
    Update();
}

CUndoCommands::~CUndoCommands()
{
    m_doc.GetUndoHistory().SetStepOpenedListener({});
}

void CUndoCommands::OnAboutToBlock()
{
    CUndoHistory& history = m_doc.GetUndoHistory();
    if (!history.HasOpenStep())
        return;
    // A step begun outside every loop (start-up, a test's own code) ends at the first wait.
    const int level = static_cast<int>(QThread::currentThread()->loopLevel());
    if (level > std::max(m_stepLoopLevel, 1))
        return; // a question or dialog of the operation that is still running
    history.CloseStep();
    Update();
}

void CUndoCommands::Run(bool forward)
{
    if (forward)
        m_doc.Redo();
    else
        m_doc.Undo();
    Update();
}

void CUndoCommands::Update()
{
    const CUndoHistory& history = m_doc.GetUndoHistory();
    m_undo->setEnabled(history.CanUndo());
    m_undo->setText(
        Caption(IDS_UNDO_MENU, IDS_UNDO_MENU_EMPTY, history.CanUndo(), history.UndoName()));
    m_redo->setEnabled(history.CanRedo());
    m_redo->setText(
        Caption(IDS_REDO_MENU, IDS_REDO_MENU_EMPTY, history.CanRedo(), history.RedoName()));
}
