// The texts of the check-in desk, its dialogs and the check-in codes page.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // The desk's screen
    {IDS_RT_EXPLANATION,
     "This screen is for the wedding date only. In it you will get real time status about who "
     "arrived and who did not and in which tables there is free space.",
     "מסך זה מיועד ליום החתונה בלבד. בו תקבלו תמונת מצב בזמן אמת: מי הגיע ומי לא, ובאילו שולחנות "
     "יש מקום פנוי."},
    {IDS_RT_CATERING_EXPLANATION,
     "The catering team should mark each guest that arrives to the wedding. At each moment you "
     "can know  where you have room left and where you can seat more guests. This can help you "
     "seat up guests that can unexpectedly.",
     "צוות הקייטרינג מסמן כל אורח שמגיע לחתונה. בכל רגע תוכלו לדעת היכן נותר מקום והיכן אפשר "
     "להושיב אורחים נוספים. כך תוכלו להושיב גם אורחים שהגיעו במפתיע."},
    {IDS_RT_NOT_ARRIVED_ONLY, "Show only guests that did not arrive yet",
     "הצג רק אורחים שעדיין לא הגיעו"},
    {IDS_RT_ROOM_LEFT_ONLY, "Show only table that have room left", "הצג רק שולחנות שנותר בהם מקום"},
    {IDS_RT_GUESTS_CAPTION, "Guests that did not arrive yet", "אורחים שעדיין לא הגיעו"},
    {IDS_RT_TABLES_CAPTION, "Tables that still have space", "שולחנות שעדיין יש בהם מקום"},
    {IDS_RT_GUEST_ARRIVED, "Guest arrived", "האורח הגיע"},
    {IDS_RT_ADD_GUEST, "Add new guest", "הוספת אורח חדש"},
    {IDS_RT_PRINT_CODES, "Print check-in codes ...", "הדפסת קודי כניסה ..."},
    {IDS_RT_FILTER_TIP,
     "Type a part of the name, or scan the guest's check-in code. Enter: the guest arrived. "
     "Escape: clear.",
     "הקלידו חלק מהשם, או סרקו את קוד הכניסה של האורח. Enter: האורח הגיע. Escape: ניקוי."},

    // The desk's columns
    {IDS_RT_COLUMN_FIRST_NAME, "First name", "שם פרטי"},
    {IDS_RT_COLUMN_LAST_NAME, "Last name", "שם משפחה"},
    {IDS_RT_COLUMN_COUNT, "Count", "מספר"},
    {IDS_RT_COLUMN_TABLE, "Table", "שולחן"},
    {IDS_RT_COLUMN_FREE_SEATS, "Free seats", "מקומות פנויים"},
    {IDS_RT_COLUMN_TABLE_NAME, "Table name", "שם השולחן"},
    {IDS_RT_COLUMN_PLACE, "Place in hall", "מיקום באולם"},

    // The view's menu
    {IDS_RT_MENU_TITLE, "Arrivals", "הגעות"},

    // The arrival dialog
    {IDS_RT_ARRIVAL_TITLE, "This guest came to the wedding!", "האורח הגיע לחתונה!"},
    {IDS_RT_ARRIVAL_COUNT_LABEL, "Actualy came:", "הגיעו בפועל:"},

    // The table choice
    {IDS_RT_CHOOSE_TABLE_TITLE, "Chose Table", "בחירת שולחן"},
    {IDS_RT_CHOOSE_TABLE_TEXT,
     "This guest is not assigned for a table or the table that he is assinged for is full. You "
     "must assign a table for this guest now. In brackets you can see the number of available "
     "seats in each table.",
     "אורח זה אינו משובץ לשולחן, או שהשולחן שאליו שובץ מלא. יש לשבץ את האורח לשולחן כעת. בסוגריים "
     "מופיע מספר המקומות הפנויים בכל שולחן."},

    // Walk-in guests
    {IDS_RT_ADD_GUEST_TITLE, "Add guest that does not apear in the list",
     "הוספת אורח שאינו מופיע ברשימה"},
    {IDS_RT_ADD_GUEST_NAME_LABEL, "Name:", "שם:"},

    // Scanned check-in codes
    {IDS_RT_UNKNOWN_CODE, "No guest has the check-in code %s.", "אין אורח עם קוד הכניסה %s."},
    {IDS_RT_ALREADY_ARRIVED, "%s has already arrived with %d people.", "%s כבר הגיעו (%d אנשים)."},

    // The check-in codes page
    {IDS_RT_CODE_TABLE, "Table %d: %s", "שולחן %d: %s"},
    {IDS_RT_CODE_TABLE_NAME_ONLY, "Table: %s", "שולחן: %s"},
    {IDS_RT_CODE_NO_TABLE, "Table: not assigned yet", "שולחן: טרם נקבע"},
    {IDS_RT_CODES_FILE_NAME, "Check-in codes.pdf", "קודי כניסה.pdf"},
    {IDS_RT_PDF_FILE_FILTER, "PDF files (*.pdf)", "קובצי PDF (*.pdf)"},
    {IDS_RT_CODES_NOTHING, "The event has no guests, so there are no check-in codes to print.",
     "באירוע אין אורחים, ולכן אין קודי כניסה להדפסה."},
    {IDS_RT_CODES_WRITE_FAILED, "The check-in codes could not be written:\r\n%s",
     "לא ניתן היה לכתוב את קודי הכניסה:\r\n%s"},
    {IDS_RT_CODES_PAGE_TITLE, "Check-in codes", "קודי כניסה"},
};
} // namespace

SStringEntries RealTimeStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
