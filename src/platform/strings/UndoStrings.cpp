// The texts of undo and redo: the frame's commands and the names of the steps.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    {IDS_UNDO_MENU, "&Undo %s", "&ביטול %s"},
    {IDS_REDO_MENU, "&Redo %s", "&חזרה על %s"},
    {IDS_UNDO_MENU_EMPTY, "&Undo", "&ביטול"},
    {IDS_REDO_MENU_EMPTY, "&Redo", "&חזרה על פעולה"},
    {IDS_UNDO_TOOLBAR, "Undo", "ביטול"},
    {IDS_REDO_TOOLBAR, "Redo", "חזרה"},
    {IDS_UNDO_TOOLTIP, "<b>Undo</b><br>Takes back the last change of the event (Ctrl+Z)",
     "<b>ביטול</b><br>מבטל את השינוי האחרון באירוע (Ctrl+Z)"},
    {IDS_REDO_TOOLTIP, "<b>Redo</b><br>Makes again the change taken back last (Ctrl+Y)",
     "<b>חזרה</b><br>מבצע שוב את השינוי שבוטל לאחרונה (Ctrl+Y)"},
    // Step names
    {IDS_STEP_CHANGE, "change", "שינוי"},
    {IDS_STEP_ADD_GUEST, "Add guest", "הוספת מוזמן"},
    {IDS_STEP_DELETE_GUEST, "Delete guest", "מחיקת מוזמן"},
    {IDS_STEP_EDIT_GUEST, "Edit guest", "עריכת מוזמן"},
    {IDS_STEP_MOVE_TO_TABLE, "Move to table", "העברה לשולחן"},
    {IDS_STEP_LOCK_SEAT, "Lock seat", "נעילת מקום"},
    {IDS_STEP_MULTIPLE_GUESTS, "Multiple guests change", "שינוי מוזמנים מרובים"},
    {IDS_STEP_RESTRICTIONS, "Restricted guests", "מוזמנים שאין להושיב יחד"},
    {IDS_STEP_ADD_GROUP, "Add group", "הוספת קבוצה"},
    {IDS_STEP_RENAME_GROUP, "Rename group", "שינוי שם קבוצה"},
    {IDS_STEP_DELETE_GROUP, "Delete group", "מחיקת קבוצה"},
    {IDS_STEP_MOVE_GROUP, "Move group", "הזזת קבוצה"},
    {IDS_STEP_ADD_TABLE, "Add table", "הוספת שולחן"},
    {IDS_STEP_EDIT_TABLE, "Edit table", "עריכת שולחן"},
    {IDS_STEP_DELETE_TABLE, "Delete table", "מחיקת שולחן"},
    {IDS_STEP_SWAP_TABLES, "Swap tables", "החלפת שולחנות"},
    {IDS_STEP_MOVE_TABLE, "Move table", "הזזת שולחן"},
    {IDS_STEP_TABLE_SETUP, "Table setup", "הגדרת שולחנות"},
    {IDS_STEP_ARRANGEMENT, "Automatic arrangement", "סידור אוטומטי"},
    {IDS_STEP_OPTIMISED, "Optimised arrangement", "סידור מיטבי"},
    {IDS_STEP_GIFT, "Gift", "מתנה"},
    {IDS_STEP_DELETE_GIFT, "Delete gift", "מחיקת מתנה"},
    {IDS_STEP_ADD_EXPENSE, "Add expense", "הוספת הוצאה"},
    {IDS_STEP_EDIT_EXPENSE, "Edit expense", "עריכת הוצאה"},
    {IDS_STEP_DELETE_EXPENSE, "Delete expense", "מחיקת הוצאה"},
    {IDS_STEP_MOVE_EXPENSE, "Move expense", "הזזת הוצאה"},
    {IDS_STEP_PAYMENT, "Payment", "תשלום"},
    {IDS_STEP_BUDGET, "Budget change", "שינוי בתקציב"},
    {IDS_STEP_DELETE_OFFER, "Delete offer", "מחיקת הצעה"},
    {IDS_STEP_DELETE_CATEGORY, "Delete category", "מחיקת קטגוריה"},
    {IDS_STEP_ADD_MEETING, "Add meeting", "הוספת פגישה"},
    {IDS_STEP_EDIT_MEETING, "Edit meeting", "עריכת פגישה"},
    {IDS_STEP_DELETE_MEETING, "Delete meeting", "מחיקת פגישה"},
    {IDS_STEP_TASKS, "Task list change", "שינוי ברשימת המשימות"},
    {IDS_STEP_ARRIVAL, "Arrival", "הגעה"},
    {IDS_STEP_WALK_IN, "Add walk-in guest", "הוספת אורח שלא הוזמן"},
    {IDS_STEP_HALL, "Hall layout change", "שינוי בסידור האולם"},
    {IDS_STEP_DELETE_SHAPE, "Delete shape", "מחיקת צורה"},
    {IDS_STEP_IMPORT_GUESTS, "Import guests", "ייבוא מוזמנים"},
    {IDS_STEP_UPDATE_FROM_APPROVALS, "Update guests list", "עדכון רשימת המוזמנים"},
    {IDS_STEP_DOLLAR_RATE, "Dollar rate", "שער הדולר"},
};
} // namespace

SStringEntries UndoStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
