#include "ui/ExpencesView.h"

#include "budget/ExpenseDraft.h"
#include "budget/ExpenseSummary.h"
#include "edits/MoneyEdits.h"
#include "model/Expence.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"
#include "ui/CellEditDelegate.h"
#include "ui/ExpenseDialog.h"
#include "ui/ExpensesModel.h"
#include "ui/ModalSeam.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
constexpr unsigned kStaleList = 1;
constexpr unsigned kStaleSummary = 2;

// The total in red, the amount left in blue; dark enough on either row colour.
const QColor kTotalColour(0xc0, 0x00, 0x00);
const QColor kLeftColour(0x00, 0x30, 0xc0);

struct SSummaryRow
{
    CExpencesView::ESummaryField field;
    int labelId;
    bool hebrewOnly;
};

const SSummaryRow kSummaryRows[] = {
    {CExpencesView::kSummaryShekels, IDS_SUMMARY_SHEKELS, true},
    {CExpencesView::kSummaryDollars, IDS_SUMMARY_DOLLARS, true},
    {CExpencesView::kSummaryRate, IDS_SUMMARY_RATE, true},
    {CExpencesView::kSummaryDollarsInShekels, IDS_SUMMARY_DOLLARS_IN_SHEKELS, true},
    {CExpencesView::kSummaryTotal, IDS_SUMMARY_TOTAL, false},
    {CExpencesView::kSummaryPaid, IDS_SUMMARY_PAID, false},
    {CExpencesView::kSummaryLeft, IDS_SUMMARY_LEFT, false},
};

Edits::EExpenseField FieldOf(CExpensesModel::EColumn kind)
{
    switch (kind)
    {
    case CExpensesModel::kColumnDollars:
        return Edits::EExpenseField::Dollars;
    case CExpensesModel::kColumnShekels:
        return Edits::EExpenseField::Shekels;
    case CExpensesModel::kColumnComments:
        return Edits::EExpenseField::Comments;
    default:
        return Edits::EExpenseField::Name;
    }
}
} // namespace

CExpencesView::CExpencesView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_EXPENSES_EXPLANATION));

    m_model = new CExpensesModel(Doc(), this, this);
    m_list = MakeRecordList("ExpensesList", m_model);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_delegate = new CCellEditDelegate(CExpenseDraft::kMaxPaymentAmount, this);
    m_delegate->SetEditCheck([this](const QModelIndex& index) { return CheckInPlaceEdit(index); });
    m_list->setItemDelegate(m_delegate);
    QHeaderView* header = m_list->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(m_model->ColumnOf(CExpensesModel::kColumnName),
                                 QHeaderView::Stretch);
    header->setSectionResizeMode(m_model->ColumnOf(CExpensesModel::kColumnComments),
                                 QHeaderView::Stretch);
    header->setSectionsClickable(true);
    layout->addWidget(m_list, 1);

    m_add = MakeCommandButton("list-add", IDS_EXPENSE_ADD_BUTTON);
    m_edit = MakeCommandButton("document-edit", IDS_EXPENSE_EDIT_BUTTON);
    m_delete = MakeCommandButton("edit-delete", IDS_EXPENSE_DELETE_BUTTON);
    m_up = MakeCommandButton("go-up", IDS_BUTTON_UP);
    m_down = MakeCommandButton("go-down", IDS_BUTTON_DOWN);
    m_calculator = MakeCommandButton("accessories-calculator", IDS_MENU_CALCULATOR);
    layout->addLayout(MakeButtonRow({m_add, m_edit, m_delete, m_up, m_down, m_calculator}));
    layout->addWidget(BuildSummary());

    connect(m_add, &QPushButton::clicked, this, &CExpencesView::AddExpense);
    connect(m_edit, &QPushButton::clicked, this, &CExpencesView::EditExpense);
    connect(m_delete, &QPushButton::clicked, this, &CExpencesView::DeleteExpense);
    connect(m_up, &QPushButton::clicked, this, &CExpencesView::MoveUp);
    connect(m_down, &QPushButton::clicked, this, &CExpencesView::MoveDown);
    connect(m_calculator, &QPushButton::clicked, this,
            [this]
            {
                if (FrameActions().calculator != nullptr)
                    FrameActions().calculator->trigger();
            });
    connect(m_list, &QTableView::doubleClicked, this, &CExpencesView::EditExpense);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CExpencesView::ShowContextMenu);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this]
            {
                UpdateButtons();
                emit CommandStateChanged();
            });
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int section)
            {
                if (m_model->ColumnKind(section) == CExpensesModel::kColumnDate)
                    SortByDate();
            });
    connect(m_model, &CExpensesModel::ExpenseEdited, this, [this] { RefreshSummary(); });
    connect(m_delegate, &CCellEditDelegate::EditingChanged, this, &CFrameView::CommandStateChanged);
    AddDeleteKey(m_list, [this] { DeleteExpense(); });
    // Enter edits the selected cell as F2 does.
    auto* enter = new QAction(m_list);
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setShortcutContext(Qt::WidgetShortcut);
    connect(enter, &QAction::triggered, this,
            [this]
            {
                if (m_list->currentIndex().isValid())
                    m_list->edit(m_list->currentIndex());
            });
    m_list->addAction(enter);

    RefreshList();
    RefreshSummary();
    UpdateButtons();
}

QWidget* CExpencesView::BuildSummary()
{
    auto* box = new QGroupBox(UiText(IDS_SUMMARY_TITLE));
    auto* grid = new QGridLayout(box);
    const bool hebrew = IsHebrewUi();
    int row = 0;
    int column = 0;
    for (const SSummaryRow& entry : kSummaryRows)
    {
        if (entry.hebrewOnly && !hebrew)
            continue;
        // Hebrew: the four currency values on the first line, the three sums on the second.
        if (entry.field == kSummaryTotal && column > 0)
        {
            ++row;
            column = 0;
        }
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("Summary%1").arg(static_cast<int>(entry.field)));
        value->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont font = value->font();
        font.setBold(true);
        value->setFont(font);
        if (entry.field == kSummaryTotal || entry.field == kSummaryLeft)
        {
            QPalette palette = value->palette();
            palette.setColor(QPalette::WindowText,
                             entry.field == kSummaryTotal ? kTotalColour : kLeftColour);
            value->setPalette(palette);
        }
        m_summary[entry.field] = value;
        grid->addWidget(new QLabel(UiText(entry.labelId)), row, column);
        grid->addWidget(value, row, column + 1);
        column += 2;
    }
    // The values keep to their labels; the space is left after the last pair.
    grid->setColumnStretch(grid->columnCount(), 1);
    for (int c = 1; c < grid->columnCount(); c += 2)
        grid->setColumnMinimumWidth(c, 90);
    return box;
}

int CExpencesView::ViewCode() const
{
    return VIEW_EXPENSES;
}

void CExpencesView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_VIEW_EXPENSES));
    menu.addAction(FrameActions().add);
    menu.addAction(FrameActions().edit);
    menu.addAction(FrameActions().remove);
}

bool CExpencesView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return true;
    case kCommandEdit:
    case kCommandDelete:
        return SelectedExpense() != nullptr;
    case kCommandSearch:
        return false;
    }
    return false;
}

void CExpencesView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddExpense();
        break;
    case kCommandEdit:
        EditExpense();
        break;
    case kCommandDelete:
        DeleteExpense();
        break;
    case kCommandSearch:
        break;
    }
}

bool CExpencesView::HasPendingEdit() const
{
    return m_delegate->HasOpenEditor();
}

void CExpencesView::CommitPendingEdit()
{
    m_delegate->CommitAndClose();
}

QWidget* CExpencesView::OpenEditor() const
{
    return m_delegate->OpenEditor();
}

// --- Hints and refresh ---------------------------------------------------------------------------

void CExpencesView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord*)
{
    switch (hint)
    {
    case HINT_EXPENSE_REMOVING:
        MarkStale(kStaleSummary); // the model drops the row itself
        break;
    case HINT_EVENT_RELOADING:
    case HINT_EVENT_RELOADED:
        m_sorted = false;
        MarkStale();
        break;
    case HINT_DOLLAR_RATE:
        MarkStale(kStaleSummary);
        break;
    default:
        if (sender != this)
            MarkStale();
        break;
    }
}

void CExpencesView::Refresh(unsigned stale)
{
    if (stale & kStaleList)
        RefreshList();
    RefreshSummary();
    UpdateButtons();
}

void CExpencesView::RefreshList()
{
    // A refresh must not throw away what is being typed.
    CommitPendingEdit();
    const CExpence* keep = SelectedExpense();
    m_model->Rebuild();
    if (m_sorted)
        m_model->SortByDate(m_sortDescending);
    const int row = m_model->RowOf(keep);
    if (row >= 0)
        SelectRow(row);
}

void CExpencesView::RefreshSummary()
{
    const CExpenseSummary summary(Doc());
    const auto text = [this](ESummaryField field, const std::string& value)
    {
        if (m_summary[field] != nullptr)
            m_summary[field]->setText(ToQt(value));
    };
    text(kSummaryShekels, FormatInt(summary.GetShekelsSum()));
    text(kSummaryDollars, FormatInt(summary.GetDollarsSum()));
    text(kSummaryRate, FormatShortest(summary.GetRate()));
    text(kSummaryDollarsInShekels, FormatShortest(summary.GetDollarsInShekels()));
    text(kSummaryTotal, FormatShortest(summary.GetTotal()));
    text(kSummaryPaid, FormatShortest(summary.GetPaidSoFar()));
    text(kSummaryLeft, FormatShortest(summary.GetLeftToPay()));
}

void CExpencesView::UpdateButtons()
{
    const int row = SelectedRow();
    const bool selected = SelectedExpense() != nullptr;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_up->setEnabled(selected && row > 0);
    m_down->setEnabled(selected && row + 1 < m_model->rowCount());
}

QString CExpencesView::SummaryText(ESummaryField field) const
{
    return m_summary[field] != nullptr ? m_summary[field]->text() : QString();
}

QLabel* CExpencesView::SummaryLabel(ESummaryField field) const
{
    return m_summary[field];
}

int CExpencesView::SelectedRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CExpencesView::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const int column = std::max(0, m_list->currentIndex().column());
    m_list->setCurrentIndex(m_model->index(row, column));
    m_list->scrollTo(m_model->index(row, column));
}

CExpence* CExpencesView::SelectedExpense() const
{
    return m_model->ExpenseAt(SelectedRow());
}

// --- Commands ------------------------------------------------------------------------------------

void CExpencesView::AddExpense()
{
    CommitPendingEdit();
    CExpenseDialog dialog(CExpenseDraft(), true, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    CExpence* expense = Edits::AddExpense(Doc(), dialog.Draft(), this);
    RefreshList();
    RefreshSummary();
    SelectRow(m_model->RowOf(expense));
    emit CommandStateChanged();
}

void CExpencesView::EditExpense()
{
    CommitPendingEdit();
    CExpence* expense = SelectedExpense();
    if (expense == nullptr)
        return;
    CExpenseDialog dialog(CExpenseDraft::FromExpense(*expense), false, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    if (!Edits::EditExpense(Doc(), expense, dialog.Draft(), this))
        return;
    RefreshList();
    RefreshSummary();
}

void CExpencesView::DeleteExpense()
{
    CommitPendingEdit();
    CExpence* expense = SelectedExpense();
    if (expense == nullptr)
        return;
    const int row = SelectedRow();
    if (!Edits::DeleteExpenseWithQuestion(Doc(), expense, this)) // destroyed here
        return;
    // The row that took its place, or the new last row.
    RefreshList();
    RefreshSummary();
    SelectRow(std::min(row, m_model->rowCount() - 1));
    UpdateButtons();
    emit CommandStateChanged();
}

void CExpencesView::PayAll()
{
    CommitPendingEdit();
    CExpence* expense = SelectedExpense();
    if (expense == nullptr || !Edits::PayExpenseInFull(Doc(), expense, this))
        return;
    RefreshList();
    RefreshSummary();
}

void CExpencesView::MoveUp()
{
    MoveBy(-1);
}

void CExpencesView::MoveDown()
{
    MoveBy(1);
}

void CExpencesView::MoveBy(int step)
{
    CommitPendingEdit();
    CExpence* expense = SelectedExpense();
    const auto& expenses = Doc().GetExpenses();
    int from = -1;
    for (std::size_t i = 0; i < expenses.size(); ++i)
        if (expenses[i].get() == expense)
            from = static_cast<int>(i);
    // The first row up and the last row down change nothing.
    if (from < 0 || !Edits::MoveExpense(Doc(), from, from + step, this))
        return;
    // Document order again: the move is in the document's list.
    m_sorted = false;
    m_list->horizontalHeader()->setSortIndicatorShown(false);
    RefreshList();
    SelectRow(m_model->RowOf(expense));
    UpdateButtons();
}

void CExpencesView::SortByDate()
{
    CommitPendingEdit();
    const CExpence* keep = SelectedExpense();
    m_sorted = true;
    m_sortDescending = !m_sortDescending;
    m_model->SortByDate(m_sortDescending);
    m_list->horizontalHeader()->setSortIndicatorShown(true);
    m_list->horizontalHeader()->setSortIndicator(m_model->ColumnOf(CExpensesModel::kColumnDate),
                                                 m_sortDescending ? Qt::DescendingOrder
                                                                  : Qt::AscendingOrder);
    SelectRow(m_model->RowOf(keep));
    UpdateButtons();
}

QList<QAction*> CExpencesView::BuildContextMenu(QMenu& menu)
{
    const CExpence* expense = SelectedExpense();
    QAction* change = menu.addAction(UiText(IDS_EXPENSE_MENU_CHANGE));
    QAction* remove = menu.addAction(UiText(IDS_EXPENSE_MENU_DELETE));
    QAction* payAll = menu.addAction(UiText(IDS_EXPENSE_MENU_PAID_ALL));
    payAll->setEnabled(expense != nullptr && !expense->IsPaid());
    return {change, remove, payAll};
}

void CExpencesView::ShowContextMenu(const QPoint& position)
{
    if (SelectedExpense() == nullptr)
        return;
    QMenu menu(this);
    const QList<QAction*> entries = BuildContextMenu(menu);
    QAction* chosen = CModalSeam::ExecMenu(menu, m_list->viewport()->mapToGlobal(position));
    if (chosen == nullptr || !chosen->isEnabled())
        return;
    if (chosen == entries[0])
        EditExpense();
    else if (chosen == entries[1])
        DeleteExpense();
    else if (chosen == entries[2])
        PayAll();
}

bool CExpencesView::CheckInPlaceEdit(const QModelIndex& index)
{
    const CExpence* expense = m_model->ExpenseAt(index.row());
    if (expense == nullptr)
        return false;
    return Edits::CheckExpenseInPlaceEdit(Doc(), *expense,
                                          FieldOf(m_model->ColumnKind(index.column())));
}
