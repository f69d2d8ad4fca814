#pragma once

#include "model/RecordCounters.h"

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CCategory;
class CEventSettings;
class CExpence;
class CGroup;
class CGuest;
class CMeeting;
class COffer;
class CRecord;
class CShape;
class CTable;
class CTask;

// The document's undo and redo history.
//
// A step is what one user action changed. It keeps, for each record the action touched, a copy of
// the whole record as it was before (taken at the first touch, when the record tells its owner it
// is about to change, or when it leaves its collection), the order of each collection whose
// records were added, removed or moved, and the event settings and the task tree when they
// changed. Going back swaps those copies with the records in the collections, so the step then
// holds the states after it and the same call goes forward again: undo and redo are one
// operation. Records are known by their serial; the copy of a record carries its serial, so a
// record that comes back is the same record for every later step.
//
// A step opens by itself at the first change and stays open until CloseStep: the front end closes
// it when control returns to the user (the GUI when its event loop waits, a test after each
// operation); the command line never does, so each run is one step. A step that changed nothing
// leaves no entry. A new step drops the steps that were undone (the redo branch). The history
// keeps at most the step limit and, beyond the newest step, at most the byte budget (an estimate:
// the records' sizes, not their texts).
class CUndoHistory
{
public:
    static constexpr std::size_t kDefaultStepLimit = 100;
    static constexpr std::size_t kDefaultByteBudget = 256u * 1024u * 1024u;

    // The state the history works on: the document's collections, its settings and task root.
    struct STarget
    {
        std::vector<std::unique_ptr<CGuest>>& guests;
        std::vector<std::unique_ptr<CExpence>>& expenses;
        std::vector<std::unique_ptr<CTable>>& tables;
        std::vector<std::unique_ptr<CGroup>>& groups;
        std::vector<std::unique_ptr<CMeeting>>& meetings;
        std::vector<std::unique_ptr<CCategory>>& categories;
        std::vector<std::unique_ptr<COffer>>& offers;
        std::vector<std::unique_ptr<CShape>>& shapes;
        CEventSettings& settings;
        CTask& taskRoot;
    };

    explicit CUndoHistory(STarget target);
    ~CUndoHistory();

    CUndoHistory(const CUndoHistory&) = delete;
    CUndoHistory& operator=(const CUndoHistory&) = delete;

    // --- Recording (the document calls these before it changes anything) ----------------------

    // While off (loading an event, applying a step) nothing is recorded.
    bool IsRecording() const { return m_recording > 0; }
    void SuspendRecording() { --m_recording; }
    void ResumeRecording() { ++m_recording; }

    // Recording is off while one lives (loading an event).
    class CPause
    {
    public:
        explicit CPause(CUndoHistory& history) : m_history(history) { history.SuspendRecording(); }
        ~CPause() { m_history.ResumeRecording(); }
        CPause(const CPause&) = delete;
        CPause& operator=(const CPause&) = delete;

    private:
        CUndoHistory& m_history;
    };

    // A record of the document is about to change or to leave its collection.
    void RecordChanging(const CRecord& record);
    // A collection is about to gain, lose or reorder records.
    void CollectionChanging(ERecordClass kind);
    void SettingsChanging();
    void TasksChanging();

    // Names the step: the open one when it has no name yet, else the next one to open. The first
    // name a step gets stays (the outermost operation names it before the ones it calls).
    void NameStep(const std::string& name);

    // Ends the open step: an empty one is dropped; otherwise it becomes the newest undo step and
    // the redo steps go. Nothing when no step is open.
    void CloseStep();
    bool HasOpenStep() const { return m_open != nullptr; }
    // Told when a step opens (the GUI notes how deep its event loops are at that moment).
    void SetStepOpenedListener(std::function<void()> listener)
    {
        m_stepOpened = std::move(listener);
    }

    // --- Going back and forward ---------------------------------------------------------------

    // An open step counts: Undo closes it first and takes it back. Redo is not offered while a
    // step is open (closing it drops the redo steps).
    bool CanUndo() const { return m_open != nullptr || !m_undo.empty(); }
    bool CanRedo() const { return m_open == nullptr && !m_redo.empty(); }
    // The names of the steps Undo and Redo would take (the open one first); empty when unnamed or
    // none.
    std::string UndoName() const;
    std::string RedoName() const;
    // Close the open step first, then take the newest step back (forward). False when there is
    // none. The caller tells the views (the records in the collections are other objects now).
    bool Undo();
    bool Redo();

    // Drops every step, the open one too (a load or an event switch).
    void Clear();

    // --- Limits and figures
    // -----------------------------------------------------------------------

    void SetLimits(std::size_t steps, std::size_t bytes);
    std::size_t UndoCount() const { return m_undo.size(); }
    std::size_t RedoCount() const { return m_redo.size(); }
    // The estimate the byte budget is checked against, for every kept step.
    std::size_t EstimatedBytes() const { return m_bytes; }

private:
    struct SStep;
    struct STaskState;

    SStep& Open();
    void Normalise(SStep& step);
    void Apply(SStep& step);
    template <class T>
    void ApplyKind(std::vector<std::unique_ptr<T>>& records, ERecordClass kind, SStep& step);
    template <class T>
    void NormaliseKind(const std::vector<std::unique_ptr<T>>& records, ERecordClass kind,
                       SStep& step);
    std::vector<int> SerialsOf(ERecordClass kind) const;
    void Trim();
    static std::size_t EstimateBytes(const SStep& step);

    STarget m_target;
    int m_recording = 1;
    std::unique_ptr<SStep> m_open;
    std::unordered_map<int, std::size_t> m_touched; // serial -> slot of the open step
    std::string m_pendingName;
    std::deque<std::unique_ptr<SStep>> m_undo;  // oldest first
    std::vector<std::unique_ptr<SStep>> m_redo; // the next to redo last
    std::size_t m_stepLimit = kDefaultStepLimit;
    std::size_t m_byteBudget = kDefaultByteBudget;
    std::size_t m_bytes = 0;
    std::function<void()> m_stepOpened;
};
