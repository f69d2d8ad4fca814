// The texts of the office hand-over: exports, opening files in office programs, the guest import.
// The English texts keep the program's spelling ("Dolars", "Actualy coming", "Chose"): other
// installations' workbooks carry the import's column names, and users know the others.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // Tab-separated guest export
    {IDS_TSV_NAME, "Name", "שם"},
    {IDS_TSV_LAST_NAME, "Last name", "שם משפחה"},
    {IDS_TSV_RELATION, "Relation", "קרבה"},
    {IDS_TSV_GROUP, "Group", "קבוצה"},
    {IDS_TSV_PHONE, "Phone", "טלפון"},
    {IDS_TSV_MOBILE, "Mobile", "נייד"},
    {IDS_TSV_ADDRESS, "Address", "כתובת"},
    {IDS_TSV_GIFT, "Gift", "מתנה"},
    {IDS_TSV_GIFT_COMMENTS, "Gift comments", "הערות למתנה"},
    {IDS_TSV_SHEKELS, "Shekels", "שקלים"},
    {IDS_TSV_DOLLARS, "Dolars", "דולרים"},
    {IDS_TSV_STATUS, "Status", "סטטוס"},
    {IDS_TSV_INVITATION_SENT, "Invitation sent", "הזמנה נשלחה"},
    {IDS_TSV_INVITED, "Number of guests", "מספר אורחים"},
    {IDS_TSV_COMING, "How many will come", "כמה יגיעו"},
    {IDS_TSV_TABLE, "Table number", "מספר שולחן"},

    // Tab-separated table export
    {IDS_TSV_TABLE_ID, "Table I.D.", "מזהה שולחן"},
    {IDS_TSV_TABLE_NAME, "Table name", "שם השולחן"},
    {IDS_TSV_TABLE_HALL_NUMBER, "Number in hall", "מספר באולם"},
    {IDS_TSV_TABLE_SEATS, "Seats", "מקומות"},
    {IDS_TSV_TABLE_COMING, "People coming", "אנשים שיגיעו"},
    {IDS_TSV_TABLE_LINES, "Guests", "אורחים"},

    // The import's column names
    {IDS_IMPORT_COL_NAME, "Name", "שם"},
    {IDS_IMPORT_COL_LAST_NAME, "Last Name", "שם משפחה"},
    {IDS_IMPORT_COL_RELATION, "Relation", "קרבה"},
    {IDS_IMPORT_COL_GROUP, "Group", "קבוצה"},
    {IDS_IMPORT_COL_ADDRESS, "Address", "כתובת"},
    {IDS_IMPORT_COL_PHONE, "Phone Number", "מספר טלפון"},
    {IDS_IMPORT_COL_MOBILE, "Mobile phone", "טלפון נייד"},
    {IDS_IMPORT_COL_EMAIL, "e-mail", "דואר אלקטרוני"},
    {IDS_IMPORT_COL_INVITED, "Guests amount", "מספר מוזמנים"},
    {IDS_IMPORT_COL_COMING, "Actualy coming", "מגיעים בפועל"},
    {IDS_IMPORT_COL_UNIQUE_ID, "Unique ID", "מזהה ייחודי"},

    // Further columns of the spreadsheet export
    {IDS_XLSX_TABLE_HALL_NUMBER, "Table number in hall", "מספר השולחן באולם"},
    {IDS_XLSX_TABLE_NAME, "Table name", "שם השולחן"},

    // Guest import messages
    {IDS_IMPORT_RELATION_MISSING, "'Relation' column is missing", "עמודת 'קרבה' חסרה"},
    {IDS_IMPORT_LAST_NAME_MISSING, "'Last Name' column is missing", "עמודת 'שם משפחה' חסרה"},
    {IDS_IMPORT_NAME_MISSING, "'Name' column is missing", "עמודת 'שם' חסרה"},
    {IDS_IMPORT_READ_ERROR_CAPTION, "Error reading file", "שגיאה בקריאת הקובץ"},
    {IDS_IMPORT_RELATION_QUESTION,
     "The relation was not defined properly for %s %s.\r\nThe options are: Groom,Bride,Common.\r\n"
     "The relation will be set to Common. Do you want to continue?",
     "הקרבה לא הוגדרה כראוי עבור %s %s.\r\nהאפשרויות הן: חתן,כלה,משותף.\r\n"
     "הקרבה תוגדר כמשותף. האם להמשיך?"},
    {IDS_IMPORT_DUPLICATES_TEXT, "Some of the selected guests were already in the list\r\n",
     "חלק מהאורחים שנבחרו כבר נמצאים ברשימה\r\n"},
    {IDS_IMPORT_DUPLICATES_CAPTION, "Guests already in list", "אורחים שכבר ברשימה"},
    {IDS_IMPORT_READ_FAILED, "The file could not be read:\r\n%s", "לא ניתן לקרוא את הקובץ:\r\n%s"},
    {IDS_IMPORT_NO_GUESTS_SHEET, "the workbook has no sheet named \"Guests\"",
     "בחוברת אין גיליון בשם \"Guests\""},
    {IDS_IMPORT_ADDED_TEXT, "%d guests were added to the list.", "%d אורחים נוספו לרשימה."},
    {IDS_IMPORT_GUESTS_CAPTION, "Import Guests and Software Data", "ייבוא אורחים ונתוני תוכנה"},
    {IDS_IMPORT_DEFAULT_GROUP, "Imported Guests", "אורחים מיובאים"},

    // Opening files in office programs
    {IDS_OPEN_IN_EXCEL_QUESTION, "Open this report in Excel?", "לפתוח את הדוח ב-Excel?"},
    {IDS_OPEN_IN_EXCEL_CAPTION, "Open in Excel?", "לפתוח ב-Excel?"},
    {IDS_OPEN_NO_PROGRAM_TEXT,
     "No program was found that can open this file:\r\n%s\r\nInstall LibreOffice, or choose a "
     "program for this kind of file in the desktop's settings.",
     "לא נמצאה תוכנה שיכולה לפתוח את הקובץ:\r\n%s\r\nהתקינו את LibreOffice, או בחרו תוכנה לסוג "
     "קובץ זה בהגדרות שולחן העבודה."},
    {IDS_OPEN_NO_PROGRAM_CAPTION, "Open in office program", "פתיחה בתוכנה משרדית"},

    // The import dialog
    {IDS_IMPORT_DIALOG_TITLE, "Import Guests and Software Data", "ייבוא אורחים ונתוני תוכנה"},
    {IDS_IMPORT_SOURCE_SPREADSHEET, "Data from EXCEL file (xlsx, ods, xls, csv)",
     "נתונים מקובץ EXCEL (xlsx, ods, xls, csv)"},
    {IDS_IMPORT_SOURCE_DATA_FILE, "Guests of another event (WeddingData.xml)",
     "אורחים של אירוע אחר (WeddingData.xml)"},
    {IDS_IMPORT_CHOOSE_FILE, "Chose EXCEL file...", "בחירת קובץ EXCEL..."},
    {IDS_IMPORT_SELECT_ALL, "Select All", "בחר הכל"},
    {IDS_IMPORT_ADD, "Add", "הוסף"},
    {IDS_IMPORT_KEEP_GROUPS, "Keep each guest's group", "שמירת הקבוצה של כל אורח"},
    {IDS_IMPORT_GROUP_LABEL, "Group for all imported guests:", "קבוצה לכל האורחים המיובאים:"},
    {IDS_IMPORT_SPREADSHEET_FILTER,
     "Spreadsheets (*.xlsx *.ods *.xls *.csv *.tsv);;Excel files (*.xls);;All files (*)",
     "גיליונות אלקטרוניים (*.xlsx *.ods *.xls *.csv *.tsv);;קובצי Excel (*.xls);;כל הקבצים (*)"},
    {IDS_IMPORT_DATA_FILE_FILTER, "Event data files (WeddingData.xml *.xml);;All files (*)",
     "קובצי נתוני אירוע (WeddingData.xml *.xml);;כל הקבצים (*)"},
    {IDS_IMPORT_EXPLANATION,
     "Choose where the guests come from and the file, select the guests to add and press "
     "\"Add\". The sheet \"Guests\" needs the columns Name, Last Name and Relation in its first "
     "row.",
     "בחרו את מקור האורחים ואת הקובץ, סמנו את האורחים להוספה ולחצו \"הוסף\". בשורה הראשונה של "
     "הגיליון \"Guests\" נדרשות העמודות שם, שם משפחה וקרבה."},
    {IDS_IMPORT_NO_FILE, "No file chosen", "לא נבחר קובץ"},
    {IDS_IMPORT_ROWS_READ, "%d guests read from %s", "%d אורחים נקראו מ-%s"},
    {IDS_IMPORT_SOURCE_FOLDER, "Event data from a folder", "נתוני אירוע מתיקייה"},
    {IDS_IMPORT_CHOOSE_FOLDER, "Chose folder...", "בחירת תיקייה..."},
    {IDS_IMPORT_CHOOSE_DATA_FILE, "Chose data file...", "בחירת קובץ נתונים..."},
    {IDS_OFFICE_FILE_OPEN, "Open", "פתיחה"},

    // Exports from the main menu
    {IDS_EXCEL_SAVE_FILTER, "Excel files (*.xls);;All files (*)",
     "קובצי Excel (*.xls);;כל הקבצים (*)"},
    {IDS_MENU_EXPORT_GUESTS_XLSX, "Export guest list to spreadsheet (.xlsx) ...",
     "ייצוא רשימת האורחים לגיליון אלקטרוני (xlsx.) ..."},
    {IDS_XLSX_SAVE_FILTER, "Excel workbooks (*.xlsx);;All files (*)",
     "חוברות Excel (*.xlsx);;כל הקבצים (*)"},
    {IDS_EXPORT_TABLES_SUCCEEDED, "Exporting tables finished successfully",
     "ייצוא השולחנות הסתיים בהצלחה"},
    {IDS_EXPORT_TABLES_FAILED,
     "An error occurred during exporting tables\r\nPlease verify that you have write permissions "
     "on the desired folder.",
     "אירעה שגיאה בעת ייצוא השולחנות\r\nנא לוודא שיש לך הרשאות כתיבה לתיקייה הרצויה."},
    {IDS_EXPORT_TABLES_CAPTION, "Exporting tables finished", "ייצוא השולחנות הסתיים"},
};
} // namespace

SStringEntries OfficeStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
