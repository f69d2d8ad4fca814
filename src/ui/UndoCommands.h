#pragma once

#include <QObject>

class CNewOrvDoc;
class QAction;
class QWidget;

// The frame's Undo and Redo commands over the document's history, and the end of each step.
//
// A step opens by itself at the first change (see CUndoHistory) and ends when control goes back
// to the user: when the event loop the change ran in, or an outer one, is about to wait for the
// next event. A question or dialog that an operation opens runs a nested loop; waiting there does
// not end the operation's step, so "Delete guest" with its question, or a seating move that asks
// about the table's size, stays one step. Changes made inside a modal dialog that applies them as
// they are made (the task list) are steps of their own. Because steps end there, a view or dialog
// needs no code of its own to be undoable.
class CUndoCommands : public QObject
{
    Q_OBJECT

public:
    // The actions belong to window: Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo.
    CUndoCommands(CNewOrvDoc& doc, QWidget* window);
    ~CUndoCommands() override;

    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }

    // "Undo <step>" / "Redo <step>" and the enabled states, from the history as it stands.
    void Update();

private:
    void OnAboutToBlock();
    void Run(bool forward);

    CNewOrvDoc& m_doc;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    int m_stepLoopLevel = 0; // how deep the event loops were when the open step began
};
