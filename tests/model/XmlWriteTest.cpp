#include "ModelTestSupport.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/XmlText.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>

namespace
{
// Collects the joined character data of every element by name (last one wins), and whether the
// parse reported a fatal error.
class CCollector : public xercesc::DefaultHandler
{
public:
    void startElement(const XMLCh*, const XMLCh*, const XMLCh*, const xercesc::Attributes&) override
    {
        m_text.clear();
    }
    void endElement(const XMLCh*, const XMLCh* localname, const XMLCh*) override
    {
        values[Utf8(localname)] = m_text;
        m_text.clear();
    }
    void characters(const XMLCh* chars, const XMLSize_t length) override
    {
        m_text += Utf8(std::u16string(chars, chars + length).c_str());
    }
    void fatalError(const xercesc::SAXParseException&) override { failed = true; }

    static std::string Utf8(const XMLCh* text)
    {
        xercesc::TranscodeToStr utf8(text, "UTF-8");
        return reinterpret_cast<const char*>(utf8.str());
    }

    std::map<std::string, std::string> values;
    bool failed = false;

private:
    std::string m_text;
};

struct SParsed
{
    std::map<std::string, std::string> values;
    bool failed = false;
};

SParsed Parse(const std::string& xml)
{
    xercesc::XMLPlatformUtils::Initialize();
    SParsed result;
    {
        CCollector collector;
        {
            std::unique_ptr<xercesc::SAX2XMLReader> reader(
                xercesc::XMLReaderFactory::createXMLReader());
            reader->setContentHandler(&collector);
            reader->setErrorHandler(&collector);
            xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()),
                                              xml.size(), "test");
            reader->parse(source);
        }
        result.values = collector.values;
        result.failed = collector.failed;
    }
    xercesc::XMLPlatformUtils::Terminate();
    return result;
}
} // namespace

class XmlWriteTest : public CModelTest
{
};

TEST_F(XmlWriteTest, CdataKeepsEveryValueReadable)
{
    const std::string tricky = "a]]>b]]]>c]]>>]]";
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Root>\r\n";
    AppendCdataElement(xml, "Tricky", tricky);
    AppendCdataElement(xml, "Controls", std::string("x\x01y\x1Fz\tw\x7F", 8));
    AppendCdataElement(xml, "Broken", "ok\xFF\xD7");
    AppendTextElement(xml, "Plain", "1 < 2 & \"3\"");
    xml += "</Root>\r\n";

    const SParsed parsed = Parse(xml);
    ASSERT_FALSE(parsed.failed);
    EXPECT_EQ(parsed.values.at("Tricky"), tricky);
    EXPECT_EQ(parsed.values.at("Controls"), "xyz\tw\x7F");
    EXPECT_EQ(parsed.values.at("Broken"), "ok\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(parsed.values.at("Plain"), "1 < 2 & \"3\"");
}

TEST_F(XmlWriteTest, GuestElement)
{
    CGuest guest(nullptr, nullptr);
    guest.SetName("Dan");
    guest.SetFamilyName("Levi");
    guest.SetInfo("First line\r\nSecond line 100%");
    guest.SetTable(7);
    guest.SetKids(1);
    guest.SetChildSeat(true);
    guest.SetInvitationSent(true);
    guest.SetStatus(CGuest::kStatusApproved);
    guest.SetGiftDollars(12.5f);
    guest.SetGiftShekels(100.0f);
    guest.SetGiftDetails("Blue envelope");
    guest.SetGift("Cheque");
    guest.SetAddress("a]]>b");
    guest.SetPhone("03\x01-555");
    guest.SetMobile("050");
    guest.SetSmsCount(3);
    guest.SetGroupName("Friends");
    guest.SetRelation("Bride");
    guest.SetEmail("dan@example.com");
    guest.SetTransportation(2);
    guest.AddRestricted("Ruth Cohen", false);
    guest.AddRestricted("Avi", false);
    guest.SetArrivedCount(2);

    std::string out;
    guest.WriteXml(out);
    EXPECT_EQ(out, "<Guest>\r\n"
                   "<UniqueId>1001</UniqueId>\r\n"
                   "<Info><![CDATA[First line\r\nSecond line 100%]]></Info>\r\n"
                   "<TableOrder>7</TableOrder>\r\n"
                   "<NumOfKids>1</NumOfKids>\r\n"
                   "<KidSeat>1</KidSeat>\r\n"
                   "<Coming>2</Coming>\r\n"
                   "<Invited>2</Invited>\r\n"
                   "<InvNumber>1</InvNumber>\r\n"
                   "<InvSent>1</InvSent>\r\n"
                   "<ApproveStat>1</ApproveStat>\r\n"
                   "<DollarsGift>12.5</DollarsGift>\r\n"
                   "<SekelsGift>100.0</SekelsGift>\r\n"
                   "<GiftInfo><![CDATA[Blue envelope]]></GiftInfo>\r\n"
                   "<Gift><![CDATA[Cheque]]></Gift>\r\n"
                   "<Address><![CDATA[a]]]]><![CDATA[>b]]></Address>\r\n"
                   "<gPhone><![CDATA[03-555]]></gPhone>\r\n"
                   "<moPhone><![CDATA[050]]></moPhone>\r\n"
                   "<SmsCount>3</SmsCount>\r\n"
                   "<gGroup><![CDATA[Friends]]></gGroup>\r\n"
                   "<gRelation><![CDATA[Bride]]></gRelation>\r\n"
                   "<FamilyName><![CDATA[Levi]]></FamilyName>\r\n"
                   "<gsName><![CDATA[Dan]]></gsName>\r\n"
                   "<eMail><![CDATA[dan@example.com]]></eMail>\r\n"
                   "<Transportation>2</Transportation>\r\n"
                   "<Restrictions><Restricted><![CDATA[Ruth Cohen]]></Restricted>\r\n"
                   "<Restricted><![CDATA[Avi]]></Restricted>\r\n"
                   "</Restrictions>\r\n"
                   "<ThatCame>2</ThatCame>\r\n"
                   "</Guest>\r\n\r\n");

    const SParsed parsed = Parse("<Guests>" + out + "</Guests>");
    ASSERT_FALSE(parsed.failed);
    EXPECT_EQ(parsed.values.at("Address"), "a]]>b");
}

TEST_F(XmlWriteTest, NewGuestWritesItsStoredStatusAndNoRestrictions)
{
    CGuest guest(nullptr, nullptr);
    std::string out;
    guest.WriteXml(out);
    EXPECT_NE(out.find("<ApproveStat>3</ApproveStat>\r\n"), std::string::npos);
    EXPECT_NE(out.find("<Restrictions></Restrictions>\r\n<ThatCame>0</ThatCame>\r\n"),
              std::string::npos);
}

TEST_F(XmlWriteTest, ExpenseWithZeroOneAndThreePayments)
{
    CExpence expense(nullptr);
    expense.SetName("Hall");
    expense.SetInfo("deposit");
    expense.SetDollars(1000);
    expense.SetShekels(4000);
    expense.SetPayer("Groom");
    expense.SetCategory("Place");
    const std::string head = "<Expence>\r\n"
                             "<ExpName><![CDATA[Hall]]></ExpName>\r\n"
                             "<ExpInfo><![CDATA[deposit]]></ExpInfo>\r\n"
                             "<ExpDollar>1000</ExpDollar>\r\n"
                             "<ExpShekel>4000</ExpShekel>\r\n"
                             "<ExpPayer><![CDATA[Groom]]></ExpPayer>\r\n";

    std::string one;
    expense.WriteXml(one);
    EXPECT_EQ(one, head + "<ExpPaid>0</ExpPaid>\r\n"
                          "<ExpCat><![CDATA[Place]]></ExpCat>\r\n"
                          "<Payments>\r\n"
                          "<Payment>\r\n"
                          "<pDollar>1000</pDollar>\r\n"
                          "<pShekel>4000</pShekel>\r\n"
                          "<pPaid>0</pPaid>\r\n"
                          "<pDate>0.0.00</pDate>\r\n"
                          "<pInfo><![CDATA[]]></pInfo>\r\n"
                          "</Payment>\r\n"
                          "</Payments>\r\n"
                          "</Expence>\r\n\r\n");

    expense.ClearPayments();
    std::string none;
    expense.WriteXml(none);
    EXPECT_EQ(none, head + "<ExpPaid>0</ExpPaid>\r\n"
                           "<ExpCat><![CDATA[Place]]></ExpCat>\r\n"
                           "<Payments>\r\n"
                           "</Payments>\r\n"
                           "</Expence>\r\n\r\n");

    expense.SetPayment(0, 1600, 400, CPayment::kPaid, SDate(2005, 6, 5), "first");
    expense.SetPayment(1, 1600, 400, CPayment::kNotPaid, SDate(2005, 11, 20), "");
    expense.SetPayment(2, 800, 200, CPayment::kNotPaid, SDate(), "last");
    expense.RecomputePaidState();
    SetUiLanguage(ELanguage::Hebrew);
    std::string three;
    expense.WriteXml(three);
    EXPECT_EQ(three, head + "<ExpPaid>2</ExpPaid>\r\n"
                            "<ExpCat><![CDATA[Place]]></ExpCat>\r\n"
                            "<Payments>\r\n"
                            "<Payment>\r\n"
                            "<pDollar>400</pDollar>\r\n"
                            "<pShekel>1600</pShekel>\r\n"
                            "<pPaid>1</pPaid>\r\n"
                            "<pDate>05.06.2005</pDate>\r\n"
                            "<pInfo><![CDATA[first]]></pInfo>\r\n"
                            "</Payment>\r\n"
                            "<Payment>\r\n"
                            "<pDollar>400</pDollar>\r\n"
                            "<pShekel>1600</pShekel>\r\n"
                            "<pPaid>0</pPaid>\r\n"
                            "<pDate>20.11.2005</pDate>\r\n"
                            "<pInfo><![CDATA[]]></pInfo>\r\n"
                            "</Payment>\r\n"
                            "<Payment>\r\n"
                            "<pDollar>200</pDollar>\r\n"
                            "<pShekel>800</pShekel>\r\n"
                            "<pPaid>0</pPaid>\r\n"
                            "<pDate>0.0.00</pDate>\r\n"
                            "<pInfo><![CDATA[last]]></pInfo>\r\n"
                            "</Payment>\r\n"
                            "</Payments>\r\n"
                            "</Expence>\r\n\r\n");
}

TEST_F(XmlWriteTest, OtherRecordElements)
{
    std::string out;
    CTable table(nullptr, 1);
    table.SetName("Family");
    table.SetArea(SRect(10, 5, 60, 45));
    table.WriteXml(out);
    EXPECT_EQ(out, "<Table>\r\n<tName><![CDATA[Family]]></tName>\r\n<tSeats>10</tSeats>\r\n"
                   "<tNumHall>0</tNumHall>\r\n<tClass><![CDATA[Table]]></tClass>\r\n"
                   "<tCordX>10</tCordX>\r\n<tCordY>5</tCordY>\r\n<tWidth>50</tWidth>\r\n"
                   "<tHeight>40</tHeight>\r\n<tColor>14803425</tColor>\r\n<tdStyle>0</tdStyle>\r\n"
                   "</Table>\r\n\r\n");

    out.clear();
    COffer offer(nullptr);
    offer.SetName("DJ");
    offer.SetShekels(3000);
    offer.SetCategory("Music");
    offer.SetInCombination(1, true);
    offer.SetPerGuest(true);
    offer.WriteXml(out);
    EXPECT_EQ(out, "<Offer>\r\n<oName><![CDATA[DJ]]></oName>\r\n<oInfo><![CDATA[]]></oInfo>\r\n"
                   "<oShekel>3000</oShekel>\r\n<oCategory><![CDATA[Music]]></oCategory>\r\n"
                   "<oInOffer1>0</oInOffer1>\r\n<oInOffer2>1</oInOffer2>\r\n"
                   "<oInOffer3>0</oInOffer3>\r\n<oGuestForOffer>0</oGuestForOffer>\r\n"
                   "<oIsPerGuest>1</oIsPerGuest>\r\n</Offer>\r\n");

    out.clear();
    CMeeting meeting(nullptr);
    meeting.SetName("Caterer");
    meeting.SetContactAddress("Herzl 1");
    meeting.SetDate(SDate(2006, 8, 20));
    meeting.WriteXml(out);
    EXPECT_EQ(out,
              "<Meeting>\r\n<mName><![CDATA[Caterer]]></mName>\r\n<mInfo><![CDATA[]]></mInfo>\r\n"
              "<mContactJob><![CDATA[]]></mContactJob>\r\n"
              "<mContactAdd><![CDATA[Herzl 1]]></mContactAdd>\r\n"
              "<mContactPhone><![CDATA[]]></mContactPhone>\r\n"
              "<mContactName><![CDATA[]]></mContactName>\r\n<mYear>2006</mYear>\r\n"
              "<mMonth>8</mMonth>\r\n<mDay>20</mDay>\r\n</Meeting>\r\n\r\n");

    out.clear();
    CShape shape(nullptr, CShape::kShapeCircle, SRect::FromSize(50, 60, 100, 80));
    shape.SetName("Bar");
    shape.SetClass("Bar");
    shape.WriteXml(out);
    EXPECT_EQ(out, "<Shape sType=\"2\">\r\n<spName><![CDATA[Bar]]></spName>\r\n"
                   "<sColor>14803425</sColor>\r\n<sClass><![CDATA[Bar]]></sClass>\r\n"
                   "<sLocX>50</sLocX>\r\n<sLocY>60</sLocY>\r\n<sSizeX>100</sSizeX>\r\n"
                   "<sSizeY>80</sSizeY>\r\n</Shape>\r\n\r\n");

    out.clear();
    CGroup group(nullptr);
    group.SetName("Army");
    group.WriteXml(out);
    CCategory category(nullptr);
    category.SetName("Food");
    category.WriteXml(out);
    EXPECT_EQ(out, "<Group>\r\n<grName><![CDATA[Army]]></grName>\r\n</Group>\r\n\r\n"
                   "<Category>\r\n<cName><![CDATA[Food]]></cName>\r\n</Category>\r\n\r\n");
}
