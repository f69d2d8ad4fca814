// Fuzz target for the XML data file reader.
//
// Input: the bytes of a data file. They are read into a sink that owns every record, once for
// all records and once for shapes only; any broken invariant aborts:
// - the sink is told Complete() exactly once per read; a failed read says why;
// - no setter reaches the owner during the read, and every record has its owner back afterwards;
// - every name and info is valid UTF-8 of bounded length;
// - the records written back as a data file read again without error, to the same records; after
//   one more write and read the file no longer changes (the first cycle may still normalise, as a
//   lone carriage return from a character reference becomes CR LF).

#include "FuzzCheck.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/RecordOwner.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/TextEncoding.h"
#include "store/XmlDataReader.h"
#include "store/XmlDataSink.h"
#include "store/XmlDataWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <xercesc/util/PlatformUtils.hpp>

namespace
{
// Counts what reaches it; answers every lookup with nothing.
class COwner : public IRecordOwner
{
public:
    void SetDataChanged(bool) override {}
    void Broadcast(EUpdateHint, CRecord*) override { ++broadcasts; }
    CGuest* FindGuestByFullName(const std::string&) override
    {
        ++lookups;
        return nullptr;
    }
    void AddMutualRestriction(CGuest*, const std::string&) override { ++lookups; }
    bool IsGroupUsed(const CGroup*) override { return false; }
    int CountAtTable(int, int) override { return 0; }
    bool TableHasGuests(int, bool) override { return false; }
    void GetGuestsAtTable(int, std::vector<CGuest*>&, bool) override {}
    const CEventSettings* GetEventSettings() const override { return nullptr; }

    int broadcasts = 0;
    int lookups = 0;
};

// Owns what it gets; numbers the tables as the document does.
class CSink : public IXmlDataSink
{
public:
    explicit CSink(IRecordOwner* owner) : m_owner(owner) {}

    IRecordOwner* RecordOwner() override { return m_owner; }
    const CEventSettings* RecordSettings() override { return nullptr; }
    void AddGuest(std::unique_ptr<CGuest> guest) override { Keep(guests, std::move(guest)); }
    void AddExpense(std::unique_ptr<CExpence> expense) override
    {
        Keep(expenses, std::move(expense));
    }
    void AddTable(std::unique_ptr<CTable> table) override
    {
        table->SetIndex(static_cast<int>(tables.size()));
        Keep(tables, std::move(table));
    }
    void AddGroup(std::unique_ptr<CGroup> group) override { Keep(groups, std::move(group)); }
    void AddMeeting(std::unique_ptr<CMeeting> meeting) override
    {
        Keep(meetings, std::move(meeting));
    }
    void AddCategory(std::unique_ptr<CCategory> category) override
    {
        Keep(categories, std::move(category));
    }
    void AddOffer(std::unique_ptr<COffer> offer) override { Keep(offers, std::move(offer)); }
    void AddShape(std::unique_ptr<CShape> shape) override { Keep(shapes, std::move(shape)); }
    void Complete() override { ++completeCalls; }

    // The records as the document's save writes them.
    std::string Write() const
    {
        return CXmlDataWriter::DataFileText(
            {guests, expenses, tables, groups, meetings, categories, offers, shapes});
    }

    std::vector<CRecord*> all;
    int completeCalls = 0;
    std::vector<std::unique_ptr<CGuest>> guests;
    std::vector<std::unique_ptr<CExpence>> expenses;
    std::vector<std::unique_ptr<CTable>> tables;
    std::vector<std::unique_ptr<CGroup>> groups;
    std::vector<std::unique_ptr<CMeeting>> meetings;
    std::vector<std::unique_ptr<CCategory>> categories;
    std::vector<std::unique_ptr<COffer>> offers;
    std::vector<std::unique_ptr<CShape>> shapes;

private:
    template <class T>
    void Keep(std::vector<std::unique_ptr<T>>& records, std::unique_ptr<T> record)
    {
        FUZZ_CHECK(record != nullptr, std::string());
        FUZZ_CHECK(record->GetOwner() == m_owner, std::string());
        all.push_back(record.get());
        records.push_back(std::move(record));
    }

    IRecordOwner* m_owner;
};

void CheckRead(const CSink& sink, const COwner& owner, bool ok, const std::string& error)
{
    FUZZ_CHECK(sink.completeCalls == 1, std::string());
    FUZZ_CHECK(ok == error.empty(), error);
    FUZZ_CHECK(owner.broadcasts == 0 && owner.lookups == 0, std::string());
    // A field keeps at most kMaxFieldChars UTF-16 units: 3 bytes each, plus a CR per line feed.
    const std::size_t maxBytes = 4 * CXmlDataReader::kMaxFieldChars;
    for (const CRecord* record : sink.all)
    {
        FUZZ_CHECK(record->GetOwner() == &owner, record->GetSection());
        FUZZ_CHECK(IsValidUtf8(record->GetName()) && IsValidUtf8(record->GetInfo()),
                   record->GetName() + "\n" + record->GetInfo());
        FUZZ_CHECK(record->GetName().size() <= maxBytes && record->GetInfo().size() <= maxBytes,
                   record->GetSection());
    }
}

struct SCounts
{
    std::size_t records[8];
    bool operator==(const SCounts& other) const
    {
        for (int i = 0; i < 8; ++i)
        {
            if (records[i] != other.records[i])
                return false;
        }
        return true;
    }
};

SCounts CountsOf(const CSink& sink)
{
    return SCounts{{sink.guests.size(), sink.expenses.size(), sink.tables.size(),
                    sink.groups.size(), sink.meetings.size(), sink.categories.size(),
                    sink.offers.size(), sink.shapes.size()}};
}

// Reads bytes, checks the read and returns the records written back.
std::string ReadAndWrite(std::string_view bytes, ERecordFilter filter, bool mustSucceed,
                         SCounts* counts)
{
    COwner owner;
    CSink sink(&owner);
    std::string error;
    const bool ok = CXmlDataReader::ReadText(bytes, sink, &error, filter);
    CheckRead(sink, owner, ok, error);
    FUZZ_CHECK(ok || !mustSucceed, error + "\n" + std::string(bytes));
    if (filter == ERecordFilter::ShapesOnly)
        FUZZ_CHECK(sink.all.size() == sink.shapes.size(), std::string());
    if (counts != nullptr)
        *counts = CountsOf(sink);
    return sink.Write();
}
} // namespace

// One initialisation for the whole run keeps the XML platform alive between inputs: the reader's
// own initialise and terminate then only count, and the target runs many times faster.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    xercesc::XMLPlatformUtils::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ReadAndWrite(input, ERecordFilter::ShapesOnly, false, nullptr);

    SCounts first{};
    const std::string written = ReadAndWrite(input, ERecordFilter::All, false, &first);
    SCounts second{};
    const std::string again = ReadAndWrite(written, ERecordFilter::All, true, &second);
    FUZZ_CHECK(first == second, written);
    const std::string stable = ReadAndWrite(again, ERecordFilter::All, true, nullptr);
    FUZZ_CHECK(stable == again, again + "\n----\n" + stable);
    return 0;
}
