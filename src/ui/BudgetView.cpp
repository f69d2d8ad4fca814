#include "ui/BudgetView.h"

#include "budget/BudgetPlan.h"
#include "budget/OfferDraft.h"
#include "edits/BudgetEdits.h"
#include "model/Category.h"
#include "model/Offer.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "reports/ReportFiles.h"
#include "reports/ReportWriter.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "ui/BudgetTreeModel.h"
#include "ui/CategoryNameDialog.h"
#include "ui/CombinationModel.h"
#include "ui/ModalSeam.h"
#include "ui/OfferDialog.h"
#include "ui/PrintsView.h"
#include "ui/TipMarkup.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{
constexpr int kCombinationTitles[CBudgetPlan::kCombinations] = {
    IDS_FIRST_COMBINATION, IDS_SECOND_COMBINATION, IDS_THIRD_COMBINATION};
// The limit field takes any whole number a setting can hold.
constexpr int kMaxLimit = 2000000000;
const QColor kOverLimitColour(0xc0, 0x00, 0x00);

QString Tip(int id)
{
    return MarkupToRichText(LoadString(id));
}

QPushButton* MakeTippedButton(const char* icon, int textId, int tipId)
{
    QPushButton* button = MakeCommandButton(icon, textId);
    button->setToolTip(Tip(tipId));
    return button;
}
} // namespace

CBudgetView::CBudgetView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_BUDGET_EXPLANATION));
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildTreeSide(), 5);
    columns->addWidget(BuildMoveButtons());
    columns->addWidget(BuildCombinationSide(), 5);
    layout->addLayout(columns, 1);

    m_addOfferAction = new QAction(UiText(IDS_MENU_ADD_OFFER), this);
    m_addOfferAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    m_editOfferAction = new QAction(UiText(IDS_MENU_EDIT_OFFER), this);
    m_editOfferAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_deleteOfferAction = new QAction(UiText(IDS_MENU_DELETE_OFFER), this);
    m_deleteOfferAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(m_addOfferAction, &QAction::triggered, this, &CBudgetView::AddOffer);
    connect(m_editOfferAction, &QAction::triggered, this, &CBudgetView::EditOffer);
    connect(m_deleteOfferAction, &QAction::triggered, this, &CBudgetView::DeleteOffer);

    connect(m_addCategory, &QPushButton::clicked, this, &CBudgetView::AddCategory);
    connect(m_renameCategory, &QPushButton::clicked, this, &CBudgetView::RenameCategory);
    connect(m_deleteCategory, &QPushButton::clicked, this, &CBudgetView::DeleteCategory);
    connect(m_addOffer, &QPushButton::clicked, this, &CBudgetView::AddOffer);
    connect(m_editOffer, &QPushButton::clicked, this, &CBudgetView::EditOffer);
    connect(m_deleteOffer, &QPushButton::clicked, this, &CBudgetView::DeleteOffer);
    connect(m_moveRight, &QPushButton::clicked, this, &CBudgetView::MoveRight);
    connect(m_moveBack, &QPushButton::clicked, this, &CBudgetView::MoveBack);
    connect(m_moveAllBack, &QPushButton::clicked, this, &CBudgetView::MoveAllBack);
    connect(m_tabs, &QTabBar::currentChanged, this,
            [this]
            {
                RefreshList();
                RefreshTotal();
                UpdateButtons();
            });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this]
            {
                UpdateButtons();
                emit CommandStateChanged();
            });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CBudgetView::UpdateButtons);
    connect(m_tree, &QTreeView::doubleClicked, this,
            [this]
            {
                if (SelectedTreeOffer() != nullptr)
                    EditOffer();
            });
    connect(m_list, &QTableView::doubleClicked, this, &CBudgetView::EditOffer);
    connect(m_limit, &QSpinBox::editingFinished, this, &CBudgetView::ApplyLimit);
    AddDeleteKey(m_list, [this] { MoveBack(); });

    RefreshTree();
    m_limit->setValue(CBudgetPlan(Doc()).Limit());
    RefreshList();
    RefreshTotal();
    UpdateButtons();
}

QWidget* CBudgetView::BuildTreeSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    m_treeModel = new CBudgetTreeModel(Doc(), this);
    m_tree = new QTreeView;
    m_tree->setObjectName(QStringLiteral("CategoriesTree"));
    m_tree->setModel(m_treeModel);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setUniformRowHeights(true);
    layout->addWidget(m_tree, 1);

    m_addCategory = MakeTippedButton("list-add", IDS_ADD_CATEGORY_BUTTON, IDS_TIP_ADD_CATEGORY);
    m_renameCategory =
        MakeTippedButton("document-edit", IDS_RENAME_CATEGORY_BUTTON, IDS_TIP_RENAME_CATEGORY);
    m_deleteCategory =
        MakeTippedButton("edit-delete", IDS_DELETE_CATEGORY_BUTTON, IDS_TIP_DELETE_CATEGORY);
    m_addOffer = MakeTippedButton("list-add", IDS_ADD_OFFER_BUTTON, IDS_TIP_ADD_OFFER);
    m_editOffer = MakeTippedButton("document-edit", IDS_EDIT_OFFER_BUTTON, IDS_TIP_EDIT_OFFER);
    m_deleteOffer = MakeTippedButton("edit-delete", IDS_DELETE_OFFER_BUTTON, IDS_TIP_DELETE_OFFER);
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_addCategory, 0, 0);
    buttons->addWidget(m_renameCategory, 0, 1);
    buttons->addWidget(m_deleteCategory, 0, 2);
    buttons->addWidget(m_addOffer, 1, 0);
    buttons->addWidget(m_editOffer, 1, 1);
    buttons->addWidget(m_deleteOffer, 1, 2);
    layout->addLayout(buttons);
    return side;
}

QWidget* CBudgetView::BuildMoveButtons()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    // From the tree to the list: towards the trailing side, which is the left in Hebrew.
    const bool hebrew = IsHebrewUi();
    m_moveRight = MakeTippedButton(hebrew ? "go-previous" : "go-next", IDS_MOVE_RIGHT_BUTTON,
                                   IDS_TIP_MOVE_RIGHT);
    m_moveBack = MakeTippedButton(hebrew ? "go-next" : "go-previous", IDS_MOVE_BACK_BUTTON,
                                  IDS_TIP_MOVE_BACK);
    m_moveAllBack = MakeTippedButton(hebrew ? "go-last" : "go-first", IDS_MOVE_ALL_BACK_BUTTON,
                                     IDS_TIP_MOVE_ALL_BACK);
    layout->addStretch();
    for (QPushButton* button : {m_moveRight, m_moveBack, m_moveAllBack})
        layout->addWidget(button);
    layout->addStretch();
    return side;
}

QWidget* CBudgetView::BuildCombinationSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabBar;
    m_tabs->setExpanding(false);
    for (int id : kCombinationTitles)
        m_tabs->addTab(UiText(id));
    layout->addWidget(m_tabs);

    m_listModel = new CCombinationModel(Doc(), this);
    m_list = MakeRecordList("CombinationList", m_listModel);
    m_list->horizontalHeader()->setSectionResizeMode(CCombinationModel::kColumnSum,
                                                     QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);

    m_total = new QLabel;
    m_total->setObjectName(QStringLiteral("CombinationTotal"));
    m_total->setToolTip(Tip(IDS_TIP_BUDGET_TOTAL));
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    layout->addWidget(m_total);

    auto* limitRow = new QHBoxLayout;
    auto* limitLabel = new QLabel(UiText(IDS_BUDGET_LIMIT_LABEL));
    m_limit = new QSpinBox;
    m_limit->setObjectName(QStringLiteral("BudgetLimit"));
    m_limit->setRange(0, kMaxLimit);
    m_limit->setGroupSeparatorShown(true);
    m_limit->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    m_limit->setToolTip(Tip(IDS_TIP_BUDGET_LIMIT));
    limitLabel->setBuddy(m_limit);
    limitRow->addWidget(limitLabel);
    limitRow->addWidget(m_limit);
    limitRow->addStretch();
    layout->addLayout(limitRow);
    return side;
}

int CBudgetView::ViewCode() const
{
    return VIEW_BUDGET;
}

void CBudgetView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_VIEW_BUDGET));
    menu.addAction(FrameActions().add);
    menu.addAction(FrameActions().edit);
    menu.addAction(FrameActions().remove);
    menu.addSeparator();
    menu.addAction(m_addOfferAction);
    menu.addAction(m_editOfferAction);
    menu.addAction(m_deleteOfferAction);
    menu.addSeparator();
    menu.addAction(UiText(IDS_BUDGET_PRINT), this, &CBudgetView::PrintCombination);
}

void CBudgetView::PrintCombination()
{
    // The combination's report goes to a file of its own in the reports folder, then to print.
    SReportOptions options;
    options.combination = CurrentCombination();
    const std::string html = CReportWriter(Doc(), options).Html(EReportKind::Budget);
    const std::filesystem::path folder = ReportsFolder(Doc().GetFolders().DataRoot());
    std::string error = folder.string();
    if (folder.empty() || !WriteReportFile(UniqueReportPath(folder, "Offer", "Html"), html, &error))
    {
        Doc().GetPrompt().Ask(FormatText(LoadString(IDS_PRINTS_WRITE_FAILED), {error}),
                              LoadString(IDS_PRINTS_CAPTION), EButtons::Ok);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    CPrintsView::PrintPreview(ToQt(html), printer, this);
}

bool CBudgetView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return true;
    case kCommandEdit:
    case kCommandDelete:
        return SelectedCategory() != nullptr;
    case kCommandSearch:
        return false;
    }
    return false;
}

QString CBudgetView::CommandText(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return UiText(IDS_MENU_ADD_CATEGORY);
    case kCommandEdit:
        return UiText(IDS_MENU_EDIT_CATEGORY);
    case kCommandDelete:
        return UiText(IDS_MENU_DELETE_CATEGORY);
    case kCommandSearch:
        break;
    }
    return {};
}

void CBudgetView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddCategory();
        break;
    case kCommandEdit:
        RenameCategory();
        break;
    case kCommandDelete:
        DeleteCategory();
        break;
    case kCommandSearch:
        break;
    }
}

bool CBudgetView::HasPendingEdit() const
{
    m_limit->interpretText();
    return m_limit->value() != CBudgetPlan(Doc()).Limit();
}

void CBudgetView::CommitPendingEdit()
{
    if (HasPendingEdit())
        ApplyLimit();
}

// --- Hints and refresh ---------------------------------------------------------------------------

void CBudgetView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord*)
{
    switch (hint)
    {
    case HINT_BUDGET_REMOVING:
    case HINT_EVENT_RELOADING:
    case HINT_EVENT_RELOADED:
        MarkStale(); // the models drop their pointers themselves
        break;
    default:
        // Guests change the price of per-guest offers too.
        if (sender != this)
            MarkStale();
        break;
    }
}

void CBudgetView::Refresh(unsigned)
{
    RefreshTree();
    RefreshList();
    if (!m_limit->hasFocus()) // never over what is being typed
        m_limit->setValue(CBudgetPlan(Doc()).Limit());
    RefreshTotal();
    UpdateButtons();
}

void CBudgetView::RefreshTree()
{
    const QModelIndex current = m_tree->currentIndex();
    const CCategory* category = m_treeModel->CategoryAt(current);
    const COffer* offer = m_treeModel->OfferAt(current);
    m_treeModel->Rebuild();
    m_tree->expandAll();
    if (offer != nullptr)
        SelectInTree(offer);
    else if (category != nullptr)
        SelectInTree(category);
}

void CBudgetView::RefreshList()
{
    const COffer* keep = SelectedListOffer();
    m_listModel->Rebuild(CurrentCombination());
    const int row = m_listModel->RowOf(keep);
    if (row >= 0)
        m_list->setCurrentIndex(m_listModel->index(row, 0));
}

void CBudgetView::RefreshTotal()
{
    const CBudgetPlan plan(Doc());
    const int combination = CurrentCombination();
    m_total->setText(ToQt(
        FormatText(LoadString(IDS_BUDGET_TOTAL), {FormatInt(plan.CombinationTotal(combination))})));
    // Over the limit: red, as a warning that stays in sight.
    QPalette palette = m_total->palette();
    palette.setColor(QPalette::WindowText, plan.IsOverLimit(combination)
                                               ? kOverLimitColour
                                               : this->palette().color(QPalette::WindowText));
    m_total->setPalette(palette);
}

void CBudgetView::UpdateButtons()
{
    const bool category = SelectedCategory() != nullptr;
    const COffer* treeOffer = SelectedTreeOffer();
    m_renameCategory->setEnabled(category);
    m_deleteCategory->setEnabled(category);
    const bool haveCategories = !Doc().GetCategories().empty();
    m_addOffer->setEnabled(haveCategories);
    m_addOfferAction->setEnabled(haveCategories);
    const bool editable = treeOffer != nullptr || SelectedListOffer() != nullptr;
    m_editOffer->setEnabled(editable);
    m_editOfferAction->setEnabled(editable);
    m_deleteOffer->setEnabled(treeOffer != nullptr);
    m_deleteOfferAction->setEnabled(treeOffer != nullptr);
    m_moveRight->setEnabled(treeOffer != nullptr &&
                            !treeOffer->IsInCombination(CurrentCombination()));
    m_moveBack->setEnabled(SelectedListOffer() != nullptr);
    m_moveAllBack->setEnabled(m_listModel->rowCount() > 0);
}

// --- Selection -----------------------------------------------------------------------------------

int CBudgetView::CurrentCombination() const
{
    return std::max(0, m_tabs->currentIndex());
}

void CBudgetView::ShowCombination(int combination)
{
    m_tabs->setCurrentIndex(combination);
}

CCategory* CBudgetView::SelectedCategory() const
{
    return m_treeModel->CategoryAt(m_tree->currentIndex());
}

COffer* CBudgetView::SelectedTreeOffer() const
{
    return m_treeModel->OfferAt(m_tree->currentIndex());
}

COffer* CBudgetView::SelectedListOffer() const
{
    const QModelIndex current = m_list->currentIndex();
    return m_listModel->OfferAt(current.isValid() ? current.row() : -1);
}

void CBudgetView::SelectInTree(const CCategory* category)
{
    const QModelIndex index = m_treeModel->IndexOf(category);
    if (index.isValid())
    {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

void CBudgetView::SelectInTree(const COffer* offer)
{
    const QModelIndex index = m_treeModel->IndexOf(offer);
    if (index.isValid())
    {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

QString CBudgetView::TotalText() const
{
    return m_total->text();
}

// --- Categories ----------------------------------------------------------------------------------

void CBudgetView::AddCategory()
{
    CCategoryNameDialog dialog(false, QString(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    CCategory* category = Edits::AddCategory(Doc(), FromQt(dialog.Name()), this);
    if (category == nullptr)
        return;
    RefreshTree();
    SelectInTree(category);
    UpdateButtons();
    emit CommandStateChanged();
}

void CBudgetView::RenameCategory()
{
    CCategory* category = SelectedCategory();
    if (category == nullptr)
        return;
    CCategoryNameDialog dialog(true, ToQt(category->GetName()), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    if (!Edits::RenameCategory(Doc(), category, FromQt(dialog.Name()), this))
        return;
    RefreshTree();
    RefreshList();
}

void CBudgetView::DeleteCategory()
{
    CCategory* category = SelectedCategory();
    if (category == nullptr)
        return;
    const int row = m_tree->currentIndex().row();
    if (!Edits::DeleteCategoryWithQuestion(Doc(), category, this)) // destroyed here
        return;
    RefreshTree();
    RefreshList();
    RefreshTotal();
    const int count = m_treeModel->rowCount();
    if (count > 0)
        m_tree->setCurrentIndex(m_treeModel->index(std::min(row, count - 1), 0));
    UpdateButtons();
    emit CommandStateChanged();
}

// --- Offers --------------------------------------------------------------------------------------

void CBudgetView::AddOffer()
{
    if (Doc().GetCategories().empty())
        return;
    QStringList categories;
    for (const auto& category : Doc().GetCategories())
        categories << ToQt(category->GetName());
    COfferDraft draft;
    // The category of the tree's selection to start with.
    if (const CCategory* category = SelectedCategory())
        draft.category = category->GetName();
    else if (const COffer* offer = SelectedTreeOffer())
        draft.category = offer->GetCategory();
    COfferDialog dialog(draft, categories, CBudgetPlan(Doc()).InvitedCount(), true,
                        Doc().GetPrompt(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    COffer* offer = Edits::AddOffer(Doc(), dialog.Draft(), this);
    if (offer == nullptr)
        return;
    RefreshTree();
    SelectInTree(offer);
    UpdateButtons();
}

void CBudgetView::EditOffer()
{
    COffer* offer = SelectedTreeOffer();
    if (offer == nullptr)
        offer = SelectedListOffer();
    if (offer == nullptr)
        return;
    QStringList categories;
    for (const auto& category : Doc().GetCategories())
        categories << ToQt(category->GetName());
    COfferDialog dialog(COfferDraft::FromOffer(*offer), categories,
                        CBudgetPlan(Doc()).InvitedCount(), false, Doc().GetPrompt(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    if (!Edits::EditOffer(Doc(), offer, dialog.Draft(), this))
        return;
    RefreshTree();
    RefreshList();
    RefreshTotal();
    UpdateButtons();
}

void CBudgetView::DeleteOffer()
{
    COffer* offer = SelectedTreeOffer();
    if (offer == nullptr)
        return;
    const CCategory* category = Doc().FindCategory(offer->GetCategory());
    if (!Edits::DeleteOfferWithQuestion(Doc(), offer, this)) // destroyed here
        return;
    RefreshTree();
    SelectInTree(category);
    RefreshList();
    RefreshTotal();
    UpdateButtons();
}

void CBudgetView::MoveRight()
{
    COffer* offer = SelectedTreeOffer();
    if (offer == nullptr)
        return;
    if (!Edits::MoveOfferIntoCombination(Doc(), offer, CurrentCombination(), this))
        return;
    RefreshList();
    const int row = m_listModel->RowOf(offer);
    m_list->setCurrentIndex(m_listModel->index(row, 0));
    m_list->setFocus();
    RefreshTotal();
    UpdateButtons();
}

void CBudgetView::MoveBack()
{
    COffer* offer = SelectedListOffer();
    if (offer == nullptr)
        return;
    const int row = m_list->currentIndex().row();
    if (!Edits::MoveOfferOutOfCombination(Doc(), offer, CurrentCombination(), this))
        return;
    RefreshList();
    // The row above it, the first when it was the first.
    if (m_listModel->rowCount() > 0)
        m_list->setCurrentIndex(m_listModel->index(std::max(0, row - 1), 0));
    SelectInTree(offer);
    RefreshTotal();
    UpdateButtons();
}

void CBudgetView::MoveAllBack()
{
    if (Edits::EmptyCombination(Doc(), CurrentCombination(), this) == 0)
        return;
    RefreshList();
    RefreshTotal();
    UpdateButtons();
}

void CBudgetView::ApplyLimit()
{
    m_limit->interpretText();
    if (!Edits::SetBudgetLimit(Doc(), m_limit->value(), this))
        return;
    RefreshTotal();
}
