#include "model/Shape.h"
#include "model/Table.h"
#include "store/XmlDataWriter.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

class HallDraftTest : public CDocFixture
{
protected:
    // The document with two tables (the unseated one and a table of the hall) and two shapes.
    void OpenWithShapes()
    {
        Open();
        m_doc->CreateTable("Family", 1, 10);
        auto bar = std::make_unique<CShape>(nullptr, CShape::kShapeSquare,
                                            SRect::FromSize(10, 20, 100, 50));
        bar->SetName("Bar\r\n& drinks <here>");
        bar->SetClass("Bar");
        bar->SetColour(255);
        m_doc->AddShape(std::move(bar));
        m_doc->AddShape(std::make_unique<CShape>(nullptr, CShape::kShapeSpeaker,
                                                 SRect::FromSize(5, 5, 50, 50)));
        ASSERT_EQ(m_doc->GetTableCount(), 2);
    }
    fs::path Drafts() const { return m_root / "HallsArrangement"; }
};
} // namespace

TEST_F(HallDraftTest, TheDefaultNameIsTheFirstFreeSketchNumber)
{
    Open();
    EXPECT_EQ(m_doc->NextHallDraftPath(), Drafts() / "Sketch0.xml");
    WriteBytes(Drafts() / "Sketch1.xml", "x");
    EXPECT_EQ(m_doc->NextHallDraftPath(), Drafts() / "Sketch0.xml");
    WriteBytes(Drafts() / "Sketch0.xml", "x");
    EXPECT_EQ(m_doc->NextHallDraftPath(), Drafts() / "Sketch2.xml");
}

TEST_F(HallDraftTest, TheExportIsExactlyTheShapeList)
{
    OpenWithShapes();
    const fs::path path = m_doc->NextHallDraftPath();
    ASSERT_TRUE(m_doc->ExportHallDraft(path)) << "the default folder is made when missing";

    std::string shapes;
    for (const auto& shape : m_doc->GetShapes())
        CXmlDataWriter::AppendRecord(shapes, *shape);
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, kDeclaration + std::string("<Shapes>\r\n") + shapes + "</Shapes>\r\n");
    EXPECT_NE(bytes.find("<Shape sType=\"1\">\r\n<spName><![CDATA[Bar\r\n& drinks <here>]]>"
                         "</spName>\r\n<sColor>255</sColor>\r\n<sClass><![CDATA[Bar]]></sClass>"
                         "\r\n<sLocX>10</sLocX>\r\n<sLocY>20</sLocY>\r\n<sSizeX>100</sSizeX>\r\n"
                         "<sSizeY>50</sSizeY>\r\n</Shape>\r\n\r\n"),
              std::string::npos)
        << "names are written as they are";
    EXPECT_EQ(bytes.find("Table"), std::string::npos) << "tables never go into a draft";
    EXPECT_EQ(m_doc->NextHallDraftPath(), Drafts() / "Sketch1.xml");

    Open();
    ASSERT_TRUE(m_doc->ExportHallDraft(Drafts() / "Empty.xml"));
    EXPECT_EQ(ReadBytes(Drafts() / "Empty.xml"),
              kDeclaration + std::string("<Shapes>\r\n</Shapes>\r\n"));
}

TEST_F(HallDraftTest, AFailedExportIsToldAndLeavesNoFile)
{
    OpenWithShapes();
    m_prompt.Clear();
    const fs::path path = m_root / "no such folder" / "draft.xml";
    EXPECT_FALSE(m_doc->ExportHallDraft(path));
    EXPECT_FALSE(fs::exists(path.parent_path())) << "only the default folder is ever made";
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Saving failed");
    EXPECT_FALSE(m_doc->ExportHallDraft(""));
}

TEST_F(HallDraftTest, AReadOnlyDocumentExportsTheOneFileItIsGiven)
{
    const fs::path root = m_root / "event";
    {
        CProgramFolders folders(root, m_root / "program", false, true);
        CNewOrvDoc doc(folders, m_prompt);
        doc.OnNewDocument();
        doc.AddShape(std::make_unique<CShape>(nullptr));
        ASSERT_TRUE(doc.SaveEventData());
    }
    CProgramFolders folders(root, m_root / "program", false, false);
    CNewOrvDoc doc(folders, m_prompt, true);
    doc.OnNewDocument();
    const fs::path path = m_root / "out.xml";
    ASSERT_TRUE(doc.ExportHallDraft(path));
    EXPECT_EQ(ReadBytes(path).rfind(kDeclaration, 0), 0u);
    EXPECT_FALSE(fs::exists(root / "HallsArrangement"));
}

TEST_F(HallDraftTest, ImportReplacesTheShapesAndNeverTheTables)
{
    OpenWithShapes();
    const fs::path path = Drafts() / "Sketch0.xml";
    ASSERT_TRUE(m_doc->ExportHallDraft(path));

    // A file that cannot be opened costs nothing.
    m_prompt.Clear();
    EXPECT_FALSE(m_doc->ImportHallDraft(Drafts() / "missing.xml"));
    EXPECT_EQ(m_doc->GetShapes().size(), 2u);
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Import shapes from file");

    // A damaged file: the shapes go, what was read before the damage (nothing here) comes in.
    WriteBytes(Drafts() / "broken.xml", "this is no hall draft");
    m_doc->SetDataChanged(false);
    m_prompt.Clear();
    EXPECT_FALSE(m_doc->ImportHallDraft(Drafts() / "broken.xml"));
    EXPECT_TRUE(m_doc->GetShapes().empty());
    EXPECT_EQ(m_doc->GetTableCount(), 2);
    EXPECT_TRUE(m_doc->IsDataChanged());
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_NE(m_prompt.Asked()[0].text.find("broken.xml"), std::string::npos);

    m_doc->AddShape(std::make_unique<CShape>(nullptr, CShape::kShapeCircle));
    m_doc->SetDataChanged(false);
    ASSERT_TRUE(m_doc->ImportHallDraft(path));
    EXPECT_TRUE(m_doc->IsDataChanged());
    ASSERT_EQ(m_doc->GetShapes().size(), 2u) << "the circle added after the export is gone";
    EXPECT_EQ(m_doc->GetShapes()[0]->GetName(), "Bar\r\n& drinks <here>");
    EXPECT_EQ(m_doc->GetShapes()[0]->GetRect(), SRect::FromSize(10, 20, 100, 50));
    EXPECT_EQ(m_doc->GetShapes()[1]->GetType(), CShape::kShapeSpeaker);
    EXPECT_EQ(m_doc->GetTableCount(), 2);

    // A shape of a type this program does not know comes in as it is.
    WriteBytes(Drafts() / "newer.xml",
               kDeclaration + std::string("<Shapes>\r\n<Shape sType=\"12\">\r\n"
                                          "<sClass><![CDATA[Stage]]></sClass>\r\n</Shape>\r\n"
                                          "</Shapes>\r\n"));
    ASSERT_TRUE(m_doc->ImportHallDraft(Drafts() / "newer.xml"));
    ASSERT_EQ(m_doc->GetShapes().size(), 1u);
    EXPECT_EQ(m_doc->GetShapes()[0]->GetType(), 12);
    EXPECT_EQ(m_doc->GetShapes()[0]->GetClass(), "Stage");

    // A file cut off after its first shape keeps that shape.
    const std::string bytes = ReadBytes(path);
    const std::size_t firstEnd = bytes.find("</Shape>") + 8;
    WriteBytes(Drafts() / "cut.xml", bytes.substr(0, firstEnd) + "\r\n\r\n<Sha");
    EXPECT_FALSE(m_doc->ImportHallDraft(Drafts() / "cut.xml"));
    ASSERT_EQ(m_doc->GetShapes().size(), 1u);
    EXPECT_EQ(m_doc->GetShapes()[0]->GetClass(), "Bar");
}
