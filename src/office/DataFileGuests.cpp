#include "office/DataFileGuests.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/RecordCounters.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "store/XmlDataReader.h"
#include "store/XmlDataSink.h"

#include <memory>

namespace
{
// Keeps the guests; every other record is dropped. Records are created detached (no owner) and
// give their index back at once, so reading another event's file leaves this event's record
// indexes as they were.
class CGuestsOnlySink : public IXmlDataSink
{
public:
    IRecordOwner* RecordOwner() override { return nullptr; }
    const CEventSettings* RecordSettings() override { return nullptr; }

    void AddGuest(std::unique_ptr<CGuest> guest) override
    {
        guest->ReleaseIndex();
        guests.push_back(std::move(guest));
    }
    void AddExpense(std::unique_ptr<CExpence> record) override { Drop(std::move(record)); }
    void AddTable(std::unique_ptr<CTable> record) override { Drop(std::move(record)); }
    void AddGroup(std::unique_ptr<CGroup> record) override { Drop(std::move(record)); }
    void AddMeeting(std::unique_ptr<CMeeting> record) override { Drop(std::move(record)); }
    void AddCategory(std::unique_ptr<CCategory> record) override { Drop(std::move(record)); }
    void AddOffer(std::unique_ptr<COffer> record) override { Drop(std::move(record)); }
    void AddShape(std::unique_ptr<CShape> record) override { Drop(std::move(record)); }

    std::vector<std::unique_ptr<CGuest>> guests;

private:
    // The reader fills a record after handing it over, so it must live until the read ends.
    template <class R>
    void Drop(std::unique_ptr<R> record)
    {
        record->ReleaseIndex();
        m_dropped.push_back(std::unique_ptr<CRecord>(std::move(record)));
    }
    std::vector<std::unique_ptr<CRecord>> m_dropped;
};
} // namespace

bool ReadGuestsOfDataFile(const std::filesystem::path& path, std::vector<SImportedGuest>& guests,
                          std::string& error)
{
    // Reading another event's guests must not use up this event's unique ids.
    const int lastUniqueId = CRecordCounters::GetLastUniqueGuestId();
    CGuestsOnlySink sink;
    const bool ok = CXmlDataReader::ReadFile(path, sink, &error);
    CRecordCounters::SetLastUniqueGuestId(lastUniqueId);

    guests.clear();
    guests.reserve(sink.guests.size());
    for (const auto& guest : sink.guests)
    {
        SImportedGuest line;
        line.uniqueId = guest->GetUniqueId() > 0 ? guest->GetUniqueId() : 0;
        line.firstName = guest->GetName();
        line.familyName = guest->GetFamilyName();
        line.relation = guest->GetRelation();
        line.group = guest->GetGroupName();
        line.address = guest->GetAddress();
        line.phone = guest->GetPhone();
        line.mobile = guest->GetMobile();
        line.email = guest->GetEmail();
        line.invited = guest->GetInvitedCount();
        line.coming = guest->GetComingCount();
        line.info = guest->GetInfo();
        line.kids = guest->GetKids();
        line.invitationSent = guest->GetInvitationSent();
        line.status = guest->GetStatus();
        guests.push_back(std::move(line));
    }
    return ok;
}
