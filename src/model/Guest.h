#pragma once

#include "model/Record.h"

#include <cstdint>
#include <string>
#include <vector>

class CEventSettings;

// One line of the guest list: a person, a couple or a family invited, seated and counted
// together. The CRecord name is the first name and the info the additional information.
//
// Setters follow the record setter rule (see CRecord) unless their comment says otherwise.
// Renaming a guest that has an owner keeps the other guests' restriction lists in step.
class CGuest : public CRecord
{
public:
    enum EStatus : int
    {
        kStatusUnknown = 0,
        kStatusApproved = 1,
        kStatusNotComing = 2,
        kStatusNew = 3, // a new guest's value; every load turns it into kStatusUnknown
    };

    static constexpr const char* kSectionPrefix = "Guest";

    // Takes the next guest index and the next unique id. Neither pointer is owned; either may be
    // null (settings: the gift total is then 0 in Hebrew; owner: a detached guest).
    CGuest(const CEventSettings* settings, IRecordOwner* owner);

    int GetFileKind() const override;
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;

    // Besides storing: when the guest has an owner and the first name was not empty, every guest
    // named in this guest's restriction list gets the old full name replaced by the new one.
    bool SetName(const std::string& name) override;
    bool SetFamilyName(const std::string& familyName);
    const std::string& GetFamilyName() const { return m_familyName; }

    // First name and family name joined by one blank; either alone when the other is empty.
    std::string GetFullName() const;
    // The full name, or "Missing guest name" in the interface language when it is empty.
    std::string GetDisplayName() const;

    const std::string& GetRelation() const { return m_relation; }
    bool SetRelation(const std::string& value) { return Assign(m_relation, value); }
    const std::string& GetGroupName() const { return m_groupName; }
    bool SetGroupName(const std::string& value) { return Assign(m_groupName, value); }
    const std::string& GetPhone() const { return m_phone; }
    bool SetPhone(const std::string& value) { return Assign(m_phone, value); }
    const std::string& GetMobile() const { return m_mobile; }
    bool SetMobile(const std::string& value) { return Assign(m_mobile, value); }
    // May hold line breaks "\r\n".
    const std::string& GetAddress() const { return m_address; }
    bool SetAddress(const std::string& value) { return Assign(m_address, value); }
    // The address for HTML: markup characters escaped, every "\r\n" replaced by "<br>".
    std::string GetAddressHtml() const;
    const std::string& GetGift() const { return m_gift; }
    bool SetGift(const std::string& value) { return Assign(m_gift, value); }
    const std::string& GetGiftDetails() const { return m_giftDetails; }
    bool SetGiftDetails(const std::string& value) { return Assign(m_giftDetails, value); }
    const std::string& GetEmail() const { return m_email; }
    bool SetEmail(const std::string& value) { return Assign(m_email, value); }

    int GetStatus() const { return m_status; }
    bool SetStatus(int status) { return Assign(m_status, status); }
    // true: status approved; false: status unknown.
    bool SetApproved(bool approved);
    bool IsApproved() const { return m_status == kStatusApproved; }
    bool IsNotComing() const { return m_status == kStatusNotComing; }
    // "Approved", "Not coming" or "Unknown" in the interface language.
    std::string GetStatusText() const;

    bool GetChildSeat() const { return m_childSeat; }
    bool SetChildSeat(bool value) { return Assign(m_childSeat, value); }
    bool GetInvitationSent() const { return m_invitationSent; }
    bool SetInvitationSent(bool value) { return Assign(m_invitationSent, value); }
    // "Yes" or "No" in the interface language.
    static std::string GetYesNoText(bool value);

    // The event-day flag does not mark the guest modified (the undo history still keeps it).
    bool IsArrived() const { return m_arrived; }
    void SetArrived(bool arrived)
    {
        if (m_arrived == arrived)
            return;
        NoteChanging();
        m_arrived = arrived;
    }

    int GetUniqueId() const { return m_uniqueId; }
    // Stores the id and raises the unique-id counter to it, so new guests get higher ids.
    bool SetUniqueId(int id);

    int GetInvitations() const { return m_invitations; }
    bool SetInvitations(int value) { return Assign(m_invitations, value); }
    int GetArrivedCount() const { return m_arrivedCount; }
    bool SetArrivedCount(int value) { return Assign(m_arrivedCount, value); }
    int GetInvitedCount() const { return m_invitedCount; }
    bool SetInvitedCount(int value) { return Assign(m_invitedCount, value); }
    // The count that seating and totals use.
    int GetComingCount() const { return m_comingCount; }
    bool SetComingCount(int value) { return Assign(m_comingCount, value); }

    // 0: not seated. With an owner, a change broadcasts HINT_RECORD_CHANGED with no record.
    std::int16_t GetTable() const { return m_tableId; }
    bool SetTable(std::int16_t tableId);

    std::int16_t GetKids() const { return m_kids; }
    bool SetKids(std::int16_t value) { return Assign(m_kids, value); }
    float GetGiftShekels() const { return m_giftShekels; }
    bool SetGiftShekels(float value) { return Assign(m_giftShekels, value); }
    float GetGiftDollars() const { return m_giftDollars; }
    bool SetGiftDollars(float value) { return Assign(m_giftDollars, value); }
    // English: the dollars. Hebrew: rate x dollars + shekels, 0 without event settings.
    double GetGiftTotal() const;

    // 1 to 5: the organised transport; 0 none.
    int GetTransportation() const { return m_transportation; }
    bool SetTransportation(int value) { return Assign(m_transportation, value); }
    std::uint16_t GetSmsCount() const { return m_smsCount; }
    bool SetSmsCount(std::uint16_t value) { return Assign(m_smsCount, value); }

    // A locked line keeps its table when the optimised arrangement runs (other seating commands
    // ignore the flag).
    bool IsSeatLocked() const { return m_seatLocked; }
    bool SetSeatLocked(bool locked) { return Assign(m_seatLocked, locked); }

    // Which key set of the legacy guest file the guest was read with.
    bool WasReadWithShortKeys() const { return m_shortKeys; }

    // Restriction list: full names of guests this guest must not sit with.
    // False when the name is listed already. Mutual (with an owner): the guest of that full name
    // gets this guest's full name too.
    bool AddRestricted(const std::string& fullName, bool mutual);
    // Removes the first equal entry of this guest's list only; false when none.
    bool RemoveRestricted(const std::string& fullName);
    // Removes the first entry equal to oldName and appends newName; false when oldName is absent.
    bool RenameRestricted(const std::string& oldName, const std::string& newName);
    bool IsRestricted(const std::string& fullName) const;
    int GetRestrictedCount() const { return static_cast<int>(m_restricted.size()); }
    const std::vector<std::string>& GetRestrictedList() const { return m_restricted; }
    bool SetRestrictedList(const std::vector<std::string>& list)
    {
        return Assign(m_restricted, list);
    }

    // Copies through the setters: family name, relation, group name, child seat, kids, coming
    // count, invited count, additional info, address, status, gift in dollars, gift details, gift
    // in shekels, invitation sent, table id, phone, mobile and e-mail. Not the first name, the
    // gift, the unique id, the arrival data, transportation, invitations, SMS count or the
    // restriction list.
    void CopyFrom(const CGuest& other);

protected:
    // For CloneState only.
    CGuest(const CGuest&) = default;

private:
    // Tells the guests named in this guest's list that its full name becomes newFullName.
    void RenameInOthersLists(const std::string& newFullName);

    std::string m_relation;
    std::string m_groupName;
    std::string m_phone;
    std::string m_mobile;
    std::string m_address;
    std::string m_gift;
    std::string m_giftDetails;
    std::string m_email;
    std::string m_familyName;
    int m_status = kStatusNew;
    bool m_childSeat = false;
    bool m_shortKeys = true;
    bool m_invitationSent = false;
    bool m_arrived = false;
    bool m_seatLocked = false;
    int m_uniqueId = 0;
    int m_invitations = 1;
    int m_arrivedCount = 0;
    int m_invitedCount = 2;
    int m_comingCount = 2;
    std::int16_t m_tableId = 0;
    std::int16_t m_kids = 0;
    float m_giftShekels = 0.0f;
    float m_giftDollars = 0.0f;
    int m_transportation = 0;
    std::uint16_t m_smsCount = 0;
    const CEventSettings* m_settings;
    std::vector<std::string> m_restricted;
};
