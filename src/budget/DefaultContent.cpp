#include "budget/DefaultContent.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Table.h"
#include "platform/Language.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <iterator>
#include <memory>

namespace
{
struct SText
{
    const char* english;
    const char* hebrew;
    int stringId; // when the text comes from the string table; 0 otherwise
};

std::string TextOf(const SText& text)
{
    if (text.stringId != 0)
        return LoadString(text.stringId);
    return IsHebrewUi() ? text.hebrew : text.english;
}

enum ECategory
{
    kCaterings,
    kBarServices,
    kHalls,
    kDjs,
    kPhotographers,
    kVideo,
    kCeremonyDesign,
    kLightings,
    kBridalSalon,
    kBands,
    kSolemnizer,
    kInvitations,
};

const SText kCategories[] = {
    {"Caterings", nullptr, IDS_CATEGORY_CATERINGS},
    {"Bar services", "שרותי בר", 0},
    {"Halls", "אולמות", 0},
    {"DJs", nullptr, IDS_CATEGORY_DJS},
    {"Photographers", nullptr, IDS_CATEGORY_PHOTOGRAPHERS},
    {"Video", "וידאו", 0},
    {"Ceremony Design", "עיצוב חופה", 0},
    {"Lightings", "תאורה", 0},
    {"Bridal salon", "סלוני כלות", 0},
    {"Bands", nullptr, IDS_CATEGORY_BANDS},
    {"Solemnizer", "רבנים", 0},
    {"Invitations", "הזמנות", 0},
};

struct SOffer
{
    SText name;
    ECategory category;
    int shekels;
};

const SOffer kOffers[] = {
    {{"Food Co Catering", "טעם וצבע", 0}, kCaterings, 10000},
    {{"Frout of the earth catering", "פרי הארץ", 0}, kCaterings, 20000},
    {{"Photographers inc", "פוטו פיניש צילום ארועים", 0}, kPhotographers, 3000},
    {{"Musica Plus", "מקסימום מוסיקה", 0}, kDjs, 5000},
    {{"Blue River Band", "הגבעתרון", 0}, kBands, 5002},
};

// The Hebrew edition's sixth example offer: an invitations printer.
constexpr const char* kHebrewInvitationsOfferName = "דפוס הזמנות אלגנט";
constexpr const char* kHebrewInvitationsOfferInfo =
    "הזמנות מעוצבות לחתונה בהדפסה איכותית.\r\nמשלוח עד הבית תוך שבוע.";
constexpr int kHebrewInvitationsOfferShekels = 400;

const char* const kEnglishExpenses[] = {"Catering and Services",
                                        "Hall",
                                        "Photographer Fee",
                                        "Videographer Fee",
                                        "Bride's Dress & Alterations",
                                        "DJ",
                                        "Active bar",
                                        "Make up",
                                        "Hair stylist",
                                        "Jewelry",
                                        "Solemnizer,Priest or Rabbi",
                                        "Tips",
                                        "Marriage License",
                                        "Flowers",
                                        "Wedding Coordinator",
                                        "Ballons",
                                        "Security",
                                        "Decoration",
                                        "Band",
                                        "Web site",
                                        "Bride's Ring",
                                        "Groom's Ring",
                                        "Hair & Makeup",
                                        "Invitations & Reply Cards",
                                        "Car Design",
                                        "Parking Space",
                                        "Fire Works",
                                        "Hotel Room",
                                        "Attendants' Gifts",
                                        "Beverages and Bartender",
                                        "Bride's Bouquet",
                                        "Bride's Headpiece and/or Veil",
                                        "Bride's Shoes and Accessories",
                                        "Bridesmaids' Bouquets",
                                        "Ceremony Decorations",
                                        "Ceremony Music",
                                        "Ceremony Site Fee",
                                        "Coktail Hour Music",
                                        "Groom's Attire",
                                        "Groom's Shoes and Accessories",
                                        "Guest Favors",
                                        "Honeymoon Lodging",
                                        "Honeymoon Spending Money",
                                        "Honeymoon Travel",
                                        "Officiant Fee",
                                        "Parents' Gifts",
                                        "Reception Centerpiece & Decorations",
                                        "Reception Music",
                                        "Reception Site Fee & Rentals",
                                        "Thank You Notes & Announcements",
                                        "Wedding Cake & Cutting Fee",
                                        "Wedding Insurance",
                                        "Wedding Photo Album",
                                        "Wedding Programs"};

const char* const kHebrewExpenses[] = {"קיטרינג",
                                       "אולם",
                                       "צלם",
                                       "צילום וידאו",
                                       "תאורה",
                                       "שמלת כלה",
                                       "DJ",
                                       "בר אקטיבי",
                                       "איפור לכלה",
                                       "תסרוקת",
                                       "תכשיטים לכלה",
                                       "טבעת לכלה",
                                       "טבעת לחתן",
                                       "טבעת אירוסים",
                                       "מפיק לארוע",
                                       "טיפ למלצרים ולברמנים",
                                       "חליפת חתן",
                                       "נעלים לחתן",
                                       "נעלים לכלה",
                                       "בלונים למכוניות",
                                       "אבטחה",
                                       "קישוט החופה",
                                       "להקה",
                                       "אתר אינטרנט",
                                       "רבנות",
                                       "טיפ לרב",
                                       "הוצאת תעודת רווקות",
                                       "הזמנות",
                                       "קישוט לרכב",
                                       "זיקוקים",
                                       "ירח דבש",
                                       "מלון ליום החתונה",
                                       "זר כלה"};

struct SMeeting
{
    const char* subject;
    const char* contact;
    const char* job;
    const char* phone;
    const char* address;
    const char* comments;
};

const SMeeting kEnglishMeeting = {"Meeting with the caterer - Example",
                                  "Sam Carter",
                                  "Catering manager",
                                  "415-1234567",
                                  "Cakes avenue number 9",
                                  "Order bottles of wine\r\nTell the caterer how to make the meet"};
const SMeeting kHebrewMeeting = {
    "פגישת טעימות אצל הקיטרינג - דוגמה",
    "יוסי כהן",
    "מנהל הקיטרינג",
    "03-1234567",
    "רחוב העוגות 9, תל אביב",
    "לטעום את המנות העיקריות והקינוחים\r\nלבחור את היין לשולחנות\r\nלסגור את מספר המנות לילדים"};

const char* const kEnglishGroupPatterns[] = {"%s-Childhood friends",
                                             "%s-High School friends",
                                             "%s-University friends",
                                             "%s-Working place friends",
                                             "%s-Family",
                                             "%s-Other friends"};
const char* const kHebrewGroupPatterns[] = {"%s-חברים מהצבא",   "%s-חברי ילדות",
                                            "%s-חברים מהתיכון", "%s-חברים מהאוניברסיטה",
                                            "%s-חברים מהעבודה", "%s-משפחה"};
} // namespace

void CDefaultContent::CompleteEvent(CNewOrvDoc& doc)
{
    const bool hebrew = IsHebrewUi();

    if (doc.GetCategories().empty())
    {
        for (const SText& name : kCategories)
            doc.AddCategory(TextOf(name));
        for (const SOffer& offer : kOffers)
            doc.AddOffer(TextOf(offer.name), TextOf(kCategories[offer.category]), offer.shekels,
                         "");
        if (hebrew)
            doc.AddOffer(kHebrewInvitationsOfferName, TextOf(kCategories[kInvitations]),
                         kHebrewInvitationsOfferShekels, kHebrewInvitationsOfferInfo);
    }

    if (doc.GetExpenses().empty())
    {
        auto addExpense = [&doc](const char* name)
        {
            auto expense = std::make_unique<CExpence>(&doc);
            expense->SetName(name);
            expense->ClearPayments();
            doc.AddExpense(std::move(expense));
        };
        if (hebrew)
            for (const char* name : kHebrewExpenses)
                addExpense(name);
        else
            for (const char* name : kEnglishExpenses)
                addExpense(name);
    }

    if (doc.GetTables().empty())
    {
        doc.CreateUnseatedTable();
        doc.CreateTable(LoadString(IDS_EXAMPLE_TABLE_NAME), 1, CTable::kDefaultSeats);
    }

    if (doc.GetMeetings().empty())
    {
        const SMeeting& text = hebrew ? kHebrewMeeting : kEnglishMeeting;
        CMeeting* meeting = doc.AddMeeting();
        meeting->SetName(text.subject);
        meeting->SetContactName(text.contact);
        meeting->SetContactJob(text.job);
        meeting->SetContactPhone(text.phone);
        meeting->SetContactAddress(text.address);
        meeting->SetInfo(text.comments);
    }
}

int CDefaultContent::CreateDefaultGroups(CNewOrvDoc& doc, const std::string& brideName,
                                         const std::string& groomName)
{
    if (!doc.GetGroups().empty() || (brideName.empty() && groomName.empty()))
        return 0;
    std::string bride = brideName;
    std::string groom = groomName;
    if (bride == groom)
    {
        bride += " (" + LoadString(IDS_RELATION_BRIDE) + ") ";
        groom += " (" + LoadString(IDS_RELATION_GROOM) + ") ";
    }
    int made = 0;
    for (std::size_t i = 0; i < std::size(kEnglishGroupPatterns); ++i)
    {
        const std::string pattern =
            IsHebrewUi() ? kHebrewGroupPatterns[i] : kEnglishGroupPatterns[i];
        for (const std::string* name : {&groom, &bride})
        {
            if (name->empty())
                continue;
            doc.AddGroup(FormatText(pattern, {*name}));
            ++made;
        }
    }
    doc.Broadcast(HINT_GROUPS_CHANGED, nullptr);
    return made;
}
