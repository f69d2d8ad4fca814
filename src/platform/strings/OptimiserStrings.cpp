// The texts of the optimised table arrangement: its dialog, the summary of a plan (also printed
// by the command line), its question, and the seat lock of the guests view.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // Menus
    {IDS_OPT_MENU, "Optimised arrangement ...", "סידור מיטבי ..."},
    {IDS_OPT_MENU_LOCK_SEAT, "Lock seat", "נעילת מקום"},

    // The dialog: choices
    {IDS_OPT_TITLE, "Optimised arrangement", "סידור שולחנות מיטבי"},
    {IDS_OPT_EXPLANATION,
     "Seats the guest lines so that each group sits together at as few tables as possible, the "
     "tables fill evenly and no two guests who must not meet share a table. Lines whose seat is "
     "locked stay where they are. Nothing changes until you accept the plan.",
     "מושיב את שורות האורחים כך שכל קבוצה יושבת יחד בכמה שפחות שולחנות, השולחנות מתמלאים באופן "
     "שווה ושני אורחים שאסור להושיב יחד אינם יושבים באותו שולחן. שורות שמקומן נעול נשארות במקומן. "
     "דבר אינו משתנה עד שתאשרו את הסידור."},
    {IDS_OPT_USE_EXISTING, "Use the existing tables (new ones are added only when needed)",
     "שימוש בשולחנות הקיימים (שולחנות חדשים נוספים רק בעת הצורך)"},
    {IDS_OPT_REBUILD, "Rebuild all tables (the tables of locked guests stay)",
     "בנייה מחדש של כל השולחנות (השולחנות של אורחים נעולים נשארים)"},
    {IDS_OPT_TIME_LIMIT, "Time limit:", "מגבלת זמן:"},
    {IDS_OPT_SECONDS_SUFFIX, " seconds", " שניות"},
    {IDS_OPT_FIND, "Find a plan", "חיפוש סידור"},
    {IDS_OPT_STOP, "Stop", "עצירה"},
    {IDS_OPT_ACCEPT, "Accept plan", "אישור הסידור"},
    {IDS_OPT_READY, "Choose how to arrange the tables and press \"Find a plan\".",
     "בחרו כיצד לסדר את השולחנות ולחצו על \"חיפוש סידור\"."},
    {IDS_OPT_SEARCHING, "Searching for a plan...", "מחפש סידור..."},
    {IDS_OPT_STOPPED_EARLY, "The search stopped before its end; this is the best plan it found.",
     "החיפוש נעצר לפני סופו; זהו הסידור הטוב ביותר שנמצא."},
    {IDS_OPT_FOUND, "The plan is ready. Nothing has changed yet.",
     "הסידור מוכן. דבר עדיין לא השתנה."},

    // The summary of a plan
    {IDS_OPT_TABLES_USED, "Tables used:", "שולחנות בשימוש:"},
    {IDS_OPT_NEW_TABLES, "New tables:", "שולחנות חדשים:"},
    {IDS_OPT_GROUPS_SPLIT, "Groups split between tables:", "קבוצות שפוצלו בין שולחנות:"},
    {IDS_OPT_LINES_SEATED, "Guest lines seated:", "שורות אורחים שהושבו:"},
    {IDS_OPT_LINES_UNSEATED, "Guest lines left unseated:", "שורות אורחים שנותרו ללא שולחן:"},
    {IDS_OPT_RESTRICTIONS, "Restrictions honoured:", "הגבלות שנשמרו:"},
    {IDS_OPT_RESTRICTIONS_VALUE, "%d of %d", "%d מתוך %d"},
    {IDS_OPT_CONFLICTS_CAPTION,
     "Guest lines that could not be seated:", "שורות אורחים שלא ניתן היה להושיב:"},
    {IDS_OPT_COLUMN_GUEST, "Guest", "אורח"},
    {IDS_OPT_COLUMN_REASON, "Reason", "סיבה"},
    {IDS_OPT_REASON_TOO_LARGE, "More people than any table seats",
     "יותר אנשים ממספר המקומות בכל שולחן"},
    {IDS_OPT_REASON_SELF_RESTRICTED, "Its restricted list names its own name",
     "רשימת ההגבלות של השורה כוללת את שמה שלה"},
    {IDS_OPT_REASON_NO_ROOM, "No table has room without someone it must not meet",
     "אין שולחן עם מקום פנוי שאין בו מי שאסור לשבת לידו"},

    // Questions and notices
    {IDS_OPT_ACCEPT_QUESTION, "Accept this plan and seat the guests as shown?",
     "לאשר את הסידור ולהושיב את האורחים כמוצג?"},
    {IDS_OPT_EVENT_CHANGED,
     "The event changed while the plan was made, so nothing was changed. Please search again.",
     "האירוע השתנה בזמן חיפוש הסידור ולכן דבר לא שונה. נא לחפש שוב."},
};
} // namespace

SStringEntries OptimiserStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
