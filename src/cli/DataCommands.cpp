// The commands that show or save the event's data as a whole.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DumpJson.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "model/Task.h"
#include "store/NewOrvDoc.h"

#include <ostream>

using nlohmann::json;

namespace
{
json DateJson(const SDate& date)
{
    return json::array({date.year, date.month, date.day});
}

json GuestJson(const CGuest& guest)
{
    return {{"index", guest.GetIndex()},
            {"serial", guest.GetSerial()},
            {"uniqueId", guest.GetUniqueId()},
            {"firstName", guest.GetName()},
            {"familyName", guest.GetFamilyName()},
            {"fullName", guest.GetFullName()},
            {"relation", guest.GetRelation()},
            {"group", guest.GetGroupName()},
            {"phone", guest.GetPhone()},
            {"mobile", guest.GetMobile()},
            {"email", guest.GetEmail()},
            {"address", guest.GetAddress()},
            {"info", guest.GetInfo()},
            {"gift", guest.GetGift()},
            {"giftDetails", guest.GetGiftDetails()},
            {"giftShekels", guest.GetGiftShekels()},
            {"giftDollars", guest.GetGiftDollars()},
            {"status", guest.GetStatus()},
            {"invited", guest.GetInvitedCount()},
            {"coming", guest.GetComingCount()},
            {"arrivedCount", guest.GetArrivedCount()},
            {"arrived", guest.IsArrived()},
            {"invitations", guest.GetInvitations()},
            {"invitationSent", guest.GetInvitationSent()},
            {"kids", guest.GetKids()},
            {"childSeat", guest.GetChildSeat()},
            {"tableId", guest.GetTable()},
            {"locked", guest.IsSeatLocked()},
            {"transportation", guest.GetTransportation()},
            {"smsCount", guest.GetSmsCount()},
            {"restricted", guest.GetRestrictedList()},
            {"modified", guest.IsModified()},
            {"isNew", guest.IsNew()}};
}

json TableJson(const CTable& table)
{
    const SRect& area = table.GetArea();
    return {{"id", table.GetId()},
            {"name", table.GetName()},
            {"seats", table.GetSeats()},
            {"hallNumber", table.GetHallNumber()},
            {"colour", table.GetColour()},
            {"area", json::array({area.left, area.top, area.right, area.bottom})},
            {"drawStyle", table.GetDrawStyle()},
            {"shapeClass", table.GetShapeClass()},
            {"modified", table.IsModified()},
            {"index", table.GetIndex()},
            {"isNew", table.IsNew()}};
}

json PaymentJson(const CPayment& payment)
{
    return {{"dollars", payment.GetDollars()},
            {"shekels", payment.GetShekels()},
            {"paidState", payment.GetPaidState()},
            {"date", DateJson(payment.GetDate())},
            {"info", payment.GetInfo()}};
}

json ExpenseJson(const CExpence& expense)
{
    json payments = json::array();
    for (const CPayment& payment : expense.GetPayments())
        payments.push_back(PaymentJson(payment));
    return {{"name", expense.GetName()},
            {"info", expense.CRecord::GetInfo()},
            {"category", expense.GetCategory()},
            {"payer", expense.GetPayer()},
            {"dollars", expense.GetDollars()},
            {"shekels", expense.GetShekels()},
            {"paidState", expense.GetPaidState()},
            {"date", DateJson(expense.GetDate())},
            {"payments", payments},
            {"modified", expense.IsModified()},
            {"index", expense.GetIndex()},
            {"isNew", expense.IsNew()}};
}

json OfferJson(const COffer& offer)
{
    return {{"name", offer.GetName()},
            {"info", offer.CRecord::GetInfo()},
            {"category", offer.GetCategory()},
            {"shekels", offer.GetShekels()},
            {"combinations", json::array({offer.IsInCombination(0), offer.IsInCombination(1),
                                          offer.IsInCombination(2)})},
            {"perGuest", offer.IsPerGuest()},
            {"guestsForOffer", offer.GetGuestsForOffer()},
            {"modified", offer.IsModified()},
            {"index", offer.GetIndex()},
            {"isNew", offer.IsNew()}};
}

// The index is the meeting's place in the list (the load sorts the meetings by date).
json MeetingJson(const CMeeting& meeting, int index)
{
    return {{"name", meeting.GetName()},
            {"info", meeting.GetInfo()},
            {"contactName", meeting.GetContactName()},
            {"contactJob", meeting.GetContactJob()},
            {"contactPhone", meeting.GetContactPhone()},
            {"contactAddress", meeting.GetContactAddress()},
            {"date", DateJson(meeting.GetDate())},
            {"calendarUid", meeting.GetCalendarUid()},
            {"modified", meeting.IsModified()},
            {"index", index},
            {"isNew", meeting.IsNew()}};
}

json ShapeJson(const CShape& shape)
{
    const SRect& rect = shape.GetRect();
    return {{"id", shape.GetId()},
            {"type", shape.GetType()},
            {"name", shape.GetName()},
            {"class", shape.GetClass()},
            {"colour", shape.GetColour()},
            {"rect", json::array({rect.left, rect.top, rect.Width(), rect.Height()})},
            {"modified", shape.IsModified()},
            {"index", shape.GetIndex()},
            {"isNew", shape.IsNew()}};
}

json TaskJson(const CTask& task)
{
    json children = json::array();
    for (int i = 0; i < task.GetChildCount(); ++i)
        children.push_back(TaskJson(*task.GetChild(i)));
    return {
        {"id", task.GetId()},          {"name", task.GetName()},        {"info", task.GetInfo()},
        {"checked", task.IsChecked()}, {"modified", task.IsModified()}, {"children", children}};
}

template <class T, class ToJson>
json ArrayOf(const std::vector<std::unique_ptr<T>>& records, ToJson toJson)
{
    json array = json::array();
    for (const auto& record : records)
        array.push_back(toJson(*record));
    return array;
}

json MeetingsJson(const std::vector<std::unique_ptr<CMeeting>>& meetings)
{
    json array = json::array();
    for (std::size_t i = 0; i < meetings.size(); ++i)
        array.push_back(MeetingJson(*meetings[i], static_cast<int>(i)));
    return array;
}

json SimpleJson(const CRecord& record)
{
    return {{"name", record.GetName()},
            {"modified", record.IsModified()},
            {"index", record.GetIndex()},
            {"isNew", record.IsNew()}};
}
} // namespace

int RunDump(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    CNewOrvDoc& doc = context.Doc();
    const CEventInfo* event = doc.GetActiveEvent();
    if (context.Json())
    {
        json dump = {
            {"event",
             {{"id", event->GetId()},
              {"name", event->GetName()},
              {"folder", event->GetFolder().string()}}},
            {"dataChanged", doc.IsDataChanged()},
            {"checkpoint", doc.GetCheckpoint().Get()},
            {"guests", ArrayOf(doc.GetGuests(), GuestJson)},
            {"groups", ArrayOf(doc.GetGroups(), SimpleJson)},
            {"tables", ArrayOf(doc.GetTables(), TableJson)},
            {"expenses", ArrayOf(doc.GetExpenses(), ExpenseJson)},
            {"categories", ArrayOf(doc.GetCategories(), SimpleJson)},
            {"offers", ArrayOf(doc.GetOffers(), OfferJson)},
            {"meetings", MeetingsJson(doc.GetMeetings())},
            {"shapes", ArrayOf(doc.GetShapes(), ShapeJson)},
            {"tasks", TaskJson(*doc.GetTaskRoot())},
        };
        context.PrintJson(dump);
        return kExitOk;
    }

    std::ostream& out = context.Out();
    out << "Event " << event->GetId() << " \"" << event->GetName() << "\" ("
        << event->GetFolder().string() << ")" << (doc.IsDataChanged() ? ", unsaved changes" : "")
        << "\n";
    out << doc.GetGuestCount() << " guest lines, " << doc.SumComing() << " coming, "
        << doc.GetGroupCount() << " groups, " << doc.GetTableCount() << " tables, "
        << doc.GetExpenses().size() << " expenses, " << doc.GetOffers().size() << " offers, "
        << doc.GetMeetings().size() << " meetings, " << doc.GetShapes().size() << " shapes\n";
    for (const auto& guest : doc.GetGuests())
        out << guest->GetUniqueId() << "\t" << guest->GetFullName() << "\t" << guest->GetGroupName()
            << "\t" << guest->GetComingCount() << "\ttable " << guest->GetTable() << "\n";
    out.flush();
    return kExitOk;
}

int RunSave(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    CNewOrvDoc& doc = context.Doc();
    const bool converts = doc.IsDataChanged();
    if (!doc.SaveEventData())
        return kExitRefused;
    context.Out() << (converts ? "Saved the event" : "Nothing changed; settings saved")
                  << std::endl;
    return kExitOk;
}

json DumpExpenseJson(const CExpence& expense)
{
    return ExpenseJson(expense);
}

json DumpOfferJson(const COffer& offer)
{
    return OfferJson(offer);
}

json DumpGuestJson(const CGuest& guest)
{
    return GuestJson(guest);
}
