#include "office/TsvExport.h"

#include "model/Guest.h"
#include "model/Table.h"
#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

namespace
{
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";

struct SColumn
{
    unsigned bit;
    int headerId;
};

// The file's column order.
const SColumn kGuestColumns[] = {
    {kColumnBitName, IDS_TSV_NAME},
    {kColumnBitLastName, IDS_TSV_LAST_NAME},
    {kColumnBitRelation, IDS_TSV_RELATION},
    {kColumnBitGroup, IDS_TSV_GROUP},
    {kColumnBitPhone, IDS_TSV_PHONE},
    {kColumnBitMobile, IDS_TSV_MOBILE},
    {kColumnBitAddress, IDS_TSV_ADDRESS},
    {kColumnBitGift, IDS_TSV_GIFT},
    {kColumnBitGiftComments, IDS_TSV_GIFT_COMMENTS},
    {kColumnBitShekels, IDS_TSV_SHEKELS},
    {kColumnBitDollars, IDS_TSV_DOLLARS},
    {kColumnBitStatus, IDS_TSV_STATUS},
    {kColumnBitInvitationSent, IDS_TSV_INVITATION_SENT},
    {kColumnBitInvited, IDS_TSV_INVITED},
    {kColumnBitComing, IDS_TSV_COMING},
    {kColumnBitTable, IDS_TSV_TABLE},
};

// As the guest lists of the printouts screen show the approval status.
std::string StatusWord(int status)
{
    if (status == CGuest::kStatusApproved)
        return LoadString(IDS_YES);
    if (status == CGuest::kStatusNotComing)
        return LoadString(IDS_NO);
    return LoadString(IDS_UNKNOWN);
}

std::string GuestField(const CGuest& guest, unsigned bit)
{
    switch (bit)
    {
    case kColumnBitName:
        return guest.GetName();
    case kColumnBitLastName:
        return guest.GetFamilyName();
    case kColumnBitRelation:
        return guest.GetRelation();
    case kColumnBitGroup:
        return guest.GetGroupName();
    case kColumnBitPhone:
        return guest.GetPhone();
    case kColumnBitMobile:
        return guest.GetMobile();
    case kColumnBitAddress:
        return guest.GetAddress();
    case kColumnBitGift:
        return guest.GetGift();
    case kColumnBitGiftComments:
        return guest.GetGiftDetails();
    case kColumnBitShekels:
        return FormatFixed(guest.GetGiftShekels(), 1);
    case kColumnBitDollars:
        return FormatFixed(guest.GetGiftDollars(), 1);
    case kColumnBitStatus:
        return StatusWord(guest.GetStatus());
    case kColumnBitInvitationSent:
        return CGuest::GetYesNoText(guest.GetInvitationSent());
    case kColumnBitInvited:
        return FormatInt(guest.GetInvitedCount());
    case kColumnBitComing:
        return FormatInt(guest.GetComingCount());
    case kColumnBitTable:
        return FormatInt(guest.GetTable());
    default:
        return {};
    }
}

bool Wanted(unsigned columns, unsigned bit)
{
    if (bit == kColumnBitShekels && !IsHebrewUi())
        return false;
    return (columns & bit) != 0;
}

std::vector<const CGuest*> AllGuests(const CNewOrvDoc& doc)
{
    std::vector<const CGuest*> guests;
    guests.reserve(doc.GetGuests().size());
    for (const auto& guest : doc.GetGuests())
        guests.push_back(guest.get());
    return guests;
}
} // namespace

std::string TsvField(const std::string& text)
{
    std::string field = text;
    for (char& c : field)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return field;
}

std::string BuildGuestsTsv(const std::vector<const CGuest*>& guests, unsigned columns)
{
    std::string text = kByteOrderMark;
    for (const SColumn& column : kGuestColumns)
        if (Wanted(columns, column.bit))
            text += TsvField(LoadString(column.headerId)) + '\t';
    text += kLineEnd;
    for (const CGuest* guest : guests)
    {
        if (guest == nullptr)
            continue;
        for (const SColumn& column : kGuestColumns)
            if (Wanted(columns, column.bit))
                text += TsvField(GuestField(*guest, column.bit)) + '\t';
        text += kLineEnd;
    }
    return text;
}

std::string BuildTablesTsv(CNewOrvDoc& doc)
{
    std::string text = kByteOrderMark;
    for (int id : {IDS_TSV_TABLE_ID, IDS_TSV_TABLE_NAME, IDS_TSV_TABLE_HALL_NUMBER,
                   IDS_TSV_TABLE_SEATS, IDS_TSV_TABLE_COMING, IDS_TSV_TABLE_LINES})
        text += TsvField(LoadString(id)) + '\t';
    text += kLineEnd;
    for (int i = 1; i < doc.GetTableCount(); ++i)
    {
        const CTable* table = doc.GetTableAt(i);
        if (table == nullptr)
            continue;
        const int id = table->GetId();
        for (const std::string& field :
             {FormatInt(id), TsvField(table->GetName()), FormatInt(table->GetHallNumber()),
              FormatInt(table->GetSeats()),
              FormatInt(doc.CountAtTable(id, IRecordOwner::kCountComing)),
              FormatInt(doc.CountLinesAtTable(id))})
            text += field + '\t';
        text += kLineEnd;
    }
    return text;
}

bool WriteGuestsTsv(const std::vector<const CGuest*>& guests, unsigned columns,
                    const std::filesystem::path& path, std::string* error)
{
    return WriteFileAtomic(path, BuildGuestsTsv(guests, columns), error);
}

bool WriteGuestsTsv(const CNewOrvDoc& doc, unsigned columns, const std::filesystem::path& path,
                    std::string* error)
{
    return WriteGuestsTsv(AllGuests(doc), columns, path, error);
}

bool WriteTablesTsv(CNewOrvDoc& doc, const std::filesystem::path& path, std::string* error)
{
    return WriteFileAtomic(path, BuildTablesTsv(doc), error);
}
