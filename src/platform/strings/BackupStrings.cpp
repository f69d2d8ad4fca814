// The texts of backups, restores, exports and imports of an event and of the list of guests
// without an answer.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // "Backup and Restore Data"
    {IDS_BACKUP_DIALOG_TITLE, "Backup and Restore Data", "גיבוי ושחזור נתונים"},
    {IDS_BACKUP_DIALOG_TEXT,
     "Each time this program is launched a backup is created in a special folder.\nThe backups "
     "are ordered by date. You can restore data from  one of the items below. Note that restoring "
     "data will replace all existing data with the restored data!",
     "בכל הפעלה של התוכנה נוצר גיבוי בתיקייה מיוחדת.\nהגיבויים מסודרים לפי תאריך. ניתן לשחזר "
     "נתונים מאחד הפריטים שלהלן. שימו לב ששחזור הנתונים יחליף את כל הנתונים הקיימים בנתונים "
     "המשוחזרים!"},
    {IDS_BACKUP_RESTORE_BUTTON, "Restore", "שחזור"},
    {IDS_BACKUP_DATA_LOCATION, "Data Location:", "מיקום הנתונים:"},
    {IDS_BACKUP_CAPTION, "Backup", "גיבוי"},
    {IDS_BACKUP_FAILED,
     "The backup of the event could not be made in \"%s\" (%s).\r\nPlease verify that you have "
     "write permissions on that folder.",
     "לא ניתן היה ליצור את גיבוי האירוע בתיקייה \"%s\" (%s).\r\nנא לוודא שיש לכם הרשאות כתיבה "
     "בתיקייה זו."},
    {IDS_BACKUP_COPY_FAILED, "some files could not be copied", "חלק מהקבצים לא הועתקו"},

    // Restore and import
    {IDS_RESTORE_CAPTION, "Restore data", "שחזור נתונים"},
    {IDS_RESTORE_QUESTION,
     "The data of the event \"%s\" will be replaced by the backup of %s.\r\nThe current data are "
     "backed up first, so they can be restored later.\r\nDo you want to restore the backup?",
     "נתוני האירוע \"%s\" יוחלפו בגיבוי מתאריך %s.\r\nהנתונים הנוכחיים יגובו תחילה, כך שניתן "
     "יהיה לשחזר אותם בהמשך.\r\nהאם לשחזר את הגיבוי?"},
    {IDS_RESTORE_FAILED,
     "An error occurred while restoring the data from \"%s\"; some files of the event may not "
     "have been replaced.\r\nThe data as they were before are in the backup \"%s\".",
     "אירעה שגיאה בעת שחזור הנתונים מ-\"%s\"; ייתכן שחלק מקובצי האירוע לא הוחלפו.\r\nהנתונים "
     "כפי שהיו קודם נמצאים בגיבוי \"%s\"."},
    {IDS_RESTORE_FAILED_PLAIN,
     "An error occurred while restoring the data from \"%s\"; some files of the event may not "
     "have been replaced.",
     "אירעה שגיאה בעת שחזור הנתונים מ-\"%s\"; ייתכן שחלק מקובצי האירוע לא הוחלפו."},
    {IDS_RESTORE_READ_ONLY,
     "This event is open read-only because another program has it open; its data cannot be "
     "replaced now.",
     "אירוע זה פתוח לקריאה בלבד משום שתוכנה אחרת פתחה אותו; לא ניתן להחליף את נתוניו כעת."},
    {IDS_IMPORT_CAPTION, "Import Data", "ייבוא נתונים"},
    {IDS_IMPORT_QUESTION,
     "The data of the event \"%s\" will be replaced by the event data in \"%s\".\r\nThe current "
     "data are backed up first, so they can be restored later.\r\nDo you want to import the data?",
     "נתוני האירוע \"%s\" יוחלפו בנתוני האירוע שבתיקייה \"%s\".\r\nהנתונים הנוכחיים יגובו "
     "תחילה, כך שניתן יהיה לשחזר אותם בהמשך.\r\nהאם לייבא את הנתונים?"},
    {IDS_IMPORT_NO_DATA, "The folder \"%s\" holds no event data; nothing was imported.",
     "התיקייה \"%s\" אינה מכילה נתוני אירוע; דבר לא יובא."},
    {IDS_IMPORT_FOLDER_TITLE, "Select the folder that holds the event data.",
     "בחרו את התיקייה שבה נמצאים נתוני האירוע."},
    {IDS_RESTORE_NOT_SAVED,
     "The current data could not be saved and backed up first, so nothing was replaced.",
     "לא ניתן היה לשמור ולגבות תחילה את הנתונים הנוכחיים, ולכן דבר לא הוחלף."},

    // Exports
    {IDS_EXPORT_MAIL_HANDED_OVER,
     "The email message with the event files attached was handed to the mail program.\r\nFill "
     "in the TO field of the message and send it from there.",
     "הודעת הדואר עם קובצי האירוע המצורפים הועברה לתוכנת הדואר.\r\nמלאו את שדה הנמען (אל) של "
     "ההודעה ושלחו אותה משם."},

    // The list of guests without an answer
    {IDS_MENU_UNANSWERED_CSV, "Guests Without an Answer to a CSV File ...",
     "אורחים שלא השיבו לקובץ CSV ..."},
    {IDS_CSV_CAPTION, "Guests without an answer", "אורחים שלא השיבו"},
    {IDS_CSV_FILTER, "Comma Separated Files (*.csv)", "קובצי ערכים מופרדים בפסיקים (*.csv)"},
    {IDS_CSV_NOBODY, "Every guest has answered; no file was written.",
     "כל האורחים השיבו; לא נכתב קובץ."},
    {IDS_CSV_WRITTEN, "%s guests without an answer were written to \"%s\".",
     "%s אורחים שלא השיבו נכתבו לקובץ \"%s\"."},
    {IDS_CSV_FAILED, "The list could not be written: %s", "לא ניתן היה לכתוב את הרשימה: %s"},

    // Options
    {IDS_OPTIONS_KEEP_BACKUPS, "Keep the last", "לשמור את"},
    {IDS_OPTIONS_KEEP_BACKUPS_SUFFIX, "backups of each event (0 keeps all)",
     "הגיבויים האחרונים של כל אירוע (0 שומר את כולם)"},
};
} // namespace

SStringEntries BackupStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
