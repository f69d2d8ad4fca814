// The texts of the money screens: the expenses with their payments, the budget offers and
// combinations, and the gifts. "New expense" ends up in stored data.

#include "platform/strings/StringAreas.h"

#include <iterator>

namespace
{
const SStringEntry kEntries[] = {
    // Expenses view
    {IDS_NEW_EXPENSE, "New expense", "הוצאה חדשה"},
    {IDS_EXPENSES_EXPLANATION,
     "On this screen, you keep the expenses of the event with their payments. The summary shows "
     "what everything costs, what has been paid so far and what is left to pay.",
     "במסך זה מנהלים את הוצאות האירוע ואת התשלומים שלהן. הסיכום מראה כמה הכול עולה, כמה שולם עד "
     "כה וכמה נותר לשלם."},
    {IDS_EXPENSE_ADD_BUTTON, "Add Expense", "הוספת הוצאה"},
    {IDS_EXPENSE_EDIT_BUTTON, "Edit Expense", "עריכת הוצאה"},
    {IDS_EXPENSE_DELETE_BUTTON, "Delete Expense", "מחיקת הוצאה"},
    {IDS_ADD_EXPENSE_TITLE, "Add New Expense", "הוספת הוצאה חדשה"},
    {IDS_EDIT_EXPENSE_TITLE, "Change Existing Expense", "שינוי הוצאה קיימת"},
    {IDS_DELETE_EXPENSE_QUESTION, "Are you sure you want to delete this expense?",
     "האם אתה בטוח שברצונך למחוק הוצאה זו?"},
    {IDS_DELETE_EXPENSE_CAPTION, "Delete expense?", "למחוק את ההוצאה?"},
    {IDS_EXPENSE_MENU_CHANGE, "Change Detail", "שינוי פרטים"},
    {IDS_EXPENSE_MENU_DELETE, "Delete Expence", "מחיקת הוצאה"},
    {IDS_EXPENSE_MENU_PAID_ALL, "Paid All", "שולם הכול"},
    {IDS_EXPENSE_COLUMN_NAME, "Expense", "הוצאה"},
    {IDS_EXPENSE_COLUMN_PAID, "Paid", "שולם"},
    {IDS_EXPENSE_COLUMN_DOLLARS, "Sum ($)", "דולרים"},
    {IDS_EXPENSE_COLUMN_SHEKELS, "Shekels", "שקלים"},
    {IDS_EXPENSE_COLUMN_PAYMENTS, "Payments", "תשלומים"},
    {IDS_COLUMN_COMMENTS, "Comments", "הערות"},
    {IDS_EXPENSE_TOOLTIP, "%s<br>Comments : %s<br>Sum : %.0f<br>Paid : %s",
     "%s<br>הערות : %s<br>סכום : %.0f<br>שולם : %s"},
    {IDS_EXPENSE_TOOLTIP_SHEKELS,
     "%s<br>Comments : %s<br>Who pays : %s<br>Payments : %d<br>Dollars : %d<br>Shekels : "
     "%d<br>Paid : %s",
     "%s<br>הערות : %s<br>משלם : %s<br>תשלומים : %d<br>דולרים : %d<br>שקלים : %d<br>שולם : %s"},
    {IDS_NOT_ENTERED, "Not Entered", "לא הוזן"},
    {IDS_CANNOT_CHANGE_HERE_CAPTION, "Cannot change this value from here!",
     "לא ניתן לשנות ערך זה מכאן!"},
    {IDS_SUM_HAS_PAYMENTS_TEXT,
     "This expense has few offers, you can update\r\nthe offers only by pressing on \"Edit "
     "Expense\"",
     "להוצאה זו כמה תשלומים, ניתן לעדכן\r\nאת התשלומים רק בלחיצה על \"עריכת הוצאה\""},
    {IDS_COMMENTS_HAVE_LINES_TEXT,
     "This expense has few comments lines, you can update\r\nthe comments only by pressing on "
     "\"Edit Expense\"",
     "להוצאה זו כמה שורות הערות, ניתן לעדכן\r\nאת ההערות רק בלחיצה על \"עריכת הוצאה\""},
    {IDS_SUMMARY_TOTAL, "Total:", "סה\"כ:"},
    {IDS_SUMMARY_PAID, "Paid so far:", "שולם עד כה:"},
    {IDS_SUMMARY_LEFT, "Left to pay:", "נותר לשלם:"},
    {IDS_SUMMARY_SHEKELS, "Shekels:", "שקלים:"},
    {IDS_SUMMARY_DOLLARS, "Dollars:", "דולרים:"},
    {IDS_SUMMARY_RATE, "Dollar rate:", "שער הדולר:"},
    {IDS_SUMMARY_DOLLARS_IN_SHEKELS, "Dollars in shekels:", "הדולרים בשקלים:"},
    {IDS_SUMMARY_TITLE, "Summary", "סיכום"},

    // Expense and payment dialogs
    {IDS_EXPENSE_DETAIL_LABEL, "Expence detail:", "פרטי ההוצאה:"},
    {IDS_COMMENTS_LABEL, "Comments:", "הערות:"},
    {IDS_WHO_PAYS_LABEL, "Who pays:", "מי משלם:"},
    {IDS_PAYMENTS_LABEL, "Payments:", "תשלומים:"},
    {IDS_PAYMENT_COLUMN_SUM, "Sum", "סכום"},
    {IDS_PAYMENT_EDIT_BUTTON, "Edit Payment", "עריכת תשלום"},
    {IDS_PAYMENT_ADD_BUTTON, "Add Payment", "הוספת תשלום"},
    {IDS_PAYMENT_CLEAR_BUTTON, "Clear Payment", "ניקוי תשלום"},
    {IDS_PAYMENT_TITLE, "Add/Edit payment", "הוספת/עריכת תשלום"},
    {IDS_PAYMENT_SUM_LABEL, "Payment sum ($):", "סכום התשלום ($):"},
    {IDS_PAYMENT_DOLLARS_LABEL, "Sum in dollars ($):", "סכום בדולרים ($):"},
    {IDS_PAYMENT_SHEKELS_LABEL, "Sum in shekels:", "סכום בשקלים (₪):"},
    {IDS_PAYMENT_WAS_PAID, "Was paid", "שולם"},
    {IDS_PAYMENT_DATE_LABEL, "Payment date:", "תאריך התשלום:"},
    {IDS_CHOOSE_DATE_BUTTON, "Chose Date", "בחירת תאריך"},
    {IDS_CALENDAR_TITLE, "Payment date", "תאריך התשלום"},
    {IDS_TOO_MANY_PAYMENTS_TEXT, "An expense holds at most ten payments.",
     "להוצאה יכולים להיות לכל היותר עשרה תשלומים."},
    {IDS_TOO_MANY_PAYMENTS_CAPTION, "No room for another payment", "אין מקום לתשלום נוסף"},
    {IDS_NO_DATE, "No date", "ללא תאריך"},

    // Budget view
    {IDS_BUDGET_EXPLANATION,
     "On this screen, you collect the price offers of the suppliers by category and compare up to "
     "three combinations of them. Select an offer and move it into the combination shown.",
     "במסך זה אוספים את הצעות המחיר של הספקים לפי קטגוריות ומשווים עד שלושה צירופים שלהן. בחרו "
     "הצעה והעבירו אותה לצירוף המוצג."},
    {IDS_CATEGORIES_LABEL, "Categories", "קטגוריות"},
    {IDS_FIRST_COMBINATION, "First Combination", "צירוף ראשון"},
    {IDS_SECOND_COMBINATION, "Second Combination", "צירוף שני"},
    {IDS_THIRD_COMBINATION, "Third Combination", "צירוף שלישי"},
    {IDS_OFFER_COLUMN_SUM, "Sum", "סכום"},
    {IDS_OFFER_COLUMN_OFFERS, "Offers", "הצעות"},
    {IDS_BUDGET_TOTAL, "Total %d", "סה\"כ %d"},
    {IDS_BUDGET_LIMIT_LABEL, "Budget limit:", "מגבלת תקציב:"},
    {IDS_TIP_MOVE_RIGHT, "Press this button to move the selected offer from left to right",
     "לחצו על כפתור זה כדי להעביר את ההצעה הנבחרת מימין לשמאל"},
    {IDS_TIP_MOVE_BACK, "Move the selected offer back to the offers repository",
     "החזרת ההצעה הנבחרת למאגר ההצעות"},
    {IDS_TIP_MOVE_ALL_BACK, "Move all offers back to offers repository",
     "החזרת כל ההצעות למאגר ההצעות"},
    {IDS_TIP_ADD_OFFER, "Add an offer to the offers repository", "הוספת הצעה למאגר ההצעות"},
    {IDS_TIP_DELETE_OFFER, "Delete an offer from offers repository", "מחיקת הצעה ממאגר ההצעות"},
    {IDS_TIP_EDIT_OFFER, "Update offer details", "עדכון פרטי ההצעה"},
    {IDS_TIP_ADD_CATEGORY, "Add new category.<br>After adding a category you can add offers to it.",
     "הוספת קטגוריה חדשה.<br>לאחר הוספת קטגוריה ניתן להוסיף לה הצעות."},
    {IDS_TIP_RENAME_CATEGORY, "Rename category", "שינוי שם הקטגוריה"},
    {IDS_TIP_DELETE_CATEGORY, "Delete selected category\nAll offers in it will also be deleted.",
     "מחיקת הקטגוריה הנבחרת\nכל ההצעות שבה יימחקו גם הן."},
    {IDS_TIP_BUDGET_TOTAL,
     "In this cell you see the updated cost of the wedding.<br>The cost is updated each time you "
     "change the offers that exist in this combination.",
     "בתא זה מוצגת העלות המעודכנת של החתונה.<br>העלות מתעדכנת בכל פעם שמשנים את ההצעות שבצירוף "
     "זה."},
    {IDS_TIP_BUDGET_LIMIT, "Limit combination sum", "הגבלת סכום הצירוף"},
    {IDS_ADD_OFFER_BUTTON, "Add Offer", "הוספת הצעה"},
    {IDS_EDIT_OFFER_BUTTON, "Edit Offer", "עריכת הצעה"},
    {IDS_DELETE_OFFER_BUTTON, "Delete Offer", "מחיקת הצעה"},
    {IDS_ADD_CATEGORY_BUTTON, "New Category", "קטגוריה חדשה"},
    {IDS_RENAME_CATEGORY_BUTTON, "Rename Category", "שינוי שם קטגוריה"},
    {IDS_DELETE_CATEGORY_BUTTON, "Delete Category", "מחיקת קטגוריה"},
    {IDS_DELETE_OFFER_QUESTION, "Do you want to delete this offer?", "האם ברצונך למחוק הצעה זו?"},
    {IDS_DELETE_OFFER_CAPTION, "Delete offer", "מחיקת הצעה"},
    {IDS_DELETE_CATEGORY_QUESTION,
     "Deleting a category will delete all the offers that reside under it.\r\nDo you want to "
     "delete?",
     "מחיקת קטגוריה תמחק את כל ההצעות שנמצאות בה.\r\nהאם למחוק?"},
    {IDS_DELETE_CATEGORY_CAPTION, "Delete Category", "מחיקת קטגוריה"},
    {IDS_SAME_CATEGORY_QUESTION,
     "In this combination you already have an offer from same category named \"%s\" \r\nDo you "
     "want to move also this offer?",
     "בצירוף זה כבר קיימת הצעה מאותה קטגוריה בשם \"%s\" \r\nהאם להעביר גם הצעה זו?"},
    {IDS_SAME_CATEGORY_CAPTION, "An offer from this category already exists!",
     "כבר קיימת הצעה מקטגוריה זו!"},
    {IDS_OVER_LIMIT_QUESTION,
     "The sum of all expences is over the limit defined below (%d).\r\nAre you sure you want to "
     "add it?",
     "סכום כל ההוצאות גבוה מהמגבלה שהוגדרה למטה (%d).\r\nהאם אתה בטוח שברצונך להוסיף אותה?"},
    {IDS_OVER_LIMIT_CAPTION, "Expences exceeds budget limit", "ההוצאות חורגות ממגבלת התקציב"},
    {IDS_CATEGORY_TIP, "Category : %s", "קטגוריה : %s"},
    {IDS_OFFER_TIP, "%s<br>Category : %s<br>Sum      : %d<br>Detail    : %s",
     "%s<br>קטגוריה : %s<br>סכום      : %d<br>פרטים    : %s"},
    {IDS_CATEGORY_EXISTS_TEXT, "A category named \"%s\" already exists.",
     "כבר קיימת קטגוריה בשם \"%s\"."},
    {IDS_CATEGORY_EXISTS_CAPTION, "Category already exists", "הקטגוריה כבר קיימת"},
    {IDS_MOVE_RIGHT_BUTTON, "Move to combination", "העברה לצירוף"},
    {IDS_MOVE_BACK_BUTTON, "Move back", "החזרה"},
    {IDS_MOVE_ALL_BACK_BUTTON, "Move all back", "החזרת הכול"},
    {IDS_BUDGET_OVER_LIMIT_MARK, "Over the budget limit (%d)", "חריגה ממגבלת התקציב (%d)"},

    // Offer and category dialogs
    {IDS_ADD_OFFER_TITLE, "Add Offer", "הוספת הצעה"},
    {IDS_EDIT_OFFER_TITLE, "Change offer details", "שינוי פרטי ההצעה"},
    {IDS_OFFERER_NAME_LABEL, "Offerer name:", "שם המציע:"},
    {IDS_OFFER_AMOUNT_GROUP, "Offer amount", "סכום ההצעה"},
    {IDS_OFFER_FIXED, "Fixed", "סכום קבוע"},
    {IDS_OFFER_PER_GUEST, "Per guest", "לאורח"},
    {IDS_OFFER_FOR_INVITED, "For %d guests (currently in the list)",
     "עבור %d אורחים (כרגע ברשימה)"},
    {IDS_OFFER_FOR_OTHER, "For other number of guests", "עבור מספר אורחים אחר"},
    {IDS_OFFER_TOTAL_LABEL, "Total:", "סה\"כ:"},
    {IDS_OFFER_CATEGORY_LABEL, "Category:", "קטגוריה:"},
    {IDS_FILL_ALL_MANDATORY, "Please fill all mandatory details", "נא למלא את כל פרטי החובה"},
    {IDS_FILL_OFFER_SUM, "Please fill the offer sum.", "נא למלא את סכום ההצעה."},
    {IDS_NEW_CATEGORY_TITLE, "New Category", "קטגוריה חדשה"},
    {IDS_RENAME_CATEGORY_TITLE, "Rename category", "שינוי שם קטגוריה"},
    {IDS_CATEGORY_NAME_LABEL, "Category name:", "שם הקטגוריה:"},

    // Gifts view and the gift dialog
    {IDS_GIFTS_EXPLANATION,
     "On this screen, you enter the gift received from each guest. Press F2 or Enter to edit the "
     "selected column in place; the totals show the money received.",
     "במסך זה מזינים את המתנה שהתקבלה מכל אורח. לחצו F2 או Enter כדי לערוך את העמודה הנבחרת "
     "במקום; הסיכומים מראים את הכסף שהתקבל."},
    {IDS_GIFT_COLUMN_DESCRIPTION, "Gift description", "תיאור המתנה"},
    {IDS_GIFT_COLUMN_DOLLARS, "Dollars", "דולרים"},
    {IDS_GIFT_COLUMN_SHEKELS, "Shekels", "שקלים"},
    {IDS_GIFT_COLUMN_TOTAL, "Total for guest", "סה\"כ לאורח"},
    {IDS_GIFT_EDIT_BUTTON, "Edit Gift", "עריכת מתנה"},
    {IDS_GIFT_DELETE_BUTTON, "Delete Gift", "מחיקת מתנה"},
    {IDS_GIFT_SEARCH_BUTTON, "Search (Ctrl+F)", "חיפוש (Ctrl+F)"},
    {IDS_GIFT_MENU_ADD, "Add gift ...", "הוספת מתנה ..."},
    {IDS_NO_GIFT_TEXT, "No gift was entered for this guest", "לא הוזנה מתנה עבור אורח זה"},
    {IDS_NO_GIFT_CAPTION, "No gift for this guest", "אין מתנה לאורח זה"},
    {IDS_DELETE_GIFT_QUESTION, "Are you sure you want to delete this gift?",
     "האם אתה בטוח שברצונך למחוק מתנה זו?"},
    {IDS_DELETE_GIFT_CAPTION, "Delete gift?", "למחוק את המתנה?"},
    {IDS_GIFT_TOOLTIP,
     "%s<br>Gift   : %s<br>Comments : %s<br>Sum : %.0f<br><br>Press F2 or Enter to edit the "
     "selected column.",
     "%s<br>מתנה   : %s<br>הערות : %s<br>סכום : %.0f<br><br>לחצו F2 או Enter כדי לערוך את העמודה "
     "הנבחרת."},
    {IDS_GIFT_TOTAL_SHEKELS, "Shekels total:", "סה\"כ שקלים:"},
    {IDS_GIFT_TOTAL_DOLLARS, "Dollars total:", "סה\"כ דולרים:"},
    {IDS_GIFT_TOTAL_RECEIVED, "Total received:", "סה\"כ התקבל:"},
    {IDS_GIFT_TITLE, "Add/Edit gift", "הוספת/עריכת מתנה"},
    {IDS_GIFT_DESCRIPTION_LABEL, "Description:", "תיאור:"},
    {IDS_GIFT_COMMENT_LABEL, "Comment:", "הערה:"},
    {IDS_GIFT_MONEY_LABEL, "Money gift ($):", "מתנה בכסף:"},
    {IDS_GIFT_GUEST_LABEL, "Gift of %s", "המתנה של %s"},
    {IDS_GIFT_SEARCH_TITLE, "Search guest", "חיפוש אורח"},
    {IDS_GIFT_SEARCH_LABEL, "Guest name:", "שם האורח:"},
};
} // namespace

SStringEntries MoneyStrings()
{
    return {std::begin(kEntries), std::end(kEntries)};
}
