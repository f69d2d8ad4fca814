// The document's collection operations on guests, groups, tables, money records, meetings and
// hall shapes.

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <map>

namespace
{
template <class T>
T* At(const std::vector<std::unique_ptr<T>>& records, int i)
{
    if (i < 0 || i >= static_cast<int>(records.size()))
        return nullptr;
    return records[static_cast<std::size_t>(i)].get();
}

// Takes the record out of its collection and hands it over; null when it is not there.
template <class T>
std::unique_ptr<T> Take(std::vector<std::unique_ptr<T>>& records, const T* record)
{
    auto it = std::find_if(records.begin(), records.end(),
                           [record](const auto& entry) { return entry.get() == record; });
    if (it == records.end())
        return nullptr;
    std::unique_ptr<T> taken = std::move(*it);
    records.erase(it);
    return taken;
}
} // namespace

// --- Guests ---------------------------------------------------------------------------------

CGuest* CNewOrvDoc::GetGuestAt(int i) const
{
    return At(m_guests, i);
}

CGuest* CNewOrvDoc::AddGuest(const std::string& firstName, const std::string& familyName,
                             IDocView* sender)
{
    auto guest = std::make_unique<CGuest>(&m_eventSettings, this);
    SetDataChanged(true);
    guest->SetName(firstName);
    guest->SetFamilyName(familyName);
    CGuest* added = guest.get();
    m_undo.CollectionChanging(ERecordClass::Guest);
    m_guests.push_back(std::move(guest));
    UpdateAllViews(sender, HINT_GUEST_ADDED, added);
    return added;
}

std::unique_ptr<CGuest> CNewOrvDoc::RemoveGuest(CGuest* guest)
{
    if (guest == nullptr || IndexOfGuest(guest) < 0)
        return nullptr;
    Broadcast(HINT_GUEST_REMOVING, guest);
    SetDataChanged(true);
    m_undo.CollectionChanging(ERecordClass::Guest);
    m_undo.RecordChanging(*guest);
    return Take(m_guests, guest);
}

int CNewOrvDoc::IndexOfGuest(const CGuest* guest) const
{
    if (guest == nullptr)
        return -1;
    for (std::size_t i = 0; i < m_guests.size(); ++i)
        if (m_guests[i].get() == guest)
            return static_cast<int>(i);
    return -1;
}

CGuest* CNewOrvDoc::FindGuestByUniqueId(int id) const
{
    for (const auto& guest : m_guests)
        if (guest->GetUniqueId() == id)
            return guest.get();
    return nullptr;
}

CGuest* CNewOrvDoc::FindGuestBySerial(int serial) const
{
    for (const auto& guest : m_guests)
        if (guest->GetSerial() == serial)
            return guest.get();
    return nullptr;
}

CGuest* CNewOrvDoc::FindGuestByName(const std::string& firstName) const
{
    for (const auto& guest : m_guests)
        if (guest->GetName() == firstName)
            return guest.get();
    return nullptr;
}

CGuest* CNewOrvDoc::FindGuestByFullName(const std::string& fullName)
{
    for (const auto& guest : m_guests)
        if (guest->GetFullName() == fullName)
            return guest.get();
    return nullptr;
}

CGuest* CNewOrvDoc::FindGuestByIndex(int index, int& position) const
{
    for (std::size_t i = 0; i < m_guests.size(); ++i)
    {
        if (m_guests[i]->GetIndex() == index)
        {
            position = static_cast<int>(i);
            return m_guests[i].get();
        }
    }
    position = -1;
    return nullptr;
}

int CNewOrvDoc::CountGuestsByFullName(const std::string& fullName) const
{
    return static_cast<int>(std::count_if(m_guests.begin(), m_guests.end(),
                                          [&](const auto& g)
                                          { return g->GetFullName() == fullName; }));
}

int CNewOrvDoc::SumInvited() const
{
    int sum = 0;
    for (const auto& guest : m_guests)
        sum += guest->GetInvitedCount();
    return sum;
}

int CNewOrvDoc::SumComing() const
{
    int sum = 0;
    for (const auto& guest : m_guests)
        sum += guest->GetComingCount();
    return sum;
}

int CNewOrvDoc::SumSmsCount() const
{
    int sum = 0;
    for (const auto& guest : m_guests)
        sum += guest->GetSmsCount();
    return sum;
}

int CNewOrvDoc::ComingByTransport(int transport) const
{
    if (transport == 0)
        return 0;
    int sum = 0;
    for (const auto& guest : m_guests)
        if (guest->GetTransportation() == transport)
            sum += guest->GetComingCount();
    return sum;
}

CNewOrvDoc::SGiftTotals CNewOrvDoc::GetGiftTotals() const
{
    SGiftTotals totals;
    const double rate = m_eventSettings.GetDollarRate();
    for (const auto& guest : m_guests)
    {
        totals.dollars += static_cast<long long>(guest->GetGiftDollars());
        totals.shekels += static_cast<long long>(guest->GetGiftShekels());
        totals.totalShekels += rate * guest->GetGiftDollars() + guest->GetGiftShekels();
    }
    return totals;
}

void CNewOrvDoc::AddMutualRestriction(CGuest* guest, const std::string& fullName)
{
    if (guest == nullptr)
        return;
    if (CGuest* other = FindGuestByFullName(fullName))
        other->AddRestricted(guest->GetFullName(), false);
}

// --- Groups ---------------------------------------------------------------------------------

CGroup* CNewOrvDoc::GetGroupAt(int i) const
{
    return At(m_groups, i);
}

CGroup* CNewOrvDoc::FindGroup(const std::string& name) const
{
    for (const auto& group : m_groups)
        if (group->GetName() == name)
            return group.get();
    return nullptr;
}

CGroup* CNewOrvDoc::AddGroup(const std::string& name, IDocView* sender)
{
    auto group = std::make_unique<CGroup>(this);
    SetDataChanged(true);
    group->SetName(name);
    CGroup* added = group.get();
    m_undo.CollectionChanging(ERecordClass::Group);
    m_groups.push_back(std::move(group));
    UpdateAllViews(sender, HINT_GROUP_ADDED, added);
    return added;
}

std::unique_ptr<CGroup> CNewOrvDoc::RemoveGroup(CGroup* group)
{
    if (group == nullptr || group->GetIndex() < 0)
        return nullptr;
    SetDataChanged(true);
    if (std::any_of(m_groups.begin(), m_groups.end(),
                    [group](const auto& held) { return held.get() == group; }))
    {
        m_undo.CollectionChanging(ERecordClass::Group);
        m_undo.RecordChanging(*group);
    }
    return Take(m_groups, group);
}

bool CNewOrvDoc::IsGroupNameUnused(const std::string& name) const
{
    return std::none_of(m_guests.begin(), m_guests.end(),
                        [&](const auto& guest) { return guest->GetGroupName() == name; });
}

bool CNewOrvDoc::IsGroupNameTaken(const std::string& name, const CGroup* except) const
{
    return std::any_of(m_groups.begin(), m_groups.end(),
                       [&](const auto& group) {
                           return group.get() != except &&
                                  EqualsIgnoringCase(group->GetName(), name);
                       });
}

bool CNewOrvDoc::IsGroupUsed(const CGroup* group)
{
    return group != nullptr && !IsGroupNameUnused(group->GetName());
}

void CNewOrvDoc::RenameGroupInGuests(const std::string& oldName, const std::string& newName)
{
    SetDataChanged(true);
    for (const auto& guest : m_guests)
        if (guest->GetGroupName() == oldName)
            guest->SetGroupName(newName);
}

int CNewOrvDoc::GetGuestsOfGroup(const std::string& name, std::vector<CGuest*>& guests) const
{
    int count = 0;
    for (const auto& guest : m_guests)
    {
        if (guest->GetGroupName() == name)
        {
            guests.push_back(guest.get());
            ++count;
        }
    }
    return count;
}

void CNewOrvDoc::SwapGroups(CGroup* a, CGroup* b)
{
    if (a == nullptr || b == nullptr || a == b)
        return;
    const std::string nameOfA = a->GetName();
    a->SetName(b->GetName());
    b->SetName(nameOfA);
    SetDataChanged(true);
}

// --- Money ----------------------------------------------------------------------------------

void CNewOrvDoc::AddExpense(std::unique_ptr<CExpence> expense)
{
    if (!expense)
        return;
    SetDataChanged(true);
    m_undo.CollectionChanging(ERecordClass::Expence);
    m_expenses.push_back(std::move(expense));
}

template <class T>
std::unique_ptr<T> CNewOrvDoc::RemoveRecord(std::vector<std::unique_ptr<T>>& records,
                                            const T* record)
{
    if (record == nullptr)
        return nullptr;
    SetDataChanged(true);
    if (record->GetIndex() < 0)
        return nullptr;
    if (std::any_of(records.begin(), records.end(),
                    [record](const auto& held) { return held.get() == record; }))
    {
        m_undo.CollectionChanging(record->GetRecordClass());
        m_undo.RecordChanging(*record);
    }
    return Take(records, record);
}

void CNewOrvDoc::SetDollarRate(double rate)
{
    m_eventSettings.SetDollarRate(rate);
    Broadcast(HINT_DOLLAR_RATE, nullptr);
}

std::unique_ptr<CExpence> CNewOrvDoc::RemoveExpense(CExpence* expense)
{
    return RemoveRecord(m_expenses, static_cast<const CExpence*>(expense));
}

bool CNewOrvDoc::SwapExpenses(int i, int j)
{
    const int count = static_cast<int>(m_expenses.size());
    if (i < 0 || j < 0 || i >= count || j >= count || i == j)
        return false;
    m_undo.CollectionChanging(ERecordClass::Expence);
    std::swap(m_expenses[static_cast<std::size_t>(i)], m_expenses[static_cast<std::size_t>(j)]);
    SetDataChanged(true);
    return true;
}

CCategory* CNewOrvDoc::FindCategory(const std::string& name) const
{
    for (const auto& category : m_categories)
        if (category->GetName() == name)
            return category.get();
    return nullptr;
}

CCategory* CNewOrvDoc::AddCategory(const std::string& name)
{
    auto category = std::make_unique<CCategory>(this);
    category->SetName(name);
    CCategory* added = category.get();
    m_undo.CollectionChanging(ERecordClass::Category);
    m_categories.push_back(std::move(category));
    SetDataChanged(true);
    return added;
}

bool CNewOrvDoc::DeleteCategory(CCategory* category)
{
    std::unique_ptr<CCategory> removed =
        RemoveRecord(m_categories, static_cast<const CCategory*>(category));
    if (!removed)
        return false;
    const std::string name = removed->GetName();
    m_undo.CollectionChanging(ERecordClass::Offer);
    for (const auto& offer : m_offers)
        if (offer->GetCategory() == name)
            m_undo.RecordChanging(*offer);
    m_offers.erase(std::remove_if(m_offers.begin(), m_offers.end(),
                                  [&name](const auto& offer)
                                  { return offer->GetCategory() == name; }),
                   m_offers.end());
    return true;
}

void CNewOrvDoc::RenameCategory(CCategory* category, const std::string& newName)
{
    if (category == nullptr)
        return;
    const std::string oldName = category->GetName();
    category->SetName(newName);
    SetDataChanged(true);
    for (const auto& offer : m_offers)
        if (offer->GetCategory() == oldName)
            offer->SetCategory(newName);
}

COffer* CNewOrvDoc::AddOffer(const std::string& name, const std::string& category, int shekels,
                             const std::string& info)
{
    auto offer = std::make_unique<COffer>(this);
    offer->SetName(name);
    offer->SetCategory(category);
    offer->SetShekels(shekels);
    if (!info.empty())
        offer->SetInfo(info);
    COffer* added = offer.get();
    m_undo.CollectionChanging(ERecordClass::Offer);
    m_offers.push_back(std::move(offer));
    SetDataChanged(true);
    return added;
}

std::unique_ptr<COffer> CNewOrvDoc::RemoveOffer(COffer* offer)
{
    return RemoveRecord(m_offers, static_cast<const COffer*>(offer));
}

// --- Meetings and hall shapes ---------------------------------------------------------------

CMeeting* CNewOrvDoc::AddMeeting()
{
    auto meeting = std::make_unique<CMeeting>(this);
    meeting->SetName(LoadString(IDS_NEW_MEETING));
    CMeeting* added = meeting.get();
    m_undo.CollectionChanging(ERecordClass::Meeting);
    m_meetings.push_back(std::move(meeting));
    SetDataChanged(true);
    return added;
}

std::unique_ptr<CMeeting> CNewOrvDoc::RemoveMeeting(CMeeting* meeting)
{
    return RemoveRecord(m_meetings, static_cast<const CMeeting*>(meeting));
}

void CNewOrvDoc::SwapMeetings(int i, int j)
{
    const int count = static_cast<int>(m_meetings.size());
    if (i < 0 || j < 0 || i >= count || j >= count)
        return;
    m_undo.CollectionChanging(ERecordClass::Meeting);
    std::swap(m_meetings[static_cast<std::size_t>(i)], m_meetings[static_cast<std::size_t>(j)]);
}

CShape* CNewOrvDoc::AddShape(std::unique_ptr<CShape> shape)
{
    if (!shape)
        return nullptr;
    shape->SetOwner(this);
    CShape* added = shape.get();
    m_undo.CollectionChanging(ERecordClass::Shape);
    m_shapes.push_back(std::move(shape));
    SetDataChanged(true);
    return added;
}

std::unique_ptr<CShape> CNewOrvDoc::RemoveShape(CShape* shape)
{
    if (shape == nullptr ||
        std::none_of(m_shapes.begin(), m_shapes.end(),
                     [shape](const std::unique_ptr<CShape>& held) { return held.get() == shape; }))
        return nullptr;
    // Before it goes, so no view keeps a pointer to it.
    Broadcast(HINT_SHAPE_REMOVING, shape);
    return RemoveRecord(m_shapes, static_cast<const CShape*>(shape));
}
