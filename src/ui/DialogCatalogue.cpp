#include "ui/DialogCatalogue.h"

#include "budget/BudgetPlan.h"
#include "budget/ExpenseDraft.h"
#include "budget/GiftList.h"
#include "budget/OfferDraft.h"
#include "edits/HallEdits.h"
#include "edits/TableEdits.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "seating/ArrivalRules.h"
#include "seating/CheckinCodes.h"
#include "store/NewOrvDoc.h"
#include "ui/AddEventWizard.h"
#include "ui/ApprovalsDialog.h"
#include "ui/ArrivalDialog.h"
#include "ui/BackupDialog.h"
#include "ui/CalendarDialog.h"
#include "ui/CardDesignDialog.h"
#include "ui/CategoryNameDialog.h"
#include "ui/ChooseTableDialog.h"
#include "ui/ExpenseDialog.h"
#include "ui/GiftDialog.h"
#include "ui/GiftSearchDialog.h"
#include "ui/GroupNameDialog.h"
#include "ui/GuestSearchDialog.h"
#include "ui/ImportGuestsDialog.h"
#include "ui/KidsDialog.h"
#include "ui/MultipleUpdateDialog.h"
#include "ui/OfferDialog.h"
#include "ui/OptimiseDialog.h"
#include "ui/OptionsDialog.h"
#include "ui/PaymentDialog.h"
#include "ui/ReportColumnsDialog.h"
#include "ui/ReportFilterDialog.h"
#include "ui/RestrictedGuestsDialog.h"
#include "ui/SeatingSearchDialog.h"
#include "ui/SelectEventDialog.h"
#include "ui/ShapeDetailsDialog.h"
#include "ui/ShareSettingsDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/TableSetupDialog.h"
#include "ui/TaskInfoDialog.h"
#include "ui/TaskListDialog.h"
#include "ui/TermsDialog.h"
#include "ui/TipDialog.h"
#include "ui/UiText.h"
#include "ui/WalkInGuestDialog.h"
#include "ui/WeddingInfoDialog.h"

#include <QDialog>
#include <QItemSelectionModel>
#include <QSpinBox>
#include <QTableView>

namespace
{
using Dialog = std::unique_ptr<QDialog>;

// The Add Event wizard on page (1 to 4).
Dialog WizardOnPage(CNewOrvDoc& doc, QWidget* parent, int page)
{
    auto wizard = std::make_unique<CAddEventWizard>(doc, parent);
    wizard->restart();
    for (int i = 1; i < page; ++i)
        wizard->next();
    return wizard;
}

std::vector<SDialogEntry> MakeCatalogue()
{
    std::vector<SDialogEntry> entries = {
        {"report-columns",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CReportColumnsDialog>(0x7FFFF, parent); }},
        {"report-filter",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<CReportFilterDialog>(doc, CGuestFilter(), parent); }},
        {"table-card-design",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             return std::make_unique<CCardDesignDialog>(SCardDesign::Load(doc.GetSettings(), false),
                                                        std::filesystem::path(), parent);
         }},
        {"address-card-design",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             return std::make_unique<CCardDesignDialog>(SCardDesign::Load(doc.GetSettings(), true),
                                                        std::filesystem::path(), parent);
         }},
        {"options",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<COptionsDialog>(doc, parent); }},
        {"share-settings",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<CShareSettingsDialog>(doc, parent); }},
        {"backup",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<CBackupDialog>(doc, parent); }},
        {"wedding-info",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<CWeddingInfoDialog>(doc, parent); }},
        {"terms",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CTermsDialog>(parent); }},
        {"tip",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CTipDialog>(1, true, parent); }},
        {"select-event",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<CSelectEventDialog>(doc, parent); }},
        {"group-name",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             return std::make_unique<CGroupNameDialog>(
                 CGroupNameDialog::kAdd, UiText(IDS_NEW_GROUP), doc.GetPrompt(), parent);
         }},
        {"table-details",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             QStringList groups;
             for (const auto& group : doc.GetGroups())
                 groups << ToQt(group->GetName());
             const CTableDetailsDialog::SValues values{UiText(IDS_NOT_MAPPED),
                                                       doc.GetSettings().GetGuestsPerTable(),
                                                       doc.NextFreeHallNumber()};
             return std::make_unique<CTableDetailsDialog>(values, groups, nullptr, doc.GetPrompt(),
                                                          parent);
         }},
        {"table-setup",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             return std::make_unique<CTableSetupDialog>(Edits::GetTableSetup(doc), doc.GetPrompt(),
                                                        parent);
         }},
        {"optimise",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<COptimiseDialog>(doc, parent); }},
        // With the plan of a short search over the event.
        {"optimise-plan",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             auto dialog = std::make_unique<COptimiseDialog>(doc, parent);
             dialog->SecondsField()->setValue(2);
             dialog->FindPlan();
             dialog->WaitForPlan();
             return dialog;
         }},
        {"shape-add",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         {
             Edits::SShapeDetails details;
             details.name = LoadString(IDS_SHAPE_NAME_SQUARE);
             details.colour = CShape::kDefaultColour;
             return std::make_unique<CShapeDetailsDialog>(CShapeDetailsDialog::kAdd, details,
                                                          parent);
         }},
        {"shape-details",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             Edits::SShapeDetails details;
             if (!doc.GetShapes().empty())
                 details = Edits::DetailsOf(*doc.GetShapes().front());
             else
             {
                 details.name = LoadString(IDS_OBJECT_DANCING_AREA);
                 details.width = 140;
                 details.height = 90;
                 details.colour = CShape::kDefaultColour;
                 details.shapeClass = details.name;
             }
             return std::make_unique<CShapeDetailsDialog>(CShapeDetailsDialog::kEdit, details,
                                                          parent);
         }},
        {"seating-search",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CSeatingSearchDialog>(QString(), QString(), false, parent); }},
        {"guest-search",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CGuestSearchDialog>(QString(), QString(), false, parent); }},
        {"restricted-guests",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             if (doc.GetGuestCount() == 0)
                 return nullptr;
             return std::make_unique<CRestrictedGuestsDialog>(doc, *doc.GetGuestAt(0), parent);
         }},
        {"task-list",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<CTaskListDialog>(doc, parent); }},
        {"task-info",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             return std::make_unique<CTaskInfoDialog>(CTaskInfoDialog::kAdd, doc, QString(),
                                                      QString(), parent);
         }},
        {"import-guests",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             // The event's own guests as a workbook would offer them, the first few selected.
             auto dialog = std::make_unique<CImportGuestsDialog>(doc, parent);
             std::vector<SImportedGuest> lines;
             for (const auto& guest : doc.GetGuests())
             {
                 SImportedGuest line;
                 line.firstName = guest->GetName();
                 line.familyName = guest->GetFamilyName();
                 line.relation = guest->GetRelation();
                 line.group = guest->GetGroupName();
                 line.phone = guest->GetPhone();
                 line.email = guest->GetEmail();
                 line.invited = guest->GetInvitedCount();
                 line.coming = guest->GetComingCount();
                 lines.push_back(std::move(line));
             }
             dialog->SetLines(std::move(lines), QStringLiteral("/home/dana/Guests.xlsx"));
             QAbstractItemModel* model = dialog->List()->model();
             if (model->rowCount() >= 3)
                 dialog->List()->selectionModel()->select(
                     QItemSelection(model->index(0, 0), model->index(2, 0)),
                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
             return dialog;
         }},
        {"approvals",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             // Answers as the site would give them: every third guest approves with one more
             // than planned, every seventh cancels.
             ApprovalMap approvals;
             int n = 0;
             for (const auto& guest : doc.GetGuests())
             {
                 const std::string code = FormatInt(guest->GetUniqueId());
                 if (n % 3 == 0)
                     approvals[code] = FormatInt(guest->GetComingCount() + 1);
                 else if (n % 7 == 1)
                     approvals[code] = "0";
                 ++n;
             }
             if (!ApprovalsNeedAttention(doc, approvals))
                 return nullptr;
             return std::make_unique<CApprovalsDialog>(doc, approvals, parent);
         }},
        {"expense",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             // The expense with the most payments, to show the slots filled.
             const CExpence* shown = nullptr;
             for (const auto& expense : doc.GetExpenses())
                 if (shown == nullptr || expense->GetPaymentCount() > shown->GetPaymentCount())
                     shown = expense.get();
             const CExpenseDraft draft =
                 shown != nullptr ? CExpenseDraft::FromExpense(*shown) : CExpenseDraft();
             return std::make_unique<CExpenseDialog>(draft, shown == nullptr, parent);
         }},
        {"payment",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         {
             CPayment payment;
             payment.SetDate(SDate::Today());
             return std::make_unique<CPaymentDialog>(payment, parent);
         }},
        {"calendar",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CCalendarDialog>(SDate::Today(), parent); }},
        {"offer",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             QStringList categories;
             for (const auto& category : doc.GetCategories())
                 categories << ToQt(category->GetName());
             const COfferDraft draft = doc.GetOffers().empty()
                                           ? COfferDraft()
                                           : COfferDraft::FromOffer(*doc.GetOffers().front());
             return std::make_unique<COfferDialog>(
                 draft, categories, CBudgetPlan(doc).InvitedCount(), doc.GetOffers().empty(),
                 doc.GetPrompt(), parent);
         }},
        {"category-name",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CCategoryNameDialog>(false, QString(), parent); }},
        {"kids",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CKidsDialog>(2, true, parent); }},
        {"multiple-update",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<CMultipleUpdateDialog>(doc, nullptr, parent); }},
        {"gift",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             if (doc.GetGuestCount() == 0)
                 return std::make_unique<CGiftDialog>(CGiftList::SGift(), QString(), parent);
             const CGuest& guest = *doc.GetGuestAt(0);
             return std::make_unique<CGiftDialog>(CGiftList::GiftOf(guest),
                                                  ToQt(guest.GetDisplayName()), parent);
         }},
        {"gift-search",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CGiftSearchDialog>(QString(), false, parent); }},
        {"arrival",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             if (doc.GetGuestCount() == 0)
                 return nullptr;
             const CGuest& guest = *doc.GetGuestAt(0);
             return std::make_unique<CArrivalDialog>(ToQt(guest.GetDisplayName()),
                                                     ToQt(TableTextOf(doc, guest)),
                                                     guest.GetComingCount(), parent);
         }},
        {"choose-table",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         {
             // A family of four: tables with room for them, the separator, tables with less.
             return std::make_unique<CChooseTableDialog>(TableChoiceLines(doc, 4), parent);
         }},
        {"walk-in-guest",
         [](CNewOrvDoc&, QWidget* parent) -> Dialog
         { return std::make_unique<CWalkInGuestDialog>(parent); }},
    };
    for (int page = 1; page <= 4; ++page)
        entries.push_back({QStringLiteral("add-event-%1").arg(page),
                           [page](CNewOrvDoc& doc, QWidget* parent)
                           { return WizardOnPage(doc, parent, page); }});
    return entries;
}
} // namespace

const std::vector<SDialogEntry>& DialogCatalogue()
{
    static const std::vector<SDialogEntry> entries = MakeCatalogue();
    return entries;
}

const SDialogEntry* FindDialogEntry(const QString& name)
{
    for (const SDialogEntry& entry : DialogCatalogue())
        if (entry.name == name)
            return &entry;
    return nullptr;
}
