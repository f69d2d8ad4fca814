#pragma once

#include "store/DocView.h"

#include <QWidget>

class CNewOrvDoc;
class QAction;
class QMenu;

// The actions the frame owns and every view shares: the generic Add, Edit, Delete and Search
// commands (one QAction each, so a shortcut is never ambiguous). A view puts them into its own
// menu; the frame routes them to the active view. A view's "Calculator" button triggers the
// frame's calculator command.
struct SFrameActions
{
    QAction* add = nullptr;
    QAction* edit = nullptr;
    QAction* remove = nullptr;
    QAction* search = nullptr;
    QAction* calculator = nullptr;
};

// The base of every view shown in the frame's pane.
//
// Hints: a view handles what it must at once in HandleHint and marks the rest stale with
// MarkStale; one deferred refresh then runs after the current operation, so an arrangement that
// sends thousands of hints repaints once. A hidden view stays stale until it is shown. Its list
// models (CDocModel) drop their record pointers on the removal hints themselves.
class CFrameView : public QWidget, public IDocView
{
    Q_OBJECT
public:
    enum ECommand
    {
        kCommandAdd,
        kCommandEdit,
        kCommandDelete,
        kCommandSearch,
    };

    CFrameView(CNewOrvDoc& doc, QWidget* parent = nullptr);
    ~CFrameView() override;

    virtual int ViewCode() const = 0;

    // The view's own popup menu, inserted into the menu bar after "&View" while it is active.
    QMenu* ViewMenu() const { return m_viewMenu; }

    // Generic commands: whether the view offers one now, the text of its menu entry (empty: the
    // frame's own "Add ...", "Edit ...", "Delete ...", "Search ..."), running it.
    virtual bool IsCommandEnabled(ECommand command) const;
    virtual QString CommandText(ECommand command) const;
    virtual void RunCommand(ECommand command);

    // True while an in-place edit is open (Save must then be possible).
    virtual bool HasPendingEdit() const { return false; }

    // Called by the frame.
    void SetFrameActions(const SFrameActions& actions);
    virtual void OnActivated() {}
    // The program is closing: store what the view keeps in the settings.
    virtual void OnFrameClosing() {}

    // Runs a pending refresh now (the frame before a save, tests after an operation).
    void FlushRefresh();

    void OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record) final;

signals:
    // The enabled state or text of a generic command may have changed.
    void CommandStateChanged();

protected:
    CNewOrvDoc& Doc() const { return m_doc; }
    const SFrameActions& FrameActions() const { return m_actions; }

    // Handles a hint. The default marks everything stale on any hint but those the view sent.
    virtual void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record);
    // Rebuilds what the given stale bits name (view-defined; kStaleAll for everything).
    virtual void Refresh(unsigned stale) = 0;
    // Builds the view's menu; called once the frame actions are known.
    virtual void BuildViewMenu(QMenu& menu) { (void)menu; }

    static constexpr unsigned kStaleAll = ~0u;
    void MarkStale(unsigned stale = kStaleAll);

    void showEvent(QShowEvent* event) override;

private:
    void RunScheduledRefresh();

    CNewOrvDoc& m_doc;
    SFrameActions m_actions;
    QMenu* m_viewMenu = nullptr;
    unsigned m_stale = 0;
    bool m_refreshScheduled = false;
};
