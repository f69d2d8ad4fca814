#pragma once

#include "model/RecordCounters.h"
#include "model/RecordOwner.h"

#include <memory>
#include <string>

class CProfileFile;

// The common base of the event's records (guests, groups, tables, expenses, categories, offers,
// meetings and hall shapes).
//
// Every record takes, at construction, the next index of its class counter (tables excepted: the
// document gives their id) and the next process-wide serial; its INI section name is the class
// prefix followed by the index. A new record is new and modified.
//
// The setter rule, kept by every setter of every record unless its comment says otherwise:
// compare with the stored value; when equal return false and touch no flag; otherwise store, mark
// the record modified and, when the record has an owner, mark the owner's data changed, so no
// edit can be skipped by a save. Detached records (no owner) never call anyone. Before a changing
// setter stores anything it tells the owner that the record is about to change
// (IRecordOwner::RecordChanging), so the owner's undo history can keep the state before.
//
// Records never own or delete other records; the document owns them. All text is UTF-8.
class CRecord
{
public:
    virtual ~CRecord() = default;

    CRecord& operator=(const CRecord&) = delete;

    // A copy of the whole record: every field, flag, index, serial and the owner. The undo
    // history keeps such copies as the states before and after a step; the copy is never put
    // into a collection beside its original, only in its place.
    virtual std::unique_ptr<CRecord> CloneState() const = 0;

    // Stores the index and remakes the section name; marks modified when it changes.
    virtual bool SetIndex(int index);
    virtual int GetIndex() const { return m_index; }

    // Section = class prefix + index in decimal ("Guest7"); marks the record modified (no owner
    // call: it is part of construction and renumbering).
    virtual void MakeSectionName();

    // The EEventFileKind of the class's legacy INI file.
    virtual int GetFileKind() const = 0;

    // Reads the record from a section of its class's legacy INI file, already loaded by the
    // caller. Returns false when the section holds no record (the list ends there). Never calls
    // the owner.
    virtual bool LoadFromIni(CProfileFile& ini, const std::string& section) = 0;

    // Clears the new and modified flags (after the record has been read from a file).
    virtual void ClearModified();

    // Gives the index back to the class counter (after a failed legacy load).
    virtual void ReleaseIndex();

    virtual bool SetName(const std::string& name);
    virtual bool IsModified() const { return m_modified; }

    const std::string& GetName() const { return m_name; }
    const std::string& GetInfo() const { return m_info; }
    bool SetInfo(const std::string& info);

    bool IsNew() const { return m_new; }
    int GetSerial() const { return m_serial; }
    const std::string& GetSection() const { return m_section; }
    const char* GetSectionPrefix() const { return m_sectionPrefix; }
    ERecordClass GetRecordClass() const { return m_recordClass; }

    // The owner is not owned; null for a detached record.
    IRecordOwner* GetOwner() const { return m_owner; }
    void SetOwner(IRecordOwner* owner) { m_owner = owner; }

    // Gives other this record's name and info through its setters and marks it modified.
    void CopyTo(CRecord& other) const;

    // The info for HTML: markup characters escaped, every line feed replaced by "<br>" (a carriage
    // return before it stays); "&nbsp;" when the info is empty.
    std::string GetInfoHtml() const;

protected:
    // takeIndex false: the index starts at -1 and the class counter is left alone.
    CRecord(IRecordOwner* owner, ERecordClass recordClass, const char* sectionPrefix,
            bool takeIndex = true);

    // For CloneState only.
    CRecord(const CRecord&) = default;

    // Marks the record modified and, with an owner, the owner's data changed.
    void MarkModified();
    // Tells the owner, when there is one, that the record is about to change. Every setter calls it
    // once it knows a value differs and before it stores anything.
    void NoteChanging()
    {
        if (m_owner != nullptr)
            m_owner->RecordChanging(*this);
    }

    // The setter rule for one field.
    template <class T>
    bool Assign(T& field, const T& value)
    {
        if (field == value)
            return false;
        NoteChanging();
        field = value;
        MarkModified();
        return true;
    }

    // Plain flag access for loaders, which must not call the owner.
    void SetModifiedFlag(bool modified) { m_modified = modified; }
    void SetNewFlag(bool isNew) { m_new = isNew; }
    // Direct stores for constructors and loaders, which must not call the owner. InitIndex also
    // remakes the section name (and so marks the record modified, as a new record is).
    void InitIndex(int index);
    void LoadName(const std::string& name) { m_name = name; }
    void LoadInfo(const std::string& info) { m_info = info; }

private:
    IRecordOwner* m_owner;
    ERecordClass m_recordClass;
    const char* m_sectionPrefix;
    bool m_modified = true;
    bool m_new = true;
    std::string m_name;
    std::string m_info;
    int m_index = -1;
    int m_serial = 0;
    std::string m_section;
};

// The record that travels with an update hint, as the class the receiver expects: null when there
// is none or it is of another class (so a hint sent with an unexpected record is ignored rather
// than misread).
template <class T>
T* HintRecord(CRecord* record)
{
    return dynamic_cast<T*>(record);
}
