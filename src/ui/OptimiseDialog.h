#pragma once

#include "seating/SeatingPlan.h"

#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>

class CNewOrvDoc;
class COptimiseConflictsModel;
class CSeatingProblem;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

// "Optimised arrangement": the choices (use the event's tables, or rebuild them keeping those of
// locked guests; a time limit), the search with a progress bar and Stop, and the plan's summary
// with the lines it could not seat. The search runs on a thread of its own over a copy of the
// event taken when it starts (CSeatingProblem), so the interface stays alive and the document is
// never touched from there. Nothing changes in this dialog: once it is accepted the caller
// carries out Plan() over Problem() with Edits::ApplySeatingPlan.
class COptimiseDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDefaultSeconds = 10;
    static constexpr int kMostSeconds = 600;

    explicit COptimiseDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);
    // Stops a search still running and waits for it.
    ~COptimiseDialog() override;

    // Starts the search with the choices made ("Find a plan").
    void FindPlan();
    // Asks a running search to stop; it keeps the best plan found so far ("Stop").
    void StopSearch();
    // Waits until the running search is done and shows its plan (tests, the screenshot tool).
    void WaitForPlan();

    bool IsSearching() const { return m_worker.joinable(); }
    // Null until a plan was found for the choices as they stand.
    const CSeatingProblem* Problem() const { return m_hasPlan ? m_problem.get() : nullptr; }
    const SSeatingPlan& Plan() const { return m_plan; }

    QRadioButton* RebuildChoice() const { return m_rebuild; }
    QSpinBox* SecondsField() const { return m_seconds; }
    QPushButton* AcceptButton() const { return m_accept; }
    QLabel* SummaryValue(int row) const;
    QTableView* ConflictsList() const { return m_conflicts; }

    void reject() override;

private:
    void OnProgress(int percent);
    void OnFinished();
    void ForgetPlan();
    void ShowPlan();
    void UpdateControls();

    CNewOrvDoc& m_doc;
    QRadioButton* m_useExisting;
    QRadioButton* m_rebuild;
    QSpinBox* m_seconds;
    QPushButton* m_find;
    QPushButton* m_stop;
    QProgressBar* m_progress;
    QLabel* m_status;
    QLabel* m_values[6];
    QLabel* m_conflictsCaption;
    QTableView* m_conflicts;
    COptimiseConflictsModel* m_conflictsModel;
    QDialogButtonBox* m_buttons;
    QPushButton* m_accept;

    std::unique_ptr<CSeatingProblem> m_problem;
    SSeatingPlan m_plan; // written by the search thread until it is joined
    bool m_hasPlan = false;
    std::thread m_worker;
    std::atomic<bool> m_stopRequested{false};
};
