#include "model/GuestFilter.h"

#include "ModelTestSupport.h"
#include "model/ArrivalFilter.h"
#include "model/Guest.h"
#include "model/GuestStatistics.h"

#include <memory>
#include <vector>

namespace
{
class GuestFilterTest : public CModelTest
{
protected:
    CGuest& Add(const std::string& first, const std::string& family,
                const std::string& relation = {}, const std::string& group = {})
    {
        m_guests.push_back(std::make_unique<CGuest>(nullptr, nullptr));
        CGuest& guest = *m_guests.back();
        guest.SetName(first);
        guest.SetFamilyName(family);
        guest.SetRelation(relation);
        guest.SetGroupName(group);
        return guest;
    }

    std::vector<std::string> Names(const CGuestFilter& filter) const
    {
        std::vector<std::string> names;
        for (const CGuest* guest : filter.Apply(m_guests))
            names.push_back(guest->GetFullName());
        return names;
    }

    std::vector<std::unique_ptr<CGuest>> m_guests;
};
} // namespace

TEST_F(GuestFilterTest, NamePrefixesMatchAtTheStartOnlyAndWithCase)
{
    Add("Dana", "Levi");
    Add("David", "Cohen");
    Add("Ada", "Dahan");
    Add("dani", "");
    CGuestFilter filter;
    filter.firstNamePrefix = "Da";
    EXPECT_EQ(Names(filter), (std::vector<std::string>{"Dana Levi", "David Cohen"}));
    filter.firstNamePrefix.clear();
    filter.familyNamePrefix = "Da";
    EXPECT_EQ(Names(filter), (std::vector<std::string>{"Ada Dahan"}));
}

TEST_F(GuestFilterTest, StarAndEmptyMeanAnyGroupAndRelation)
{
    Add("A", "", "Bride", "Friends");
    Add("B", "", "Groom", "Family");
    Add("C", "", "", "");
    CGuestFilter filter;
    filter.group = CGuestFilter::kAny;
    filter.relation = CGuestFilter::kAny;
    EXPECT_EQ(Names(filter).size(), 3u);
    EXPECT_TRUE(filter.IsEmpty());
    filter.group = "Friends";
    EXPECT_EQ(Names(filter), std::vector<std::string>{"A"});
    filter.group = "friends";
    EXPECT_TRUE(Names(filter).empty()) << "groups compare exactly";
    filter.Clear();
    filter.relation = "Groom";
    EXPECT_EQ(Names(filter), std::vector<std::string>{"B"});
}

TEST_F(GuestFilterTest, EachStatusChoice)
{
    Add("Approved", "").SetStatus(CGuest::kStatusApproved);
    Add("NotComing", "").SetStatus(CGuest::kStatusNotComing);
    Add("Unknown", "").SetStatus(CGuest::kStatusUnknown);
    Add("New", ""); // a new guest's stored 3 is neither approved nor not coming
    CGuestFilter filter;
    filter.status = CGuestFilter::kApprovedOnly;
    EXPECT_EQ(Names(filter), std::vector<std::string>{"Approved"});
    filter.status = CGuestFilter::kNotComingOnly;
    EXPECT_EQ(Names(filter), std::vector<std::string>{"NotComing"});
    filter.status = CGuestFilter::kNoAnswerOnly;
    EXPECT_EQ(Names(filter), (std::vector<std::string>{"Unknown", "New"}));
}

TEST_F(GuestFilterTest, StatisticsByRelation)
{
    CGuest& a = Add("A", "", "Bride");
    a.SetInvitedCount(4);
    a.SetComingCount(3);
    a.SetApproved(true);
    a.SetInvitationSent(true);
    a.SetInvitations(2);
    CGuest& b = Add("B", "", "Groom");
    b.SetInvitedCount(5);
    b.SetComingCount(0);
    b.SetStatus(CGuest::kStatusNotComing);
    CGuest& c = Add("C", "", "");
    c.SetInvitedCount(1);
    c.SetComingCount(1);

    const auto statistics = CGuestStatistics::Compute(CGuestFilter().Apply(m_guests));
    const auto& bride = statistics.Row(CGuestStatistics::kBride);
    EXPECT_EQ(bride.actual, 3);
    EXPECT_EQ(bride.planned, 4);
    EXPECT_EQ(bride.approved, 3);
    EXPECT_EQ(CGuestStatistics::InvitationsCell(bride), "2 [3 Guests]");
    EXPECT_EQ(statistics.Row(CGuestStatistics::kGroom).wontCome, 5);
    EXPECT_EQ(statistics.Row(CGuestStatistics::kMutual).planned, 0);
    const auto& total = statistics.Row(CGuestStatistics::kTotal);
    EXPECT_EQ(total.planned, 10) << "the total counts lines without a relation too";
    EXPECT_EQ(total.actual, 4);

    CGuestFilter nobody;
    nobody.firstNamePrefix = "Z";
    const auto empty = CGuestStatistics::Compute(nobody.Apply(m_guests));
    for (int row = 0; row < CGuestStatistics::kRowCount; ++row)
    {
        const auto& cells = empty.Row(static_cast<CGuestStatistics::ERow>(row));
        EXPECT_EQ(cells.actual + cells.planned + cells.wontCome + cells.invitations +
                      cells.invitedPeople + cells.approved,
                  0);
    }
    EXPECT_EQ(CGuestStatistics::InvitationsCell(empty.Row(CGuestStatistics::kTotal)),
              "0 [0 Guests]");
}

TEST_F(GuestFilterTest, TheDeskMatchesInsideNamesWithCaseAndHidesArrivals)
{
    Add("Dan", "Ben Levi");
    Add("Dana", "Levin");
    Add("Adam", "levi");
    Add("Ruth", "Cohen").SetArrived(true);
    Add("שירה", "לוי");

    struct SCase
    {
        std::string first;
        std::string family;
        bool notArrivedOnly;
        std::vector<std::string> shown;
    };
    const SCase cases[] = {
        {"", "", false, {"Dan Ben Levi", "Dana Levin", "Adam levi", "Ruth Cohen", "שירה לוי"}},
        {"", "", true, {"Dan Ben Levi", "Dana Levin", "Adam levi", "שירה לוי"}},
        {"", "Levi", true, {"Dan Ben Levi", "Dana Levin"}}, // inside the name, with its case
        {"an", "", true, {"Dan Ben Levi", "Dana Levin"}},
        {"an", "Levin", true, {"Dana Levin"}},
        {"dan", "", true, {}},
        {"", "Coh", true, {}}, // arrived already
        {"", "Coh", false, {"Ruth Cohen"}},
        {"יר", "ו", true, {"שירה לוי"}},
    };
    for (const SCase& c : cases)
    {
        CArrivalFilter filter;
        filter.firstName = c.first;
        filter.familyName = c.family;
        filter.notArrivedOnly = c.notArrivedOnly;
        std::vector<std::string> names;
        for (const CGuest* guest : filter.Apply(m_guests))
            names.push_back(guest->GetFullName());
        EXPECT_EQ(names, c.shown) << c.first << "|" << c.family << "|" << c.notArrivedOnly;
    }
}
