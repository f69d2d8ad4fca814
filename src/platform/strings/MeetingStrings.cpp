// The texts of the meetings view, the task list and the calendar files.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // Meetings view: explanation, form and buttons
    {IDS_MEETINGS_EXPLANATION,
     "On this screen you may enter scheduled appointments.\nYou can also store the information "
     "about contacts that you need such as \"caterer\" or \"photographer\" etc.",
     "במסך זה ניתן לרשום פגישות מתוכננות.\nניתן גם לשמור את פרטי אנשי הקשר הדרושים לכם, כגון "
     "\"קייטרינג\" או \"צלם\" וכו'."},
    {IDS_MEETINGS_DETAILS, "Meetings details", "פרטי הפגישה"},
    {IDS_MEETING_SUBJECT_LABEL, "Subject:", "נושא:"},
    {IDS_MEETING_CONTACT_LABEL, "Contact\nperson:", "איש\nקשר:"},
    {IDS_MEETING_JOB_LABEL, "Job:", "תפקיד:"},
    {IDS_MEETING_PHONE_LABEL, "Phone number:", "מספר טלפון:"},
    {IDS_MEETING_ADDRESS_LABEL, "Address:", "כתובת:"},
    {IDS_MEETING_COMMENTS_LABEL, "Comments:", "הערות:"},
    {IDS_MEETING_DATE_LABEL, "Date:", "תאריך:"},
    {IDS_MEETINGS_ADD_BUTTON, "Add\nMeeting", "הוספת\nפגישה"},
    {IDS_MEETINGS_DELETE_BUTTON, "Delete\nMeeting", "מחיקת\nפגישה"},
    {IDS_MEETINGS_CALENDAR_BUTTON, "Add appointment to calendar", "הוספת הפגישה ליומן"},
    {IDS_MEETINGS_TASKS_BUTTON, "Task\nList", "רשימת\nמשימות"},
    {IDS_COLUMN_CONTACT, "Contact person", "איש קשר"},

    // Meetings view menu
    {IDS_MENU_EXPORT_MEETINGS_ICS, "Export all meetings to calendar ...",
     "ייצוא כל הפגישות ליומן ..."},
    {IDS_MENU_EXPORT_TASKS_ICS, "Export tasks to calendar ...", "ייצוא המשימות ליומן ..."},

    // Calendar files
    {IDS_APPOINTMENT_ADDED, "Added appointment successfully", "הפגישה נוספה בהצלחה"},
    {IDS_APPOINTMENT_FAILED, "Failed to add new appointment", "הוספת הפגישה נכשלה"},
    {IDS_MEETING_NO_VALID_DATE, "The date of this meeting is not a valid calendar date.",
     "התאריך של פגישה זו אינו תאריך תקין."},
    {IDS_CALENDAR_SUMMARY, "Meeting with %s at %s", "פגישה עם %s ב-%s"},
    {IDS_CALENDAR_SUMMARY_NAME, "Meeting with %s", "פגישה עם %s"},
    {IDS_CALENDAR_SUMMARY_PLACE, "Meeting at %s", "פגישה ב-%s"},
    {IDS_CALENDAR_WRITTEN, "%d calendar entries written to %s", "נכתבו %d רשומות יומן לקובץ %s"},
    {IDS_CALENDAR_SKIPPED, "%d meetings without a valid date were left out.",
     "%d פגישות ללא תאריך תקין לא נכללו."},
    {IDS_CALENDAR_WRITE_FAILED, "The calendar file could not be written:\r\n%s",
     "לא ניתן היה לכתוב את קובץ היומן:\r\n%s"},
    {IDS_CALENDAR_EXPORT_CAPTION, "Export to calendar", "ייצוא ליומן"},
    {IDS_CALENDAR_FILE_FILTER, "Calendar files (*.ics)", "קובצי יומן (*.ics)"},
    {IDS_ALL_FILES_FILTER, "All files (*)", "כל הקבצים (*)"},
    {IDS_CALENDAR_MEETINGS_FILE, "Meetings.ics", "פגישות.ics"},
    {IDS_CALENDAR_TASKS_FILE, "Tasks.ics", "משימות.ics"},
    {IDS_CALENDAR_NO_MEETINGS, "No meeting has a valid date; nothing was written.",
     "לאף פגישה אין תאריך תקין; לא נכתב דבר."},
    {IDS_CALENDAR_NO_OPEN_TASKS, "Every task is done; nothing was written.",
     "כל המשימות בוצעו; לא נכתב דבר."},
    {IDS_FILE_DIALOG_LOOK_IN, "Look in:", "חיפוש ב:"},
    {IDS_FILE_DIALOG_FILE_NAME, "File name:", "שם הקובץ:"},
    {IDS_FILE_DIALOG_FILE_TYPE, "Files of type:", "סוג הקבצים:"},

    // Task list and task dialog
    {IDS_TASKS_TREE_TITLE, "Tasks Tree", "עץ משימות"},
    {IDS_TASKS_ADD_BUTTON, "Add\nTask", "הוספת\nמשימה"},
    {IDS_TASKS_DELETE_BUTTON, "Delete\nTask", "מחיקת\nמשימה"},
    {IDS_TASKS_CHANGE_BUTTON, "Change Task", "שינוי משימה"},
    {IDS_TASK_NAME_LABEL, "Task:", "משימה:"},
    {IDS_TASK_INFO_LABEL, "Information:", "מידע:"},
    {IDS_TASK_INFO_TITLE, "Task Information", "פרטי משימה"},
    {IDS_TASK_AS_CHILD, "Add this task as a child of the selected task",
     "הוספת משימה זו כמשימת משנה של המשימה הנבחרת"},
    {IDS_TASK_EMPTY_NAME, "Can not create empty task", "לא ניתן ליצור משימה ריקה"},
    {IDS_TASKS_EXPLANATION,
     "Tick a task when it is done. The name and information below change the selected task as "
     "you type.",
     "סמנו משימה כשהיא בוצעה. השם והמידע שלמטה משנים את המשימה הנבחרת תוך כדי הקלדה."},
};
} // namespace

SStringEntries MeetingStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
