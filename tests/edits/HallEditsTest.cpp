#include "edits/HallEdits.h"

#include "EditsFixture.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

class HallEditsTest : public CEditsFixture
{
protected:
    // Tables T1, T2 and two shapes of the class "Bar" and one "Stage".
    CNewOrvDoc& OpenHall()
    {
        CNewOrvDoc& doc = OpenEvent();
        doc.CreateTable("T1", 1, 10);
        doc.CreateTable("T2", 2, 10);
        m_bar = Edits::AddShape(doc, CShape::kShapeSquare, "Bar", 255, "Bar", &m_sender);
        m_bar2 = Edits::AddShape(doc, CShape::kShapeCircle, "Wine", 0, "Bar", &m_sender);
        m_stage = Edits::AddShape(doc, CShape::kShapeSquare, "Stage", 0, "Stage", &m_sender);
        Clear();
        return doc;
    }
    SHallObject Table(int id) { return SHallObject::Of(m_doc->GetTableAt(id)); }

    CShape* m_bar = nullptr;
    CShape* m_bar2 = nullptr;
    CShape* m_stage = nullptr;
};

TEST_F(HallEditsTest, AddingAShapeAnnouncesIt)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.SetDataChanged(false);
    Clear();
    CShape* speaker =
        Edits::AddShape(doc, CShape::kShapeSpeaker, "Left speaker", 0x123456, "Speaker", &m_sender);
    ASSERT_NE(speaker, nullptr);
    EXPECT_EQ(speaker->GetRect(), SRect(50, 50, 100, 100));
    EXPECT_EQ(speaker->GetOriginalRect(), speaker->GetRect());
    EXPECT_EQ(speaker->GetColour(), 0x123456);
    EXPECT_EQ(speaker->GetClass(), "Speaker");
    EXPECT_TRUE(doc.IsDataChanged());
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_SHAPE_ADDED);
    EXPECT_EQ(m_spy.hints[0].record, speaker);
    EXPECT_TRUE(m_sender.hints.empty());
}

TEST_F(HallEditsTest, ShapeDetailsMayGoToTheWholeClass)
{
    CNewOrvDoc& doc = OpenHall();
    Edits::SShapeDetails details = Edits::DetailsOf(*m_bar);
    EXPECT_TRUE(Edits::SetShapeDetails(doc, m_bar, details, false, &m_sender).empty());
    EXPECT_TRUE(m_spy.hints.empty()) << "nothing changed";

    details.name = "Main bar\r\nDrinks";
    details.width = 80;
    details.height = 2; // below the least size
    details.colour = 0xFF00;
    auto changed = Edits::SetShapeDetails(doc, m_bar, details, false, &m_sender);
    EXPECT_EQ(changed, std::vector<CShape*>{m_bar});
    EXPECT_EQ(m_bar->GetRect(), SRect::FromSize(50, 50, 80, CHallLayout::kMinObjectSize));
    EXPECT_EQ(m_bar2->GetColour(), 0) << "alone without the class choice";

    Clear();
    details.height = 40;
    changed = Edits::SetShapeDetails(doc, m_bar, details, true, &m_sender);
    EXPECT_EQ(changed, (std::vector<CShape*>{m_bar, m_bar2}));
    EXPECT_EQ(m_bar2->GetColour(), 0xFF00);
    EXPECT_EQ(m_bar2->GetRect(), SRect::FromSize(50, 50, 80, 40));
    EXPECT_EQ(m_bar2->GetName(), "Wine") << "names are each shape's own";
    EXPECT_EQ(m_stage->GetColour(), 0);
    EXPECT_EQ(m_spy.Count(HINT_HALL_OBJECT_CHANGED), 2);
    EXPECT_TRUE(m_sender.hints.empty());

    CShape foreign(nullptr);
    EXPECT_TRUE(Edits::SetShapeDetails(doc, &foreign, details, true, &m_sender).empty());
}

TEST_F(HallEditsTest, MovesAndSizesStoreTheRectanglesAndAnnounceOnce)
{
    CNewOrvDoc& doc = OpenHall();
    const int width = 1000;
    const SRect gridOfT1 = CHallLayout::GridRect(0, width);

    // A table never placed moves from where it is drawn, and keeps its area from then on.
    EXPECT_TRUE(Edits::MoveHallObjects(doc, {Table(1)}, 100, 5, width, &m_sender));
    EXPECT_EQ(doc.GetTableAt(1)->GetArea(), SRect(gridOfT1.left + 100, gridOfT1.top + 5,
                                                  gridOfT1.right + 100, gridOfT1.bottom + 5));
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_HALL_OBJECT_CHANGED);
    EXPECT_EQ(m_spy.hints[0].record, doc.GetTableAt(1));

    Clear();
    EXPECT_TRUE(Edits::NudgeHallObjects(doc, {Table(1), SHallObject::Of(m_stage)}, EHallNudge::Left,
                                        width, &m_sender));
    EXPECT_EQ(doc.GetTableAt(1)->GetArea().left, gridOfT1.left + 97);
    EXPECT_EQ(m_stage->GetRect(), SRect(47, 50, 147, 150));
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].record, nullptr) << "several changed: one hint without a record";
    EXPECT_TRUE(m_sender.hints.empty());

    Clear();
    CShape foreign(nullptr, CShape::kShapeSquare, SRect(0, 0, 10, 10));
    EXPECT_FALSE(Edits::MoveHallObjects(doc, {SHallObject::Of(&foreign)}, 5, 5, width, nullptr));
    EXPECT_EQ(foreign.GetRect(), SRect(0, 0, 10, 10));
    EXPECT_FALSE(Edits::MoveHallObjects(doc, {Table(1)}, 0, 0, width, nullptr));
    EXPECT_FALSE(
        Edits::MoveHallObjects(doc, {SHallObject::Of(doc.GetTableAt(0))}, 5, 5, width, nullptr))
        << "the unseated table is not in the hall";
    EXPECT_TRUE(m_spy.hints.empty());

    // Back to the original size: a shape's original rectangle; a table's grid size in place.
    m_stage->SetRect(SRect(0, 0, 3, 3));
    EXPECT_TRUE(Edits::RestoreOriginalSize(doc, SHallObject::Of(m_stage), width, &m_sender));
    EXPECT_EQ(m_stage->GetRect(), SRect(50, 50, 150, 150));
    doc.GetTableAt(2)->SetArea(SRect(300, 300, 400, 320));
    EXPECT_TRUE(Edits::RestoreOriginalSize(doc, Table(2), width, &m_sender));
    EXPECT_EQ(doc.GetTableAt(2)->GetArea(), SRect(300, 300, 330, 330));
}

TEST_F(HallEditsTest, CopiesAreShapesOnly)
{
    CNewOrvDoc& doc = OpenHall();
    m_bar->SetRect(SRect(10, 10, 60, 30));
    CShape* copy = Edits::CopyShape(doc, m_bar, &m_sender);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetRect(), SRect(20, 20, 70, 40));
    EXPECT_EQ(copy->GetOriginalRect(), copy->GetRect());
    EXPECT_EQ(copy->GetName(), "Bar");
    EXPECT_EQ(copy->GetClass(), "Bar");
    EXPECT_EQ(copy->GetColour(), 255);
    EXPECT_NE(copy->GetId(), m_bar->GetId());
    EXPECT_EQ(doc.GetShapes().back().get(), copy);
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_SHAPE_ADDED);
    EXPECT_EQ(Edits::CopyShape(doc, nullptr, &m_sender), nullptr);
}

TEST_F(HallEditsTest, DeletingAShapeAsksFirst)
{
    CNewOrvDoc& doc = OpenHall();
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::DeleteShapeWithQuestion(doc, m_bar));
    EXPECT_EQ(doc.GetShapes().size(), 3u);
    EXPECT_EQ(Captions(), std::vector<std::string>{LoadString(IDS_DELETE_SHAPE_CAPTION)});

    bool heardWhileThere = false;
    CShape* bar = m_bar;
    m_spy.hints.clear();
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::DeleteShapeWithQuestion(doc, m_bar));
    for (const auto& heard : m_spy.hints)
        heardWhileThere |= heard.hint == HINT_SHAPE_REMOVING && heard.record == bar;
    EXPECT_TRUE(heardWhileThere);
    ASSERT_EQ(doc.GetShapes().size(), 2u);
    EXPECT_EQ(doc.GetShapes()[0].get(), m_bar2);
    EXPECT_EQ(doc.GetTableCount(), 3);

    Clear();
    EXPECT_FALSE(Edits::DeleteShapeWithQuestion(doc, nullptr));
    EXPECT_TRUE(m_prompt.Asked().empty());
}

TEST_F(HallEditsTest, ResettingPutsEveryTableOnTheGridAfterTheQuestion)
{
    CNewOrvDoc& doc = OpenHall();
    for (int i = 3; i <= 30; ++i)
        doc.CreateTable("T" + std::to_string(i), i, 10);
    doc.GetTableAt(1)->SetArea(SRect(500, 500, 560, 540));
    const SRect stage = m_stage->GetRect();
    Clear();

    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::ResetTablesWithQuestion(doc, 1000, &m_sender));
    EXPECT_EQ(doc.GetTableAt(1)->GetArea(), SRect(500, 500, 560, 540));
    EXPECT_EQ(Captions(), std::vector<std::string>{LoadString(IDS_RESET_TABLES_CAPTION)});

    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::ResetTablesWithQuestion(doc, 1000, &m_sender));
    EXPECT_EQ(doc.GetTableAt(1)->GetArea(), SRect(30, 10, 60, 40));
    EXPECT_EQ(doc.GetTableAt(23)->GetArea(), SRect(30, 50, 60, 80)) << "22 tables a row";
    EXPECT_EQ(doc.GetTableAt(0)->GetArea(), SRect()) << "the unseated table stays off the plan";
    EXPECT_EQ(m_stage->GetRect(), stage);
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_HALL_OBJECT_CHANGED});
    EXPECT_TRUE(m_sender.hints.empty());
}

TEST_F(HallEditsTest, ImportingADraftReplacesShapesOnlyAfterTheQuestion)
{
    CNewOrvDoc& doc = OpenHall();
    const fs::path draft = m_root / "draft.xml";
    ASSERT_TRUE(Edits::ExportHallDraft(doc, draft));
    const std::string text = ReadBytes(draft);
    EXPECT_EQ(text.find("T1"), std::string::npos) << "tables are never exported";
    Edits::CopyShape(doc, m_stage, &m_sender);
    Clear();

    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::ImportHallDraftWithQuestion(doc, draft, &m_sender));
    EXPECT_EQ(doc.GetShapes().size(), 4u);
    EXPECT_TRUE(m_spy.hints.empty());

    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::ImportHallDraftWithQuestion(doc, draft, &m_sender));
    ASSERT_EQ(doc.GetShapes().size(), 3u);
    EXPECT_EQ(doc.GetShapes()[1]->GetName(), "Wine");
    EXPECT_EQ(doc.GetTableCount(), 3) << "importing never removes a table";
    EXPECT_EQ(m_spy.HintNumbers(),
              (std::vector<EUpdateHint>{HINT_SHAPES_REMOVING, HINT_HALL_OBJECT_CHANGED}));
    EXPECT_EQ(m_sender.HintNumbers(), std::vector<EUpdateHint>{HINT_SHAPES_REMOVING})
        << "the removal reaches every view, the sender too";

    // A file that cannot be opened changes nothing and nobody is told to redraw.
    Clear();
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_FALSE(Edits::ImportHallDraftWithQuestion(doc, m_root / "missing.xml", &m_sender));
    EXPECT_EQ(doc.GetShapes().size(), 3u);
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_FALSE(Edits::ImportHallDraftWithQuestion(doc, fs::path(), &m_sender));
}

TEST_F(HallEditsTest, TheLayoutsDisplaySettings)
{
    CNewOrvDoc& doc = OpenEvent();
    CEventSettings& settings = doc.GetSettings();
    struct SCase
    {
        const char* key;
        std::string stored;
        bool shown;
    };
    for (const SCase& c :
         {SCase{"ShowTTInTables", "", true}, SCase{"ShowTTInTables", "1", true},
          SCase{"ShowTTInTables", "0", false}, SCase{"ShowTTInTables", "2", false},
          SCase{"ShowTablesHelpMsg", "", true}, SCase{"ShowTablesHelpMsg", "TRUE", true},
          SCase{"ShowTablesHelpMsg", "FALSE", false}})
    {
        ASSERT_TRUE(settings.SetKeySetting(c.key, c.stored) ||
                    settings.GetKeySetting(c.key) == c.stored);
        const bool shown = std::string(c.key) == "ShowTTInTables" ? Edits::TableTooltipsShown(doc)
                                                                  : Edits::HallHelpShown(doc);
        EXPECT_EQ(shown, c.shown) << c.key << "=" << c.stored;
    }
    Edits::SetTableTooltipsShown(doc, false);
    EXPECT_EQ(settings.GetKeySetting("ShowTTInTables"), "0");
    Edits::SetTableTooltipsShown(doc, true);
    EXPECT_EQ(settings.GetKeySetting("ShowTTInTables"), "1");
    Edits::SetHallHelpShown(doc, false);
    EXPECT_EQ(settings.GetKeySetting("ShowTablesHelpMsg"), "FALSE");
}
