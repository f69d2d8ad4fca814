// The golden conversions compare whole data files byte for byte; these cases cover what their
// events do not hold: restrictions, values that need splitting or filtering, a new guest, and
// expenses with no payment and with three. The tables both the writer and the reader work from
// are checked for what the reader relies on.

#include "store/XmlDataWriter.h"

#include "model/Expence.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/ModelTestSupport.h"
#include "store/XmlDataNames.h"

#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace
{
class XmlDataWriterTest : public CModelTest
{
};

std::string LowerCase(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Adds the kind's element names to names, failing on one met before; checks that every field
// has the accessors its form needs.
template <class R>
void CheckKind(const SXmlRecordNames<R>& kind, std::set<std::string>& names)
{
    SCOPED_TRACE(std::string(kind.record));
    const auto add = [&](std::string_view name)
    {
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(LowerCase(name)).second) << name << " means two things";
    };
    add(kind.collection);
    add(kind.record);
    for (const SXmlField<R>& field : kind)
    {
        SCOPED_TRACE(std::string(field.element));
        add(field.element);
        switch (field.form)
        {
        case EXmlForm::Integer:
        case EXmlForm::Coordinate:
            EXPECT_TRUE(field.getInteger != nullptr && field.setInteger != nullptr);
            break;
        case EXmlForm::Flag:
            EXPECT_TRUE(field.getFlag != nullptr && field.setFlag != nullptr);
            break;
        case EXmlForm::Amount:
            EXPECT_TRUE(field.getAmount != nullptr && field.setAmount != nullptr);
            break;
        case EXmlForm::Text:
            EXPECT_TRUE(field.getText != nullptr && field.setText != nullptr);
            break;
        case EXmlForm::Date:
            EXPECT_TRUE(field.getDate != nullptr && field.setDate != nullptr);
            break;
        case EXmlForm::TextList:
            EXPECT_TRUE(field.getList != nullptr && field.setList != nullptr);
            add(field.listElement);
            break;
        }
    }
    if (kind.attribute != nullptr)
    {
        EXPECT_EQ(kind.attribute->form, EXmlForm::Integer);
        EXPECT_TRUE(kind.attribute->getInteger != nullptr && kind.attribute->setInteger != nullptr);
    }
}
} // namespace

TEST(XmlDataNamesTest, EveryElementNameMeansOneThingWhateverItsCase)
{
    // The reader finds a record or field by its name alone, in any letter case.
    std::set<std::string> names = {LowerCase(kXmlDataRoot)};
    CheckKind(kGuestXml, names);
    CheckKind(kExpenseXml, names);
    CheckKind(kPaymentXml, names);
    CheckKind(kTableXml, names);
    CheckKind(kGroupXml, names);
    CheckKind(kMeetingXml, names);
    CheckKind(kCategoryXml, names);
    CheckKind(kOfferXml, names);
    CheckKind(kShapeXml, names);
}

TEST_F(XmlDataWriterTest, GuestElementEdges)
{
    CGuest guest(nullptr, nullptr);
    std::string fresh;
    CXmlDataWriter::AppendRecord(fresh, guest);
    EXPECT_NE(fresh.find("<ApproveStat>3</ApproveStat>\r\n"), std::string::npos)
        << "a new guest writes its stored status";

    guest.SetGiftDollars(12.5f);
    guest.SetAddress("a]]>b");
    guest.SetPhone("03\x01-555\xFF");
    guest.AddRestricted("Ruth Cohen", false);
    guest.AddRestricted("Avi", false);
    std::string out;
    CXmlDataWriter::AppendRecord(out, guest);
    for (const char* expected : {"<DollarsGift>12.5</DollarsGift>\r\n",
                                 "<Address><![CDATA[a]]]]><![CDATA[>b]]></Address>\r\n",
                                 "<gPhone><![CDATA[03-555\xEF\xBF\xBD]]></gPhone>\r\n",
                                 "<Restrictions><Restricted><![CDATA[Ruth Cohen]]></Restricted>\r\n"
                                 "<Restricted><![CDATA[Avi]]></Restricted>\r\n"
                                 "</Restrictions>\r\n<ThatCame>0</ThatCame>\r\n</Guest>\r\n\r\n"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected;
}

TEST_F(XmlDataWriterTest, ExpenseWithNoPaymentAndWithThree)
{
    CExpence expense(nullptr);
    expense.SetName("Hall");
    expense.SetDollars(1000);
    expense.ClearPayments();
    std::string none;
    CXmlDataWriter::AppendRecord(none, expense);
    EXPECT_NE(none.find("<ExpCat><![CDATA[]]></ExpCat>\r\n<Payments>\r\n</Payments>\r\n"
                        "</Expence>\r\n\r\n"),
              std::string::npos)
        << none;

    expense.SetPayment(0, 1600, 400, CPayment::kPaid, SDate(2005, 6, 5), "first");
    expense.SetPayment(1, 1600, 400, CPayment::kNotPaid, SDate(2005, 11, 20), "");
    expense.SetPayment(2, 800, 200, CPayment::kNotPaid, SDate(), "last");
    std::string three;
    CXmlDataWriter::AppendRecord(three, expense);
    EXPECT_NE(three.find("<Payments>\r\n<Payment>\r\n<pDollar>400</pDollar>\r\n"
                         "<pShekel>1600</pShekel>\r\n<pPaid>1</pPaid>\r\n"
                         "<pDate>06.05.2005</pDate>\r\n<pInfo><![CDATA[first]]></pInfo>\r\n"
                         "</Payment>\r\n<Payment>\r\n"),
              std::string::npos)
        << three;
    EXPECT_NE(three.find("<pDate>11.20.2005</pDate>"), std::string::npos);
    EXPECT_NE(three.find("<pDollar>200</pDollar>\r\n<pShekel>800</pShekel>\r\n<pPaid>0</pPaid>\r\n"
                         "<pDate>0.0.00</pDate>\r\n<pInfo><![CDATA[last]]></pInfo>\r\n"
                         "</Payment>\r\n</Payments>\r\n</Expence>\r\n\r\n"),
              std::string::npos);

    // The Hebrew interface writes the day first.
    SetUiLanguage(ELanguage::Hebrew);
    three.clear();
    CXmlDataWriter::AppendRecord(three, expense);
    EXPECT_NE(three.find("<pDate>20.11.2005</pDate>"), std::string::npos);
}

TEST_F(XmlDataWriterTest, MeetingWritesItsCalendarUidOnlyOnceItHasOne)
{
    CMeeting meeting(nullptr);
    meeting.SetName("Florist");
    meeting.SetDate(SDate(2025, 3, 9));
    std::string without;
    CXmlDataWriter::AppendRecord(without, meeting);
    EXPECT_NE(without.find("<mDay>9</mDay>\r\n</Meeting>\r\n\r\n"), std::string::npos)
        << "a meeting never exported keeps the layout older installations wrote";
    EXPECT_EQ(without.find("mCalendarUid"), std::string::npos);

    meeting.SetCalendarUid("abc@velloran");
    std::string with;
    CXmlDataWriter::AppendRecord(with, meeting);
    EXPECT_NE(with.find("<mDay>9</mDay>\r\n<mCalendarUid><![CDATA[abc@velloran]]></mCalendarUid>"
                        "\r\n</Meeting>\r\n\r\n"),
              std::string::npos)
        << with;
}
