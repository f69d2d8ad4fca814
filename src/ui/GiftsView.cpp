#include "ui/GiftsView.h"

#include "budget/GiftList.h"
#include "edits/GiftEdits.h"
#include "model/Guest.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "ui/CellEditDelegate.h"
#include "ui/GiftDialog.h"
#include "ui/GiftSearchDialog.h"
#include "ui/GiftsModel.h"
#include "ui/ModalSeam.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMetaObject>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
constexpr unsigned kStaleRows = 1;
constexpr unsigned kStaleTotals = 2;

const int kTotalLabels[CGiftsView::kTotalCount] = {IDS_GIFT_TOTAL_SHEKELS, IDS_GIFT_TOTAL_DOLLARS,
                                                   IDS_GIFT_TOTAL_RECEIVED};
} // namespace

CGiftsView::CGiftsView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_GIFTS_EXPLANATION));

    m_model = new CGiftsModel(Doc(), this, this);
    m_list = MakeRecordList("GiftsList", m_model);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_list->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_delegate = new CCellEditDelegate(CGiftList::kMaxAmount, this);
    m_delegate->SetEditCheck([this](const QModelIndex& index) { return CheckInPlaceEdit(index); });
    m_list->setItemDelegate(m_delegate);
    QHeaderView* header = m_list->horizontalHeader();
    // The texts share the width; the numbers, the total last, take what they need.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (CGiftsModel::EColumn text :
         {CGiftsModel::kColumnName, CGiftsModel::kColumnDescription, CGiftsModel::kColumnComments})
        header->setSectionResizeMode(m_model->ColumnOf(text), QHeaderView::Stretch);
    layout->addWidget(m_list, 1);

    auto* totals = new QGroupBox;
    auto* totalsRow = new QHBoxLayout(totals);
    for (int i = 0; i < kTotalCount; ++i)
    {
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("GiftTotal%1").arg(i));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_totals[i] = value;
        // The shekels exist in the Hebrew interface only; English counts dollars.
        if (i == kTotalShekels && !IsHebrewUi())
            continue;
        totalsRow->addWidget(new QLabel(UiText(kTotalLabels[i])));
        totalsRow->addWidget(value);
        totalsRow->addSpacing(24);
    }
    totalsRow->addStretch();
    layout->addWidget(totals);

    m_edit = MakeCommandButton("document-edit", IDS_GIFT_EDIT_BUTTON);
    m_delete = MakeCommandButton("edit-delete", IDS_GIFT_DELETE_BUTTON);
    m_search = MakeCommandButton("edit-find", IDS_GIFT_SEARCH_BUTTON);
    m_calculator = MakeCommandButton("accessories-calculator", IDS_MENU_CALCULATOR);
    layout->addLayout(MakeButtonRow({m_edit, m_delete, m_search, m_calculator}));

    connect(m_edit, &QPushButton::clicked, this, &CGiftsView::EditGift);
    connect(m_delete, &QPushButton::clicked, this, &CGiftsView::DeleteGift);
    connect(m_search, &QPushButton::clicked, this, &CGiftsView::Search);
    connect(m_calculator, &QPushButton::clicked, this,
            [this]
            {
                if (FrameActions().calculator != nullptr)
                    FrameActions().calculator->trigger();
            });
    connect(m_list, &QTableView::doubleClicked, this, &CGiftsView::EditGift);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CGiftsView::ShowContextMenu);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this]
            {
                UpdateButtons();
                emit CommandStateChanged();
            });
    connect(m_model, &CGiftsModel::GiftEdited, this, [this] { RefreshTotals(); });
    connect(m_delegate, &CCellEditDelegate::EditingChanged, this, &CFrameView::CommandStateChanged);
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
    RefreshTotals();
    UpdateButtons();
}

int CGiftsView::ViewCode() const
{
    return VIEW_GIFTS;
}

void CGiftsView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_VIEW_GIFTS));
    menu.addAction(FrameActions().edit);
    menu.addAction(FrameActions().remove);
}

bool CGiftsView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return false;
    case kCommandEdit:
    case kCommandDelete:
        return SelectedGuest() != nullptr;
    case kCommandSearch:
        return m_model->rowCount() > 0;
    }
    return false;
}

void CGiftsView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandEdit:
        EditGift();
        break;
    case kCommandDelete:
        DeleteGift();
        break;
    case kCommandSearch:
        Search();
        break;
    case kCommandAdd:
        break;
    }
}

bool CGiftsView::HasPendingEdit() const
{
    return m_delegate->HasOpenEditor();
}

void CGiftsView::CommitPendingEdit()
{
    m_delegate->CommitAndClose();
}

QWidget* CGiftsView::OpenEditor() const
{
    return m_delegate->OpenEditor();
}

// --- Hints and refresh ---------------------------------------------------------------------------

void CGiftsView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    switch (hint)
    {
    case HINT_GUEST_ADDED:
        if (CGuest* guest = HintRecord<CGuest>(record); guest != nullptr && sender != this)
            m_model->Append(guest);
        MarkStale(kStaleTotals);
        break;
    case HINT_GUEST_REMOVING:
        MarkStale(kStaleTotals); // the model drops the row itself
        break;
    case HINT_DOLLAR_RATE:
        MarkStale(kStaleRows | kStaleTotals);
        break;
    case HINT_GOTO_GUEST:
    case HINT_SELECT_TABLE:
    case HINT_LOCATE_TABLE:
        break;
    default:
        if (sender != this)
            MarkStale();
        break;
    }
}

void CGiftsView::Refresh(unsigned stale)
{
    if (stale & kStaleRows)
        RefreshList();
    if (stale & kStaleTotals)
        RefreshTotals();
    UpdateButtons();
}

void CGiftsView::RefreshList()
{
    // A refresh must not throw away what is being typed.
    CommitPendingEdit();
    const QModelIndex current = m_list->currentIndex();
    const CGuest* keep = SelectedGuest();
    m_model->Rebuild();
    const int row = m_model->RowOf(keep);
    if (row >= 0)
        m_list->setCurrentIndex(m_model->index(row, std::max(0, current.column())));
}

void CGiftsView::RefreshTotals()
{
    const CGiftList::STotals totals = CGiftList::Totals(Doc());
    m_totals[kTotalShekels]->setText(ToQt(FormatInt(totals.shekels)));
    m_totals[kTotalDollars]->setText(ToQt(FormatInt(totals.dollars)));
    m_totals[kTotalReceived]->setText(ToQt(FormatFixed(totals.received, 1)));
}

void CGiftsView::UpdateButtons()
{
    const bool selected = SelectedGuest() != nullptr;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_search->setEnabled(m_model->rowCount() > 0);
}

QString CGiftsView::TotalText(ETotal total) const
{
    return m_totals[total]->text();
}

int CGiftsView::SelectedRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CGiftsView::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const int column = std::max(0, m_list->currentIndex().column());
    m_list->setCurrentIndex(m_model->index(row, column));
    m_list->scrollTo(m_model->index(row, column));
}

CGuest* CGiftsView::SelectedGuest() const
{
    return m_model->GuestAt(SelectedRow());
}

// --- Commands ------------------------------------------------------------------------------------

void CGiftsView::EditGift()
{
    CommitPendingEdit();
    CGuest* guest = SelectedGuest();
    if (guest == nullptr)
        return;
    CGiftDialog dialog(CGiftList::GiftOf(*guest), ToQt(guest->GetDisplayName()), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    if (!Edits::SetGift(Doc(), guest, dialog.Gift(), this))
        return;
    m_model->RefreshRows();
    RefreshTotals();
}

void CGiftsView::DeleteGift()
{
    CommitPendingEdit();
    CGuest* guest = SelectedGuest();
    if (guest == nullptr || !Edits::DeleteGiftWithQuestion(Doc(), guest, this))
        return;
    m_model->RefreshRows();
    RefreshTotals();
}

void CGiftsView::Search()
{
    CommitPendingEdit();
    CGiftSearchDialog dialog(m_searchText, m_searchBackwards, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted || dialog.Text().isEmpty())
        return;
    m_searchText = dialog.Text();
    m_searchBackwards = dialog.Backwards();
    FindNext(m_searchText, m_searchBackwards);
}

bool CGiftsView::FindNext(const QString& text, bool backwards)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(m_model->rowCount()));
    for (const CGuest* guest : m_model->Guests())
        names.push_back(guest->GetFullName());
    const int row = CGiftList::FindRow(names, SelectedRow(), FromQt(text), backwards);
    if (row < 0)
    {
        AskString(Doc().GetPrompt(), IDS_GUEST_NOT_FOUND_TEXT, IDS_GUEST_NOT_FOUND_CAPTION,
                  EButtons::Ok);
        return false;
    }
    SelectRow(row);
    return true;
}

void CGiftsView::GoToGuest()
{
    if (CGuest* guest = SelectedGuest())
        Doc().UpdateAllViews(this, HINT_GOTO_GUEST, guest);
}

QList<QAction*> CGiftsView::BuildContextMenu(QMenu& menu)
{
    QAction* gift = menu.addAction(UiText(IDS_GIFT_MENU_ADD));
    QAction* guest = menu.addAction(UiText(IDS_GO_TO_GUEST_INFORMATION));
    return {gift, guest};
}

void CGiftsView::ShowContextMenu(const QPoint& position)
{
    if (SelectedGuest() == nullptr)
        return;
    QMenu menu(this);
    const QList<QAction*> entries = BuildContextMenu(menu);
    QAction* chosen = CModalSeam::ExecMenu(menu, m_list->viewport()->mapToGlobal(position));
    if (chosen == entries[0])
        EditGift();
    else if (chosen == entries[1])
        GoToGuest();
}

bool CGiftsView::CheckInPlaceEdit(const QModelIndex& index)
{
    const CGuest* guest = m_model->GuestAt(index.row());
    if (guest == nullptr)
        return false;
    // Comments of several lines would lose their lines in a one-line editor: the dialog edits them.
    if (m_model->ColumnKind(index.column()) == CGiftsModel::kColumnComments &&
        guest->GetGiftDetails().find_first_of("\r\n") != std::string::npos)
    {
        QMetaObject::invokeMethod(this, &CGiftsView::EditGift, Qt::QueuedConnection);
        return false;
    }
    return true;
}
