// The texts of the online services. The mail texts go to guests inside the approval links; the
// Hebrew subject and labels are the ones the vendor's approval page was written for.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // Approval request mails
    {IDS_APPROVAL_MAIL_SUBJECT, " Please approve your attendance in our event ",
     " אנא אשרו הגעתכם לארוע "},
    {IDS_APPROVAL_MAIL_EVENT_CODE, "Event Code: %s", ":קוד ארוע %s"},
    {IDS_APPROVAL_MAIL_GUEST_CODE, "Guest Code: %s", ":קוד מוזמן %s"},
    {IDS_APPROVAL_MAIL_VERIFICATION, "Guest verification: %s", ":אימות מוזמן %s"},
    {IDS_APPROVAL_MAIL_SUBJECT_WITH_EVENT, "%s - Please approve your attendance in our event ",
     "%s - אנא אשרו הגעתכם לארוע "},

    // Approvals From Web Site dialog
    {IDS_APPROVALS_TITLE, "Approvals From Web Site", "אישורי הגעה מאתר האינטרנט"},
    {IDS_APPROVALS_EXPLANATION,
     "The following guests approved or declined their attendance in the event using the web "
     "site. Press on 'Update guests list' in order to take the data from the site and update the "
     "data inside the program",
     "האורחים הבאים אישרו או ביטלו את השתתפותם באירוע באתר האינטרנט. לחצו על 'עדכון רשימת "
     "האורחים' כדי לקחת את הנתונים מהאתר ולעדכן את הנתונים בתוכנה"},
    {IDS_APPROVALS_APPROVED_LABEL,
     "Guests that approved their arrival:", "אורחים שאישרו את הגעתם:"},
    {IDS_APPROVALS_CANCELED_LABEL,
     "Guests that canceled their arrival:", "אורחים שביטלו את הגעתם:"},
    {IDS_APPROVALS_UPDATE_BUTTON, "Update guests list", "עדכון רשימת האורחים"},
    {IDS_APPROVALS_COLUMN_GUEST, "Guest", "אורח"},
    {IDS_APPROVALS_COLUMN_CODE, "Guest code", "קוד מוזמן"},
    {IDS_APPROVALS_COLUMN_COMING, "Coming", "מגיעים"},
    {IDS_APPROVALS_COLUMN_NOW, "In the list now", "כעת ברשימה"},
    {IDS_APPROVALS_NOW_FORMAT, "%s, %d coming", "%s, %d מגיעים"},

    // The Help menu's update check
    {IDS_UPDATE_CHECK_CAPTION, "Check for Updates", "בדיקת עדכונים"},
    {IDS_UPDATE_LATEST_TEXT, "You are using the latest version of this software.",
     "ברשותך הגרסה העדכנית ביותר של התוכנה."},
    {IDS_UPDATE_FAILED_TEXT,
     "The update check could not reach the vendor's web site.\r\nPlease check the Internet "
     "connection and try again later.",
     "בדיקת העדכונים לא הצליחה להגיע לאתר היצרן.\r\nבדקו את החיבור לאינטרנט ונסו שוב מאוחר "
     "יותר."},
};
} // namespace

SStringEntries OnlineStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
