#include "support/XmlReaderProbe.h"

#include "model/Shape.h"
#include "store/XmlDataReader.h"
#include "store/XmlDataSink.h"
#include "support/TempDir.h"

#include <memory>
#include <vector>

namespace
{
class CCountingSink : public IXmlDataSink
{
public:
    IRecordOwner* RecordOwner() override { return nullptr; }
    const CEventSettings* RecordSettings() override { return nullptr; }
    void AddGuest(std::unique_ptr<CGuest>) override {}
    void AddExpense(std::unique_ptr<CExpence>) override {}
    void AddTable(std::unique_ptr<CTable>) override {}
    void AddGroup(std::unique_ptr<CGroup>) override {}
    void AddMeeting(std::unique_ptr<CMeeting>) override {}
    void AddCategory(std::unique_ptr<CCategory>) override {}
    void AddOffer(std::unique_ptr<COffer>) override {}
    // The reader fills a record after handing it over: keep it.
    void AddShape(std::unique_ptr<CShape> shape) override { shapes.push_back(std::move(shape)); }

    std::vector<std::unique_ptr<CShape>> shapes;
};
} // namespace

bool XmlReaderAvailable()
{
    static const bool available = []
    {
        CTempDir folder;
        const auto path = folder / "probe.xml";
        WriteBytes(path, "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Shapes>\r\n"
                         "<Shape sType=\"1\">\r\n<spName><![CDATA[Bar]]></spName>\r\n"
                         "<sColor>255</sColor>\r\n<sClass><![CDATA[Bar]]></sClass>\r\n"
                         "<sLocX>1</sLocX>\r\n<sLocY>2</sLocY>\r\n<sSizeX>3</sSizeX>\r\n"
                         "<sSizeY>4</sSizeY>\r\n</Shape>\r\n\r\n</Shapes>\r\n");
        CCountingSink sink;
        return CXmlDataReader::ReadFile(path, sink, nullptr, ERecordFilter::ShapesOnly) &&
               sink.shapes.size() == 1;
    }();
    return available;
}
