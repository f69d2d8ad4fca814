#include "model/RecordCounters.h"

#include <array>

namespace
{
std::array<int, static_cast<std::size_t>(ERecordClass::Count)> g_indexes = [] {
    std::array<int, static_cast<std::size_t>(ERecordClass::Count)> start{};
    start.fill(-1);
    return start;
}();
int g_serial = 0;
int g_lastUniqueGuestId = CRecordCounters::kFirstUniqueGuestId;
int g_taskId = 0;
int g_shapeId = 0;

int& Index(ERecordClass recordClass) { return g_indexes[static_cast<std::size_t>(recordClass)]; }
} // namespace

int CRecordCounters::TakeIndex(ERecordClass recordClass) { return ++Index(recordClass); }

void CRecordCounters::ReleaseIndex(ERecordClass recordClass) { --Index(recordClass); }

void CRecordCounters::ResetIndex(ERecordClass recordClass) { Index(recordClass) = -1; }

int CRecordCounters::PeekIndex(ERecordClass recordClass) { return Index(recordClass); }

int CRecordCounters::TakeSerial() { return ++g_serial; }

int CRecordCounters::TakeUniqueGuestId() { return ++g_lastUniqueGuestId; }

int CRecordCounters::GetLastUniqueGuestId() { return g_lastUniqueGuestId; }

void CRecordCounters::SetLastUniqueGuestId(int id) { g_lastUniqueGuestId = id; }

void CRecordCounters::RaiseUniqueGuestId(int id)
{
    if (g_lastUniqueGuestId <= id)
        g_lastUniqueGuestId = id;
}

int CRecordCounters::TakeTaskId() { return ++g_taskId; }

void CRecordCounters::RaiseTaskId(int id)
{
    if (g_taskId <= id)
        g_taskId = id + 1;
}

int CRecordCounters::TakeShapeId() { return ++g_shapeId; }

void CRecordCounters::ResetAllForTests()
{
    g_indexes.fill(-1);
    g_serial = 0;
    g_lastUniqueGuestId = kFirstUniqueGuestId;
    g_taskId = 0;
    g_shapeId = 0;
}
