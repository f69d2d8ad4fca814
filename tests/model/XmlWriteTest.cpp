// The golden conversions compare whole data files byte for byte; these cases cover what their
// events do not hold: restrictions, values that need splitting or filtering, a new guest, and
// expenses with no payment and with three.

#include "ModelTestSupport.h"
#include "model/Expence.h"
#include "model/Guest.h"

#include <gtest/gtest.h>
#include <string>

class XmlWriteTest : public CModelTest
{
};

TEST_F(XmlWriteTest, GuestElementEdges)
{
    CGuest guest(nullptr, nullptr);
    std::string fresh;
    guest.WriteXml(fresh);
    EXPECT_NE(fresh.find("<ApproveStat>3</ApproveStat>\r\n"), std::string::npos)
        << "a new guest writes its stored status";

    guest.SetGiftDollars(12.5f);
    guest.SetAddress("a]]>b");
    guest.SetPhone("03\x01-555\xFF");
    guest.AddRestricted("Ruth Cohen", false);
    guest.AddRestricted("Avi", false);
    std::string out;
    guest.WriteXml(out);
    for (const char* expected : {"<DollarsGift>12.5</DollarsGift>\r\n",
                                 "<Address><![CDATA[a]]]]><![CDATA[>b]]></Address>\r\n",
                                 "<gPhone><![CDATA[03-555\xEF\xBF\xBD]]></gPhone>\r\n",
                                 "<Restrictions><Restricted><![CDATA[Ruth Cohen]]></Restricted>\r\n"
                                 "<Restricted><![CDATA[Avi]]></Restricted>\r\n"
                                 "</Restrictions>\r\n<ThatCame>0</ThatCame>\r\n</Guest>\r\n\r\n"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected;
}

TEST_F(XmlWriteTest, ExpenseWithNoPaymentAndWithThree)
{
    CExpence expense(nullptr);
    expense.SetName("Hall");
    expense.SetDollars(1000);
    expense.ClearPayments();
    std::string none;
    expense.WriteXml(none);
    EXPECT_NE(none.find("<ExpCat><![CDATA[]]></ExpCat>\r\n<Payments>\r\n</Payments>\r\n"
                        "</Expence>\r\n\r\n"),
              std::string::npos)
        << none;

    expense.SetPayment(0, 1600, 400, CPayment::kPaid, SDate(2005, 6, 5), "first");
    expense.SetPayment(1, 1600, 400, CPayment::kNotPaid, SDate(2005, 11, 20), "");
    expense.SetPayment(2, 800, 200, CPayment::kNotPaid, SDate(), "last");
    expense.RecomputePaidState();
    std::string three;
    expense.WriteXml(three);
    EXPECT_NE(three.find("<ExpPaid>2</ExpPaid>"), std::string::npos);
    EXPECT_NE(three.find("<pDollar>400</pDollar>\r\n<pShekel>1600</pShekel>\r\n<pPaid>1</pPaid>\r\n"
                         "<pDate>06.05.2005</pDate>\r\n<pInfo><![CDATA[first]]></pInfo>\r\n"),
              std::string::npos)
        << three;
    EXPECT_NE(three.find("<pDate>11.20.2005</pDate>"), std::string::npos);
    EXPECT_NE(three.find("<pDollar>200</pDollar>\r\n<pShekel>800</pShekel>\r\n<pPaid>0</pPaid>\r\n"
                         "<pDate>0.0.00</pDate>\r\n<pInfo><![CDATA[last]]></pInfo>\r\n"
                         "</Payment>\r\n</Payments>\r\n"),
              std::string::npos);

    // The Hebrew interface writes the day first.
    SetUiLanguage(ELanguage::Hebrew);
    three.clear();
    expense.WriteXml(three);
    EXPECT_NE(three.find("<pDate>20.11.2005</pDate>"), std::string::npos);
}
