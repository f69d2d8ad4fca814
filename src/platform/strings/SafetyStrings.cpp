// The texts of data safety: files the program leaves alone, the event lock and read-only events,
// a data file changed by another program, and saves the program could not read back.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // Files that are left alone
    {IDS_FILE_NOT_REGULAR, "\"%s\" is not a regular file; it was left as it is.",
     "\"%s\" אינו קובץ רגיל; הוא נשאר כפי שהיה."},
    {IDS_FILE_READ_ONLY, "The file \"%s\" is read-only; it was left as it is.",
     "הקובץ \"%s\" מוגן מפני כתיבה; הוא נשאר כפי שהיה."},
    {IDS_FILE_TOO_LARGE, "The file \"%s\" is too large to be read.",
     "הקובץ \"%s\" גדול מכדי שניתן יהיה לקרוא אותו."},
    {IDS_FILE_NOT_TEXT, "The file \"%s\" cannot be read as text; it was left as it is.",
     "לא ניתן לקרוא את הקובץ \"%s\" כטקסט; הוא נשאר כפי שהיה."},
    {IDS_FILE_UNREADABLE, "The file \"%s\" could not be read (%s).",
     "לא ניתן היה לקרוא את הקובץ \"%s\" (%s)."},

    // The event lock and read-only events
    {IDS_EVENT_LOCKED_CAPTION, "Event in use", "האירוע בשימוש"},
    {IDS_EVENT_LOCKED_QUESTION,
     "The event \"%s\" is open in another program: %s.\r\nOpen it read-only? Changes to it "
     "cannot be saved then.\r\nChoose No to pick another event.",
     "האירוע \"%s\" פתוח בתוכנה אחרת: %s.\r\nלפתוח אותו לקריאה בלבד? אז לא ניתן יהיה לשמור בו "
     "שינויים.\r\nבחרו \"לא\" כדי לבחור אירוע אחר."},
    {IDS_EVENT_LOCKED_REFUSED,
     "The event \"%s\" is in use by another program: %s. Nothing was changed; try again when it "
     "has finished.",
     "האירוע \"%s\" נמצא בשימוש של תוכנה אחרת: %s. דבר לא שונה; נסו שוב כשהיא תסיים."},
    {IDS_LOCK_HOLDER, "%s (process %s on %s)", "%s (תהליך %s במחשב %s)"},
    {IDS_LOCK_HOLDER_UNKNOWN, "another program", "תוכנה אחרת"},
    {IDS_LOCK_FAILED, "The event folder \"%s\" cannot be locked against other programs (%s).",
     "לא ניתן לנעול את תיקיית האירוע \"%s\" מפני תוכנות אחרות (%s)."},
    {IDS_READ_ONLY_TITLE, "%s (read-only)", "%s (לקריאה בלבד)"},
    {IDS_READ_ONLY_SAVE_REFUSED,
     "This event is open read-only because another program has it open; it cannot be saved.",
     "אירוע זה פתוח לקריאה בלבד כי הוא פתוח בתוכנה אחרת; לא ניתן לשמור אותו."},
    {IDS_READ_ONLY_CLOSE_QUESTION,
     "This event is open read-only, so the changes made to it cannot be saved.\r\nClose it and "
     "lose them?",
     "אירוע זה פתוח לקריאה בלבד, ולכן לא ניתן לשמור את השינויים שנעשו בו.\r\nלסגור אותו ולוותר "
     "עליהם?"},
    {IDS_SETTINGS_LOCK_BUSY,
     "The shared settings file \"%s\" is being written by another program; it was not saved.",
     "קובץ ההגדרות המשותף \"%s\" נכתב כעת על ידי תוכנה אחרת; הוא לא נשמר."},

    // The data file between load and save
    {IDS_DATA_FILE_CHANGED_CAPTION, "Data file changed", "קובץ הנתונים השתנה"},
    {IDS_DATA_FILE_CHANGED_QUESTION,
     "The data file \"%s\" was changed by another program after this program loaded it.\r\nYes: "
     "replace it with the data shown here.\r\nNo: load the file again (the changes made here are "
     "lost).\r\nCancel: do not save now.",
     "קובץ הנתונים \"%s\" שונה על ידי תוכנה אחרת אחרי שתוכנה זו טענה אותו.\r\nכן: להחליף אותו "
     "בנתונים המוצגים כאן.\r\nלא: לטעון את הקובץ מחדש (השינויים שנעשו כאן יאבדו).\r\nביטול: לא "
     "לשמור כעת."},
    {IDS_DATA_FILE_CHANGED_REFUSED,
     "The data file \"%s\" was changed by another program after this program loaded it; nothing "
     "was saved.",
     "קובץ הנתונים \"%s\" שונה על ידי תוכנה אחרת אחרי שתוכנה זו טענה אותו; דבר לא נשמר."},
    {IDS_DAMAGED_SAVE_QUESTION,
     "The data file \"%s\" was damaged when it was loaded. Saving replaces it with what could be "
     "read; a copy of the damaged file is kept beside it.\r\nSave now?",
     "קובץ הנתונים \"%s\" היה פגום כשנטען. השמירה תחליף אותו במה שניתן היה לקרוא; עותק של הקובץ "
     "הפגום יישמר לצדו.\r\nלשמור כעת?"},
    {IDS_SAVE_UNREADABLE,
     "the program could not read the data file back (%s). The data file was left as it is.",
     "התוכנה לא הייתה יכולה לקרוא את קובץ הנתונים בחזרה (%s). קובץ הנתונים נשאר כפי שהיה."},
    {IDS_LIMIT_FILE_SIZE, "it would be %s MB, more than the %s MB a data file may hold",
     "הוא היה מגיע ל-%s MB, יותר מ-%s MB שקובץ נתונים יכול להכיל"},
    {IDS_LIMIT_RECORDS, "it would hold %s records, more than the %s a data file may hold",
     "הוא היה מכיל %s רשומות, יותר מ-%s שקובץ נתונים יכול להכיל"},
    {IDS_LIMIT_FIELD, "a text of %s characters, more than the %s a field may hold",
     "טקסט של %s תווים, יותר מ-%s ששדה יכול להכיל"},
    {IDS_TABLES_OUT_OF_RANGE,
     "%s guest lines sat at tables that do not exist; they are unseated now",
     "%s שורות אורחים ישבו בשולחנות שאינם קיימים; כעת הן ללא שולחן"},
};
} // namespace

SStringEntries SafetyStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
