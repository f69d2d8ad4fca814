#pragma once

#include "ui/FrameView.h"

#include <QPoint>
#include <QString>
#include <vector>

class CGuest;
class CSeatingScene;
class CTable;
class CTableCellItem;
class QGraphicsItem;
class QGraphicsView;
class QTimer;

// The seat arrangement view: every table as a cell with its guest lines, in table or hall order.
// A guest line dragged onto another cell is seated there (with the seating questions); a cell
// dragged onto another moves its table to that place (MoveTable). Double-click or Edit opens the
// table's details, the right click a menu, Search finds a guest or a table; other views' selected
// table (HINT_SELECT_TABLE) and "Locate table" (HINT_LOCATE_TABLE) bring a cell into sight. A
// completed drop beeps.
//
// Hints of other views mark the board stale (one rebuild later). The view's own drops reload
// only the two cells concerned; its scene drops records on the removal hints by itself.
class CGrapicTablesView : public CFrameView
{
    Q_OBJECT
public:
    explicit CGrapicTablesView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    QString CommandText(ECommand command) const override;
    void RunCommand(ECommand command) override;

    // The drops. A guest dropped on another table is seated there after the seating questions;
    // a table dropped on another (both not the unseated one) moves to its place. True when done.
    bool DropGuest(CGuest* guest, CTable* target);
    bool DropTable(CTable* dragged, CTable* target);

    void AddTable();
    // "Table details" of the current cell (the unseated table is explained).
    void EditTable();
    void Search();
    // Repeats the last search; asks for one when there was none.
    void FindNext(bool backwards);
    // Brings the guest's table into sight with the guest's line selected.
    void Locate(const CGuest* guest);
    // "Locate table" of the selected guest line: shows it and tells the other views.
    void LocateSelectedGuest();
    void GoToGuestDetails();
    void ExportBoard();
    void PrintBoard();
    bool ExportBoardTo(const QString& path);

    // Makes the table's cell current (with a line selected, or none) and brings it into sight.
    void SelectTable(const CTable* table, int line = -1);
    CTable* CurrentTable() const;
    CGuest* SelectedGuest() const;
    CTableCellItem* CellOf(const CTable* table) const;
    // The cells' tables in board order.
    std::vector<CTable*> CellTables() const;
    // A point of the canvas's viewport on a guest line of a cell, or on its header (line -1);
    // the cell is scrolled into sight first.
    QPoint PointOn(const CTable* table, int line = -1);

    // Fills a popup with the cell's commands; "Goto guests details" only when people sit there.
    void BuildCellMenu(QMenu& menu);

    CSeatingScene* Scene() const { return m_scene; }
    QGraphicsView* Canvas() const { return m_canvas; }
    bool IsDragging() const { return m_dragKind != kDragNone; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum EDragKind
    {
        kDragNone,
        kDragGuest,
        kDragTable,
    };

    int BoardWidth() const;
    void SetCurrentCell(CTableCellItem* cell);
    void OnPress(const QPoint& position);
    void OnMove(const QPoint& position);
    void OnRelease(const QPoint& position);
    void StartDrag(const QPoint& position);
    void EndDrag();
    void AutoScroll();
    void ShowCellMenu(const QPoint& position);
    void ShowTableTip(const QPoint& position, const QPoint& globalPosition);
    CTableCellItem* CellAtViewport(const QPoint& position) const;

    CSeatingScene* m_scene;
    QGraphicsView* m_canvas;
    CTableCellItem* m_current = nullptr;

    // A press of the mouse and the drag it may become.
    bool m_pressed = false;
    QPoint m_pressPosition;
    CTableCellItem* m_pressCell = nullptr;
    int m_pressLine = -1;
    EDragKind m_dragKind = kDragNone;
    QGraphicsItem* m_ghost = nullptr;
    CTableCellItem* m_target = nullptr;
    QTimer* m_autoScroll;
    QPoint m_lastPosition;

    // The view's own drop: its hints need no rebuild.
    bool m_dropping = false;
    bool m_followingOtherView = false;
    const CTable* m_pendingSelect = nullptr;
    const CGuest* m_pendingLocate = nullptr;

    QString m_searchGuest;
    QString m_searchTable;
    bool m_hasSearch = false;
};
