#include "ui/OfficeActions.h"

#include "office/OfficeHandOver.h"
#include "platform/StringTable.h"
#include "ui/Icons.h"
#include "ui/ImportGuestsDialog.h"
#include "ui/ModalSeam.h"
#include "ui/OfficeFileDialog.h"
#include "ui/TipMarkup.h"
#include "ui/UiText.h"

#include <QAction>

SOfficeActions MakeOfficeActions(CNewOrvDoc& doc, QWidget* frame)
{
    SOfficeActions actions;
    actions.importData =
        new QAction(ThemeIcon("document-import"), UiText(IDS_MENU_IMPORT_DATA), frame);
    actions.importData->setIconText(UiText(IDS_TOOLBAR_IMPORT));
    actions.importData->setToolTip(MarkupToRichText(LoadString(IDS_TOOLTIP_IMPORT)));
    QObject::connect(actions.importData, &QAction::triggered, frame,
                     [&doc, frame]
                     {
                         CImportGuestsDialog dialog(doc, frame);
                         CModalSeam::Exec(dialog);
                     });

    actions.exportGuests = new QAction(UiText(IDS_MENU_EXPORT_GUESTS_EXCEL), frame);
    QObject::connect(actions.exportGuests, &QAction::triggered, frame,
                     [&doc, frame]
                     {
                         const QString file = ChooseOfficeFileToSave(
                             frame, IDS_MENU_EXPORT_GUESTS_EXCEL, IDS_EXCEL_SAVE_FILTER,
                             QStringLiteral("Guests.xls"), QStringLiteral("xls"));
                         if (!file.isEmpty())
                             ExportGuestListToSpreadsheet(doc, FromQt(file));
                     });
    actions.exportTables = new QAction(UiText(IDS_MENU_EXPORT_TABLES_EXCEL), frame);
    QObject::connect(actions.exportTables, &QAction::triggered, frame,
                     [&doc, frame]
                     {
                         const QString file = ChooseOfficeFileToSave(
                             frame, IDS_MENU_EXPORT_TABLES_EXCEL, IDS_EXCEL_SAVE_FILTER,
                             QStringLiteral("Tables.xls"), QStringLiteral("xls"));
                         if (!file.isEmpty())
                             ExportTableListToSpreadsheet(doc, FromQt(file));
                     });
    actions.exportWorkbook =
        new QAction(ThemeIcon("x-office-spreadsheet"), UiText(IDS_MENU_EXPORT_GUESTS_XLSX), frame);
    QObject::connect(actions.exportWorkbook, &QAction::triggered, frame,
                     [&doc, frame]
                     {
                         const QString file = ChooseOfficeFileToSave(
                             frame, IDS_MENU_EXPORT_GUESTS_XLSX, IDS_XLSX_SAVE_FILTER,
                             QStringLiteral("Guests.xlsx"), QStringLiteral("xlsx"));
                         if (!file.isEmpty())
                             ExportGuestsWorkbook(doc, FromQt(file), true);
                     });
    return actions;
}
