#pragma once

#include "model/Date.h"
#include "model/Record.h"

#include <string>

// An appointment with a supplier or another contact: what (the name), notes (the info, may hold
// "\r\n"), when and with whom.
class CMeeting : public CRecord
{
public:
    static constexpr const char* kSectionPrefix = "Meeting";
    // The pen a calendar marks the meeting with: solid, this width, this Windows-style colour
    // (0x00BBGGRR: blue).
    static constexpr int kPenWidth = 2;
    static constexpr int kPenColour = 0xFF0000;

    // Takes the next meeting index; dated today (local date). The owner is not owned and may be
    // null.
    explicit CMeeting(IRecordOwner* owner);

    int GetFileKind() const override;
    // Reads a Meetings.ini section; false when "Name" is missing or the word "empty".
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;
    // Clears both flags and turns every bare line feed of the info (as the XML file delivers it)
    // into "\r\n"; line breaks already "\r\n" stay as they are.
    void ClearModified() override;

    const std::string& GetContactPhone() const { return m_contactPhone; }
    bool SetContactPhone(const std::string& value) { return Assign(m_contactPhone, value); }
    const std::string& GetContactJob() const { return m_contactJob; }
    bool SetContactJob(const std::string& value) { return Assign(m_contactJob, value); }
    const std::string& GetContactAddress() const { return m_contactAddress; }
    bool SetContactAddress(const std::string& value) { return Assign(m_contactAddress, value); }
    const std::string& GetContactName() const { return m_contactName; }
    bool SetContactName(const std::string& value) { return Assign(m_contactName, value); }

    const SDate& GetDate() const { return m_date; }
    bool SetDate(const SDate& date) { return Assign(m_date, date); }

    // The UID of the meeting's calendar entry (iCalendar), kept across exports and edits so that
    // importing the meeting again updates the entry; empty until the meeting is first given one.
    const std::string& GetCalendarUid() const { return m_calendarUid; }
    bool SetCalendarUid(const std::string& uid) { return Assign(m_calendarUid, uid); }

protected:
    // For CloneState only.
    CMeeting(const CMeeting&) = default;

private:
    std::string m_contactPhone;
    std::string m_contactJob;
    std::string m_contactAddress;
    std::string m_contactName;
    SDate m_date;
    std::string m_calendarUid;
};
