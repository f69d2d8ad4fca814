#include "store/XmlDataReader.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/FakeOwner.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/ModelTestSupport.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "store/XmlDataSink.h"
#include "store/XmlDataWriter.h"
#include "support/FifoWatchdog.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
// Owns what it is given and numbers the tables by their position, as the document does.
class CTestSink : public IXmlDataSink
{
public:
    IRecordOwner* RecordOwner() override { return owner; }
    const CEventSettings* RecordSettings() override { return nullptr; }
    void AddGuest(std::unique_ptr<CGuest> guest) override { guests.push_back(std::move(guest)); }
    void AddExpense(std::unique_ptr<CExpence> expense) override
    {
        expenses.push_back(std::move(expense));
    }
    void AddTable(std::unique_ptr<CTable> table) override
    {
        table->SetIndex(static_cast<int>(tables.size()));
        tables.push_back(std::move(table));
    }
    void AddGroup(std::unique_ptr<CGroup> group) override { groups.push_back(std::move(group)); }
    void AddMeeting(std::unique_ptr<CMeeting> meeting) override
    {
        meetings.push_back(std::move(meeting));
    }
    void AddCategory(std::unique_ptr<CCategory> category) override
    {
        categories.push_back(std::move(category));
    }
    void AddOffer(std::unique_ptr<COffer> offer) override { offers.push_back(std::move(offer)); }
    void AddShape(std::unique_ptr<CShape> shape) override { shapes.push_back(std::move(shape)); }
    void Complete() override { ++completeCalls; }

    std::size_t RecordCount() const
    {
        return guests.size() + expenses.size() + tables.size() + groups.size() + meetings.size() +
               categories.size() + offers.size() + shapes.size();
    }

    IRecordOwner* owner = nullptr;
    int completeCalls = 0;
    std::vector<std::unique_ptr<CGuest>> guests;
    std::vector<std::unique_ptr<CExpence>> expenses;
    std::vector<std::unique_ptr<CTable>> tables;
    std::vector<std::unique_ptr<CGroup>> groups;
    std::vector<std::unique_ptr<CMeeting>> meetings;
    std::vector<std::unique_ptr<CCategory>> categories;
    std::vector<std::unique_ptr<COffer>> offers;
    std::vector<std::unique_ptr<CShape>> shapes;
};

const char kPrologue[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

// The data file of the records, as the document's save writes it.
std::string WriteDataFile(const CTestSink& records)
{
    return CXmlDataWriter::DataFileText({records.guests, records.expenses, records.tables,
                                         records.groups, records.meetings, records.categories,
                                         records.offers, records.shapes});
}

// A data file with the given body inside <WeddingData>.
std::string DataFile(const std::string& body)
{
    return std::string(kPrologue) + "<WeddingData>\r\n" + body + "</WeddingData>\r\n";
}

// A record's element of the data file holds every stored field: equal elements, equal records.
template <class T>
std::string Xml(const T& record)
{
    std::string out;
    CXmlDataWriter::AppendRecord(out, record);
    return out;
}

template <class T>
void ExpectSameRecords(const std::vector<std::unique_ptr<T>>& read,
                       const std::vector<std::unique_ptr<T>>& written)
{
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(Xml(*read[i]), Xml(*written[i]));
}

// Every record kind with every field set, in values that test the file's edges.
void BuildEvent(CTestSink& event)
{
    const std::string hebrew = "\xD7\x93\xD7\xA0\xD7\x99 \xD7\x9C\xD7\x95\xD7\x99"; // Dani Levi
    // CDATA ends to split, markup, an emoji and a closing "]]" right before the section's end.
    const std::string tricky = "a]]>b]]]>c]]>> 100% <&> \xF0\x9F\x8E\x89]]";

    auto guest = std::make_unique<CGuest>(nullptr, nullptr);
    guest->SetName("Dan");
    guest->SetFamilyName(hebrew);
    guest->SetInfo("First line\r\nSecond line\r\n\r\nfourth, " + tricky);
    guest->SetTable(7);
    guest->SetKids(2);
    guest->SetChildSeat(true);
    guest->SetComingCount(4);
    guest->SetInvitedCount(5);
    guest->SetInvitations(3);
    guest->SetInvitationSent(true);
    guest->SetStatus(CGuest::kStatusNotComing);
    guest->SetGiftDollars(12.5f);
    guest->SetGiftShekels(360.0f);
    guest->SetGiftDetails("Blue envelope");
    guest->SetGift("Cheque");
    guest->SetAddress("Herzl 1\r\nTel Aviv");
    guest->SetPhone("03-555");
    guest->SetMobile("050-1");
    guest->SetSmsCount(4);
    guest->SetGroupName("Friends");
    guest->SetRelation("Bride");
    guest->SetEmail("dan@example.com");
    guest->SetTransportation(2);
    guest->SetSeatLocked(true);
    guest->AddRestricted("Ruth Cohen", false);
    guest->AddRestricted(hebrew, false);
    guest->SetArrivedCount(3);
    event.guests.push_back(std::move(guest));

    auto plain = std::make_unique<CGuest>(nullptr, nullptr);
    plain->SetName("Avi");
    plain->SetStatus(CGuest::kStatusApproved);
    event.guests.push_back(std::move(plain));

    auto none = std::make_unique<CExpence>(nullptr);
    none->SetName("Flowers");
    none->ClearPayments();
    none->SetDollars(10);
    none->SetPayer("");
    event.expenses.push_back(std::move(none));

    // One payment whose amounts differ from the whole: the read must not copy one onto the other.
    auto one = std::make_unique<CExpence>(nullptr);
    one->SetName("Hall");
    one->SetInfo("deposit\r\nbalance " + tricky);
    one->SetDollars(1000);
    one->SetShekels(4000);
    one->SetPayment(0, 1600, 400, CPayment::kPaid, SDate(2024, 3, 5), "first\r\ncheque");
    one->CPayment::SetPaidState(CPayment::kPartlyPaid);
    one->CPayment::SetDate(SDate(2024, 3, 5));
    one->SetPayer("Groom");
    one->SetCategory("Place");
    event.expenses.push_back(std::move(one));

    auto three = std::make_unique<CExpence>(nullptr);
    three->SetName("Band");
    three->SetDollars(900);
    three->SetShekels(3600);
    three->SetPayment(0, 1200, 300, CPayment::kPaid, SDate(2024, 11, 20), "");
    three->SetPayment(1, 1200, 300, CPayment::kNotPaid, SDate(), hebrew);
    three->SetPayment(2, 1200, 300, CPayment::kNotPaid, SDate(2025, 1, 2), "last");
    three->RecomputePaidState();
    three->CPayment::SetDate(SDate(2024, 11, 20));
    event.expenses.push_back(std::move(three));

    auto table = std::make_unique<CTable>(nullptr, 0);
    table->SetName("Family " + hebrew);
    table->SetSeats(12);
    table->SetHallNumber(2);
    table->SetShapeClass("Round");
    table->SetArea(SRect(10, 5, 60, 45));
    table->SetColour(0x00FF00);
    table->SetDrawStyle(1);
    event.tables.push_back(std::move(table));
    auto left = std::make_unique<CTable>(nullptr, 1);
    left->SetName("Far left");
    left->SetArea(SRect::FromSize(-40, -3, 30, 30));
    event.tables.push_back(std::move(left));

    auto group = std::make_unique<CGroup>(nullptr);
    group->SetName("Army");
    event.groups.push_back(std::move(group));

    auto meeting = std::make_unique<CMeeting>(nullptr);
    meeting->SetName("Caterer");
    meeting->SetInfo("Menu\r\nTasting " + tricky);
    meeting->SetContactJob("Chef");
    meeting->SetContactAddress("Herzl 1\r\nHaifa");
    meeting->SetContactPhone("04-1");
    meeting->SetContactName(hebrew);
    meeting->SetDate(SDate(2024, 8, 20));
    meeting->SetCalendarUid("2f0c1d3e-77aa-4b1c-9e0f-5a6b7c8d9e0f@velloran");
    event.meetings.push_back(std::move(meeting));
    auto photographer = std::make_unique<CMeeting>(nullptr);
    photographer->SetName("Photographer");
    event.meetings.push_back(std::move(photographer));

    auto category = std::make_unique<CCategory>(nullptr);
    category->SetName("Music");
    event.categories.push_back(std::move(category));

    for (int combination = 0; combination < 8; ++combination)
    {
        auto offer = std::make_unique<COffer>(nullptr);
        offer->SetName("DJ " + FormatInt(combination));
        offer->SetInfo(combination == 0 ? "two\r\nlines " + tricky : "");
        offer->SetShekels(3000 + combination);
        offer->SetCategory("Music");
        for (int i = 0; i < COffer::kCombinationCount; ++i)
            offer->SetInCombination(i, (combination >> i) & 1);
        offer->SetPerGuest(combination % 2 == 1);
        offer->SetGuestsForOffer(combination * 10);
        event.offers.push_back(std::move(offer));
    }

    auto dance =
        std::make_unique<CShape>(nullptr, CShape::kShapeCircle, SRect::FromSize(-40, -15, 100, 80));
    dance->SetName("Dance\r\nfloor " + hebrew);
    dance->SetClass("Dancing area");
    dance->SetColour(0x123456);
    event.shapes.push_back(std::move(dance));
    event.shapes.push_back(
        std::make_unique<CShape>(nullptr, CShape::kShapeSpeaker, SRect::FromSize(0, 0, 50, 50)));
    // A type this program does not know (a newer program's shape) with every field set.
    auto stage = std::make_unique<CShape>(nullptr, 9, SRect::FromSize(300, 20, 120, 40));
    stage->SetName("Stage");
    stage->SetClass("Stage");
    stage->SetColour(0x0000FF);
    event.shapes.push_back(std::move(stage));
}

class XmlDataReaderTest : public CModelTest
{
protected:
    bool Read(const std::string& bytes, ERecordFilter filter = ERecordFilter::All)
    {
        m_error = "untouched";
        return CXmlDataReader::ReadText(bytes, m_sink, &m_error, filter);
    }

    CTestSink m_sink;
    std::string m_error;
};
} // namespace

TEST_F(XmlDataReaderTest, RoundTripKeepsEveryFieldOfEveryRecord)
{
    for (ELanguage language : {ELanguage::English, ELanguage::Hebrew})
    {
        SCOPED_TRACE(language == ELanguage::English ? "English" : "Hebrew");
        SetUiLanguage(language);
        CTestSink written;
        BuildEvent(written);
        CFakeOwner owner;
        CTestSink read;
        read.owner = &owner;
        std::string error;
        ASSERT_TRUE(CXmlDataReader::ReadText(WriteDataFile(written), read, &error)) << error;
        EXPECT_EQ(error, "");
        EXPECT_EQ(read.completeCalls, 1);

        ExpectSameRecords(read.guests, written.guests);
        ExpectSameRecords(read.expenses, written.expenses);
        ExpectSameRecords(read.tables, written.tables);
        ExpectSameRecords(read.groups, written.groups);
        ExpectSameRecords(read.meetings, written.meetings);
        ExpectSameRecords(read.categories, written.categories);
        ExpectSameRecords(read.offers, written.offers);
        ExpectSameRecords(read.shapes, written.shapes);
        ASSERT_EQ(read.RecordCount(), written.RecordCount());

        // What the elements do not show.
        EXPECT_EQ(read.guests[0]->GetInfo(), written.guests[0]->GetInfo());
        EXPECT_TRUE(read.guests[0]->IsArrived());
        EXPECT_FALSE(read.guests[1]->IsArrived());
        EXPECT_TRUE(read.guests[0]->IsSeatLocked());
        EXPECT_FALSE(read.guests[1]->IsSeatLocked());
        for (std::size_t i = 0; i < read.expenses.size(); ++i)
            EXPECT_EQ(read.expenses[i]->GetDate(), written.expenses[i]->GetDate());
        for (const auto& offer : read.offers)
            EXPECT_EQ(offer->GetPaymentCount(), 0);
        EXPECT_EQ(read.meetings[0]->GetCalendarUid(), written.meetings[0]->GetCalendarUid());
        EXPECT_EQ(read.meetings[1]->GetCalendarUid(), "");
        EXPECT_EQ(read.shapes[0]->GetOriginalRect(), written.shapes[0]->GetRect());
        EXPECT_EQ(read.tables[1]->GetId(), 1);

        // Filled detached (no broadcast of the guest's table), then given back to the owner
        // with the flags cleared; groups stay modified.
        EXPECT_TRUE(owner.broadcasts.empty());
        EXPECT_EQ(read.guests[0]->GetOwner(), &owner);
        EXPECT_EQ(read.shapes[0]->GetOwner(), &owner);
        EXPECT_FALSE(read.guests[0]->IsModified());
        EXPECT_FALSE(read.guests[0]->IsNew());
        EXPECT_FALSE(read.expenses[2]->IsModified());
        EXPECT_FALSE(read.offers[3]->IsModified());
        EXPECT_FALSE(read.meetings[0]->IsModified());
        EXPECT_FALSE(read.tables[1]->IsModified());
        EXPECT_TRUE(read.groups[0]->IsModified());
    }
}

TEST_F(XmlDataReaderTest, CharactersTheWriterFiltersStayOut)
{
    CTestSink written;
    auto guest = std::make_unique<CGuest>(nullptr, nullptr);
    guest->SetName(std::string("A\x01v\x1Fi", 5));
    guest->SetFamilyName("ok\xFF\xD7");
    guest->SetInfo("tab\tand\x7F");
    written.guests.push_back(std::move(guest));
    ASSERT_TRUE(Read(WriteDataFile(written))) << m_error;
    ASSERT_EQ(m_sink.guests.size(), 1u);
    EXPECT_EQ(m_sink.guests[0]->GetName(), "Avi");
    EXPECT_EQ(m_sink.guests[0]->GetFamilyName(), "ok\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(m_sink.guests[0]->GetInfo(), "tab\tand\x7F");
}

TEST_F(XmlDataReaderTest, ReadingRules)
{
    ASSERT_TRUE(Read(DataFile("<Guests>\r\n<GUEST>\r\n"
                              "<uniqueid>-5</uniqueid>\r\n"
                              "<NumOfKids> 2 </NumOfKids>\r\n"
                              "<Coming>   </Coming>\r\n"
                              "<Invited>1 2</Invited>\r\n"
                              "<Transportation>+3</Transportation>\r\n"
                              "<InvNumber></InvNumber>\r\n"
                              "<ApproveStat>3</ApproveStat>\r\n"
                              "<KidSeat>yes</KidSeat>\r\n"
                              "<InvSent> 1 </InvSent>\r\n"
                              "<DollarsGift>-0.5</DollarsGift>\r\n"
                              "<SekelsGift>12.5abc</SekelsGift>\r\n"
                              "<Info>  a&amp;b<![CDATA[ c\r\nd ]]>\r\n</Info>\r\n"
                              "<gRelation/>\r\n"
                              "<Restrictions><Restricted>Ruth</Restricted><Restricted>Ruth"
                              "</Restricted><Restricted> </Restricted>"
                              "<Restricted>Avi</Restricted></Restrictions>\r\n"
                              "<ThatCame>0</ThatCame>\r\n"
                              "</GUEST>\r\n</Guests>\r\n"
                              "<Tables><Table><tCordX>-30</tCordX><tCordY>- 4</tCordY>"
                              "<tWidth>20</tWidth><tHeight>-</tHeight><tSeats>-8</tSeats>"
                              "<tClass/></Table></Tables>\r\n"
                              "<Expences><Expence><ExpPayer></ExpPayer></Expence>"
                              "<Expence><ExpPayer><![CDATA[]]></ExpPayer></Expence></Expences>")))
        << m_error;
    EXPECT_EQ(m_error, "");
    ASSERT_EQ(m_sink.guests.size(), 1u);
    const CGuest& guest = *m_sink.guests[0];
    EXPECT_EQ(guest.GetUniqueId(), -1);
    EXPECT_EQ(guest.GetKids(), 2);
    EXPECT_EQ(guest.GetComingCount(), 0);  // empty after trimming
    EXPECT_EQ(guest.GetInvitedCount(), 0); // not a number: -1, and a count is never negative
    EXPECT_EQ(guest.GetTransportation(), -1);
    EXPECT_EQ(guest.GetInvitations(), 1); // no data: unchanged
    EXPECT_EQ(guest.GetStatus(), CGuest::kStatusUnknown);
    EXPECT_FALSE(guest.GetChildSeat());
    EXPECT_TRUE(guest.GetInvitationSent());
    EXPECT_EQ(guest.GetGiftDollars(), -0.5f);
    EXPECT_EQ(guest.GetGiftShekels(), 12.5f);
    EXPECT_EQ(guest.GetInfo(), "a&b c\r\nd");
    EXPECT_EQ(guest.GetRelation(), "");
    EXPECT_EQ(guest.GetRestrictedList(), (std::vector<std::string>{"Ruth", "Avi"}));
    EXPECT_FALSE(guest.IsArrived());

    ASSERT_EQ(m_sink.tables.size(), 1u);
    // Only the geometry takes a sign.
    EXPECT_EQ(m_sink.tables[0]->GetArea(), SRect(-30, -1, -10, -2));
    EXPECT_EQ(m_sink.tables[0]->GetSeats(), 0);
    EXPECT_EQ(m_sink.tables[0]->GetShapeClass(), CTable::kDefaultShapeClass);

    // An element without character data leaves the new expense's payer; an empty CDATA empties it.
    ASSERT_EQ(m_sink.expenses.size(), 2u);
    EXPECT_NE(m_sink.expenses[0]->GetPayer(), "");
    EXPECT_EQ(m_sink.expenses[1]->GetPayer(), "");
    EXPECT_EQ(m_sink.expenses[0]->GetPaymentCount(), 0);
}

TEST_F(XmlDataReaderTest, RecordElementsAreFoundWhereverTheyStand)
{
    ASSERT_TRUE(Read(DataFile("<Extra><Wrapper a=\"1\"><Guest><gsName>Inner</gsName>"
                              "<Unknown><FamilyName>Deep</FamilyName></Unknown></Guest>"
                              "</Wrapper></Extra>"
                              // A record inside a record ends the outer one.
                              "<Group><grName>G</grName><Category><cName>C</cName></Category>"
                              "<grName>late</grName></Group>"
                              // Fields of another kind are not read.
                              "<Table><grName>x</grName><tName>T</tName></Table>"
                              // Every shape is kept, with its type as read.
                              "<Shape sType=\"9\"><spName>odd</spName></Shape>"
                              "<Shape><spName>none</spName></Shape>"
                              "<Shape STYPE=\" 3 \"><spName>speaker</spName></Shape>"
                              "<Shape sType=\"round\"><spName>word</spName></Shape>"
                              "<Offer><Payment><pDollar>5</pDollar></Payment></Offer>")))
        << m_error;
    ASSERT_EQ(m_sink.guests.size(), 1u);
    EXPECT_EQ(m_sink.guests[0]->GetName(), "Inner");
    EXPECT_EQ(m_sink.guests[0]->GetFamilyName(), "Deep");
    ASSERT_EQ(m_sink.groups.size(), 1u);
    EXPECT_EQ(m_sink.groups[0]->GetName(), "G");
    ASSERT_EQ(m_sink.categories.size(), 1u);
    ASSERT_EQ(m_sink.tables.size(), 1u);
    EXPECT_EQ(m_sink.tables[0]->GetName(), "T");
    ASSERT_EQ(m_sink.shapes.size(), 4u);
    const std::pair<int, const char*> shapes[] = {
        {9, "odd"}, {CShape::kShapeNone, "none"}, {CShape::kShapeSpeaker, "speaker"}, {-1, "word"}};
    for (std::size_t i = 0; i < m_sink.shapes.size(); ++i)
    {
        EXPECT_EQ(m_sink.shapes[i]->GetType(), shapes[i].first);
        EXPECT_EQ(m_sink.shapes[i]->GetName(), shapes[i].second);
    }
    ASSERT_EQ(m_sink.offers.size(), 1u);
    EXPECT_EQ(m_sink.offers[0]->GetPaymentCount(), 0);
}

TEST_F(XmlDataReaderTest, ShapesOnlyReadsAHallDraft)
{
    CTestSink written;
    BuildEvent(written);
    ASSERT_TRUE(Read(WriteDataFile(written), ERecordFilter::ShapesOnly)) << m_error;
    EXPECT_EQ(m_sink.RecordCount(), written.shapes.size());
    ExpectSameRecords(m_sink.shapes, written.shapes);

    // The hall draft file: the shape list alone after the prologue.
    CTestSink sink;
    ASSERT_TRUE(CXmlDataReader::ReadText(CXmlDataWriter::HallDraftText(written.shapes), sink,
                                         nullptr, ERecordFilter::ShapesOnly));
    ExpectSameRecords(sink.shapes, written.shapes);
}

TEST_F(XmlDataReaderTest, DamagedFileKeepsTheRecordsBeforeTheDamage)
{
    CTestSink written;
    BuildEvent(written);
    const std::string full = WriteDataFile(written);

    // Cut inside the second guest's first name.
    const std::size_t name = full.find("<gsName><![CDATA[Avi");
    ASSERT_NE(name, std::string::npos);
    EXPECT_FALSE(Read(full.substr(0, name + 19)));
    EXPECT_NE(m_error.find("line "), std::string::npos) << m_error;
    EXPECT_EQ(m_sink.completeCalls, 1);
    ASSERT_EQ(m_sink.guests.size(), 2u);
    EXPECT_EQ(Xml(*m_sink.guests[0]), Xml(*written.guests[0]));
    EXPECT_EQ(m_sink.guests[1]->GetStatus(), CGuest::kStatusApproved);
    EXPECT_EQ(m_sink.guests[1]->GetName(), ""); // its field was cut off
    EXPECT_FALSE(m_sink.guests[1]->IsModified());

    // A mismatched end tag: the guests before it are whole, the read reports failure.
    CTestSink sink;
    std::string error;
    const std::string broken = DataFile("<Guests>\r\n<Guest><gsName>A</gsName></Guest>\r\n"
                                        "<Guest><gsName>B</gsNam></Guest>\r\n"
                                        "<Guest><gsName>C</gsName></Guest>\r\n</Guests>\r\n");
    EXPECT_FALSE(CXmlDataReader::ReadText(broken, sink, &error));
    EXPECT_NE(error.find("line 5"), std::string::npos) << error;
    ASSERT_GE(sink.guests.size(), 2u);
    EXPECT_EQ(sink.guests[0]->GetName(), "A");
    EXPECT_EQ(sink.completeCalls, 1);

    EXPECT_FALSE(Read("not xml at all"));
    EXPECT_FALSE(Read(""));
}

TEST_F(XmlDataReaderTest, ReadFileReportsAMissingFile)
{
    std::string error;
    EXPECT_FALSE(CXmlDataReader::ReadFile(m_folder / "WeddingData.xml", m_sink, &error));
    EXPECT_NE(error, "");
    EXPECT_EQ(m_sink.completeCalls, 1);

    const auto path = WriteFile("WeddingData.xml", DataFile("<Groups><Group><grName>Army"
                                                            "</grName></Group></Groups>"));
    EXPECT_TRUE(CXmlDataReader::ReadFile(path, m_sink, &error)) << error;
    EXPECT_EQ(error, "");
    ASSERT_EQ(m_sink.groups.size(), 1u);
}

TEST_F(XmlDataReaderTest, DocumentTypeDeclarationsAreRefusedBeforeTheyAreRead)
{
    const std::string secret = "TOP-SECRET-4711";
    const std::string secretPath = WriteFile("secret.txt", secret).string();
    WriteFile("secret.dtd", "<!ENTITY leak SYSTEM \"file://" + secretPath + "\">");
    const std::string guest = "<Guests><Guest><gsName>&leak;</gsName><Info>&lol9;</Info>"
                              "</Guest></Guests>";
    std::string laughs = "<!ENTITY lol \"lol\">";
    for (int i = 1; i <= 9; ++i)
    {
        const std::string previous = i == 1 ? "&lol;" : "&lol" + FormatInt(i - 1) + ";";
        std::string ten;
        for (int j = 0; j < 10; ++j)
            ten += previous;
        laughs += "<!ENTITY lol" + FormatInt(i) + " \"" + ten + "\">";
    }
    const std::string declarations[] = {
        "<!DOCTYPE WeddingData [" + laughs + "]>",
        "<!DOCTYPE WeddingData [<!ENTITY leak SYSTEM \"file://" + secretPath + "\">]>",
        "<!DOCTYPE WeddingData SYSTEM \"file://" + (m_folder / "secret.dtd").string() + "\">",
        "<!DOCTYPE WeddingData [<!ENTITY % p SYSTEM \"file://" + secretPath + "\">%p;]>",
        "<!DOCTYPE WeddingData>",
    };

    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (const std::string& declaration : declarations)
    {
        SCOPED_TRACE(declaration.substr(0, 60));
        CTestSink sink;
        std::string error;
        EXPECT_FALSE(CXmlDataReader::ReadText(std::string(kPrologue) + declaration + "\r\n" +
                                                  "<WeddingData>" + guest + "</WeddingData>",
                                              sink, &error));
        EXPECT_NE(error.find("line 2: the file declares a document type"), std::string::npos)
            << error;
        EXPECT_EQ(sink.RecordCount(), 0u);
        EXPECT_EQ(sink.completeCalls, 1);
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024); // KiB

    // Whatever the encoding.
    const std::string ascii = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><!DOCTYPE a><a/>";
    std::string utf16 = "\xFF\xFE";
    for (char c : ascii)
    {
        utf16 += c;
        utf16 += '\0';
    }
    EXPECT_FALSE(Read(utf16));
    EXPECT_NE(m_error.find("document type"), std::string::npos) << m_error;

    // Without a declaration an entity reference is simply an error, and nothing is fetched
    // for a schema hint either (the resolver would fail the read).
    EXPECT_FALSE(Read(DataFile(guest)));
    EXPECT_TRUE(Read(DataFile("<Guests xsi:noNamespaceSchemaLocation=\"file://" + secretPath +
                              "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
                              "<Guest><Info><![CDATA[<!DOCTYPE x>]]></Info></Guest></Guests>")))
        << m_error;
    ASSERT_FALSE(m_sink.guests.empty());
    EXPECT_EQ(m_sink.guests.back()->GetInfo(), "<!DOCTYPE x>");
    for (const auto& read : m_sink.guests)
        EXPECT_EQ(read->GetName().find(secret), std::string::npos);
}

TEST_F(XmlDataReaderTest, LimitsKeepMemoryBounded)
{
    // A text over the limit is cut, and the read says so (a cut value is damage the next save
    // must not make final); the records after it are read all the same.
    const std::string longText(CXmlDataReader::kMaxFieldChars + 1000, 'x');
    EXPECT_FALSE(Read(DataFile("<Guest><Info>" + longText +
                               "</Info></Guest>"
                               "<Guest><gsName>Dan</gsName></Guest>")));
    EXPECT_NE(m_error.find("was cut"), std::string::npos) << m_error;
    ASSERT_EQ(m_sink.guests.size(), 2u);
    EXPECT_EQ(m_sink.guests[0]->GetInfo().size(), CXmlDataReader::kMaxFieldChars);
    EXPECT_EQ(m_sink.guests[1]->GetName(), "Dan");
    // A text right at the limit is whole.
    EXPECT_TRUE(Read(DataFile("<Guest><Info>" + longText.substr(1000) + "</Info></Guest>")))
        << m_error;

    // The limit cuts between two code units of one character: no broken UTF-8 comes out.
    std::string emoji(CXmlDataReader::kMaxFieldChars - 1, 'y');
    emoji += "\xF0\x9F\x8E\x89";
    EXPECT_FALSE(Read(DataFile("<Guest><Info>" + emoji + "</Info></Guest>")));
    EXPECT_EQ(m_sink.guests[3]->GetInfo().substr(CXmlDataReader::kMaxFieldChars - 1),
              "\xEF\xBF\xBD");

    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    EXPECT_FALSE(Read(DataFile(deep)));
    EXPECT_NE(m_error.find("nested too deeply"), std::string::npos) << m_error;

    std::string names;
    for (int i = 0; i < 20000; ++i)
        names += "<n" + FormatInt(i) + "/>";
    EXPECT_FALSE(Read(DataFile(names)));
    EXPECT_NE(m_error.find("element names"), std::string::npos) << m_error;
}

TEST_F(XmlDataReaderTest, ValuesTheReaderBoundsMakeADamagedRead)
{
    // Each of these is read as the nearest value the program keeps, and said: a save would
    // otherwise replace the stored value without a word.
    const std::pair<const char*, const char*> cases[] = {
        {"<Table><tCordX>2000000</tCordX></Table>", "hall plan"},
        {"<Shape sType=\"1\"><sLocY>-1000001</sLocY></Shape>", "hall plan"},
        {"<Guest><DollarsGift>1e300</DollarsGift></Guest>", "amount"},
        {"<Expence><Payments><Payment><pDollar>1</pDollar></Payment></Payments></Expence>"
         "<Guest><SekelsGift>-1e39</SekelsGift></Guest>",
         "amount"},
    };
    for (const auto& [body, reason] : cases)
    {
        SCOPED_TRACE(body);
        EXPECT_FALSE(Read(DataFile(body)));
        EXPECT_NE(m_error.find(reason), std::string::npos) << m_error;
    }
    EXPECT_EQ(m_sink.tables.back()->GetArea().left, 1000000);
    EXPECT_EQ(m_sink.guests.back()->GetGiftShekels(), 0.0f);
}

TEST_F(XmlDataReaderTest, NegativeCountsReadAsZero)
{
    ASSERT_TRUE(Read(DataFile("<Guest><NumOfKids>-2</NumOfKids><Coming>-3</Coming>"
                              "<Invited>-1</Invited><InvNumber>-4</InvNumber>"
                              "<SmsCount>-1</SmsCount><ThatCame>-2</ThatCame></Guest>"
                              "<Guest><NumOfKids>40000</NumOfKids><SmsCount>70000</SmsCount>"
                              "</Guest>"
                              "<Table><tSeats>-8</tSeats></Table>"
                              "<Offer><oGuestForOffer>-5</oGuestForOffer></Offer>")))
        << m_error;
    const CGuest& guest = *m_sink.guests[0];
    EXPECT_EQ(guest.GetKids(), 0);
    EXPECT_EQ(guest.GetComingCount(), 0);
    EXPECT_EQ(guest.GetInvitedCount(), 0);
    EXPECT_EQ(guest.GetInvitations(), 0);
    EXPECT_EQ(guest.GetSmsCount(), 0);
    EXPECT_EQ(guest.GetArrivedCount(), 0);
    EXPECT_FALSE(guest.IsArrived());
    // Beyond what the field holds: not a wrapped-around negative number either.
    EXPECT_EQ(m_sink.guests[1]->GetKids(), 0);
    EXPECT_EQ(m_sink.guests[1]->GetSmsCount(), 0);
    EXPECT_EQ(m_sink.tables[0]->GetSeats(), 0);
    EXPECT_EQ(m_sink.offers[0]->GetGuestsForOffer(), 0);
}

TEST_F(XmlDataReaderTest, AFileThatIsNoRegularFileIsNeverWaitedOn)
{
    const std::filesystem::path fifo =
        std::filesystem::temp_directory_path() / ("velloran-fifo-" + FormatInt(::getpid()));
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    {
        CFifoWatchdog watchdog(fifo);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(CXmlDataReader::ReadFile(fifo, m_sink, &m_error));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    }
    EXPECT_NE(m_error.find("not a regular file"), std::string::npos) << m_error;
    std::filesystem::remove(fifo);
}

TEST_F(XmlDataReaderTest, WhatTheWriterMayWriteIsWhatTheReaderReads)
{
    std::string reason;
    const std::string small = DataFile("<Guest><Info><![CDATA[a]]></Info></Guest>");
    EXPECT_TRUE(CXmlDataReader::IsReadable(small, 1, &reason)) << reason;
    EXPECT_FALSE(CXmlDataReader::IsReadable(small, CXmlDataReader::kMaxRecords + 1, &reason));
    EXPECT_NE(reason.find("records"), std::string::npos) << reason;

    // A text as long as the reader takes, split by the writer around "]]>", is one value.
    const std::string half(CXmlDataReader::kMaxFieldChars / 2, 'x');
    const std::string atLimit = DataFile("<Guest><Info><![CDATA[" + half + "]]]]><![CDATA[>" +
                                         half.substr(3) + "]]></Info></Guest>");
    EXPECT_TRUE(CXmlDataReader::IsReadable(atLimit, 1, &reason)) << reason;
    EXPECT_TRUE(Read(atLimit)) << m_error;
    const std::string overLimit =
        DataFile("<Guest><Info><![CDATA[" + half + "]]]]><![CDATA[>" + half + "]]></Info></Guest>");
    EXPECT_FALSE(CXmlDataReader::IsReadable(overLimit, 1, &reason));
    EXPECT_NE(reason.find("characters"), std::string::npos) << reason;
    EXPECT_FALSE(Read(overLimit));
    // Hebrew letters are one character each, whatever their bytes.
    std::string hebrew;
    for (std::size_t i = 0; i < CXmlDataReader::kMaxFieldChars; ++i)
        hebrew += "\xD7\x90";
    EXPECT_TRUE(CXmlDataReader::IsReadable(
        DataFile("<Guest><Info><![CDATA[" + hebrew + "]]></Info></Guest>"), 1, &reason))
        << reason;

    const std::string huge(CXmlDataReader::kMaxFileBytes + 1, ' ');
    EXPECT_FALSE(CXmlDataReader::IsReadable(huge, 0, &reason));
    EXPECT_NE(reason.find("MB"), std::string::npos) << reason;
}
