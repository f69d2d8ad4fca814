#include "ui/OptimiseDialog.h"

#include "model/Guest.h"
#include "seating/SeatingOptimiser.h"
#include "seating/SeatingProblem.h"
#include "ui/DialogButtons.h"
#include "ui/OptimiseConflictsModel.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
// The rows of the summary, in order.
constexpr int kSummaryTexts[] = {IDS_OPT_TABLES_USED,    IDS_OPT_NEW_TABLES,
                                 IDS_OPT_GROUPS_SPLIT,   IDS_OPT_LINES_SEATED,
                                 IDS_OPT_LINES_UNSEATED, IDS_OPT_RESTRICTIONS};
constexpr int kSummaryRows = static_cast<int>(std::size(kSummaryTexts));

int ReasonText(ESeatConflict reason)
{
    switch (reason)
    {
    case ESeatConflict::TooLarge:
        return IDS_OPT_REASON_TOO_LARGE;
    case ESeatConflict::SelfRestricted:
        return IDS_OPT_REASON_SELF_RESTRICTED;
    default:
        return IDS_OPT_REASON_NO_ROOM;
    }
}
} // namespace

COptimiseDialog::COptimiseDialog(CNewOrvDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_OPT_TITLE));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_OPT_EXPLANATION));

    m_useExisting = new QRadioButton(UiText(IDS_OPT_USE_EXISTING));
    m_rebuild = new QRadioButton(UiText(IDS_OPT_REBUILD));
    m_useExisting->setChecked(true);
    layout->addWidget(m_useExisting);
    layout->addWidget(m_rebuild);

    auto* timeRow = new QHBoxLayout;
    auto* timeLabel = new QLabel(UiText(IDS_OPT_TIME_LIMIT));
    m_seconds = new QSpinBox;
    m_seconds->setRange(1, kMostSeconds);
    m_seconds->setValue(kDefaultSeconds);
    m_seconds->setSuffix(UiText(IDS_OPT_SECONDS_SUFFIX));
    timeLabel->setBuddy(m_seconds);
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(m_seconds);
    timeRow->addStretch();
    layout->addLayout(timeRow);

    auto* searchRow = new QHBoxLayout;
    m_find = new QPushButton(UiText(IDS_OPT_FIND));
    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_stop = new QPushButton(UiText(IDS_OPT_STOP));
    searchRow->addWidget(m_find);
    searchRow->addWidget(m_progress, 1);
    searchRow->addWidget(m_stop);
    layout->addLayout(searchRow);
    m_status = new QLabel(UiText(IDS_OPT_READY));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto* summary = new QFormLayout;
    // Each value right beside its caption, in either direction.
    summary->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (int row = 0; row < kSummaryRows; ++row)
    {
        m_values[row] = new QLabel;
        summary->addRow(UiText(kSummaryTexts[row]), m_values[row]);
    }
    layout->addLayout(summary);

    m_conflictsCaption = new QLabel(UiText(IDS_OPT_CONFLICTS_CAPTION));
    layout->addWidget(m_conflictsCaption);
    m_conflictsModel = new COptimiseConflictsModel(this);
    m_conflicts = MakeRecordList("ConflictsList", m_conflictsModel);
    m_conflicts->horizontalHeader()->setSectionResizeMode(COptimiseConflictsModel::kColumnGuest,
                                                          QHeaderView::ResizeToContents);
    // A few lines at least; the dialog grows to show them when a plan has any.
    m_conflicts->setMinimumHeight(m_conflicts->horizontalHeader()->sizeHint().height() +
                                  4 * m_conflicts->verticalHeader()->defaultSectionSize());
    layout->addWidget(m_conflicts, 1);
    // Takes the spare height while there is no list of conflicts.
    layout->addStretch();

    m_buttons = MakeButtonBox(QDialogButtonBox::Cancel);
    m_accept = m_buttons->addButton(UiText(IDS_OPT_ACCEPT), QDialogButtonBox::AcceptRole);
    layout->addWidget(m_buttons);

    connect(m_find, &QPushButton::clicked, this, &COptimiseDialog::FindPlan);
    connect(m_stop, &QPushButton::clicked, this, &COptimiseDialog::StopSearch);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &COptimiseDialog::reject);
    // Another choice needs another plan.
    connect(m_rebuild, &QRadioButton::toggled, this, &COptimiseDialog::ForgetPlan);
    connect(m_seconds, qOverload<int>(&QSpinBox::valueChanged), this, &COptimiseDialog::ForgetPlan);

    ForgetPlan();
    resize(sizeHint().width() * 5 / 4, sizeHint().height());
    m_find->setDefault(true);
    m_find->setFocus();
}

COptimiseDialog::~COptimiseDialog()
{
    m_stopRequested = true;
    if (m_worker.joinable())
        m_worker.join();
}

QLabel* COptimiseDialog::SummaryValue(int row) const
{
    return row >= 0 && row < kSummaryRows ? m_values[row] : nullptr;
}

void COptimiseDialog::FindPlan()
{
    if (IsSearching())
        return;
    ForgetPlan();
    // The copy of the event is taken here, on the interface thread; the search reads only it.
    m_problem = std::make_unique<CSeatingProblem>(
        CSeatingProblem::FromDocument(m_doc, m_rebuild->isChecked()));
    SOptimiserOptions options;
    options.seconds = m_seconds->value();
    options.stop = &m_stopRequested;
    options.progress = [this](int percent)
    {
        QMetaObject::invokeMethod(
            this, [this, percent] { OnProgress(percent); }, Qt::QueuedConnection);
    };
    m_stopRequested = false;
    m_status->setText(UiText(IDS_OPT_SEARCHING));
    m_progress->setValue(0);
    const CSeatingProblem* problem = m_problem.get();
    m_worker = std::thread(
        [this, problem, options]
        {
            m_plan = CSeatingOptimiser(*problem, options).Run();
            QMetaObject::invokeMethod(
                this, [this] { OnFinished(); }, Qt::QueuedConnection);
        });
    UpdateControls();
}

void COptimiseDialog::StopSearch()
{
    m_stopRequested = true;
}

void COptimiseDialog::WaitForPlan()
{
    OnFinished();
}

void COptimiseDialog::reject()
{
    StopSearch();
    if (m_worker.joinable())
        m_worker.join();
    QDialog::reject();
}

void COptimiseDialog::OnProgress(int percent)
{
    if (IsSearching())
        m_progress->setValue(percent);
}

void COptimiseDialog::OnFinished()
{
    // The queued notice may come after WaitForPlan has shown the plan already.
    if (!m_worker.joinable())
        return;
    m_worker.join();
    m_hasPlan = true;
    m_progress->setValue(100);
    ShowPlan();
    UpdateControls();
}

void COptimiseDialog::ForgetPlan()
{
    if (IsSearching())
        return;
    m_hasPlan = false;
    for (QLabel* value : m_values)
        value->clear();
    m_conflictsModel->SetRows({});
    m_conflictsCaption->setVisible(false);
    m_conflicts->setVisible(false);
    m_progress->setValue(0);
    m_status->setText(UiText(IDS_OPT_READY));
    UpdateControls();
}

void COptimiseDialog::ShowPlan()
{
    const SPlanSummary& summary = m_plan.summary;
    const int values[] = {summary.tablesUsed, static_cast<int>(m_plan.newTableGroups.size()),
                          summary.groupsSplit, summary.linesSeated, summary.linesUnseated};
    for (int row = 0; row + 1 < kSummaryRows; ++row)
        m_values[row]->setText(QString::number(values[row]));
    m_values[kSummaryRows - 1]->setText(ToQt(FormatText(
        LoadString(IDS_OPT_RESTRICTIONS_VALUE),
        {std::to_string(summary.restrictionsHonoured), std::to_string(summary.restrictedPairs)})));

    std::vector<std::pair<QString, QString>> rows;
    for (const SSeatConflict& conflict : m_plan.conflicts)
        rows.emplace_back(ToQt(m_problem->GuestOf(conflict.line)->GetDisplayName()),
                          UiText(ReasonText(conflict.reason)));
    m_conflictsModel->SetRows(std::move(rows));
    m_conflictsCaption->setVisible(!m_plan.conflicts.empty());
    m_conflicts->setVisible(!m_plan.conflicts.empty());
    if (!m_plan.conflicts.empty())
        resize(width(), std::max(height(), sizeHint().height()));
    m_status->setText(UiText(m_plan.stoppedEarly ? IDS_OPT_STOPPED_EARLY : IDS_OPT_FOUND));
}

void COptimiseDialog::UpdateControls()
{
    const bool searching = IsSearching();
    m_useExisting->setEnabled(!searching);
    m_rebuild->setEnabled(!searching);
    m_seconds->setEnabled(!searching);
    m_find->setEnabled(!searching);
    m_stop->setEnabled(searching);
    m_accept->setEnabled(m_hasPlan && !searching);
    if (m_hasPlan && !searching)
        m_accept->setDefault(true);
}
