#include "ModelTestSupport.h"
#include "model/Group.h"
#include "model/LegacyLoader.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/ProfileFile.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class HallTest : public CModelTest
{
};

TEST_F(HallTest, ShapesFromIni)
{
    WriteFile("GanArrangement.ini",
              "[Shapes0]\r\nShapeType=1\r\nShapeName=Dance..........floor\r\nTableLocX=10\r\n"
              "TableLocY=20\r\nTableSizeX=100\r\nTableSizeY=50\r\nSc=255\r\nShapeClass=Stage\r\n"
              // A blank section is dropped; the list goes on.
              "[Shapes1]\r\nShapeType=2\r\n"
              "[Shapes2]\r\nShapeType=3\r\nShapeName=Speaker\r\nTableSizeX=50\r\nTableSizeY=50\r\n"
              // An unknown type ends the list.
              "[Shapes3]\r\nShapeType=4\r\nShapeName=Odd\r\n"
              "[Shapes4]\r\nShapeType=1\r\nShapeName=Never\r\n");
    CProfileFile ini(PrepareShapesIni(m_folder / "GanArrangement.ini"));
    std::vector<std::unique_ptr<CShape>> shapes;
    EXPECT_EQ(LoadShapesFromIni(ini, nullptr, shapes), 2);
    ASSERT_EQ(shapes.size(), 2u);

    const CShape& dance = *shapes[0];
    EXPECT_EQ(dance.GetType(), CShape::kShapeSquare);
    EXPECT_EQ(dance.GetName(), "Dance\r\nfloor");
    EXPECT_EQ(dance.GetRect(), SRect(10, 20, 110, 70));
    EXPECT_EQ(dance.GetOriginalRect(), dance.GetRect());
    EXPECT_EQ(dance.GetColour(), 255);
    EXPECT_EQ(dance.GetClass(), "Stage");
    EXPECT_FALSE(dance.IsModified());

    const CShape& speaker = *shapes[1];
    EXPECT_EQ(speaker.GetType(), CShape::kShapeSpeaker);
    EXPECT_EQ(speaker.GetColour(), CShape::kIniDefaultColour);
    EXPECT_EQ(speaker.GetSection(), "Shapes2");
    EXPECT_NE(speaker.GetId(), dance.GetId());

    CShape made(nullptr, CShape::kShapeCircle, SRect::FromSize(50, 50, 100, 100));
    EXPECT_EQ(made.GetColour(), CShape::kDefaultColour);
    made.SetRect(SRect(0, 0, 10, 10));
    EXPECT_TRUE(made.RestoreOriginalRect());
    EXPECT_EQ(made.GetRect(), SRect(50, 50, 150, 150));
}

TEST_F(HallTest, OldShapesFileIsRenamedBeforeReading)
{
    WriteFile("GanArrangement.gan", "[Shapes0]\r\nShapeType=2\r\nShapeName=Bar\r\n");
    const auto iniPath = m_folder / "GanArrangement.ini";
    EXPECT_EQ(PrepareShapesIni(iniPath), iniPath);
    EXPECT_TRUE(std::filesystem::exists(iniPath));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "GanArrangement.gan"));
    CProfileFile ini(iniPath);
    std::vector<std::unique_ptr<CShape>> shapes;
    LoadShapesFromIni(ini, nullptr, shapes);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0]->GetName(), "Bar");

    // An existing .ini wins; the .gan file stays.
    WriteFile("GanArrangement.gan", "[Shapes0]\r\nShapeType=1\r\n");
    PrepareShapesIni(iniPath);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "GanArrangement.gan"));
    EXPECT_EQ(ReadProfileString(iniPath, "Shapes0", "ShapeName"), "Bar");
}

TEST_F(HallTest, TablesFromIniTakeTheirSectionNumberAsId)
{
    CProfileFile ini(WriteFile(
        "Tables.ini", "[Table0]\r\nName=Unseated Guests\r\nPlaces=0\r\n"
                      "[Table1]\r\nName=Family\r\nPlaces=12\r\nInHall=3\r\nTableLocX=10\r\n"
                      "TableLocY=5\r\nTableSizeX=50\r\nTableSizeY=40\r\nSc=255\r\n"
                      "TableDrawColor=2\r\nShapeClass=Round\r\n"
                      "[Table2]\r\nName=empty\r\n[Table3]\r\nName=After\r\n"));
    std::vector<std::unique_ptr<CTable>> tables;
    LoadRecordsFromIni(
        ini, CTable::kSectionPrefix, [](int n) { return std::make_unique<CTable>(nullptr, n); },
        tables);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0]->GetId(), 0);
    EXPECT_EQ(tables[0]->GetShapeClass(), CTable::kDefaultShapeClass);
    EXPECT_EQ(tables[0]->GetColour(), CTable::kDefaultColour);
    const CTable& family = *tables[1];
    EXPECT_EQ(family.GetId(), 1);
    EXPECT_EQ(family.GetSection(), "Table1");
    EXPECT_EQ(family.GetSeats(), 12);
    EXPECT_EQ(family.GetHallNumber(), 3);
    EXPECT_EQ(family.GetArea(), SRect(10, 5, 60, 45));
    EXPECT_EQ(family.GetColour(), 255);
    EXPECT_EQ(family.GetDrawStyle(), 2);
    EXPECT_EQ(family.GetShapeClass(), "Round");
    EXPECT_FALSE(family.IsModified());

    CProfileFile none(m_folder / "missing.ini");
    tables.clear();
    LoadRecordsFromIni(
        none, CTable::kSectionPrefix, [](int n) { return std::make_unique<CTable>(nullptr, n); },
        tables);
    EXPECT_TRUE(tables.empty());
}

TEST_F(HallTest, GroupsEndAtAnEmptyNameAndStayModified)
{
    CProfileFile ini(WriteFile("Groups.ini",
                               "[Group0]\r\nGroupName=Army\r\n"
                               "[Group1]\r\nGroupName=\r\n[Group2]\r\nGroupName=Work\r\n"));
    std::vector<std::unique_ptr<CGroup>> groups;
    LoadRecordsFromIni(
        ini, CGroup::kSectionPrefix, [](int) { return std::make_unique<CGroup>(nullptr); }, groups);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0]->GetName(), "Army");
    EXPECT_TRUE(groups[0]->IsModified());
    EXPECT_FALSE(groups[0]->IsNew());
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Group), 0);
}
