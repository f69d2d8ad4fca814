#include "store/UndoHistory.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "model/Task.h"
#include "platform/Trace.h"
#include "settings/EventSettings.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace
{
constexpr std::size_t kKinds = static_cast<std::size_t>(ERecordClass::Count);

std::size_t KindIndex(ERecordClass kind)
{
    return static_cast<std::size_t>(kind);
}

// What one kept record costs beside its texts (the slot, the map entry, the object).
std::size_t RecordBytes(ERecordClass kind)
{
    constexpr std::size_t kOverhead = 64;
    switch (kind)
    {
    case ERecordClass::Guest:
        return sizeof(CGuest) + kOverhead;
    case ERecordClass::Group:
        return sizeof(CGroup) + kOverhead;
    case ERecordClass::Table:
        return sizeof(CTable) + kOverhead;
    case ERecordClass::Expence:
        return sizeof(CExpence) + kOverhead;
    case ERecordClass::Category:
        return sizeof(CCategory) + kOverhead;
    case ERecordClass::Offer:
        return sizeof(COffer) + kOverhead;
    case ERecordClass::Meeting:
        return sizeof(CMeeting) + kOverhead;
    case ERecordClass::Shape:
        return sizeof(CShape) + kOverhead;
    default:
        return kOverhead;
    }
}
} // namespace

// The task tree by value (tasks are not records: the tree is kept whole, it is small).
struct CUndoHistory::STaskState
{
    int id = 0;
    std::string name;
    std::string info;
    bool checked = false;
    std::vector<STaskState> children;

    bool operator==(const STaskState& other) const
    {
        return id == other.id && name == other.name && info == other.info &&
               checked == other.checked && children == other.children;
    }

    static STaskState Of(const CTask& task)
    {
        STaskState state;
        state.id = task.GetId();
        state.name = task.GetName();
        state.info = task.GetInfo();
        state.checked = task.IsChecked();
        for (int i = 0; i < task.GetChildCount(); ++i)
            state.children.push_back(Of(*task.GetChild(i)));
        return state;
    }

    // Gives the task these texts and these children (new task objects).
    void GiveTo(CTask& task) const
    {
        task.SetId(id);
        task.SetName(name);
        task.SetInfo(info);
        task.SetChecked(checked);
        for (const STaskState& childState : children)
        {
            auto child = std::make_unique<CTask>();
            childState.GiveTo(*child);
            task.AddChild(std::move(child));
        }
    }
};

struct CUndoHistory::SStep
{
    struct SSlot
    {
        ERecordClass kind;
        int serial;
        // The record at the other end of the step (before it while undoable, after it while
        // redoable); null when the record did not exist there.
        std::unique_ptr<CRecord> state;
    };

    std::string name;
    std::vector<SSlot> slots;
    // Per collection: the serials in their order at the other end of the step, when the step
    // changed the collection's membership or order.
    std::array<bool, kKinds> ordered{};
    std::array<std::vector<int>, kKinds> orders;
    std::unique_ptr<CEventSettings> settings;
    std::unique_ptr<STaskState> tasks;
    std::size_t bytes = 0;

    bool IsEmpty() const
    {
        return slots.empty() && settings == nullptr && tasks == nullptr &&
               std::none_of(ordered.begin(), ordered.end(), [](bool b) { return b; });
    }
};

CUndoHistory::CUndoHistory(STarget target) : m_target(target) {}

CUndoHistory::~CUndoHistory() = default;

CUndoHistory::SStep& CUndoHistory::Open()
{
    if (!m_open)
    {
        m_open = std::make_unique<SStep>();
        m_open->name = std::move(m_pendingName);
        m_pendingName.clear();
        m_touched.clear();
        if (m_stepOpened)
            m_stepOpened();
    }
    return *m_open;
}

void CUndoHistory::RecordChanging(const CRecord& record)
{
    if (!IsRecording())
        return;
    SStep& step = Open();
    if (m_touched.count(record.GetSerial()) != 0)
        return;
    m_touched.emplace(record.GetSerial(), step.slots.size());
    step.slots.push_back({record.GetRecordClass(), record.GetSerial(), record.CloneState()});
}

std::vector<int> CUndoHistory::SerialsOf(ERecordClass kind) const
{
    std::vector<int> serials;
    auto collect = [&serials](const auto& records)
    {
        serials.reserve(records.size());
        for (const auto& record : records)
            serials.push_back(record->GetSerial());
    };
    switch (kind)
    {
    case ERecordClass::Guest:
        collect(m_target.guests);
        break;
    case ERecordClass::Group:
        collect(m_target.groups);
        break;
    case ERecordClass::Table:
        collect(m_target.tables);
        break;
    case ERecordClass::Expence:
        collect(m_target.expenses);
        break;
    case ERecordClass::Category:
        collect(m_target.categories);
        break;
    case ERecordClass::Offer:
        collect(m_target.offers);
        break;
    case ERecordClass::Meeting:
        collect(m_target.meetings);
        break;
    case ERecordClass::Shape:
        collect(m_target.shapes);
        break;
    default:
        break;
    }
    return serials;
}

void CUndoHistory::CollectionChanging(ERecordClass kind)
{
    if (!IsRecording() || KindIndex(kind) >= kKinds)
        return;
    SStep& step = Open();
    if (step.ordered[KindIndex(kind)])
        return;
    step.ordered[KindIndex(kind)] = true;
    step.orders[KindIndex(kind)] = SerialsOf(kind);
}

void CUndoHistory::SettingsChanging()
{
    if (!IsRecording())
        return;
    SStep& step = Open();
    if (!step.settings)
        step.settings = std::make_unique<CEventSettings>(m_target.settings);
}

void CUndoHistory::TasksChanging()
{
    if (!IsRecording())
        return;
    SStep& step = Open();
    if (!step.tasks)
        step.tasks = std::make_unique<STaskState>(STaskState::Of(m_target.taskRoot));
}

void CUndoHistory::NameStep(const std::string& name)
{
    if (!IsRecording() || name.empty())
        return;
    if (m_open)
    {
        if (m_open->name.empty())
            m_open->name = name;
    }
    else if (m_pendingName.empty())
    {
        m_pendingName = name;
    }
}

template <class T>
void CUndoHistory::NormaliseKind(const std::vector<std::unique_ptr<T>>& records, ERecordClass kind,
                                 SStep& step)
{
    const std::size_t k = KindIndex(kind);
    if (!step.ordered[k] &&
        std::none_of(step.slots.begin(), step.slots.end(),
                     [kind](const SStep::SSlot& slot) { return slot.kind == kind; }))
        return;
    std::unordered_set<int> now;
    now.reserve(records.size());
    for (const auto& record : records)
        now.insert(record->GetSerial());
    // Without a kept order the membership did not change: "before" is "now".
    std::unordered_set<int> before;
    if (step.ordered[k])
        before.insert(step.orders[k].begin(), step.orders[k].end());
    const std::unordered_set<int>& existedBefore = step.ordered[k] ? before : now;

    std::unordered_set<int> kept;
    auto slot = step.slots.begin();
    while (slot != step.slots.end())
    {
        if (slot->kind != kind)
        {
            ++slot;
            continue;
        }
        const bool wasThere = existedBefore.count(slot->serial) != 0;
        const bool isThere = now.count(slot->serial) != 0;
        if (!wasThere)
            slot->state.reset(); // made during the step: its first state is no "before"
        if (!wasThere && !isThere)
        {
            slot = step.slots.erase(slot); // made and dropped, or never in the collection
            continue;
        }
        kept.insert(slot->serial);
        ++slot;
    }
    // Every record that came or went needs a slot: one that came gets its "not there" state.
    for (int serial : now)
        if (step.ordered[k] && before.count(serial) == 0 && kept.count(serial) == 0)
            step.slots.push_back({kind, serial, nullptr});
    if (step.ordered[k])
    {
        for (int serial : step.orders[k])
        {
            if (now.count(serial) == 0 && kept.count(serial) == 0)
            {
                // A record left without telling: its state before is lost, so this step cannot
                // be taken back. Never expected; the caller drops the history instead of
                // restoring a wrong document.
                Trace("CUndoHistory", "a removed record was not kept; the history is dropped");
                throw std::logic_error("undo step without the state of a removed record");
            }
        }
        if (step.orders[k].size() == records.size() &&
            std::equal(records.begin(), records.end(), step.orders[k].begin(),
                       [](const auto& record, int serial)
                       { return record->GetSerial() == serial; }))
            step.ordered[k] = false; // same order as before: nothing to restore
    }
}

void CUndoHistory::Normalise(SStep& step)
{
    NormaliseKind(m_target.guests, ERecordClass::Guest, step);
    NormaliseKind(m_target.groups, ERecordClass::Group, step);
    NormaliseKind(m_target.tables, ERecordClass::Table, step);
    NormaliseKind(m_target.expenses, ERecordClass::Expence, step);
    NormaliseKind(m_target.categories, ERecordClass::Category, step);
    NormaliseKind(m_target.offers, ERecordClass::Offer, step);
    NormaliseKind(m_target.meetings, ERecordClass::Meeting, step);
    NormaliseKind(m_target.shapes, ERecordClass::Shape, step);
    if (step.tasks && *step.tasks == STaskState::Of(m_target.taskRoot))
        step.tasks.reset();
}

void CUndoHistory::CloseStep()
{
    if (!m_open)
    {
        m_pendingName.clear();
        return;
    }
    std::unique_ptr<SStep> step = std::move(m_open);
    m_touched.clear();
    m_pendingName.clear();
    try
    {
        Normalise(*step);
    }
    catch (const std::logic_error&)
    {
        Clear();
        return;
    }
    if (step->IsEmpty())
        return;
    for (const auto& redo : m_redo)
        m_bytes -= std::min(m_bytes, redo->bytes);
    m_redo.clear();
    step->bytes = EstimateBytes(*step);
    m_bytes += step->bytes;
    m_undo.push_back(std::move(step));
    Trim();
}

std::size_t CUndoHistory::EstimateBytes(const SStep& step)
{
    std::size_t bytes = sizeof(SStep) + step.name.size();
    for (const auto& slot : step.slots)
        bytes += slot.state ? RecordBytes(slot.kind) : sizeof(slot);
    for (const auto& order : step.orders)
        bytes += order.size() * sizeof(int);
    if (step.settings)
        bytes += sizeof(CEventSettings);
    return bytes;
}

void CUndoHistory::Trim()
{
    // The newest step stays whatever it costs: the user's last action can always be taken back.
    while (m_undo.size() > 1 &&
           (m_undo.size() + m_redo.size() > m_stepLimit || m_bytes > m_byteBudget))
    {
        m_bytes -= std::min(m_bytes, m_undo.front()->bytes);
        m_undo.pop_front();
    }
    while (m_stepLimit == 0 && !m_undo.empty())
    {
        m_bytes -= std::min(m_bytes, m_undo.front()->bytes);
        m_undo.pop_front();
    }
}

template <class T>
void CUndoHistory::ApplyKind(std::vector<std::unique_ptr<T>>& records, ERecordClass kind,
                             SStep& step)
{
    const std::size_t k = KindIndex(kind);
    const bool anySlot =
        std::any_of(step.slots.begin(), step.slots.end(),
                    [kind](const SStep::SSlot& slot) { return slot.kind == kind; });
    if (!anySlot && !step.ordered[k])
        return;

    std::vector<int> order;
    order.reserve(records.size());
    std::unordered_map<int, std::unique_ptr<T>> live;
    live.reserve(records.size());
    for (auto& record : records)
    {
        order.push_back(record->GetSerial());
        live[record->GetSerial()] = std::move(record);
    }
    records.clear();

    for (SStep::SSlot& slot : step.slots)
    {
        if (slot.kind != kind)
            continue;
        std::unique_ptr<T>& entry = live[slot.serial];
        std::unique_ptr<CRecord> other = std::move(slot.state);
        slot.state = std::move(entry);
        entry.reset(static_cast<T*>(other.release()));
    }

    const std::vector<int>& target = step.ordered[k] ? step.orders[k] : order;
    for (int serial : target)
    {
        auto it = live.find(serial);
        if (it != live.end() && it->second)
            records.push_back(std::move(it->second));
    }
    // Never expected (a step is checked when it closes); kept rather than lost.
    for (int serial : order)
    {
        auto it = live.find(serial);
        if (it != live.end() && it->second)
            records.push_back(std::move(it->second));
    }
    if (step.ordered[k])
        step.orders[k] = std::move(order);
}

void CUndoHistory::Apply(SStep& step)
{
    SuspendRecording();
    ApplyKind(m_target.guests, ERecordClass::Guest, step);
    ApplyKind(m_target.groups, ERecordClass::Group, step);
    ApplyKind(m_target.tables, ERecordClass::Table, step);
    ApplyKind(m_target.expenses, ERecordClass::Expence, step);
    ApplyKind(m_target.categories, ERecordClass::Category, step);
    ApplyKind(m_target.offers, ERecordClass::Offer, step);
    ApplyKind(m_target.meetings, ERecordClass::Meeting, step);
    ApplyKind(m_target.shapes, ERecordClass::Shape, step);
    if (step.settings)
    {
        auto current = std::make_unique<CEventSettings>(m_target.settings);
        m_target.settings.TakeUserSettingsFrom(*step.settings);
        step.settings = std::move(current);
    }
    if (step.tasks)
    {
        auto current = std::make_unique<STaskState>(STaskState::Of(m_target.taskRoot));
        m_target.taskRoot.DeleteSubtree();
        step.tasks->GiveTo(m_target.taskRoot);
        step.tasks = std::move(current);
    }
    ResumeRecording();
}

bool CUndoHistory::Undo()
{
    CloseStep();
    if (m_undo.empty())
        return false;
    std::unique_ptr<SStep> step = std::move(m_undo.back());
    m_undo.pop_back();
    Apply(*step);
    m_redo.push_back(std::move(step));
    return true;
}

bool CUndoHistory::Redo()
{
    CloseStep();
    if (m_redo.empty())
        return false;
    std::unique_ptr<SStep> step = std::move(m_redo.back());
    m_redo.pop_back();
    Apply(*step);
    m_undo.push_back(std::move(step));
    return true;
}

std::string CUndoHistory::UndoName() const
{
    if (m_open)
        return m_open->name;
    return m_undo.empty() ? std::string() : m_undo.back()->name;
}

std::string CUndoHistory::RedoName() const
{
    return m_redo.empty() || m_open ? std::string() : m_redo.back()->name;
}

void CUndoHistory::Clear()
{
    m_open.reset();
    m_touched.clear();
    m_pendingName.clear();
    m_undo.clear();
    m_redo.clear();
    m_bytes = 0;
}

void CUndoHistory::SetLimits(std::size_t steps, std::size_t bytes)
{
    m_stepLimit = steps;
    m_byteBudget = bytes;
    Trim();
}
