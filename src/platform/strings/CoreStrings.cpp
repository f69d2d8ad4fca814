// The texts of the program's first screens: the frame, the guests, groups and tables views, the
// event dialogs and the messages of the core. Texts that end up in stored files (relation words,
// default names, payer words) must stay the same in every build: stored data compare against them.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
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

    // Buttons and messages shared by many dialogs
    {IDS_BUTTON_OK, "OK", "אישור"},
    {IDS_BUTTON_CANCEL, "Cancel", "ביטול"},
    {IDS_BUTTON_CLOSE, "Close", "סגירה"},
    {IDS_BUTTON_NEXT, "Next", "הבא"},
    {IDS_BUTTON_PREVIOUS, "Previous", "הקודם"},
    {IDS_BUTTON_FINISH, "Finish", "סיום"},
    {IDS_BUTTON_UP, "Up", "למעלה"},
    {IDS_BUTTON_DOWN, "Down", "למטה"},
    {IDS_RANGE_INTEGER_TEXT, "Please enter an integer between %d and %d.",
     "נא להזין מספר שלם בין %d ל-%d."},

    // Start-up: terms of use and tip of the day
    {IDS_TERMS_TITLE, "Terms of Use", "תנאי שימוש"},
    {IDS_TERMS_TEXT,
     "Terms of use\r\n\r\n"
     "1. Velloran is provided as it is, without any warranty. You use it at your own risk; the "
     "makers are not liable for any damage or loss that comes from using it.\r\n"
     "2. Your events stay on this computer. The program sends nothing about your guests anywhere "
     "unless you yourself set up sharing through an FTP server or send mail from it.\r\n"
     "3. Keep copies of your events: you are responsible for your data.\r\n"
     "4. Respect the privacy of your guests: keep their details only for your event.\r\n\r\n"
     "Press \"I Agree\" to accept these terms and go on, or \"I Disagree\" to close the "
     "program.",
     "תנאי שימוש\r\n\r\n"
     "1. התוכנה Velloran ניתנת כמות שהיא, ללא כל אחריות. השימוש בה על אחריותכם; יוצרי התוכנה אינם "
     "אחראים לכל נזק או אובדן הנובעים מהשימוש בה.\r\n"
     "2. האירועים שלכם נשמרים במחשב זה. התוכנה אינה שולחת דבר על האורחים שלכם, אלא אם הגדרתם "
     "בעצמכם "
     "שיתוף דרך שרת FTP או שלחתם ממנה דואר.\r\n"
     "3. שמרו עותקים של האירועים שלכם: האחריות לנתונים היא שלכם.\r\n"
     "4. כבדו את פרטיות האורחים: השתמשו בפרטיהם לצורך האירוע בלבד.\r\n\r\n"
     "לחצו \"אני מסכים\" כדי לקבל את התנאים ולהמשיך, או \"אני לא מסכים\" כדי לסגור את התוכנה."},
    {IDS_TERMS_AGREE, "I Agree", "אני מסכים"},
    {IDS_TERMS_DISAGREE, "I Disagree", "אני לא מסכים"},
    {IDS_TIP_TITLE, "Tip of the Day", "הטיפ היומי"},
    {IDS_TIP_SHOW_AT_START, "Show tips at start up", "הצגת טיפים בהפעלת התוכנה"},
    {IDS_TIP_NEXT, "Next Tip", "הטיפ הבא"},
    {IDS_TIP_1,
     "Press Ctrl+1 to Ctrl+0 to jump between the screens; Ctrl+Tab goes to the next one.",
     "הקישו Ctrl+1 עד Ctrl+0 כדי לעבור בין המסכים; Ctrl+Tab עובר למסך הבא."},
    {IDS_TIP_2,
     "Put every guest in a group: the automatic table arrangement seats the guests group by group.",
     "שייכו כל אורח לקבוצה: הסידור האוטומטי של השולחנות מושיב את האורחים לפי קבוצות."},
    {IDS_TIP_3,
     "Select a cell in the guest list and press F2 or Enter to change its value in place.",
     "בחרו תא ברשימת האורחים והקישו F2 או Enter כדי לשנות את ערכו במקום."},
    {IDS_TIP_4, "In the tables screen, right-click guests to move them to another table.",
     "במסך השולחנות, לחצו על אורחים בכפתור הימני כדי להעבירם לשולחן אחר."},
    {IDS_TIP_5,
     "Keep apart guests who should not sit together: edit the restricted guests list of a guest.",
     "הפרידו בין אורחים שלא כדאי שישבו יחד: ערכו את רשימת האורחים המוגבלים של האורח."},
    {IDS_TIP_6,
     "Right-click a guest and choose \"Aproved arrival\" when the guest confirms coming.",
     "לחצו על אורח בכפתור הימני ובחרו \"אישור הגעה\" כשהאורח מאשר את הגעתו."},
    {IDS_TIP_7,
     "You can keep several events side by side: use Add Event and Select Event in the Event menu.",
     "אפשר לנהל כמה אירועים זה לצד זה: השתמשו בהוספת אירוע ובבחירת אירוע בתפריט אירוע."},
    {IDS_TIP_8, "Ctrl+S saves the event at any moment; the program also saves when it closes.",
     "Ctrl+S שומר את האירוע בכל רגע; התוכנה שומרת גם בעת הסגירה."},

    // Expenses: who pays, in the order of the payer list after "Unknown" (IDS_UNKNOWN)
    {IDS_PAYER_GROOM, "Groom", "חתן"},
    {IDS_PAYER_BRIDE, "Bride", "כלה"},
    {IDS_PAYER_GROOM_AND_BRIDE, "Groom and Bride", "חתן וכלה"},
    {IDS_PAYER_GROOM_PARENTS, "Grooms Parents", "הורי החתן"},
    {IDS_PAYER_BRIDE_PARENTS, "Brides Parents", "הורי הכלה"},
    {IDS_PAYER_BOTH_PARENTS, "Grooms and Brides Parents", "הורי החתן והכלה"},

    // Budget: default category names that come from the string table
    {IDS_CATEGORY_CATERINGS, "Caterings", "קייטרינג"},
    {IDS_CATEGORY_DJS, "DJs", "תקליטנים"},
    {IDS_CATEGORY_PHOTOGRAPHERS, "Photographers", "צלמים"},
    {IDS_CATEGORY_BANDS, "Bands", "להקות"},

    // Main menu: Event
    {IDS_MENU_EVENT, "&Event", "&אירוע"},
    {IDS_MENU_SAVE, "&Save", "&שמירה"},
    {IDS_MENU_WEDDING_INFORMATION, "Wedding Information ...", "פרטי החתונה ..."},
    {IDS_MENU_BACKUP_RESTORE, "Backup and Restore Data ... ", "גיבוי ושחזור נתונים ... "},
    {IDS_MENU_EXPORT_DATA, "Export Data", "ייצוא נתונים"},
    {IDS_MENU_EXPORT_TO_FOLDER, "Export Data to a Folder ...", "ייצוא נתונים לתיקייה ..."},
    {IDS_MENU_EXPORT_BY_EMAIL, "Export Data Using Email Message ...",
     "ייצוא נתונים בהודעת דואר ..."},
    {IDS_MENU_IMPORT_DATA, "Import Data ...", "ייבוא נתונים ..."},
    {IDS_MENU_ADD_EVENT, "Add Event ...", "הוספת אירוע ..."},
    {IDS_MENU_SELECT_EVENT, "Select Event ...", "בחירת אירוע ..."},
    {IDS_MENU_EXIT, "Exit", "יציאה"},

    // Main menu: Sharing and Real Time
    {IDS_MENU_SHARING, "&Sharing", "&שיתוף"},
    {IDS_MENU_DEFINE_FTP, "Define FTP server properties ...", "הגדרת שרת FTP ..."},
    {IDS_MENU_DOWNLOAD_FROM_SERVER, "Download data from server", "הורדת נתונים מהשרת"},
    {IDS_MENU_UPLOAD_TO_SERVER, "Upload data to server", "העלאת נתונים לשרת"},
    {IDS_MENU_REAL_TIME, "&Real Time", "&זמן אמת"},
    {IDS_MENU_REAL_TIME_STATE, "Real Time State", "מצב זמן אמת"},

    // Main menu: View
    {IDS_MENU_VIEW, "&View", "&תצוגה"},
    {IDS_MENU_VIEW_GUESTS, "Guests", "אורחים"},
    {IDS_MENU_VIEW_GROUPS, "Groups", "קבוצות"},
    {IDS_MENU_VIEW_GIFTS, "Gifts", "מתנות"},
    {IDS_MENU_VIEW_EXPENSES, "Expenses", "הוצאות"},
    {IDS_MENU_VIEW_TABLES, "Tables", "שולחנות"},
    {IDS_MENU_VIEW_SEAT_ARRANGEMENT, "Seat arrangement", "סידורי ישיבה"},
    {IDS_MENU_VIEW_HALL_LAYOUT, "Hall Layout", "תרשים האולם"},
    {IDS_MENU_VIEW_MEETINGS, "Meetings", "פגישות"},
    {IDS_MENU_VIEW_PRINTOUTS, "Printouts", "הדפסות"},
    {IDS_MENU_VIEW_BUDGET, "Budget", "תקציב"},
    {IDS_MENU_NEXT_VIEW, "Next View", "התצוגה הבאה"},
    {IDS_MENU_PREVIOUS_VIEW, "Previous View", "התצוגה הקודמת"},
    {IDS_MENU_STATUS_BAR, "Status Bar", "שורת מצב"},

    // Main menu: Tools
    {IDS_MENU_TOOLS, "&Tools", "&כלים"},
    {IDS_MENU_CALCULATOR, "Calculator", "מחשבון"},
    {IDS_MENU_OPTIONS, "Options ....", "אפשרויות ...."},
    {IDS_MENU_EMAIL, "Email", "דואר אלקטרוני"},
    {IDS_MENU_EMAIL_ALL_GUESTS, "Send email to all guests", "שליחת דואר לכל האורחים"},
    {IDS_MENU_EMAIL_NOT_APPROVED, "Send email to guests that didn't approve",
     "שליחת דואר לאורחים שלא אישרו הגעה"},
    {IDS_MENU_SEND_APPROVAL_DETAILS, "Send approval details to guests that haven't approved ...",
     "שליחת פרטי אישור הגעה לאורחים שטרם אישרו ..."},

    // Main menu: Reports
    {IDS_MENU_REPORTS, "&Reports", "&דוחות"},
    {IDS_MENU_GUEST_LIST, "Guest list", "רשימת אורחים"},
    {IDS_MENU_BY_LAST_NAME, "By last name", "לפי שם משפחה"},
    {IDS_MENU_BY_FIRST_NAME, "By first name", "לפי שם פרטי"},
    {IDS_MENU_TABLE_REPORT, "Table report", "דוח שולחנות"},
    {IDS_MENU_BY_TABLE_ID, "By table I.D.", "לפי מזהה השולחן"},
    {IDS_MENU_BY_TABLE_NUMBER, "By table number", "לפי מספר השולחן באולם"},
    {IDS_MENU_EXPORT_GUESTS_EXCEL, "Export guest list to Excel", "ייצוא רשימת האורחים ל-Excel"},
    {IDS_MENU_EXPORT_TABLES_EXCEL, "Export table list to Excel", "ייצוא רשימת השולחנות ל-Excel"},

    // Main menu: Help, and the language commands
    {IDS_MENU_HELP, "&Help", "&עזרה"},
    {IDS_MENU_ABOUT, "About ...", "אודות ..."},
    {IDS_MENU_WEB_SITE, "Web Site ...", "אתר האינטרנט ..."},
    {IDS_MENU_USERS_FORUM, "Software users forum ...", "פורום משתמשי התוכנה ..."},
    {IDS_MENU_COMMENTS, "Comments and Suggestions ...", "הערות והצעות ..."},
    {IDS_MENU_CHECK_UPDATES, "Check for Updates ...", "בדיקת עדכונים ..."},
    {IDS_MENU_ENGLISH, "English", "אנגלית"},
    {IDS_MENU_DEFAULT_LANGUAGE, "Default language", "שפת ברירת המחדל"},
    {IDS_MENU_LANGUAGE, "&Language", "&שפה"},

    // Menus of the views (the popup titles are the View menu entries)
    {IDS_MENU_ADD_GUEST, "Add Guest", "הוספת אורח"},
    {IDS_MENU_DELETE_GUEST, "Delete Guest", "מחיקת אורח"},
    {IDS_MENU_MULTIPLE_UPDATE, "Multiple Guests Update ...", "עדכון אורחים מרובה ..."},
    {IDS_MENU_ADD, "Add ...", "הוספה ..."},
    {IDS_MENU_EDIT, "Edit ...", "עריכה ..."},
    {IDS_MENU_DELETE, "Delete ...", "מחיקה ..."},
    {IDS_MENU_RENAME, "Rename...", "שינוי שם..."},
    {IDS_MENU_TABLE_SETUP, "Table setup  ...", "הגדרות שולחנות  ..."},
    {IDS_MENU_AUTO_ARRANGE, "Automatic table arrangement", "סידור שולחנות אוטומטי"},
    {IDS_MENU_ARRANGE_ALL, "All Guests", "כל האורחים"},
    {IDS_MENU_ARRANGE_TABLELESS, "Only Guests that are tableless", "רק אורחים ללא שולחן"},
    {IDS_MENU_ADD_CATEGORY, "&Add Category", "&הוספת קטגוריה"},
    {IDS_MENU_EDIT_CATEGORY, "&Edit Category", "&עריכת קטגוריה"},
    {IDS_MENU_DELETE_CATEGORY, "&Delete Category", "&מחיקת קטגוריה"},
    {IDS_MENU_ADD_OFFER, "Add &Offer", "הוס&פת הצעה"},
    {IDS_MENU_EDIT_OFFER, "Edit O&ffer", "ערי&כת הצעה"},
    {IDS_MENU_DELETE_OFFER, "Delete Offe&r", "מחי&קת הצעה"},
    {IDS_MENU_TASK_LIST, "Task list ...", "רשימת משימות ..."},

    // Toolbar captions
    {IDS_TOOLBAR_SAVE, "Save", "שמירה"},
    {IDS_TOOLBAR_ADD, "Add", "הוספה"},
    {IDS_TOOLBAR_EDIT, "Edit", "עריכה"},
    {IDS_TOOLBAR_DELETE, "Delete", "מחיקה"},
    {IDS_TOOLBAR_SEARCH, "Search", "חיפוש"},
    {IDS_TOOLBAR_ADD_EVENT, "Add Event", "הוספת אירוע"},
    {IDS_TOOLBAR_IMPORT, "Import", "ייבוא"},
    {IDS_TOOLBAR_EXPORT, "Export", "ייצוא"},
    {IDS_TOOLBAR_SELECT_EVENT, "Select Event", "בחירת אירוע"},

    // Add Event wizard and Select Event
    {IDS_ADD_EVENT_STEP1, "Add Event ( Step 1 from 4 )", "הוספת אירוע ( שלב 1 מתוך 4 )"},
    {IDS_ADD_EVENT_STEP2, "Add Event ( Step 2 from 4 )", "הוספת אירוע ( שלב 2 מתוך 4 )"},
    {IDS_ADD_EVENT_STEP3, "Add Event ( Step 3 from 4 )", "הוספת אירוע ( שלב 3 מתוך 4 )"},
    {IDS_ADD_EVENT_STEP4, "Add Event ( Step 4 from 4 )", "הוספת אירוע ( שלב 4 מתוך 4 )"},
    {IDS_ADD_EVENT_TYPE_LABEL, "Event type:", "סוג האירוע:"},
    {IDS_ADD_EVENT_DATE_LABEL, "Event date:", "תאריך האירוע:"},
    {IDS_ADD_EVENT_COPY_DATA, "Copy data (guests,tables etc ) from existing event",
     "העתקת נתונים (אורחים, שולחנות וכו') מאירוע קיים"},
    {IDS_ADD_EVENT_DONT_COPY, "Dont copy data from existing event", "ללא העתקת נתונים מאירוע קיים"},
    {IDS_ADD_EVENT_CREATE_GROUPS, "Create groups automaticlly (using bride and groom names)",
     "יצירת קבוצות אוטומטית (לפי שמות החתן והכלה)"},
    {IDS_ADD_EVENT_NO_GROUPS, "Do not create groups now", "לא ליצור קבוצות כעת"},
    {IDS_ADD_EVENT_MISSING_DETAILS_TEXT, "Please fill missing details", "נא למלא את הפרטים החסרים"},
    {IDS_MISSING_DETAIL_CAPTION, "Missing Detail", "פרט חסר"},
    {IDS_GROOM_CAPTION, "Groom", "חתן"},
    {IDS_FIRST_NAME_LABEL, "First name:", "שם פרטי:"},
    {IDS_MIDDLE_NAME_LABEL, "Middle name:", "שם אמצעי:"},
    {IDS_LAST_NAME_LABEL, "Last name:", "שם משפחה:"},
    {IDS_EVENT_NAME_LABEL, "Event name:", "שם האירוע:"},
    {IDS_PHONE_NUMBER_LABEL, "Phone number:", "מספר טלפון:"},

    // Event types, in the order of the type list
    {IDS_EVENT_TYPE_WEDDING, "Wedding", "חתונה"},
    {IDS_EVENT_TYPE_CIRCUMCISION, "Circumcision", "ברית מילה"},
    {IDS_EVENT_TYPE_BRITA, "Brita", "בריתה"},
    {IDS_EVENT_TYPE_BAR_MITZVAH, "Bar Mitzvah", "בר מצווה"},
    {IDS_EVENT_TYPE_BAT_MITZVAH, "Bat Mitzvah", "בת מצווה"},
    {IDS_EVENT_TYPE_SHABAT_HATAN, "Shabat Hatan", "שבת חתן"},
    {IDS_EVENT_TYPE_HINA, "Hina", "חינה"},

    // Event name templates, same order: the wedding takes the bride, then the groom
    {IDS_EVENT_NAME_WEDDING, "The wedding of %s and %s", "החתונה של %s ו%s"},
    {IDS_EVENT_NAME_CIRCUMCISION, "The circumcision of %s ", "ברית המילה של %s "},
    {IDS_EVENT_NAME_BRITA, "The Brita of %s ", "הבריתה של %s "},
    {IDS_EVENT_NAME_BAR_MITZVAH, "The Bar Mitzvah of %s ", "בר המצווה של %s "},
    {IDS_EVENT_NAME_BAT_MITZVAH, "The Bat Mitzvah of %s ", "בת המצווה של %s "},
    {IDS_EVENT_NAME_SHABAT_HATAN, "The Shabat Hatan of %s ", "שבת החתן של %s "},
    {IDS_EVENT_NAME_HINA, "The Hina of %s ", "החינה של %s "},

    // Captions of the second person's fields and of the details group
    {IDS_SECOND_PERSON_BRIDE, "Bride", "כלה"},
    {IDS_SECOND_PERSON_PARTY_OWNER, "Party owner", "בעל השמחה"},
    {IDS_DETAILS_COUPLE, "Couple detail:", "פרטי בני הזוג:"},
    {IDS_DETAILS_PARTY_OWNER, "Details of party owner:", "פרטי בעל השמחה:"},
    {IDS_SELECT_EVENT_TITLE, "Select Active Event", "בחירת אירוע פעיל"},
    {IDS_SELECT_EVENT_TEXT, "Select the event you want to edit", "בחרו את האירוע שברצונכם לערוך"},

    // Options dialog
    {IDS_OPTIONS_TITLE, "Options", "אפשרויות"},
    {IDS_OPTIONS_AUTO_SAVE, "Save automatically on exit", "שמירה אוטומטית ביציאה"},
    {IDS_OPTIONS_CHECK_UPDATES, "Look for software updates at start up",
     "חיפוש עדכוני תוכנה בהפעלה"},
    {IDS_OPTIONS_CHILD_SERVING, "Child serving costs", "מנה לילד עולה"},
    {IDS_OPTIONS_CHILD_SERVING_PERCENT, "% of regular serving.", "% ממנה רגילה."},
    {IDS_OPTIONS_SHOW_TOOLTIPS, "Show ToolTips", "הצגת חלוניות עזרה"},
    {IDS_OPTIONS_HIDE_NOT_COMING_TABLES, "Don't show guests that do not come in the tables report",
     "לא להציג בדוח השולחנות אורחים שאינם מגיעים"},
    {IDS_OPTIONS_HIDE_NOT_COMING_GUESTS, "Don't show guests that do not come in the guests report",
     "לא להציג בדוח האורחים אורחים שאינם מגיעים"},
    {IDS_OPTIONS_BACKUP_EVERY, "Back up the data every:", "גיבוי הנתונים כל:"},
    {IDS_OPTIONS_5_MINUTES, "5 Minutes", "5 דקות"},
    {IDS_OPTIONS_10_MINUTES, "10 Minutes", "10 דקות"},

    // Wedding Information dialog (names and phone use the labels above)
    {IDS_WEDDING_INFO_TITLE, "Wedding Information", "פרטי החתונה"},
    {IDS_WEDDING_INFO_EVENT_NAME, "Event Name:*", "שם האירוע:*"},
    {IDS_WEDDING_INFO_DATE, "Wedding date:", "תאריך החתונה:"},
    {IDS_WEDDING_INFO_APPROVALS, "Invitation approvals:", "אישורי הגעה:"},
    {IDS_WEDDING_INFO_EVENT_CODE, "Event code:", "קוד אירוע:"},

    // Tables view: list columns and the Move to table popup
    {IDS_TABLES_COLUMN_ID, "ID", "מס'"},
    {IDS_TABLES_COLUMN_NAME, "Table belonging", "שייכות השולחן"},
    {IDS_TABLES_COLUMN_HALL_NUMBER, "Number in hall", "מספר באולם"},
    {IDS_TABLES_COLUMN_SEATS, "Seats", "מקומות"},
    {IDS_TABLES_COLUMN_GUESTS, "Num of guests", "מס' אורחים"},
    {IDS_TABLES_NO_VALUE, "--", "--"},
    {IDS_MOVE_TO_TABLE, "Move to table", "העברה לשולחן"},
    {IDS_MOVE_TO_NOT_SEATED, "Not seated", "ללא שולחן"},
    {IDS_MOVE_TO_TABLE_BLOCK, "%d-%d", "%d-%d"},
    {IDS_MOVE_TO_TABLE_ENTRY, "%d (%s)", "%d (%s)"},
    {IDS_GO_TO_GUEST_INFORMATION, "Go to guest information", "מעבר לפרטי האורח"},

    // Table details and Table setup dialogs
    {IDS_TABLE_DETAILS_TITLE, "Table details", "פרטי שולחן"},
    {IDS_TABLE_DETAILS_BELONGS_TO, "Belongs to:", "שייך ל:"},
    {IDS_TABLE_DETAILS_GROUPS, "Groups:", "קבוצות:"},
    {IDS_TABLE_DETAILS_SEATS, "Number of seats:", "מספר מקומות:"},
    {IDS_TABLE_DETAILS_PLACE, "Place in hall:", "מיקום באולם:"},
    {IDS_TABLE_DETAILS_NAME_HELP,
     "Choose an appropriate name for this table.\nFrom the list of available groups or use free "
     "text without using a group name.",
     "בחרו שם מתאים לשולחן זה.\nמרשימת הקבוצות הקיימות, או כתבו טקסט חופשי שאינו שם של קבוצה."},
    {IDS_TABLE_SETUP_TITLE, "Table setup", "הגדרות שולחנות"},
    {IDS_TABLE_SETUP_EACH_NEW, "Each new table will have", "לכל שולחן חדש יהיו"},
    {IDS_TABLE_SETUP_SEATS, "seats.", "מקומות."},
    {IDS_TABLE_SETUP_BY_HALL_NUMBER, "Arrange tables by their locator number in the hall.",
     "סידור השולחנות לפי מספר המיקום שלהם באולם."},
    {IDS_TABLE_SETUP_HIDE_NOT_COMING, "Do not show guests that will not come.",
     "לא להציג אורחים שלא יגיעו."},
    {IDS_TABLE_SETUP_SHOW_ID, "Show I.D. near each guest", "הצגת מספר מזהה ליד כל אורח"},

    // Guests view: statistics, filters and hints
    {IDS_STATISTICS_TITLE, "Statistics", "סטטיסטיקה"},
    {IDS_GUESTS_CLEAR_FILTERS_TIP, "Clear all filters to see all the guests",
     "ניקוי כל המסננים להצגת כל האורחים"},
    {IDS_GUESTS_EDIT_CELL_TIP, "Select this column and then press F2 or ENTER to edit its value.",
     "בחרו עמודה זו ולחצו F2 או ENTER כדי לערוך את ערכה."},
    {IDS_GUESTS_EMPTY_HELP, "There are no guests yet. Press \"Add Guest\" to add the first guest.",
     "אין עדיין אורחים. לחצו \"הוספת אורח\" כדי להוסיף את האורח הראשון."},
    {IDS_GROUP_LABEL, "Group:", "קבוצה:"},
    {IDS_RELATION_LABEL, "Relation:", "צד:"},
    {IDS_STATUS_LABEL, "Status:", "סטטוס:"},
    {IDS_STATUS_FILTER_ALL, "All", "הכול"},
    {IDS_STATUS_FILTER_APPROVED, "Approved", "אישרו הגעה"},
    {IDS_STATUS_FILTER_NOT_COMING, "Not coming", "לא מגיעים"},
    {IDS_STATUS_FILTER_NO_ANSWER, "No answer yet", "טרם השיבו"},

    // Guests view: context menu and column chooser
    {IDS_GUESTS_MENU_DELETE, "Delete guest", "מחיקת אורח"},
    {IDS_GUESTS_MENU_APPROVED, "Aproved arrival", "אישור הגעה"},
    {IDS_GUESTS_MENU_ENTER_GIFT, "Enter gift", "הזנת מתנה"},
    {IDS_GUESTS_MENU_LOCATE_TABLE, "Locate table", "איתור שולחן"},
    {IDS_GUESTS_MENU_RESTRICTED, "Edit restricted guests list ...",
     "עריכת רשימת האורחים המוגבלים ..."},
    {IDS_COLUMN_CHOOSER_TITLE, "Change the available columns", "שינוי העמודות המוצגות"},

    // Search dialog
    {IDS_SEARCH_TITLE, "Search", "חיפוש"},
    {IDS_SEARCH_GUEST, "Guest", "אורח"},
    {IDS_SEARCH_TABLE, "Table", "שולחן"},
    {IDS_SEARCH_DIRECTION, "Direction", "כיוון"},
    {IDS_SEARCH_FORWARDS, "Forwards", "קדימה"},
    {IDS_SEARCH_BACKWARDS, "Backwards", "אחורה"},
    {IDS_SEARCH_FIND_NEXT, "Find Next", "חיפוש הבא"},
    {IDS_TABLE_NOT_FOUND_TEXT, "This table was not found", "שולחן זה לא נמצא"},
    {IDS_TABLE_NOT_FOUND_CAPTION, "Table not found", "השולחן לא נמצא"},

    // Groups view
    {IDS_GROUPS_ADD_BUTTON, "Add Group", "הוספת קבוצה"},
    {IDS_GROUPS_RENAME_BUTTON, "Rename Group", "שינוי שם קבוצה"},
    {IDS_GROUPS_DELETE_BUTTON, "Delete Group", "מחיקת קבוצה"},
    {IDS_GROUP_NAME_TITLE, "Group name", "שם הקבוצה"},
    {IDS_GROUP_NAME_CREATE_TABLE, "Create a table for this group", "יצירת שולחן לקבוצה זו"},
    {IDS_GROUPS_EXPLANATION,
     "On this screen, you may organize the guests by groups. In each group, enter guests from a "
     "different period of your life. For example , create a group for school friends, for college "
     "friends etc.",
     "במסך זה תוכלו לארגן את האורחים בקבוצות. בכל קבוצה הכניסו אורחים מתקופה אחרת בחייכם. לדוגמה, "
     "צרו קבוצה לחברים מבית הספר, לחברים מהלימודים וכו'."},
    {IDS_GROUPS_MENU_ADD_TABLE, "Add table for this group...", "הוספת שולחן לקבוצה זו..."},
    {IDS_GROUPS_MENU_GO_TO_GUEST, "Goto guests details", "מעבר לפרטי האורח"},

    // Loading and saving an event
    {IDS_DATA_FILE_DAMAGED_TEXT,
     "The event's data file \"%s\" is damaged (%s).\r\nThe records read before the damage are "
     "shown. Before the next save replaces the file, a copy of it is kept beside it.",
     "קובץ הנתונים של האירוע \"%s\" פגום (%s).\r\nמוצגות הרשומות שנקראו לפני מקום הפגם. לפני "
     "שהשמירה הבאה תחליף את הקובץ, יישמר עותק שלו לצדו."},
    {IDS_DATA_FILE_DAMAGED_CAPTION, "Damaged data file", "קובץ נתונים פגום"},
    {IDS_SAVE_FAILED_TEXT,
     "The event was not saved: %s\r\nYour changes are still open in the program and the files on "
     "disk are as they were.",
     "האירוע לא נשמר: %s\r\nהשינויים שלכם עדיין פתוחים בתוכנה והקבצים בדיסק נשארו כפי שהיו."},
    {IDS_SAVE_FAILED_CAPTION, "Saving failed", "השמירה נכשלה"},

    // Hall draft files
    {IDS_HALL_DRAFT_OPEN_FAILED_TEXT,
     "The hall draft file \"%s\" could not be opened.\r\nThe shapes were not changed.",
     "לא ניתן היה לפתוח את קובץ סידור האולם \"%s\".\r\nהצורות לא שונו."},
    {IDS_HALL_DRAFT_DAMAGED_TEXT,
     "The hall draft file \"%s\" is damaged (%s).\r\nOnly the shapes read before the damage "
     "were loaded.",
     "קובץ סידור האולם \"%s\" פגום (%s).\r\nנטענו רק הצורות שנקראו לפני מקום הפגם."},

    // Main frame
    {IDS_MENU_SEARCH, "Search ...", "חיפוש ..."},
    {IDS_NO_CALCULATOR_TEXT,
     "No calculator program was found on this computer.\r\nInstall one (for example "
     "gnome-calculator) and try again.",
     "לא נמצאה תוכנת מחשבון במחשב זה.\r\nהתקינו מחשבון (למשל gnome-calculator) ונסו שוב."},
    {IDS_ABOUT_TEXT,
     "Velloran %s\r\nThe planner for weddings and family celebrations: guests, tables, budget, "
     "meetings and the day of the event.",
     "Velloran %s\r\nהמתכנן לחתונות ולשמחות משפחתיות: אורחים, שולחנות, תקציב, פגישות ויום האירוע."},
    {IDS_ABOUT_CAPTION, "About Velloran", "אודות Velloran"},
    {IDS_LOADING_EVENT, "Loading the event ...", "טוען את האירוע ..."},

    // Guests view: restricted guests dialog
    {IDS_RESTRICTED_TITLE, "Restricted guests", "אורחים מוגבלים"},
    {IDS_RESTRICTED_LIST_LABEL, "Do not seat %s with:", "אין להושיב את %s עם:"},
    {IDS_RESTRICTED_OTHERS_LABEL, "Other guests:", "אורחים אחרים:"},
    {IDS_RESTRICTED_ADD, "Add", "הוספה"},
    {IDS_RESTRICTED_REMOVE, "Remove", "הסרה"},
    {IDS_RESTRICTED_BOTH_WAYS, "Both ways (also restrict the other guest from this guest)",
     "בשני הכיוונים (גם האורח השני מוגבל מאורח זה)"},
    {IDS_RESTRICTED_FIND, "Find:", "חיפוש:"},

    // Tables view: buttons and captions
    {IDS_TABLES_ADD_BUTTON, "Add Table", "הוספת שולחן"},
    {IDS_TABLES_EDIT_BUTTON, "Edit Table", "עריכת שולחן"},
    {IDS_TABLES_DELETE_BUTTON, "Delete Table", "מחיקת שולחן"},
    {IDS_TABLES_EXPLANATION,
     "On this screen, you define the tables of the hall. Select a table to see the guests seated "
     "at it; right-click guests to move them to another table or to see their details.",
     "במסך זה מגדירים את שולחנות האולם. בחרו שולחן כדי לראות את האורחים שיושבים בו; לחצו על אורחים "
     "בכפתור הימני כדי להעבירם לשולחן אחר או לראות את פרטיהם."},
    {IDS_TABLE_GUESTS_CAPTION, "Guests at table %d (%s)", "האורחים בשולחן %d (%s)"},
    {IDS_TABLES_COLUMN_LINES, "Guest lines", "שורות אורחים"},
};
} // namespace

SStringEntries CoreStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
