#pragma once

#include "seating/HallLayout.h"
#include "ui/PlanScene.h"

#include <QGraphicsItem>
#include <vector>

class CHallScene;

// One drawable object of the hall layout: a table (its fill colour, outline colour, name, place
// and people) or a shape (a square, a circle, a speaker, or a plain rectangle for a type this
// program does not know, with its name centred). The item stands at the object's rectangle; a
// drag moves it, and the view stores where it ended through the edit operations.
class CHallItem : public QGraphicsItem
{
public:
    CHallItem(CHallScene& scene, const SHallObject& object, const QRectF& rect);

    const SHallObject& Object() const { return m_object; }
    // Forgets the record (it is about to go); the item draws nothing until it is rebuilt.
    void Forget();
    // The plan rectangle the item was placed at.
    void Place(const QRectF& rect);
    QRectF PlacedRect() const { return m_rect; }
    // Where the records put the item (its position until a drag moves it).
    QPointF PlacedPos() const { return m_placedPos; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void PaintTable(QPainter& painter, const QRectF& box) const;
    void PaintShape(QPainter& painter, const QRectF& box) const;

    CHallScene& m_scene;
    SHallObject m_object;
    QRectF m_rect; // item coordinates, from (0, 0)
    QPointF m_placedPos;
};

// The hall layout as a scene. Scene coordinates are plan units times kScale, so that at the
// view's normal zoom a table of the default grid is large enough to read its name.
class CHallScene : public CPlanScene
{
    Q_OBJECT
public:
    static constexpr qreal kScale = 3.0;
    // Room around the drawing.
    static constexpr qreal kMargin = 30.0;

    explicit CHallScene(CNewOrvDoc& doc, QObject* parent = nullptr);
    // The items go first, quietly: no selection change reaches a view that is going too.
    ~CHallScene() override;

    // Builds one item per object of the layout, tables never placed on the grid of that width
    // (plan units); keeps the selection of records that are still there.
    void Rebuild(int planWidth);
    // Puts the items of these objects where the records now say.
    void UpdateItems(const std::vector<SHallObject>& objects, int planWidth);
    // The scene rectangle: the drawing and the origin, with a margin.
    void FitSceneRect();

    CHallItem* ItemOf(const SHallObject& object) const;
    const std::vector<CHallItem*>& Items() const { return m_items; }
    std::vector<SHallObject> SelectedObjects() const;
    void SelectObjects(const std::vector<SHallObject>& objects);

    static QRectF ToScene(const SRect& rect);
    // Plan units of a scene distance, rounded.
    static int ToPlan(qreal sceneDistance);

    QString PlanTitle() const override;
    QString PlanSummary() const override;
    bool IsHebrew() const { return m_hebrew; }

protected:
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    std::vector<CHallItem*> m_items;
    bool m_hebrew;
};
