#include "model/RecordCounters.h"

#include "settings/EventSettings.h"

#include <array>
#include <cstddef>

namespace
{
constexpr int kFirstIndexCounter = -1;
constexpr std::size_t kClassCount = static_cast<std::size_t>(ERecordClass::Count);

std::array<int, kClassCount> g_indexCounters = []
{
    std::array<int, kClassCount> counters{};
    counters.fill(kFirstIndexCounter);
    return counters;
}();
int g_serialCounter = 0;
int g_lastUniqueGuestId = CEventSettings::kFirstGuestUniqueId;
int g_taskIdCounter = 0;
int g_shapeIdCounter = 0;

int& IndexCounter(ERecordClass recordClass)
{
    std::size_t slot = static_cast<std::size_t>(recordClass);
    if (slot >= kClassCount)
        slot = 0; // ERecordClass::Count is not a class; never reached through the records
    return g_indexCounters[slot];
}
} // namespace

int CRecordCounters::TakeIndex(ERecordClass recordClass)
{
    return ++IndexCounter(recordClass);
}

void CRecordCounters::ReleaseIndex(ERecordClass recordClass)
{
    --IndexCounter(recordClass);
}

void CRecordCounters::ResetIndex(ERecordClass recordClass)
{
    IndexCounter(recordClass) = kFirstIndexCounter;
}

int CRecordCounters::PeekIndex(ERecordClass recordClass)
{
    return IndexCounter(recordClass);
}

int CRecordCounters::TakeSerial()
{
    return ++g_serialCounter;
}

int CRecordCounters::TakeUniqueGuestId()
{
    return ++g_lastUniqueGuestId;
}

int CRecordCounters::GetLastUniqueGuestId()
{
    return g_lastUniqueGuestId;
}

void CRecordCounters::SetLastUniqueGuestId(int id)
{
    g_lastUniqueGuestId = id;
}

void CRecordCounters::RaiseUniqueGuestId(int id)
{
    if (g_lastUniqueGuestId <= id)
        g_lastUniqueGuestId = id;
}

int CRecordCounters::TakeTaskId()
{
    return ++g_taskIdCounter;
}

void CRecordCounters::RaiseTaskId(int id)
{
    if (g_taskIdCounter <= id)
        g_taskIdCounter = id + 1;
}

int CRecordCounters::TakeShapeId()
{
    return ++g_shapeIdCounter;
}

void CRecordCounters::ResetAllForTests()
{
    g_indexCounters.fill(kFirstIndexCounter);
    g_serialCounter = 0;
    g_lastUniqueGuestId = CEventSettings::kFirstGuestUniqueId;
    g_taskIdCounter = 0;
    g_shapeIdCounter = 0;
}
