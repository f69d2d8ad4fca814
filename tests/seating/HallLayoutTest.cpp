#include "seating/HallLayout.h"

#include "model/Shape.h"
#include "model/Table.h"
#include "platform/StringTable.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>
#include <memory>

class HallLayoutTest : public CDocFixture
{
protected:
    // The unseated table, tables T1..T3 and two shapes.
    CNewOrvDoc& OpenHall()
    {
        CNewOrvDoc& doc = Open();
        for (int i = 1; i <= 3; ++i)
            doc.CreateTable("T" + std::to_string(i), i, 10);
        m_stage = doc.AddShape(std::make_unique<CShape>(nullptr, CShape::kShapeSquare,
                                                        SRect::FromSize(200, 10, 120, 60)));
        m_bar = doc.AddShape(std::make_unique<CShape>(nullptr, CShape::kShapeCircle,
                                                      SRect::FromSize(10, 200, 40, 40)));
        return doc;
    }

    CShape* m_stage = nullptr;
    CShape* m_bar = nullptr;
};

TEST_F(HallLayoutTest, TablesOfTheHallComeFirstThenTheShapes)
{
    CNewOrvDoc& doc = OpenHall();
    const CHallLayout layout(doc);
    ASSERT_EQ(layout.Count(), 5) << "the unseated table has no place in the hall";
    EXPECT_EQ(layout.TableObjectCount(), 3);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(layout.At(i), SHallObject::Of(doc.GetTableAt(i + 1)));
        EXPECT_EQ(layout.IndexOf(layout.At(i)), i);
    }
    EXPECT_EQ(layout.At(3), SHallObject::Of(m_stage));
    EXPECT_EQ(layout.IndexOf(SHallObject::Of(m_bar)), 4);
    EXPECT_FALSE(layout.At(5).IsValid());
    EXPECT_FALSE(layout.At(-1).IsValid());
    EXPECT_EQ(layout.IndexOf(SHallObject::Of(doc.GetTableAt(0))), -1);
    CShape foreign(nullptr);
    CTable stray(nullptr, 2);
    EXPECT_EQ(layout.IndexOf(SHallObject::Of(&foreign)), -1);
    EXPECT_EQ(layout.IndexOf(SHallObject::Of(&stray)), -1) << "an id alone is not membership";
    EXPECT_EQ(layout.Objects().size(), 5u);
}

TEST_F(HallLayoutTest, TheDefaultGrid)
{
    struct SCase
    {
        int width;
        int index;
        SRect rect;
    };
    const SCase cases[] = {
        {1000, 0, SRect(30, 10, 60, 40)},  {1000, 21, SRect(21 * 45 + 30, 10, 21 * 45 + 60, 40)},
        {1000, 22, SRect(30, 50, 60, 80)}, // 22 per row: the 23rd object starts the second row
        {100, 3, SRect(75, 50, 105, 80)},  // (100 - 10) / 45 = 2 per row
        {20, 2, SRect(30, 90, 60, 120)},   // narrower than a table: still one per row
        {0, 1, SRect(30, 50, 60, 80)},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(CHallLayout::GridRect(c.index, c.width), c.rect) << c.width << " " << c.index;
    EXPECT_EQ(CHallLayout::TablesPerRow(1000), 22);
    EXPECT_EQ(CHallLayout::TablesPerRow(-50), 1);
}

TEST_F(HallLayoutTest, WhereObjectsAreDrawn)
{
    CNewOrvDoc& doc = OpenHall();
    doc.GetTableAt(2)->SetArea(SRect(400, 300, 460, 340));
    doc.GetTableAt(3)->SetArea(SRect(7, 8, 7, 50)); // no width: never really placed
    m_bar->SetRect(SRect(90, 80, 10, 20));          // stored inside out
    const CHallLayout layout(doc);
    EXPECT_EQ(layout.RectOf(layout.At(0), 1000), CHallLayout::GridRect(0, 1000));
    EXPECT_EQ(layout.RectOf(layout.At(1), 1000), SRect(400, 300, 460, 340));
    EXPECT_EQ(layout.RectOf(layout.At(2), 100), CHallLayout::GridRect(2, 100));
    EXPECT_EQ(layout.RectOf(layout.At(3), 1000), m_stage->GetRect());
    EXPECT_EQ(layout.RectOf(layout.At(4), 1000), SRect(10, 20, 90, 80));
    m_bar->SetRect(SRect(5, 5, 5, 5));
    EXPECT_EQ(layout.RectOf(layout.At(4), 1000).Width(), CHallLayout::kMinObjectSize)
        << "a shape of no size stays reachable";

    const auto places = layout.GridPlaces(100);
    ASSERT_EQ(places.size(), 3u);
    for (std::size_t i = 0; i < places.size(); ++i)
    {
        EXPECT_EQ(places[i].first, doc.GetTableAt(static_cast<int>(i) + 1));
        EXPECT_EQ(places[i].second, CHallLayout::GridRect(static_cast<int>(i), 100));
    }
}

TEST_F(HallLayoutTest, KeyboardNudges)
{
    const SRect r(100, 100, 140, 120);
    struct SCase
    {
        EHallNudge nudge;
        SRect rect;
    };
    const SCase cases[] = {
        {EHallNudge::Left, SRect(97, 100, 137, 120)},
        {EHallNudge::Right, SRect(103, 100, 143, 120)},
        {EHallNudge::Up, SRect(100, 97, 140, 117)},
        {EHallNudge::Down, SRect(100, 103, 140, 123)},
        {EHallNudge::GrowLeft, SRect(97, 100, 140, 120)},
        {EHallNudge::GrowRight, SRect(100, 100, 143, 120)},
        {EHallNudge::GrowUp, SRect(100, 97, 140, 120)},
        {EHallNudge::GrowDown, SRect(100, 100, 140, 123)},
        {EHallNudge::Enlarge, SRect(98, 98, 142, 122)},
        {EHallNudge::Shrink, SRect(102, 102, 138, 118)},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(CHallLayout::Nudged(r, c.nudge), c.rect) << static_cast<int>(c.nudge);

    // Shrinking stops before an object turns inside out.
    SRect small(0, 0, 12, 40);
    small = CHallLayout::Nudged(small, EHallNudge::Shrink);
    EXPECT_EQ(small, SRect(2, 2, 10, 38));
    EXPECT_EQ(CHallLayout::Nudged(small, EHallNudge::Shrink), small);
    SRect shrunk(0, 0, 60, 61);
    for (int i = 0; i < 50; ++i)
        shrunk = CHallLayout::Nudged(shrunk, EHallNudge::Shrink);
    EXPECT_GE(shrunk.Width(), CHallLayout::kMinObjectSize);
    EXPECT_GE(shrunk.Height(), CHallLayout::kMinObjectSize);
    EXPECT_LT(shrunk.Width(), CHallLayout::kMinObjectSize + 2 * CHallLayout::kResizeStep);
}

TEST_F(HallLayoutTest, CopiesOriginalsAndNewShapes)
{
    CNewOrvDoc& doc = OpenHall();
    EXPECT_EQ(CHallLayout::CopyRect(SRect(10, 20, 30, 40)), SRect(20, 30, 40, 50));

    m_stage->SetRect(SRect(0, 0, 5, 5));
    EXPECT_EQ(CHallLayout::OriginalRect(SHallObject::Of(m_stage), m_stage->GetRect()),
              SRect::FromSize(200, 10, 120, 60));
    EXPECT_EQ(CHallLayout::OriginalRect(SHallObject::Of(doc.GetTableAt(1)), SRect(70, 80, 200, 90)),
              SRect(70, 80, 100, 110))
        << "a table keeps its corner and gets the grid size";

    EXPECT_EQ(CHallLayout::NewShapeRect(CShape::kShapeSpeaker), SRect(50, 50, 100, 100));
    EXPECT_EQ(CHallLayout::NewShapeRect(CShape::kShapeCircle), SRect(50, 50, 150, 150));
    EXPECT_EQ(CHallLayout::NewShapeRect(CShape::kShapeSquare), SRect(50, 50, 150, 150));
    EXPECT_EQ(LoadString(CHallLayout::NewShapeNameId(CShape::kShapeSpeaker)), "Speaker");
    EXPECT_EQ(LoadString(CHallLayout::NewShapeNameId(CShape::kShapeCircle)), "Circle");
    EXPECT_EQ(LoadString(CHallLayout::NewShapeNameId(CShape::kShapeSquare)), "Square");
    const auto& classes = CHallLayout::ObjectClassIds();
    ASSERT_EQ(classes.size(), 15u);
    EXPECT_EQ(LoadString(classes.front()), "Canopy");
    EXPECT_EQ(LoadString(classes[13]), "Band area");
    EXPECT_EQ(LoadString(classes.back()), "Relaxation area");
}
