// Hall draft files: the shapes of the hall layout saved on their own, to be loaded into another
// event or back later. The file is the shape list of the XML data file behind an XML declaration;
// tables are never part of it, so an import replaces the shapes and leaves every table alone.

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "store/XmlDataReader.h"
#include "store/XmlDataSink.h"
#include "store/XmlDataWriter.h"

#include <fstream>

namespace fs = std::filesystem;

namespace
{
// Takes the shapes the reader delivers and sets anything else aside, so a full data file given as
// a draft adds no guest or table. The reader fills a record after handing it over, so what is set
// aside lives as long as the sink.
class CShapesSink : public IXmlDataSink
{
public:
    CShapesSink(IRecordOwner* owner, const CEventSettings* settings)
        : m_owner(owner), m_settings(settings)
    {
    }

    IRecordOwner* RecordOwner() override { return m_owner; }
    const CEventSettings* RecordSettings() override { return m_settings; }
    void AddGuest(std::unique_ptr<CGuest> guest) override { SetAside(std::move(guest)); }
    void AddExpense(std::unique_ptr<CExpence> expense) override { SetAside(std::move(expense)); }
    void AddTable(std::unique_ptr<CTable> table) override { SetAside(std::move(table)); }
    void AddGroup(std::unique_ptr<CGroup> group) override { SetAside(std::move(group)); }
    void AddMeeting(std::unique_ptr<CMeeting> meeting) override { SetAside(std::move(meeting)); }
    void AddCategory(std::unique_ptr<CCategory> category) override
    {
        SetAside(std::move(category));
    }
    void AddOffer(std::unique_ptr<COffer> offer) override { SetAside(std::move(offer)); }
    void AddShape(std::unique_ptr<CShape> shape) override { shapes.push_back(std::move(shape)); }

    std::vector<std::unique_ptr<CShape>> shapes;

private:
    void SetAside(std::unique_ptr<CRecord> record)
    {
        // Set aside records must not reach the document while they go.
        record->SetOwner(nullptr);
        m_setAside.push_back(std::move(record));
    }

    IRecordOwner* m_owner;
    const CEventSettings* m_settings;
    std::vector<std::unique_ptr<CRecord>> m_setAside;
};

bool CanOpenForReading(const fs::path& path)
{
    std::error_code ignored;
    if (!fs::is_regular_file(path, ignored))
        return false;
    std::ifstream file(path, std::ios::binary);
    return file.good();
}
} // namespace

fs::path CNewOrvDoc::NextHallDraftPath()
{
    const fs::path folder = m_folders.HallDraftsFolder();
    std::error_code ignored;
    for (int n = 0;; ++n)
    {
        fs::path path = folder / ("Sketch" + FormatInt(n) + ".xml");
        if (!fs::exists(path, ignored))
            return path;
    }
}

bool CNewOrvDoc::ExportHallDraft(const fs::path& path)
{
    if (path.empty())
        return false;
    const std::string text = CXmlDataWriter::HallDraftText(m_shapes);

    // The default folder is ours to create; a folder the user named must exist.
    std::error_code ignored;
    const fs::path draftsFolder = m_folders.HallDraftsFolder();
    if (path.parent_path() == draftsFolder && !fs::exists(draftsFolder, ignored) &&
        m_folders.MayCreate())
        fs::create_directories(draftsFolder, ignored);

    std::string error;
    if (WriteFileAtomic(path, text, &error))
        return true;
    Trace("CNewOrvDoc::ExportHallDraft", error);
    m_prompt.Ask(error, LoadString(IDS_SAVE_FAILED_CAPTION), EButtons::Ok);
    return false;
}

bool CNewOrvDoc::ImportHallDraft(const fs::path& path)
{
    if (path.empty())
        return false;
    if (!CanOpenForReading(path))
    {
        // Checked before anything goes: a wrong path must not cost the user the drawing.
        m_prompt.Ask(FormatText(LoadString(IDS_HALL_DRAFT_OPEN_FAILED_TEXT), {path.string()}),
                     LoadString(IDS_IMPORT_SHAPES_CAPTION), EButtons::Ok);
        return false;
    }

    CShapesSink sink(this, &m_eventSettings);
    std::string error;
    const bool complete = CXmlDataReader::ReadFile(path, sink, &error, ERecordFilter::ShapesOnly);
    Broadcast(HINT_SHAPES_REMOVING, nullptr);
    m_undo.CollectionChanging(ERecordClass::Shape);
    for (const auto& shape : m_shapes)
        m_undo.RecordChanging(*shape);
    m_shapes.clear();
    for (auto& shape : sink.shapes)
        m_shapes.push_back(std::move(shape));
    SetDataChanged(true);
    if (complete)
        return true;
    Trace("CNewOrvDoc::ImportHallDraft", path.string() + ": " + error);
    m_prompt.Ask(FormatText(LoadString(IDS_HALL_DRAFT_DAMAGED_TEXT), {path.string(), error}),
                 LoadString(IDS_IMPORT_SHAPES_CAPTION), EButtons::Ok);
    return false;
}
