#include "store/XmlDataNames.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <limits>
#include <type_traits>

// Most fields are a getter and a setter of the record: the builders below take them as member
// pointers and make the table's plain accessors of them. Fields read or written with a rule of
// their own (the expense's own amounts, geometry, the meeting's date parts) give lambdas.

namespace
{
// The type a setter takes.
template <class Setter>
struct SSetterArg;
template <class C, class Result, class Arg>
struct SSetterArg<Result (C::*)(Arg)>
{
    using Type = std::decay_t<Arg>;
};

// A number read into a field of a smaller type: a value the type cannot hold reads like an
// unreadable text (-1), or as 0 where the type has no -1.
template <class T>
T Narrow(int value)
{
    if constexpr (std::is_same_v<T, int>)
    {
        return value;
    }
    else
    {
        if (value < static_cast<int>(std::numeric_limits<T>::min()) ||
            value > static_cast<int>(std::numeric_limits<T>::max()))
            return std::is_signed_v<T> ? static_cast<T>(-1) : static_cast<T>(0);
        return static_cast<T>(value);
    }
}

template <class R, auto Get>
long long GetInteger(const R& record)
{
    return static_cast<long long>((record.*Get)());
}

template <class R, auto Set>
void SetInteger(R& record, int value)
{
    (record.*Set)(Narrow<typename SSetterArg<decltype(Set)>::Type>(value));
}

template <class R, auto Get>
bool GetFlag(const R& record)
{
    return (record.*Get)();
}

template <class R, auto Get>
double GetAmount(const R& record)
{
    return (record.*Get)();
}

template <class R, auto Get>
const std::string& GetText(const R& record)
{
    return (record.*Get)();
}

template <class R, auto Get>
SDate GetDate(const R& record)
{
    return (record.*Get)();
}

template <class R, auto Get>
const std::vector<std::string>& GetList(const R& record)
{
    return (record.*Get)();
}

template <class R, auto Set, class T>
void SetValue(R& record, T value)
{
    (record.*Set)(value);
}

template <class R>
constexpr SXmlField<R> Integer(std::string_view element, long long (*get)(const R&),
                               void (*set)(R&, int), EXmlForm form = EXmlForm::Integer)
{
    SXmlField<R> field;
    field.element = element;
    field.form = form;
    field.getInteger = get;
    field.setInteger = set;
    return field;
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> Integer(std::string_view element)
{
    return Integer<R>(element, &GetInteger<R, Get>, &SetInteger<R, Set>);
}

// A count: an Integer field that reads a value below 0 (or beyond what the field holds) as 0.
template <class R, auto Set>
void SetCount(R& record, int value)
{
    using T = typename SSetterArg<decltype(Set)>::Type;
    // A value beyond what the field holds narrows to -1 (or 0): never below 0 either way.
    T narrowed = Narrow<T>(std::max(0, value));
    if constexpr (std::is_signed_v<T>)
        narrowed = std::max<T>(narrowed, 0);
    (record.*Set)(narrowed);
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> Count(std::string_view element)
{
    return Integer<R>(element, &GetInteger<R, Get>, &SetCount<R, Set>);
}

template <class R>
constexpr SXmlField<R> Coordinate(std::string_view element, long long (*get)(const R&),
                                  void (*set)(R&, int))
{
    return Integer<R>(element, get, set, EXmlForm::Coordinate);
}

template <class R>
constexpr SXmlField<R> Flag(std::string_view element, bool (*get)(const R&), void (*set)(R&, bool))
{
    SXmlField<R> field;
    field.element = element;
    field.form = EXmlForm::Flag;
    field.getFlag = get;
    field.setFlag = set;
    return field;
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> Flag(std::string_view element)
{
    return Flag<R>(element, &GetFlag<R, Get>, &SetValue<R, Set, bool>);
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> FlagWhenSet(std::string_view element)
{
    SXmlField<R> field = Flag<R, Get, Set>(element);
    field.form = EXmlForm::FlagWhenSet;
    return field;
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> Amount(std::string_view element)
{
    SXmlField<R> field;
    field.element = element;
    field.form = EXmlForm::Amount;
    field.getAmount = &GetAmount<R, Get>;
    field.setAmount = &SetValue<R, Set, float>;
    return field;
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> Text(std::string_view element)
{
    SXmlField<R> field;
    field.element = element;
    field.form = EXmlForm::Text;
    field.getText = &GetText<R, Get>;
    field.setText = &SetValue<R, Set, const std::string&>;
    return field;
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> TextWhenSet(std::string_view element)
{
    SXmlField<R> field = Text<R, Get, Set>(element);
    field.onlyWhenSet = true;
    return field;
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> Date(std::string_view element)
{
    SXmlField<R> field;
    field.element = element;
    field.form = EXmlForm::Date;
    field.getDate = &GetDate<R, Get>;
    field.setDate = &SetValue<R, Set, const SDate&>;
    return field;
}

template <class R, auto Get, auto Set>
constexpr SXmlField<R> TextList(std::string_view listElement, std::string_view element)
{
    SXmlField<R> field;
    field.element = element;
    field.form = EXmlForm::TextList;
    field.listElement = listElement;
    field.getList = &GetList<R, Get>;
    field.setList = &SetValue<R, Set, const std::vector<std::string>&>;
    return field;
}

template <class R, std::size_t N>
constexpr SXmlRecordNames<R> Record(std::string_view collection, std::string_view record,
                                    const SXmlField<R> (&fields)[N], bool blankLineAfter = true,
                                    const SXmlField<R>* attribute = nullptr)
{
    SXmlRecordNames<R> names;
    names.collection = collection;
    names.record = record;
    names.fields = fields;
    names.fieldCount = N;
    names.attribute = attribute;
    names.blankLineAfter = blankLineAfter;
    return names;
}

// The rectangle with one of left, top, width, height replaced (0 to 3 in that order).
SRect WithEdge(const SRect& rect, int which, int value)
{
    int parts[4] = {rect.left, rect.top, rect.Width(), rect.Height()};
    parts[which] = value;
    return SRect::FromSize(parts[0], parts[1], parts[2], parts[3]);
}

// ---- Guests ------------------------------------------------------------------------------

constexpr SXmlField<CGuest> kGuestFields[] = {
    Integer<CGuest, &CGuest::GetUniqueId, &CGuest::SetUniqueId>("UniqueId"),
    Text<CGuest, &CGuest::GetInfo, &CGuest::SetInfo>("Info"),
    Integer<CGuest, &CGuest::GetTable, &CGuest::SetTable>("TableOrder"),
    Count<CGuest, &CGuest::GetKids, &CGuest::SetKids>("NumOfKids"),
    Flag<CGuest, &CGuest::GetChildSeat, &CGuest::SetChildSeat>("KidSeat"),
    Count<CGuest, &CGuest::GetComingCount, &CGuest::SetComingCount>("Coming"),
    Count<CGuest, &CGuest::GetInvitedCount, &CGuest::SetInvitedCount>("Invited"),
    Count<CGuest, &CGuest::GetInvitations, &CGuest::SetInvitations>("InvNumber"),
    Flag<CGuest, &CGuest::GetInvitationSent, &CGuest::SetInvitationSent>("InvSent"),
    // A new guest's status is written as it is stored; every read turns it into "unknown".
    Integer<CGuest>("ApproveStat", &GetInteger<CGuest, &CGuest::GetStatus>,
                    [](CGuest& guest, int status) {
                        guest.SetStatus(status == CGuest::kStatusNew ? CGuest::kStatusUnknown
                                                                     : status);
                    }),
    Amount<CGuest, &CGuest::GetGiftDollars, &CGuest::SetGiftDollars>("DollarsGift"),
    Amount<CGuest, &CGuest::GetGiftShekels, &CGuest::SetGiftShekels>("SekelsGift"),
    Text<CGuest, &CGuest::GetGiftDetails, &CGuest::SetGiftDetails>("GiftInfo"),
    Text<CGuest, &CGuest::GetGift, &CGuest::SetGift>("Gift"),
    Text<CGuest, &CGuest::GetAddress, &CGuest::SetAddress>("Address"),
    Text<CGuest, &CGuest::GetPhone, &CGuest::SetPhone>("gPhone"),
    Text<CGuest, &CGuest::GetMobile, &CGuest::SetMobile>("moPhone"),
    Count<CGuest, &CGuest::GetSmsCount, &CGuest::SetSmsCount>("SmsCount"),
    Text<CGuest, &CGuest::GetGroupName, &CGuest::SetGroupName>("gGroup"),
    Text<CGuest, &CGuest::GetRelation, &CGuest::SetRelation>("gRelation"),
    Text<CGuest, &CGuest::GetFamilyName, &CGuest::SetFamilyName>("FamilyName"),
    Text<CGuest, &CGuest::GetName, &CGuest::SetName>("gsName"),
    Text<CGuest, &CGuest::GetEmail, &CGuest::SetEmail>("eMail"),
    Integer<CGuest, &CGuest::GetTransportation, &CGuest::SetTransportation>("Transportation"),
    TextList<CGuest, &CGuest::GetRestrictedList, &CGuest::SetRestrictedList>("Restrictions",
                                                                             "Restricted"),
    // The event-day arrivals, after the restrictions; without it every save would lose them.
    Integer<CGuest>("ThatCame", &GetInteger<CGuest, &CGuest::GetArrivedCount>,
                    [](CGuest& guest, int arrived)
                    {
                        arrived = std::max(0, arrived);
                        guest.SetArrivedCount(arrived);
                        guest.SetArrived(arrived >= 1);
                    }),
    // Only a locked line writes it.
    FlagWhenSet<CGuest, &CGuest::IsSeatLocked, &CGuest::SetSeatLocked>("Locked"),
};

// ---- Expenses and their payments ---------------------------------------------------------

// The expense's own amounts and state go through the CPayment base: CExpence's setters would copy
// them onto the payments read.
constexpr SXmlField<CExpence> kExpenseFields[] = {
    Text<CExpence, &CExpence::GetName, &CExpence::SetName>("ExpName"),
    Text<CExpence, &CExpence::GetInfo, &CExpence::SetInfo>("ExpInfo"),
    Integer<CExpence>("ExpDollar", &GetInteger<CExpence, &CExpence::GetDollars>,
                      [](CExpence& expense, int dollars)
                      { expense.CPayment::SetDollars(dollars); }),
    Integer<CExpence>("ExpShekel", &GetInteger<CExpence, &CExpence::GetShekels>,
                      [](CExpence& expense, int shekels)
                      { expense.CPayment::SetShekels(shekels); }),
    Text<CExpence, &CExpence::GetPayer, &CExpence::SetPayer>("ExpPayer"),
    Integer<CExpence>("ExpPaid", &GetInteger<CExpence, &CExpence::GetPaidState>,
                      [](CExpence& expense, int state) { expense.CPayment::SetPaidState(state); }),
    Text<CExpence, &CExpence::GetCategory, &CExpence::SetCategory>("ExpCat"),
};

constexpr SXmlField<CPayment> kPaymentFields[] = {
    Integer<CPayment, &CPayment::GetDollars, &CPayment::SetDollars>("pDollar"),
    Integer<CPayment, &CPayment::GetShekels, &CPayment::SetShekels>("pShekel"),
    Integer<CPayment, &CPayment::GetPaidState, &CPayment::SetPaidState>("pPaid"),
    Date<CPayment, &CPayment::GetDate, &CPayment::SetDate>("pDate"),
    Text<CPayment, &CPayment::GetInfo, &CPayment::SetInfo>("pInfo"),
};

// ---- Tables ------------------------------------------------------------------------------

constexpr SXmlField<CTable> kTableFields[] = {
    Text<CTable, &CTable::GetName, &CTable::SetName>("tName"),
    Count<CTable, &CTable::GetSeats, &CTable::SetSeats>("tSeats"),
    Integer<CTable, &CTable::GetHallNumber, &CTable::SetHallNumber>("tNumHall"),
    Text<CTable, &CTable::GetShapeClass, &CTable::SetShapeClass>("tClass"),
    Coordinate<CTable>(
        "tCordX", [](const CTable& table) -> long long { return table.GetArea().left; },
        [](CTable& table, int left) { table.SetArea(WithEdge(table.GetArea(), 0, left)); }),
    Coordinate<CTable>(
        "tCordY", [](const CTable& table) -> long long { return table.GetArea().top; },
        [](CTable& table, int top) { table.SetArea(WithEdge(table.GetArea(), 1, top)); }),
    Coordinate<CTable>(
        "tWidth", [](const CTable& table) -> long long { return table.GetArea().Width(); },
        [](CTable& table, int width) { table.SetArea(WithEdge(table.GetArea(), 2, width)); }),
    Coordinate<CTable>(
        "tHeight", [](const CTable& table) -> long long { return table.GetArea().Height(); },
        [](CTable& table, int height) { table.SetArea(WithEdge(table.GetArea(), 3, height)); }),
    Integer<CTable, &CTable::GetColour, &CTable::SetColour>("tColor"),
    Integer<CTable, &CTable::GetDrawStyle, &CTable::SetDrawStyle>("tdStyle"),
};

// ---- Groups and categories ---------------------------------------------------------------

constexpr SXmlField<CGroup> kGroupFields[] = {
    Text<CGroup, &CGroup::GetName, &CGroup::SetName>("grName"),
};

constexpr SXmlField<CCategory> kCategoryFields[] = {
    Text<CCategory, &CCategory::GetName, &CCategory::SetName>("cName"),
};

// ---- Meetings ----------------------------------------------------------------------------

// A date part beyond a short reads like an unreadable one.
template <short SDate::*Part>
void SetDatePart(CMeeting& meeting, int value)
{
    SDate date = meeting.GetDate();
    date.*Part = Narrow<short>(value);
    meeting.SetDate(date);
}

template <short SDate::*Part>
long long GetDatePart(const CMeeting& meeting)
{
    return meeting.GetDate().*Part;
}

constexpr SXmlField<CMeeting> kMeetingFields[] = {
    Text<CMeeting, &CMeeting::GetName, &CMeeting::SetName>("mName"),
    Text<CMeeting, &CMeeting::GetInfo, &CMeeting::SetInfo>("mInfo"),
    Text<CMeeting, &CMeeting::GetContactJob, &CMeeting::SetContactJob>("mContactJob"),
    Text<CMeeting, &CMeeting::GetContactAddress, &CMeeting::SetContactAddress>("mContactAdd"),
    Text<CMeeting, &CMeeting::GetContactPhone, &CMeeting::SetContactPhone>("mContactPhone"),
    Text<CMeeting, &CMeeting::GetContactName, &CMeeting::SetContactName>("mContactName"),
    Integer<CMeeting>("mYear", &GetDatePart<&SDate::year>, &SetDatePart<&SDate::year>),
    Integer<CMeeting>("mMonth", &GetDatePart<&SDate::month>, &SetDatePart<&SDate::month>),
    Integer<CMeeting>("mDay", &GetDatePart<&SDate::day>, &SetDatePart<&SDate::day>),
    // Newer than the rest: a meeting never exported to a calendar writes no element for it.
    TextWhenSet<CMeeting, &CMeeting::GetCalendarUid, &CMeeting::SetCalendarUid>("mCalendarUid"),
};

// ---- Offers ------------------------------------------------------------------------------

template <int Combination>
bool IsInCombination(const COffer& offer)
{
    return offer.IsInCombination(Combination);
}

template <int Combination>
void SetInCombination(COffer& offer, bool inCombination)
{
    offer.SetInCombination(Combination, inCombination);
}

constexpr SXmlField<COffer> kOfferFields[] = {
    Text<COffer, &COffer::GetName, &COffer::SetName>("oName"),
    Text<COffer, &COffer::GetInfo, &COffer::SetInfo>("oInfo"),
    // The price is the CPayment base's, as with an expense.
    Integer<COffer>("oShekel", &GetInteger<COffer, &COffer::GetShekels>,
                    [](COffer& offer, int shekels) { offer.CPayment::SetShekels(shekels); }),
    Text<COffer, &COffer::GetCategory, &COffer::SetCategory>("oCategory"),
    Flag<COffer>("oInOffer1", &IsInCombination<0>, &SetInCombination<0>),
    Flag<COffer>("oInOffer2", &IsInCombination<1>, &SetInCombination<1>),
    Flag<COffer>("oInOffer3", &IsInCombination<2>, &SetInCombination<2>),
    Count<COffer, &COffer::GetGuestsForOffer, &COffer::SetGuestsForOffer>("oGuestForOffer"),
    Flag<COffer, &COffer::IsPerGuest, &COffer::SetPerGuest>("oIsPerGuest"),
};

// ---- Shapes ------------------------------------------------------------------------------

constexpr SXmlField<CShape> kShapeFields[] = {
    Text<CShape, &CShape::GetName, &CShape::SetName>("spName"),
    Integer<CShape, &CShape::GetColour, &CShape::SetColour>("sColor"),
    Text<CShape, &CShape::GetClass, &CShape::SetClass>("sClass"),
    Coordinate<CShape>(
        "sLocX", [](const CShape& shape) -> long long { return shape.GetRect().left; },
        [](CShape& shape, int left) { shape.SetRect(WithEdge(shape.GetRect(), 0, left)); }),
    Coordinate<CShape>(
        "sLocY", [](const CShape& shape) -> long long { return shape.GetRect().top; },
        [](CShape& shape, int top) { shape.SetRect(WithEdge(shape.GetRect(), 1, top)); }),
    Coordinate<CShape>(
        "sSizeX", [](const CShape& shape) -> long long { return shape.GetRect().Width(); },
        [](CShape& shape, int width) { shape.SetRect(WithEdge(shape.GetRect(), 2, width)); }),
    Coordinate<CShape>(
        "sSizeY", [](const CShape& shape) -> long long { return shape.GetRect().Height(); },
        [](CShape& shape, int height) { shape.SetRect(WithEdge(shape.GetRect(), 3, height)); }),
};

// Any type value is kept as read, also one this program does not know.
constexpr SXmlField<CShape> kShapeType =
    Integer<CShape, &CShape::GetType, &CShape::SetType>("sType");
} // namespace

constexpr SXmlRecordNames<CGuest> kGuestXml = Record("Guests", "Guest", kGuestFields);
constexpr SXmlRecordNames<CExpence> kExpenseXml = Record("Expences", "Expence", kExpenseFields);
constexpr SXmlRecordNames<CPayment> kPaymentXml =
    Record("Payments", "Payment", kPaymentFields, false);
constexpr SXmlRecordNames<CTable> kTableXml = Record("Tables", "Table", kTableFields);
constexpr SXmlRecordNames<CGroup> kGroupXml = Record("Groups", "Group", kGroupFields);
constexpr SXmlRecordNames<CMeeting> kMeetingXml = Record("Meetings", "Meeting", kMeetingFields);
constexpr SXmlRecordNames<CCategory> kCategoryXml =
    Record("Categories", "Category", kCategoryFields);
constexpr SXmlRecordNames<COffer> kOfferXml = Record("Offers", "Offer", kOfferFields, false);
constexpr SXmlRecordNames<CShape> kShapeXml =
    Record("Shapes", "Shape", kShapeFields, true, &kShapeType);
