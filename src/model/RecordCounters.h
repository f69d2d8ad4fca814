#pragma once

// The process-wide counters that the data rules need, kept together in one place:
// - one index counter per record class, starting at -1: a constructor adds 1 and takes the result;
//   the event load sets them back to -1 so a record's index equals its INI section number;
// - one serial counter shared by every record, starting at 0 and never reset (the first record
//   ever created has serial 1); views find a record again by its serial;
// - the unique guest id counter (the last id handed out; the document sets it from the event
//   setting "lastGuestUniqueId", every save writes it back);
// - the task id counter and the hall-shape id counter.
// ResetAllForTests puts every counter back to its start value; only tests call it.
enum class ERecordClass : int
{
    Guest,
    Group,
    Table,
    Expence,
    Category,
    Offer,
    Meeting,
    Shape,
    Count,
};

class CRecordCounters
{
public:
    static int TakeIndex(ERecordClass recordClass);
    static void ReleaseIndex(ERecordClass recordClass);
    static void ResetIndex(ERecordClass recordClass);
    static int PeekIndex(ERecordClass recordClass);

    static int TakeSerial();

    static int TakeUniqueGuestId();
    static int GetLastUniqueGuestId();
    static void SetLastUniqueGuestId(int id);
    // Raises the counter to id when it is not above id already.
    static void RaiseUniqueGuestId(int id);

    static int TakeTaskId();
    // Sets the counter to id + 1 when it is not above id.
    static void RaiseTaskId(int id);

    static int TakeShapeId();

    static void ResetAllForTests();
};
