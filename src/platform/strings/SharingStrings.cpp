// The texts of sharing an event through an FTP, FTPS or WebDAV server.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // "Define FTP server properties"
    {IDS_SHARE_SETTINGS_TITLE, "Define FTP server properties", "הגדרת שרת FTP"},
    {IDS_SHARE_SERVER_LABEL, "Server name:", "שם השרת:"},
    {IDS_SHARE_USER_LABEL, "User name:", "שם משתמש:"},
    {IDS_SHARE_PASSWORD_LABEL, "Password:", "סיסמה:"},
    {IDS_SHARE_SAVE_PASSWORD, "Save password", "שמירת הסיסמה"},
    {IDS_SHARE_AUTO_UPLOAD, "Upload the data to the server after each save",
     "העלאת הנתונים לשרת לאחר כל שמירה"},
    {IDS_SHARE_AUTO_DOWNLOAD, "Download the data from the server when the program opens",
     "הורדת הנתונים מהשרת בעת פתיחת התוכנה"},
    {IDS_SHARE_PROTOCOL_LABEL, "Connection:", "סוג החיבור:"},
    {IDS_SHARE_PROTOCOL_FTP, "FTP", "FTP רגיל"},
    {IDS_SHARE_PROTOCOL_FTPS, "FTPS (FTP with encryption)", "FTPS (FTP מוצפן)"},
    {IDS_SHARE_PROTOCOL_WEBDAV, "WebDAV (Nextcloud, ownCloud and the like)",
     "WebDAV (Nextcloud, ownCloud וכדומה)"},
    {IDS_SHARE_PORT_LABEL, "Port:", "פורט:"},
    {IDS_SHARE_PORT_DEFAULT, "Default", "ברירת מחדל"},
    {IDS_SHARE_FOLDER_LABEL, "Folder on the server:", "תיקייה בשרת:"},
    {IDS_SHARE_CA_FILE_LABEL, "Certificate file:", "קובץ אישור:"},
    {IDS_SHARE_HELP_LINK, "Press here for help", "לחצו כאן לעזרה"},
    {IDS_SHARE_HELP_TEXT,
     "<b>Sharing the event between computers</b><br>One computer uploads the event to a server "
     "and the others download it. Each upload raises the data version, so the program can tell "
     "which copy is newer.<br><br><b>FTP / FTPS:</b> the server name (ftp.example.com), your "
     "user name and password. FTPS encrypts the password and the data; plain FTP sends them "
     "readable, so use it only on a network you trust.<br><b>WebDAV:</b> the https address of a "
     "shared folder of Nextcloud, ownCloud or a similar service as the server name.<br>The folder "
     "on the server holds the folder \"DB\" with the event; leave it empty for your start folder. "
     "A certificate file is needed only for a server with a certificate of its own.<br><br>The "
     "password is kept in the desktop's keyring (or a private file of yours), never with the "
     "event.",
     "<b>שיתוף האירוע בין מחשבים</b><br>מחשב אחד מעלה את האירוע לשרת והאחרים מורידים אותו. כל "
     "העלאה מעלה את גרסת הנתונים, כך שהתוכנה יודעת איזה עותק חדש יותר.<br><br><b>FTP / "
     "FTPS:</b> שם השרת (ftp.example.com), שם המשתמש והסיסמה. FTPS מצפין את הסיסמה ואת "
     "הנתונים; FTP רגיל שולח אותם כפי שהם, לכן השתמשו בו רק ברשת שאתם סומכים עליה.<br><b>WebDAV:"
     "</b> כתובת https של תיקייה משותפת ב-Nextcloud, ownCloud או שירות דומה בתור שם השרת.<br>"
     "התיקייה בשרת מכילה את התיקייה \"DB\" עם האירוע; השאירו ריק לתיקיית ההתחלה שלכם. קובץ אישור "
     "נחוץ רק לשרת עם אישור משלו.<br><br>הסיסמה נשמרת בצרור המפתחות של שולחן העבודה (או בקובץ "
     "פרטי שלכם), לעולם לא עם האירוע."},
    {IDS_SHARE_BROWSE, "Browse ...", "עיון ..."},
    {IDS_SHARE_CA_FILE_TITLE, "Certificate file", "קובץ אישור"},

    // Refusals and outcomes
    {IDS_SHARE_NO_TLS,
     "The server \"%s\" does not offer an encrypted connection (TLS), which FTPS requires.\r\n"
     "The operation was canceled; nothing was sent.",
     "השרת \"%s\" אינו מציע חיבור מוצפן (TLS), הנדרש ל-FTPS.\r\nהפעולה בוטלה; דבר לא נשלח."},
    {IDS_SHARE_PLAIN_HTTP,
     "The address \"%s\" is not encrypted (http). Only a WebDAV server on this computer may be "
     "reached over plain http; please use an https address.\r\nThe operation was canceled.",
     "הכתובת \"%s\" אינה מוצפנת (http). רק לשרת WebDAV במחשב זה ניתן להתחבר ב-http רגיל; נא "
     "להשתמש בכתובת https.\r\nהפעולה בוטלה."},
    {IDS_SHARE_NOT_WEB_ADDRESS,
     "For WebDAV the server name must be the https address of the shared folder (\"%s\" is "
     "not).\r\nThe operation was canceled.",
     "עבור WebDAV שם השרת חייב להיות כתובת https של התיקייה המשותפת (\"%s\" אינה כזו).\r\n"
     "הפעולה בוטלה."},
    {IDS_SHARE_DOWNLOAD_CANCELLED,
     "The download was canceled. Nothing on this computer was "
     "replaced.",
     "ההורדה בוטלה. דבר לא הוחלף במחשב זה."},
    {IDS_SHARE_UPLOAD_CANCELLED,
     "The upload was canceled. The data version on the server was not changed.",
     "ההעלאה בוטלה. גרסת הנתונים בשרת לא השתנתה."},
    {IDS_SHARE_NO_DATA_ON_SERVER, "The server holds no event data yet. Nothing was replaced.",
     "בשרת אין עדיין נתוני אירוע. דבר לא הוחלף."},
    {IDS_SHARE_FAILED_DETAIL, "%s\r\n\r\nDetails: %s", "%s\r\n\r\nפרטים: %s"},
    {IDS_SHARE_READ_ONLY,
     "This event is open read-only because another program has it open; it cannot be shared "
     "from here now.",
     "אירוע זה פתוח לקריאה בלבד משום שתוכנה אחרת פתחה אותו; לא ניתן לשתף אותו מכאן כעת."},
    {IDS_SHARE_CAPTION, "Sharing", "שיתוף"},
    {IDS_SHARE_PASSWORD_NOT_KEPT,
     "The password could not be saved (%s); it is used until the program closes.",
     "לא ניתן היה לשמור את הסיסמה (%s); היא תשמש עד לסגירת התוכנה."},
    {IDS_SHARE_UPLOAD_DONE, "Uploaded data version %d.", "הועלתה גרסת נתונים %d."},
};
} // namespace

SStringEntries SharingStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
