#include "ui/DialogCatalogue.h"

#include "edits/HallEdits.h"
#include "edits/TableEdits.h"
#include "model/Group.h"
#include "model/Shape.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "ui/AddEventWizard.h"
#include "ui/GroupNameDialog.h"
#include "ui/GuestSearchDialog.h"
#include "ui/OptionsDialog.h"
#include "ui/RestrictedGuestsDialog.h"
#include "ui/SeatingSearchDialog.h"
#include "ui/SelectEventDialog.h"
#include "ui/ShapeDetailsDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/TableSetupDialog.h"
#include "ui/TaskInfoDialog.h"
#include "ui/TaskListDialog.h"
#include "ui/TermsDialog.h"
#include "ui/TipDialog.h"
#include "ui/UiText.h"
#include "ui/WeddingInfoDialog.h"

#include <QDialog>

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
        {"options",
         [](CNewOrvDoc& doc, QWidget* parent) -> Dialog
         { return std::make_unique<COptionsDialog>(doc, parent); }},
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
