// The texts of the hall layout, the graphic seating view and the plan on paper.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // Default names of new shapes
    {IDS_SHAPE_NAME_SQUARE, "Square", "ריבוע"},
    {IDS_SHAPE_NAME_CIRCLE, "Circle", "עיגול"},
    {IDS_SHAPE_NAME_SPEAKER, "Speaker", "רמקול"},

    // Seating board
    {IDS_SEATING_LINE, "%s %s %d", "%s %s %d"},
    {IDS_SEATING_LINE_NUMBERED, "%d. %s %s %d", "%d. %s %s %d"},
    {IDS_SEATING_EXPLANATION,
     "Drag a guest onto another table to seat the guest there; drag a table onto another to move "
     "it to that place. Double-click a table for its details.",
     "גררו אורח אל שולחן אחר כדי להושיב אותו שם; גררו שולחן אל שולחן אחר כדי להעביר אותו למקומו. "
     "לחיצה כפולה על שולחן פותחת את פרטיו."},
    {IDS_CANNOT_SHOW_TABLES, "Can not show tables", "לא ניתן להציג את השולחנות"},
    {IDS_SEATING_MENU_TABLE_DETAILS, "Tables details ...", "פרטי השולחן ..."},
    {IDS_SEATING_NO_GUESTS_TIP, "No guests sit at this table.", "אין אורחים בשולחן זה."},
    {IDS_SEATING_TIP_MORE, "and %d more", "ועוד %d"},

    // Hall layout
    {IDS_HALL_HELP,
     "General help for making hall layout.\n\nIn this screen make a draft of how you would like "
     "to see the hall been arranged.\nTables are added automatically according to the number of "
     "tables that you added in the tables screen.\nYou can add shapes like squares, circle and "
     "more and give them a descriptive name like 'dance area' or 'bar'.\nYou can select a shape "
     "with the mouse. once the shape is selected it can be moved\nby the mouse or by the arrows "
     "keys\nAdditional actions:\n1.Increase,Decrease shape size:   +,- \n2.Delete a shape        "
     "          Del.\n3.Copy a shape(not tables)        Ctrl + C \n4.Inflate shape              "
     "     Shift + Arrows.\nDouble click on a shape to change shapes properties.\n\nTo hide this "
     "help press the mouse button somewhere inside the screen.\n",
     "עזרה כללית לבניית תרשים האולם.\n\nבמסך זה משרטטים את סידור האולם כפי שתרצו לראות "
     "אותו.\nהשולחנות נוספים מעצמם לפי השולחנות שהוספתם במסך השולחנות.\nניתן להוסיף צורות כגון "
     "ריבועים, עיגולים ועוד ולתת להן שם מתאר כמו 'רחבת ריקודים' או 'בר'.\nבוחרים צורה בעכבר; "
     "צורה שנבחרה אפשר להזיז בעכבר או במקשי החצים.\nפעולות נוספות:\n1. הגדלה והקטנה של צורה: "
     "+ / -\n2. מחיקת צורה: המקש Del\n3. העתקת צורה (לא שולחן): Ctrl+C\n4. מתיחת צורה: "
     "Shift עם החצים\nלחיצה כפולה על צורה משנה את תכונותיה.\n\nכדי להסתיר עזרה זו לחצו בעכבר "
     "במקום כלשהו במסך.\n"},
    {IDS_HALL_EXPLANATION,
     "Drag the tables and shapes to where they stand in the hall; double-click one for its "
     "details.",
     "גררו את השולחנות והצורות למקומם באולם; לחיצה כפולה על אחד מהם פותחת את פרטיו."},
    {IDS_HALL_ADD_SQUARE, "Add Square", "הוספת ריבוע"},
    {IDS_HALL_ADD_CIRCLE, "Add Circle", "הוספת עיגול"},
    {IDS_HALL_ADD_SPEAKER, "Add Speaker", "הוספת רמקול"},
    {IDS_HALL_OBJECT_DETAIL, "Object Detail", "פרטי האובייקט"},
    {IDS_HALL_TABLE_DETAIL, "Table Detail", "פרטי השולחן"},
    {IDS_HALL_ORIGINAL_SIZE, "Rest to original size", "חזרה לגודל המקורי"},
    {IDS_HALL_COPY, "Copy", "העתקה"},
    {IDS_HALL_DELETE_SHAPE, "Delete shape", "מחיקת צורה"},
    {IDS_HALL_RESET_TABLES, "Reset tables to original settings ...", "איפוס מיקומי השולחנות ..."},
    {IDS_HALL_SAVE_DRAFT, "Save hall draft ...", "שמירת טיוטת אולם ..."},
    {IDS_HALL_IMPORT_DRAFT, "Import hall draft ...", "ייבוא טיוטת אולם ..."},
    {IDS_HALL_TABLE_TOOLTIPS, "Show the guests of a table in its tooltip",
     "הצגת אורחי השולחן בחלונית העזרה"},
    {IDS_HALL_ZOOM_IN, "Zoom in", "הגדלת התצוגה"},
    {IDS_HALL_ZOOM_OUT, "Zoom out", "הקטנת התצוגה"},
    {IDS_HALL_ZOOM_DEFAULT, "Normal size", "גודל רגיל"},
    {IDS_HALL_SHOW_HELP, "Show the help", "הצגת העזרה"},
    {IDS_HALL_ADD_MENU, "Add", "הוספה"},

    // Object details dialog
    {IDS_OBJECT_DETAIL_TITLE, "Object Detail", "פרטי האובייקט"},
    {IDS_OBJECT_DETAIL_TEXT, "Text:", "טקסט:"},
    {IDS_OBJECT_DETAIL_WIDTH, "Width:", "רוחב:"},
    {IDS_OBJECT_DETAIL_HEIGHT, "Height:", "גובה:"},
    {IDS_OBJECT_DETAIL_COLOUR, "Colour:", "צבע:"},
    {IDS_OBJECT_DETAIL_CLASS, "Object:", "אובייקט:"},
    {IDS_OBJECT_DETAIL_APPLY_CLASS, "Apply for all shapes from the same class ",
     "החלה על כל הצורות מאותו הסוג"},
    {IDS_OBJECT_DETAIL_CHOOSE_COLOUR, "Choose ...", "בחירה ..."},

    // Hall draft file dialogs
    {IDS_HALL_DRAFT_FILTER, "Hall draft files (*.xml)", "קובצי טיוטת אולם (*.xml)"},
    {IDS_HALL_DRAFT_SAVE_TITLE, "Save hall draft", "שמירת טיוטת אולם"},
    {IDS_HALL_DRAFT_OPEN_TITLE, "Import hall draft", "ייבוא טיוטת אולם"},
    {IDS_FILE_DIALOG_OPEN, "Open", "פתיחה"},

    // The plan on paper
    {IDS_PLAN_EXPORT_HALL, "Export hall plan ...", "ייצוא תרשים האולם ..."},
    {IDS_PLAN_PRINT_HALL, "Print hall plan", "הדפסת תרשים האולם"},
    {IDS_PLAN_EXPORT_BOARD, "Export seating board ...", "ייצוא לוח ההושבה ..."},
    {IDS_PLAN_PRINT_BOARD, "Print seating board ...", "הדפסת לוח ההושבה ..."},
    {IDS_PLAN_PDF_FILTER, "PDF documents (*.pdf)", "מסמכי PDF (*.pdf)"},
    {IDS_PLAN_PNG_FILTER, "PNG pictures (*.png)", "תמונות PNG (*.png)"},
    {IDS_PLAN_HALL_FILE, "HallPlan.pdf", "תרשים-אולם.pdf"},
    {IDS_PLAN_BOARD_FILE, "SeatingBoard.pdf", "לוח-הושבה.pdf"},
    {IDS_PLAN_HALL_TITLE, "Hall plan: %s", "תרשים האולם: %s"},
    {IDS_PLAN_BOARD_TITLE, "Seating board: %s", "לוח ההושבה: %s"},
    {IDS_PLAN_SUMMARY, "%d tables, %d people seated, %d not seated",
     "%d שולחנות, %d מוזמנים הושבו, %d טרם הושבו"},
    {IDS_PLAN_WRITE_FAILED, "The file \"%s\" could not be written.",
     "לא ניתן היה לכתוב את הקובץ \"%s\"."},
    {IDS_PLAN_CAPTION, "Hall plan", "תרשים האולם"},
    {IDS_PLAN_TABLE_PLACE, "No. %d", "מס' %d"},
    {IDS_PLAN_TABLE_PEOPLE, "%d of %d", "%d מתוך %d"},
};
} // namespace

SStringEntries HallStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
