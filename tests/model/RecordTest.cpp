#include "FakeOwner.h"
#include "ModelTestSupport.h"
#include "model/Category.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"

#include <gtest/gtest.h>

class RecordTest : public CModelTest
{
};

TEST_F(RecordTest, SetterMarksRecordAndOwnerOnlyOnChange)
{
    CFakeOwner owner;
    CGroup group(&owner);
    group.ClearModified();

    EXPECT_TRUE(group.SetName("Family"));
    EXPECT_TRUE(group.IsModified());
    EXPECT_EQ(owner.dataChangedCalls, 1);
    EXPECT_TRUE(owner.dataChanged);

    group.ClearModified();
    owner.ResetCalls();
    EXPECT_FALSE(group.SetName("Family"));
    EXPECT_FALSE(group.IsModified());
    EXPECT_EQ(owner.dataChangedCalls, 0);

    // Case matters: a different spelling is a change.
    EXPECT_TRUE(group.SetName("family"));
    EXPECT_EQ(owner.dataChangedCalls, 1);
}

TEST_F(RecordTest, IndexesSerialsAndSectionNames)
{
    CGuest first(nullptr, nullptr);
    CGuest second(nullptr, nullptr);
    CGroup group(nullptr);
    CTable table(nullptr);

    EXPECT_EQ(first.GetIndex(), 0);
    EXPECT_EQ(second.GetIndex(), 1);
    EXPECT_EQ(second.GetSection(), "Guest1");
    EXPECT_EQ(group.GetIndex(), 0);
    EXPECT_EQ(group.GetSection(), "Group0");
    EXPECT_EQ(first.GetSerial(), 1);
    EXPECT_EQ(table.GetSerial(), 4);
    EXPECT_TRUE(first.IsNew());
    EXPECT_TRUE(first.IsModified());

    // A table takes no number from the counter; the document gives its id.
    EXPECT_EQ(table.GetIndex(), -1);
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Table), -1);
    EXPECT_TRUE(table.SetIndex(3));
    EXPECT_EQ(table.GetSection(), "Table3");
    table.ReleaseIndex();
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Table), -1);

    second.ReleaseIndex();
    CGuest third(nullptr, nullptr);
    EXPECT_EQ(third.GetIndex(), 1);
}

TEST_F(RecordTest, CopyToAndInfoHtml)
{
    CFakeOwner owner;
    CCategory source(nullptr);
    source.SetName("Music");
    source.SetInfo("DJ & band\r\n<live>\nlate");
    CCategory target(&owner);
    target.ClearModified();
    source.CopyTo(target);
    EXPECT_EQ(target.GetName(), "Music");
    EXPECT_EQ(target.GetInfo(), source.GetInfo());
    EXPECT_TRUE(target.IsModified());
    EXPECT_TRUE(owner.dataChanged);

    EXPECT_EQ(source.GetInfoHtml(), "DJ &amp; band\r<br>&lt;live&gt;<br>late");
    EXPECT_EQ(target.GetInfoHtml(), source.GetInfoHtml());
    CCategory empty(nullptr);
    EXPECT_EQ(empty.GetInfoHtml(), "&nbsp;");
}

TEST_F(RecordTest, TableCopyAndCounts)
{
    CFakeOwner owner;
    owner.coming = 7;
    owner.arrived = 3;
    CTable source(nullptr, 2);
    source.SetName("Family");
    source.SetSeats(12);
    source.SetHallNumber(4);
    source.SetColour(0x123456);
    CTable target(&owner, 5);
    target.ClearModified();
    source.CopyTo(target);
    EXPECT_EQ(target.GetName(), "Family");
    EXPECT_EQ(target.GetSeats(), 12);
    EXPECT_EQ(target.GetHallNumber(), 4);
    EXPECT_EQ(target.GetColour(), CTable::kDefaultColour); // not copied
    EXPECT_EQ(target.GetId(), 5);
    EXPECT_TRUE(target.IsModified());

    EXPECT_EQ(target.GetFreeSeats(), 5);
    EXPECT_EQ(target.GetFreeSeatsOnEventDay(), 9);
    EXPECT_TRUE(target.HasComingGuests());
    EXPECT_EQ(source.GetFreeSeats(), -1);
    EXPECT_EQ(source.CountPeople(IRecordOwner::kCountComing), -1);

    // The shape class is a drawing detail: it does not mark the table.
    target.ClearModified();
    target.SetShapeClass("Round");
    EXPECT_FALSE(target.IsModified());
}
