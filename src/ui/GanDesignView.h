#pragma once

#include "seating/HallLayout.h"
#include "ui/FrameView.h"

#include <QPointF>
#include <map>
#include <vector>

class CHallScene;
class QAction;
class QGraphicsView;
class QLabel;
class QPushButton;

// The hall layout view: every table of the hall and every shape drawn on a plan that scrolls and
// zooms. Objects are selected with the mouse (Ctrl keeps the earlier selection), moved by
// dragging or with the arrows, sized with Shift + arrows and the numeric-pad + and -; shapes are
// added, detailed, copied and deleted; the tables can be put back on the default grid; the shapes
// go to and come from hall draft files; the plan goes on paper (PDF, PNG, printer).
//
// Every change goes through Edits::; the view then moves its own items instead of rebuilding.
// Other views' hints mark the plan stale (one rebuild later); its scene drops records on the
// removal hints by itself. Selecting a table tells the other views (HINT_SELECT_TABLE).
class CGanDesignView : public CFrameView
{
    Q_OBJECT
public:
    static constexpr qreal kZoomStep = 1.25;
    static constexpr qreal kMinZoom = 0.2;
    static constexpr qreal kMaxZoom = 5.0;

    explicit CGanDesignView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    QString CommandText(ECommand command) const override;
    void RunCommand(ECommand command) override;

    // The commands of the layout.
    void AddShape(int type);
    // The details of the current object: the object dialog of a shape, "Table details" of a table.
    void ShowObjectDetails();
    void ShowTableDetails();
    void RestoreOriginalSize();
    void CopyShape();
    // Asks first; a table is left alone.
    void DeleteShape();
    void Nudge(EHallNudge nudge);
    void ResetTables();
    void SaveHallDraft();
    void ImportHallDraft();
    void SetTableTooltips(bool shown);
    void ZoomBy(qreal factor);
    void ZoomNormal();
    qreal Zoom() const { return m_zoom; }
    void ExportPlan();
    void PrintPlan();
    // Writes the plan (PDF, or PNG by the name); tells the user when it fails.
    bool ExportPlanTo(const QString& path);

    // The object the commands act on: the one clicked last among the selected.
    SHallObject CurrentObject() const;
    // Selects the object alone (or adds it to the selection) and makes it current.
    void SelectObject(const SHallObject& object, bool keepSelection = false);
    std::vector<SHallObject> SelectedObjects() const;
    // Moves the selected objects as a drag of the mouse by that many plan units would.
    void MoveSelection(int dx, int dy);

    bool IsHelpShown() const;
    // The first click or key press in the plan hides the help and keeps it hidden.
    void HideHelp();
    void ShowHelp();

    // The width of the drawing area in plan units (the grid of "reset tables").
    int PlanWidth() const;

    CHallScene* Scene() const { return m_scene; }
    QGraphicsView* Canvas() const { return m_canvas; }
    QLabel* HelpOverlay() const { return m_help; }
    QAction* CopyAction() const { return m_copyAction; }
    QAction* TooltipsAction() const { return m_tooltipsAction; }
    // Fills a popup with the commands on the current object (the right click's menu).
    void BuildObjectMenu(QMenu& menu);

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    void OnSelectionChanged();
    void UpdateActions();
    void ApplyZoom();
    void PlaceHelp();
    void BeginDrag();
    void FinishDrag();
    bool HandleKey(QKeyEvent& key);
    void ShowContextMenu(const QPoint& viewportPosition);
    void ShowTableTip(const QPoint& viewportPosition, const QPoint& globalPosition);
    bool HasUnplacedTables() const;
    // After an edit of this view: its items follow the records.
    void Sync(const std::vector<SHallObject>& objects);
    QString ChooseDraftFile(bool save);

    CHallScene* m_scene;
    QGraphicsView* m_canvas;
    QLabel* m_help;
    SHallObject m_current;
    qreal m_zoom = 1.0;
    int m_builtWidth = 0;
    // The scene positions of the selected items when a press of the mouse began.
    std::map<const void*, QPointF> m_dragStart;
    bool m_followingOtherView = false;
    const CTable* m_pendingSelect = nullptr;

    QAction* m_copyAction = nullptr;
    QAction* m_tooltipsAction = nullptr;
    std::vector<QAction*> m_objectActions;
    std::vector<QAction*> m_shapeActions;
    QAction* m_tableDetailAction = nullptr;
};
