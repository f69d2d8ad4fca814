#include "platform/StringTable.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/Language.h"
#include "platform/Trace.h"

namespace
{
// Sorted by id. Texts that end up in stored files (relation words, default names) must stay the
// same in every build: stored data compare against them.
const SStringEntry kEntries[] = {
    // Default names that end up in stored data
    {IDS_NEW_GUEST, "New Guest", "אורח חדש"},

    // Seating checks (tables, guest details panel)
    {IDS_TABLE_NOT_EXIST_TEXT, "This table does not exist", "שולחן זה אינו קיים"},
    {IDS_TABLE_NOT_EXIST_CAPTION, "Table does not exist", "השולחן אינו קיים"},
    {IDS_ENLARGE_TABLE_QUESTION,
     "The number of guests in this table is bigger then the number of places in it.\r\nDo you want "
     "to enlarge the number of guests in this table?",
     "מספר האורחים בשולחן זה גדול ממספר המקומות בו.\r\nהאם להגדיל את מספר המקומות בשולחן זה?"},
    {IDS_ENLARGE_TABLE_CAPTION, "No more room in this table!", "אין עוד מקום בשולחן זה!"},

    // Guest list columns, statistics and status words
    {IDS_STAT_TOTAL, "Total", "סה\"כ"},
    {IDS_STATUS_APPROVED, "Approved", "אישר הגעה"},
    {IDS_COLUMN_GROUP, "Group", "קבוצה"},
    {IDS_COLUMN_RELATION, "Relation", "צד"},
    {IDS_COLUMN_GUEST_NAME, "Guest name", "שם האורח"},
    {IDS_COLUMN_ID, "ID", "מס'"},
    {IDS_STAT_APPROVED, "Approved", "אישרו הגעה"},
    {IDS_STAT_WONT_COME, "Won't come", "לא מגיעים"},
    {IDS_COLUMN_PLANNED, "Planned", "מוזמנים"},
    {IDS_COLUMN_ACTUAL, "Actual", "מגיעים"},
    {IDS_DELETE_GUEST_QUESTION, "Are you sure you want to delete guest '%s'?",
     "האם אתם בטוחים שברצונכם למחוק את האורח '%s'?"},
    {IDS_DELETE_GUEST_CAPTION, "Delete guest?", "מחיקת אורח?"},
    {IDS_UNSEATED_GUESTS, "Unseated Guests", "אורחים ללא שולחן"},
    {IDS_RELATION_BRIDE, "Bride", "כלה"},
    {IDS_RELATION_GROOM, "Groom", "חתן"},
    {IDS_RELATION_MUTUAL, "Mutual", "משותף"},

    // View bar captions, groups view messages and the yes/no words
    {IDS_VIEW_GUESTS, "Guests", "אורחים"},
    {IDS_VIEW_GROUPS, "Groups", "קבוצות"},
    {IDS_GROUPS_COUNT_CAPTION, " %d Groups ", " %d קבוצות "},
    {IDS_GROUP_GUESTS_COUNT, "%d Guests , of them %d approved", "%d אורחים , מתוכם %d אישרו הגעה"},
    {IDS_NEW_GROUP, "New group", "קבוצה חדשה"},
    {IDS_NEW_GROUP_NUMBERED, "New group %d", "קבוצה חדשה %d"},
    {IDS_GROUP_EXISTS_CAPTION, "Group already exists", "הקבוצה כבר קיימת"},
    {IDS_GROUP_NOT_EMPTY_TEXT,
     "You cannot delete a group that has guests in it.\r\nRemove all the guests from this group "
     "and try again",
     "לא ניתן למחוק קבוצה שיש בה אורחים.\r\nהוציאו את כל האורחים מקבוצה זו ונסו שוב"},
    {IDS_GROUP_NOT_EMPTY_CAPTION, "Group not empty", "הקבוצה אינה ריקה"},
    {IDS_TABLE_FOR_GROUP_DONE, "Adding the table finished successfully",
     "הוספת השולחן הסתיימה בהצלחה"},
    {IDS_TABLE_FOR_GROUP_CREATED, "A new table was created for this group with %d guests",
     "נוצר שולחן חדש לקבוצה זו עם %d אורחים"},
    {IDS_GROUP_NAME_EXISTS_TEXT, "Group '%s' already exists", "הקבוצה '%s' כבר קיימת"},
    {IDS_VIEW_GIFTS, "Gifts", "מתנות"},
    {IDS_YES, "Yes", "כן"},
    {IDS_NO, "No", "לא"},
    {IDS_VIEW_EXPENSES, "Expenses", "הוצאות"},

    // Tables view, graphic seating view, titles and the language change
    {IDS_VIEW_TABLES, "Tables", "שולחנות"},
    {IDS_TABLES_COUNT_CAPTION, " %d Tables", " %d שולחנות"},
    {IDS_DELETE_TABLE_QUESTION,
     "Are you sure you want to delete this table?\r\nAll the guests from this table will be moved "
     "to the \"non seated\" table",
     "האם אתם בטוחים שברצונכם למחוק שולחן זה?\r\nכל האורחים משולחן זה יועברו ל\"אורחים ללא "
     "שולחן\""},
    {IDS_DELETE_TABLE_CAPTION, "Deletion", "מחיקה"},
    {IDS_APP_TITLE, "The software that will make your wedding easy", "התוכנה שתקל על החתונה שלכם"},
    {IDS_PRODUCT_NAME_FRAME, "Velloran", "Velloran"},
    {IDS_NOT_MAPPED, "Not mapped", "לא ממופה"},
    {IDS_TABLE_CELL_CAPTION, "Table %d (%d)", "שולחן %d (%d)"},
    {IDS_TABLE_CELL_SEATS, "%d out of %d seats", "%d מתוך %d מקומות"},
    {IDS_VIEW_SEATING, "Seating", "הושבה"},
    {IDS_SAVE_PROGRESS, "Save changes", "שמירת שינויים"},
    {IDS_VIEW_MEETINGS, "Meetings", "פגישות"},
    {IDS_VIEW_PRINTOUTS, "Printouts", "הדפסות"},
    {IDS_LANGUAGE_CHANGE_TEXT,
     "The interface language change will take effect \r\nthe next time you start the program.",
     "שינוי שפת הממשק ייכנס לתוקף \r\nבפעם הבאה שתפעילו את התוכנה."},
    {IDS_LANGUAGE_CHANGE_CAPTION, "Change language", "שינוי שפה"},

    // Guest search, meetings, table details, automatic arrangement and more view captions
    {IDS_GUEST_NOT_FOUND_TEXT, "This guest was not found", "אורח זה לא נמצא"},
    {IDS_GUEST_NOT_FOUND_CAPTION, "Guest not found", "האורח לא נמצא"},
    {IDS_COLUMN_SUBJECT, "Subject", "נושא"},
    {IDS_COLUMN_DATE, "Date", "תאריך"},
    {IDS_DELETE_MEETING_QUESTION, "Are you sure you want to delete this meeting?",
     "האם אתם בטוחים שברצונכם למחוק פגישה זו?"},
    {IDS_DELETE_MEETING_CAPTION, "Delete this meeting?", "מחיקת פגישה?"},
    {IDS_NEW_MEETING, "New meeting", "פגישה חדשה"},
    {IDS_HALL_PLACE_USED_TEXT, "The location you chose is already in use by table %d (%s)",
     "המיקום שבחרתם כבר תפוס על ידי שולחן %d (%s)"},
    {IDS_HALL_PLACE_USED_CAPTION, "Table already used!", "המיקום כבר תפוס!"},
    {IDS_UNSEATED_TABLE_EXPLANATION,
     "In this cell you can see all the guests that were not associated \r\nto a table yet. At the "
     "end of the process this cell should be empty.",
     "בתא זה מופיעים כל האורחים שעדיין לא שובצו \r\nלשולחן. בסוף התהליך תא זה אמור להיות ריק."},
    {IDS_EXPLANATION_CAPTION, "Explanation", "הסבר"},
    {IDS_ARRANGE_TABLELESS_QUESTION,
     "Automatic table arrangement will create tables for\r\nguests not yet assigned to a table. Do "
     "you want to continue?",
     "סידור השולחנות האוטומטי ייצור שולחנות עבור\r\nאורחים שעדיין לא שובצו לשולחן. האם להמשיך?"},
    {IDS_AUTO_ARRANGE_CAPTION, "Automatic table arrangement", "סידור שולחנות אוטומטי"},
    {IDS_ARRANGE_ALL_QUESTION,
     "Automatic table arrangement will automatically assign a table for each \r\nguest according "
     "to his group. All the current tables will be deleted!\r\nDo you want to continue?",
     "סידור השולחנות האוטומטי ישבץ באופן אוטומטי כל \r\nאורח לשולחן לפי הקבוצה שלו. כל השולחנות "
     "הקיימים יימחקו!\r\nהאם להמשיך?"},
    {IDS_EXAMPLE_TABLE_NAME, "High school - Example", "חברים מהתיכון - דוגמה"},
    {IDS_VIEW_BUDGET, "Budget", "תקציב"},
    {IDS_COLUMN_LAST_NAME, "Last Name", "שם משפחה"},
    {IDS_VIEW_REAL_TIME, "Real Time", "זמן אמת"},
    {IDS_COLUMN_STATUS, "Status", "סטטוס"},
    {IDS_COLUMN_INVITATION_SENT, "Invitation Sent", "הזמנה נשלחה"},

    // Money words, backup list and guest list texts
    {IDS_UNKNOWN, "Unknown", "לא ידוע"},
    {IDS_BACKUP_COLUMN_DATES, "Existing backup dates", "תאריכי גיבוי קיימים"},
    {IDS_BACKUP_COLUMN_GUESTS, "Guests Entries", "רשומות אורחים"},
    {IDS_COLUMN_NUM, "Num", "מס'"},
    {IDS_PARTLY, "Partly", "חלקית"},
    {IDS_STAT_INVITATIONS_SENT, "%d%s[%d Guests]", "%d%s[%d אורחים]"},
    {IDS_COLUMN_FIRST_NAMES, "First names", "שמות פרטיים"},

    // Groups view checks and the real-time arrival desk
    {IDS_FILL_MISSING_DETAILS_CAPTION, "Please fill missing details", "נא למלא את הפרטים החסרים"},
    {IDS_GROUP_NAME_MANDATORY, "Group name is mandatory. Please specify a name.",
     "שם הקבוצה הוא שדה חובה. נא להזין שם."},
    {IDS_ADD_GROUP_CAPTION, "Add group", "הוספת קבוצה"},
    {IDS_RENAME_GROUP_CAPTION, "Rename group", "שינוי שם קבוצה"},
    {IDS_ARRIVED_GUESTS_STATUS, "Arrived %d guests", "הגיעו %d אורחים"},
    {IDS_FILL_ARRIVED_COUNT, "Please fill the actual amount of guests that came",
     "נא למלא את מספר האורחים שהגיעו בפועל"},
    {IDS_ARRIVAL_TABLE_FULL_QUESTION,
     "This guest is supposed to seat in table %s\r\nBut no room is left in this table.\r\nDo you "
     "still want this guest to seat in this table?",
     "אורח זה אמור לשבת בשולחן %s\r\nאך לא נותר מקום בשולחן זה.\r\nהאם בכל זאת להושיב אורח זה "
     "בשולחן זה?"},
    {IDS_ARRIVAL_TABLE_FULL_CAPTION, "No room left in this table", "לא נותר מקום בשולחן זה"},

    // Export to a folder, update check and hall layout
    {IDS_EXPORT_FOLDER_TITLE, "Select a folder for the program data.",
     "בחרו תיקייה עבור נתוני התוכנה."},
    {IDS_EXPORT_SUCCEEDED, "Exporting guests finished successfully", "ייצוא האורחים הסתיים בהצלחה"},
    {IDS_EXPORT_CAPTION, "Exporting guests finished", "ייצוא האורחים הסתיים"},
    {IDS_EXPORT_FAILED,
     "An error occurred during exporting guests\r\nPlease verify that you have write permissions "
     "on the desired folder.",
     "אירעה שגיאה בעת ייצוא האורחים\r\nנא לוודא שיש לכם הרשאות כתיבה בתיקייה המבוקשת."},
    {IDS_STATUS_NOT_COMING, "Not coming", "לא מגיע"},
    {IDS_NEW_VERSION_QUESTION,
     "There is a newer version of this software\r\nDo you want to download the updated version?",
     "קיימת גרסה חדשה יותר של התוכנה\r\nהאם להוריד את הגרסה המעודכנת?"},
    {IDS_NEW_VERSION_CAPTION, "New version exists!", "קיימת גרסה חדשה!"},
    {IDS_OBJECT_BAND_AREA, "Band area", "אזור הלהקה"},
    {IDS_DELETE_SHAPE_CAPTION, "Delete shape", "מחיקת צורה"},
    {IDS_DELETE_SHAPE_QUESTION, "Do you want to delete this shape?", "האם למחוק צורה זו?"},
    {IDS_VIEW_LAYOUT, "Layout", "תרשים אולם"},
    {IDS_IMPORT_SHAPES_CAPTION, "Import shapes from file", "ייבוא צורות מקובץ"},
    {IDS_IMPORT_SHAPES_QUESTION,
     "Importing shapes from a file will override all existing shapes!\r\nDo you want to continue?",
     "ייבוא צורות מקובץ ידרוס את כל הצורות הקיימות!\r\nהאם להמשיך?"},
    {IDS_RESET_TABLES_CAPTION, "Reset tables to original settings", "איפוס מיקומי השולחנות"},
    {IDS_RESET_TABLES_QUESTION,
     "Do you want to reset the tables locations to the original setting?",
     "האם להחזיר את מיקומי השולחנות למצבם המקורי?"},

    // Toolbar tooltips (tooltip mark-up)
    {IDS_TOOLTIP_SAVE, "<b>Save</b><br>Save the changes of the event.",
     "<b>שמירה</b><br>שמירת השינויים שנעשו באירוע."},
    {IDS_TOOLTIP_ADD,
     "<b>Add object</b><br>Add a new item to the current screen: a guest, a group, a table and so "
     "on.",
     "<b>הוספה</b><br>הוספת פריט חדש במסך הנוכחי: אורח, קבוצה, שולחן וכדומה."},
    {IDS_TOOLTIP_EDIT,
     "<b>Edit object</b><br>Change the details of the item selected in the current screen.",
     "<b>עריכה</b><br>שינוי הפרטים של הפריט הנבחר במסך הנוכחי."},
    {IDS_TOOLTIP_DELETE, "<b>Delete object</b><br>Delete the item selected in the current screen.",
     "<b>מחיקה</b><br>מחיקת הפריט הנבחר במסך הנוכחי."},
    {IDS_TOOLTIP_SEARCH, "<b>Search table or guest</b><br>Find a guest or a table by its name.",
     "<b>חיפוש שולחן או אורח</b><br>איתור אורח או שולחן לפי שמו."},

    // Hall layout objects, in the order the object dialog offers them
    {IDS_OBJECT_CANOPY, "Canopy", "חופה"},
    {IDS_OBJECT_BAR, "Bar", "בר"},
    {IDS_OBJECT_STAGE, "Stage", "במה"},
    {IDS_OBJECT_DANCING_AREA, "Dancing area", "רחבת ריקודים"},
    {IDS_OBJECT_SPEAKER, "Speaker", "רמקול"},
    {IDS_OBJECT_RECEPTION_AREA, "Reception area", "אזור קבלת פנים"},
    {IDS_OBJECT_RECEPTION_DESK, "Reception desk", "דלפק קבלה"},
    {IDS_OBJECT_FLOWERPOT, "Flowerpot", "עציץ"},
    {IDS_OBJECT_TREE, "Tree", "עץ"},
    {IDS_OBJECT_TOILETS, "Toilets", "שירותים"},
    {IDS_OBJECT_BRIDE_GROOM_ROOM, "Bride & Groom room", "חדר חתן וכלה"},
    {IDS_OBJECT_OFFICES, "Offices", "משרדים"},
    {IDS_OBJECT_SEATING_AREA, "Seating Area", "פינת ישיבה"},

    // Export by e-mail, card texts and the task tree root
    {IDS_EXPORT_MAIL_SUBJECT, "Event data files", "קובצי נתוני האירוע"},
    {IDS_EXPORT_MAIL_BODY,
     "Attached are the data files of the event.\r\nTo use them, save the attached files in a "
     "folder and choose \"Import Data ...\" in the program.",
     "מצורפים קובצי הנתונים של האירוע.\r\nכדי להשתמש בהם, שמרו את הקבצים המצורפים בתיקייה ובחרו "
     "\"ייבוא נתונים ...\" בתוכנה."},
    {IDS_EXPORT_MAIL_CREATED_CAPTION, "Email message created", "הודעת הדואר נוצרה"},
    {IDS_EXPORT_MAIL_CREATED_TEXT,
     "Successfully created the email message.\r\nRemember to fill in the TO field of the message "
     "before sending it.",
     "הודעת הדואר נוצרה בהצלחה.\r\nזכרו למלא את שדה הנמען (אל) של ההודעה לפני שליחתה."},
    {IDS_EXPORT_MAIL_FAILED_CAPTION, "Failed to create email message", "יצירת הודעת הדואר נכשלה"},
    {IDS_EXPORT_MAIL_FAILED_TEXT,
     "The email message could not be created.\r\nPlease verify that an email program is installed "
     "and set up.",
     "לא ניתן היה ליצור את הודעת הדואר.\r\nנא לוודא שתוכנת דואר מותקנת ומוגדרת."},
    {IDS_SAVE_BEFORE_EXPORT_QUESTION,
     "There are unsaved changes.\r\nDo you want to save before exporting the data?",
     "ישנם שינויים שלא נשמרו.\r\nהאם לשמור לפני ייצוא הנתונים?"},
    {IDS_SAVE_BEFORE_EXPORT_CAPTION, "Save before export?", "לשמור לפני הייצוא?"},
    {IDS_TABLE_CARD_WELCOME, "Welcome", "ברוכים הבאים"},
    {IDS_TABLE_CARD_TABLE, "Table", "שולחן"},
    {IDS_ADDRESS_CARD_FOR, "For", "לכבוד"},
    {IDS_MISSING_GUEST_NAME, "Missing guest name", "חסר שם אורח"},
    {IDS_TASKS_ROOT, "Tasks", "משימות"},
    {IDS_OBJECT_RELAXATION_AREA, "Relaxation area", "פינת מנוחה"},

    // Guest details reminder and FTP sharing
    {IDS_UPDATE_COMING_REMINDER,
     "Remember to update the number of guests coming\r\nIt was set to 0 when the guest was marked "
     "as not coming.",
     "זכרו לעדכן את מספר האורחים המגיעים\r\nהמספר אופס ל-0 כשהאורח סומן כלא מגיע."},
    {IDS_FTP_MISSING_PARAMETERS_TEXT,
     "Some details are missing that prevent connecting to the server\r\nThe operation was canceled",
     "חסרים פרטים הדרושים להתחברות לשרת\r\nהפעולה בוטלה"},
    {IDS_FTP_MISSING_PARAMETERS_CAPTION, "Missing connection parameters", "חסרים פרטי התחברות"},
    {IDS_FTP_REPLACE_DATA_QUESTION,
     "The data was received successfully.\r\nDo you want to replace the existing data with the "
     "data received from\r\nthe server?",
     "הנתונים התקבלו בהצלחה.\r\nהאם להחליף את הנתונים הקיימים בנתונים שהתקבלו\r\nמהשרת?"},
    {IDS_FTP_REPLACE_DATA_CAPTION, "Replacing the existing data", "החלפת הנתונים הקיימים"},
    {IDS_FTP_CONNECT_FAILED_TEXT, "Failed to connect to the FTP server",
     "ההתחברות לשרת ה-FTP נכשלה"},
    {IDS_FTP_CONNECT_FAILED_CAPTION, "Failed to connect to server", "ההתחברות לשרת נכשלה"},
    {IDS_FTP_UPLOADING, "Uploading to server ...", "מעלה לשרת ..."},
    {IDS_FTP_DOWNLOADING, "Downloading from server ...", "מוריד מהשרת ..."},
    {IDS_FTP_SERVER_NOT_NEWER_QUESTION,
     "The data on the server is the same or older then the data on this\r\ncomputer. Do you still "
     "want to replace the data?",
     "הנתונים שבשרת זהים לנתונים שבמחשב זה או ישנים\r\nמהם. האם בכל זאת להחליף את הנתונים?"},
    {IDS_FTP_SERVER_NOT_NEWER_CAPTION, "Same date or older data", "נתונים זהים או ישנים יותר"},
    {IDS_FTP_SERVER_NEWER_QUESTION,
     "The data stored on the server(version %d) is newer than\r\nthe version stored on this "
     "computer (version %d)\r\nDo you still want to replace the data on the server?",
     "הנתונים השמורים בשרת (גרסה %d) חדשים יותר\r\nמהגרסה השמורה במחשב זה (גרסה %d)\r\nהאם בכל זאת "
     "להחליף את הנתונים שבשרת?"},
    {IDS_FTP_SERVER_NEWER_CAPTION, "The data version on the server is newer",
     "גרסת הנתונים בשרת חדשה יותר"},

    // Real-time mode, events and product names
    {IDS_REALTIME_CHANGE_TEXT,
     "The change will be done after the program is restarted.\r\nReal-Time state is only relevant "
     "for the day of the event.\r\nFor more information see the programs web page.",
     "השינוי ייכנס לתוקף לאחר הפעלה מחדש של התוכנה.\r\nמצב 'זמן אמת' רלוונטי רק ליום "
     "האירוע.\r\nלמידע נוסף ראו את אתר התוכנה."},
    {IDS_WEDDING_OF, "Wedding of %s and %s", "החתונה של %s ו%s"},
    {IDS_PRODUCT_NAME, "Velloran", "Velloran"},
    {IDS_EVENT, "Event", "אירוע"},
    {IDS_BACKUP_COLUMN_EVENT_NAME, "Event Name", "שם האירוע"},
    {IDS_LEAVE_REALTIME_QUESTION,
     "The software is currently in 'Real-Time' mode.\r\nDo you want to switch back to regular "
     "mode?",
     "התוכנה נמצאת כעת במצב 'זמן אמת'.\r\nהאם לחזור למצב רגיל?"},
    {IDS_TOOLTIP_ADD_EVENT,
     "<b>Add Event</b><br>Create a new event with its own guests, tables and expenses.",
     "<b>הוספת אירוע</b><br>יצירת אירוע חדש עם אורחים, שולחנות והוצאות משלו."},
    {IDS_TOOLTIP_IMPORT,
     "<b>Import guests and data</b><br>Import the guests and the data of an event from a folder.",
     "<b>ייבוא אורחים ונתונים</b><br>ייבוא האורחים והנתונים של אירוע מתיקייה."},
    {IDS_TOOLTIP_EXPORT,
     "<b>Export guests</b><br>Export the guests and the data of the event to a folder.",
     "<b>ייצוא אורחים</b><br>ייצוא האורחים והנתונים של האירוע לתיקייה."},
    {IDS_TOOLTIP_SELECT_EVENT, "<b>Switch active event</b><br>Choose another event to work on.",
     "<b>החלפת האירוע הפעיל</b><br>בחירת אירוע אחר לעבודה."},

    // Seating restrictions and web approvals
    {IDS_RESTRICTED_SEATING_QUESTION,
     "The guests '%s' can not seat\r\nwith these guests '%s'.\r\nDo you still want to move these "
     "guests to this table?\r\n\r\nYou can change the restricted list in the guest additional "
     "details.",
     "האורחים '%s' אינם יכולים לשבת\r\nעם האורחים '%s'.\r\nהאם בכל זאת להעביר אורחים אלה לשולחן "
     "זה?\r\n\r\nניתן לשנות את רשימת ההגבלות בפרטים הנוספים של האורח."},
    {IDS_RESTRICTED_SEATING_CAPTION, "There is a problem with this guest seating",
     "קיימת בעיה בהושבת אורח זה"},
    {IDS_APPROVALS_UPDATED_CAPTION, "Guests list updated", "רשימת האורחים עודכנה"},
    {IDS_APPROVALS_UPDATED_TEXT, "Data was updated successfully", "הנתונים עודכנו בהצלחה"},
    {IDS_NO_GUESTS_FOUND_CAPTION, "No guests were found", "לא נמצאו אורחים"},
    {IDS_NO_MATCHING_GUESTS_TEXT, "No guests matching the criteria were found",
     "לא נמצאו אורחים העונים על התנאים"},
    {IDS_OPEN_MAIL_WINDOWS_QUESTION,
     "The program will opne now %d email windows.\r\nDo you want to continue?",
     "התוכנה תפתח כעת %d חלונות דואר.\r\nהאם להמשיך?"},
    {IDS_OPEN_MAIL_WINDOWS_CAPTION, "Warning - This operation will open a lot of windows",
     "אזהרה - פעולה זו תפתח חלונות רבים"},

    // File errors and the close prompt
    {IDS_FILE_SAVE_FAILED, "The file \"%s\" could not be saved (%s).",
     "לא ניתן היה לשמור את הקובץ \"%s\" (%s)."},
    {IDS_FILE_REMOVE_FAILED, "The file \"%s\" could not be removed (%s).",
     "לא ניתן היה למחוק את הקובץ \"%s\" (%s)."},
    {IDS_SAVE_CHANGES_PROMPT_TEXT, "There are unsaved changes. Do you want to save them?",
     "ישנם שינוים בילתי שמורים. האם לשמור ?"},
    {IDS_SAVE_CHANGES_PROMPT_CAPTION, "Save changes?", "שמירת שינוים?"},
};

const SStringEntry* Find(int id)
{
    auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                               [](const SStringEntry& entry, int key) { return entry.id < key; });
    if (it == std::end(kEntries) || it->id != id)
        return nullptr;
    return &*it;
}
} // namespace

std::string LoadStringIn(int id, bool hebrew)
{
    const SStringEntry* entry = Find(id);
    if (entry == nullptr)
    {
        Trace("LoadString", "unknown string " + std::to_string(id));
        return {};
    }
    return hebrew ? entry->hebrew : entry->english;
}

std::string LoadString(int id) { return LoadStringIn(id, IsHebrewUi()); }

bool HasString(int id) { return Find(id) != nullptr; }

SStringEntries GetStringEntries() { return {std::begin(kEntries), std::end(kEntries)}; }

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> args)
{
    // Only what the program's texts use counts as a conversion; anything else after a "%" (a
    // blank, a Hebrew letter, "o" of "% of") is prose and is copied, never eaten with an argument.
    constexpr std::string_view kFlagsWidthPrecision = "-+#0123456789.lh";
    constexpr std::string_view kConversions = "diuxXscfeEgG";

    std::string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i)
    {
        char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size())
        {
            out += c;
            continue;
        }
        if (pattern[i + 1] == '%')
        {
            out += '%';
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < pattern.size() &&
               kFlagsWidthPrecision.find(pattern[j]) != std::string_view::npos)
            ++j;
        if (j >= pattern.size() || kConversions.find(pattern[j]) == std::string_view::npos)
        {
            out += c;
            continue;
        }
        if (next != args.end())
            out += *next++;
        i = j;
    }
    return out;
}
