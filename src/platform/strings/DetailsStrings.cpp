// The texts of the guest details panel, the Kids dialog, "Multiple guests change" and the guest
// commands.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // The panel: pages and the first page
    {IDS_DETAILS_PAGE_GUEST, "Guest Details", "פרטי האורח"},
    {IDS_DETAILS_PAGE_MORE, "Addtional Details", "פרטים נוספים"},
    {IDS_DETAILS_NAME, "Name:", "שם:"},
    {IDS_DETAILS_LAST_NAME, "Last\nName:", "שם\nמשפחה:"},
    {IDS_DETAILS_PHONE, "Phone:", "טלפון:"},
    {IDS_DETAILS_MOBILE, "Mobile:", "נייד:"},
    {IDS_DETAILS_EMAIL, "E-mail:", "דוא\"ל:"},
    {IDS_DETAILS_ADDRESS, "Address:", "כתובת:"},
    {IDS_DETAILS_INFO, "Additional Data:", "מידע נוסף:"},
    {IDS_DETAILS_COUNTS, "Number of Guests", "מספר אורחים"},
    {IDS_DETAILS_INVITED, "Invited", "מוזמנים"},
    {IDS_DETAILS_COMING, "Coming", "מגיעים"},
    {IDS_DETAILS_LOCATION_GROUP, "Guests location", "מיקום האורחים"},
    {IDS_DETAILS_TABLE_NUMBER, "Table Number", "מספר שולחן"},
    {IDS_DETAILS_LOCATION, "Location", "מיקום"},
    {IDS_DETAILS_CHANGE_TABLE, "Change Table", "החלפת שולחן"},
    {IDS_DETAILS_KIDS, "Kids", "ילדים"},
    {IDS_DETAILS_NO_GUEST, "Choose a guest in the list to see and change the guest's details here.",
     "בחרו אורח ברשימה כדי לראות ולשנות כאן את פרטיו."},
    {IDS_DETAILS_NOT_PLACED, "Not placed in the hall", "לא ממוקם באולם"},

    // The second page
    {IDS_DETAILS_GIFTS, "Gifts", "מתנות"},
    {IDS_DETAILS_GIFT_DESCRIPTION, "Description", "תיאור"},
    {IDS_DETAILS_GIFT_SUM, "Sum", "סכום"},
    {IDS_DETAILS_ADD_GIFT, "Add gift", "הוספת מתנה"},
    {IDS_DETAILS_INVITATIONS, "Invittations", "הזמנות"},
    {IDS_DETAILS_INVITATION_SENT, "Invitation was sent", "ההזמנה נשלחה"},
    {IDS_DETAILS_INVITATION_COUNT, "Number of invitations for this family",
     "מספר ההזמנות למשפחה זו"},
    {IDS_DETAILS_APPROVAL, "Invitations Approval", "אישור הגעה"},
    {IDS_DETAILS_GUEST_CODE, "Guest code:", "קוד מוזמן:"},
    {IDS_DETAILS_SEND_APPROVAL, "Send approval details to this guest",
     "שליחת פרטי אישור ההגעה לאורח זה"},
    {IDS_DETAILS_TRANSPORT, "Transportation", "הסעות"},
    {IDS_DETAILS_TRANSPORT_HAS, "This transportation has %d guests.", "בהסעה זו %d אורחים."},
    {IDS_DETAILS_TRANSPORT_WITH_GUEST, "Including this guest this transportation has %d guests.",
     "כולל אורח זה יהיו בהסעה זו %d אורחים."},
    {IDS_DETAILS_RESTRICTIONS, "Restrictions List", "רשימת הגבלות"},
    {IDS_DETAILS_SEND_SMS, "Send SMS", "שליחת SMS"},
    {IDS_TRANSPORT_NONE, "No transportation", "ללא הסעה"},
    {IDS_TRANSPORT_BRIDE, "1 - Transportation for brides guests", "1 - הסעה לאורחי הכלה"},
    {IDS_TRANSPORT_GROOM, "2 - Transportation for grooms guests", "2 - הסעה לאורחי החתן"},
    {IDS_TRANSPORT_NUMBER, "%d - Transportation number %d", "%d - הסעה מספר %d"},
    {IDS_DETAILS_NO_EMAIL, "This guest has no e-mail address.",
     "לאורח זה אין כתובת דואר אלקטרוני."},
    {IDS_DETAILS_NO_EMAIL_CAPTION, "No e-mail address", "אין כתובת דואר אלקטרוני"},

    // Text messages
    {IDS_SMS_CAPTION, "Send SMS", "שליחת SMS"},
    {IDS_SMS_NO_PROGRAM,
     "No program for sending SMS messages is set up on this computer; nothing was sent.",
     "לא הוגדרה במחשב זה תוכנה לשליחת הודעות SMS; דבר לא נשלח."},
    {IDS_SMS_NO_MOBILE, "This guest has no mobile number; nothing was sent.",
     "לאורח זה אין מספר נייד; דבר לא נשלח."},

    // The Kids dialog
    {IDS_KIDS_TITLE, "Kids", "ילדים"},
    {IDS_KIDS_COUNT, "The number of kids in this family is:", "מספר הילדים במשפחה זו:"},
    {IDS_KIDS_BABY_CHAIR, "This family needs a baby chair.", "משפחה זו צריכה כיסא תינוק."},

    // "Multiple guests change"
    {IDS_MULTI_TITLE, "Multiple guests change", "שינוי אורחים מרובה"},
    {IDS_MULTI_INSTRUCTION,
     "Choose the guests you want to update. You can press the CTRL button in order to select "
     "more then one guest at once. Then press on the 'Update Guests' button",
     "בחרו את האורחים שברצונכם לעדכן. ניתן ללחוץ על מקש CTRL כדי לבחור יותר מאורח אחד בבת אחת. "
     "לאחר מכן לחצו על הכפתור 'עדכון אורחים'"},
    {IDS_MULTI_CHOOSE_ALL, "&Choose All", "&בחירת הכל"},
    {IDS_MULTI_INVITED, "Invited", "מוזמנים"},
    {IDS_MULTI_COMING, "coming", "מגיעים"},
    {IDS_MULTI_INVITATION_SENT, "Invitation sent", "ההזמנה נשלחה"},
    {IDS_MULTI_UPDATE, "Update Guests", "עדכון אורחים"},
    {IDS_MULTI_VALUES, "Values to give the chosen guests", "ערכים לאורחים שנבחרו"},
    {IDS_MULTI_UPDATED, "%d guests were changed.", "%d אורחים שונו."},

    // The guests view's menu
    {IDS_MENU_SHOW_DETAILS, "Guest details panel", "חלונית פרטי האורח"},
};
} // namespace

SStringEntries DetailsStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
