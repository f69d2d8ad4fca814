#pragma once

#include "ui/PlanScene.h"

#include <QFont>
#include <QGraphicsItem>
#include <QStringList>
#include <vector>

class CGuest;
class CSeatingBoard;
class CSeatingScene;
class CTable;

// One cell of the seating board: a table's name, its seat line and caption, and its guest lines
// (a window of them that scrolls when there are more than fit). The texts are taken from the
// records when the cell is loaded, so painting never walks the guest list.
class CTableCellItem : public QGraphicsItem
{
public:
    CTableCellItem(CSeatingScene& scene, CTable* table);

    CTable* Table() const { return m_table; }
    const std::vector<CGuest*>& Guests() const { return m_guests; }
    // The line texts as shown ("3. Dana Levi 2").
    const QStringList& LineTexts() const { return m_lines; }
    // Takes the table's texts and guest lines from the records again.
    void Load(const CSeatingBoard& board);
    // The table is about to go: the cell forgets it and every guest.
    void Forget();
    // The guest is about to go: its line leaves the cell.
    void ForgetGuest(const CGuest* guest);

    // The first guest line shown, and the number that fit.
    int ScrollOffset() const { return m_scroll; }
    int VisibleLines() const;
    // Scrolls by lines (bounded); true when the window moved.
    bool ScrollBy(int lines);
    // Scrolls so that the line is shown.
    void ShowLine(int line);
    // The scene changed the size every cell has.
    void Resize();

    int SelectedLine() const { return m_selectedLine; }
    void SetSelectedLine(int line);
    bool IsCurrent() const { return m_current; }
    void SetCurrent(bool current);
    void SetDropTarget(bool target);

    // Where a point of the cell (item coordinates) falls: a guest line (its index), -1 for the
    // rest of the cell; onScrollBar when it is on the bar of the lines.
    int LineAt(const QPointF& point, bool* onScrollBar = nullptr) const;
    // The centre of a shown line, or of the header (line -1), in item coordinates.
    QPointF LineCentre(int line) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QRectF LinesArea() const;

    CSeatingScene& m_scene;
    CTable* m_table;
    std::vector<CGuest*> m_guests;
    QStringList m_lines;
    QString m_name;
    QString m_seatLine;
    QString m_caption;
    bool m_overCapacity = false;
    int m_scroll = 0;
    int m_selectedLine = -1;
    bool m_current = false;
    bool m_dropTarget = false;
};

// The seating board as a scene: one cell per table in the board's order (CSeatingBoard), laid
// out in rows from the leading edge (the right in the Hebrew interface).
class CSeatingScene : public CPlanScene
{
    Q_OBJECT
public:
    // Cells share the width of the board, each at least kLeastCellWidth wide.
    static constexpr qreal kLeastCellWidth = 230;
    static constexpr qreal kGap = 14;
    // A cell shows as many lines as the fullest table has, within these bounds; the rest scroll.
    static constexpr int kLeastVisibleLines = 5;
    static constexpr int kMostVisibleLines = 12;

    explicit CSeatingScene(CNewOrvDoc& doc, QObject* parent = nullptr);
    ~CSeatingScene() override;

    // One cell per table, loaded from the records, laid out over a board that many pixels wide.
    void Rebuild(int width);
    // Lays the cells out again over that width.
    void Arrange(int width);
    int Columns() const { return m_columns; }
    // The columns and the cell width a board of that many pixels has.
    static int ColumnsFor(int width);
    qreal CellWidth() const { return m_cellWidth; }
    int VisibleLines() const { return m_visibleLines; }
    // Loads the cells of these tables again.
    void Reload(const std::vector<const CTable*>& tables);

    const std::vector<CTableCellItem*>& Cells() const { return m_cells; }
    CTableCellItem* CellOf(const CTable* table) const;
    int IndexOf(const CTableCellItem* cell) const;
    CTableCellItem* CellAt(const QPointF& scenePoint) const;

    // The font of the cells, in pixels, so paper shows what the screen shows. Sizes every cell
    // shares come from it.
    const QFont& CellFont() const { return m_font; }
    qreal LineHeight() const { return m_lineHeight; }
    qreal HeaderHeight() const { return m_headerHeight; }
    qreal CellHeight() const;
    bool IsHebrew() const { return m_hebrew; }

    std::vector<QRectF> PageSlices(qreal pageAspect) const override;
    QString PlanTitle() const override;
    QString PlanSummary() const override;

protected:
    void DropRecords(EUpdateHint hint, CRecord* record) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    std::vector<CTableCellItem*> m_cells;
    int m_columns = 1;
    int m_width = 0;
    qreal m_cellWidth = kLeastCellWidth;
    int m_visibleLines = kLeastVisibleLines;
    QFont m_font;
    qreal m_lineHeight;
    qreal m_headerHeight;
    bool m_hebrew;
    bool m_noEvent = false;
};
