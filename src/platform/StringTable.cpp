#include "platform/StringTable.h"

#include <algorithm>
#include <iterator>

#include "platform/Language.h"
#include "platform/Trace.h"

namespace
{
struct SEntry
{
    int id;
    const char* english;
    const char* hebrew;
};

// Sorted by id. Texts that end up in stored files (relation words, default names) must stay the
// same in every build: stored data compare against them.
const SEntry kEntries[] = {
    {IDS_NEW_GUEST, "New Guest", "אורח חדש"},
    {IDS_APPROVED, "Approved", "אישר הגעה"},
    {IDS_UNSEATED_GUESTS, "Unseated Guests", "אורחים ללא שולחן"},
    {IDS_RELATION_BRIDE, "Bride", "כלה"},
    {IDS_RELATION_GROOM, "Groom", "חתן"},
    {IDS_RELATION_MUTUAL, "Mutual", "משותף"},
    {IDS_NEW_GROUP, "New group", "קבוצה חדשה"},
    {IDS_YES, "Yes", "כן"},
    {IDS_NO, "No", "לא"},
    {IDS_APP_TITLE, "The software that will make your wedding easy", "התוכנה שתקל על החתונה שלכם"},
    {IDS_PRODUCT_NAME_FRAME, "Velloran", "Velloran"},
    {IDS_NOT_MAPPED, "Not mapped", "לא ממופה"},
    {IDS_LANGUAGE_CHANGE_TEXT,
     "The interface language change will take effect \r\nthe next time you start the program.",
     "שינוי שפת הממשק ייכנס לתוקף \r\nבפעם הבאה שתפעילו את התוכנה."},
    {IDS_LANGUAGE_CHANGE_CAPTION, "Change language", "שינוי שפה"},
    {IDS_NEW_MEETING, "New meeting", "פגישה חדשה"},
    {IDS_EXAMPLE_TABLE_NAME, "High school - Example", "חברים מהתיכון - דוגמה"},
    {IDS_UNKNOWN, "Unknown", "לא ידוע"},
    {IDS_PARTLY, "Partly", "חלקית"},
    {IDS_NOT_COMING, "Not coming", "לא מגיע"},
    {IDS_MISSING_GUEST_NAME, "Missing guest name", "חסר שם אורח"},
    {IDS_TASKS_ROOT, "Tasks", "משימות"},
    {IDS_REALTIME_CHANGE_TEXT,
     "The change will be done after the program is restarted.\r\nReal-Time state is only relevant "
     "for the day of the event.\r\nFor more information see the programs web page.",
     "השינוי ייכנס לתוקף לאחר הפעלה מחדש של התוכנה.\r\nמצב 'זמן אמת' רלוונטי רק ליום האירוע.\r\n"
     "למידע נוסף ראו את אתר התוכנה."},
    {IDS_WEDDING_OF, "Wedding of %s and %s", "החתונה של %s ו%s"},
    {IDS_PRODUCT_NAME, "Velloran", "Velloran"},
    {IDS_EVENT, "Event", "אירוע"},
    {IDS_FILE_SAVE_FAILED, "The file \"%s\" could not be saved (%s).",
     "לא ניתן היה לשמור את הקובץ \"%s\" (%s)."},
    {IDS_FILE_REMOVE_FAILED, "The file \"%s\" could not be removed (%s).",
     "לא ניתן היה למחוק את הקובץ \"%s\" (%s)."},
    {IDS_SAVE_CHANGES_PROMPT_TEXT, "There are unsaved changes. Do you want to save them?",
     "ישנם שינוים בילתי שמורים. האם לשמור ?"},
    {IDS_SAVE_CHANGES_PROMPT_CAPTION, "Save changes?", "שמירת שינוים?"},
};

const SEntry* Find(int id)
{
    auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                               [](const SEntry& entry, int key) { return entry.id < key; });
    if (it == std::end(kEntries) || it->id != id)
        return nullptr;
    return &*it;
}
} // namespace

std::string LoadStringIn(int id, bool hebrew)
{
    const SEntry* entry = Find(id);
    if (entry == nullptr)
    {
        Trace("LoadString", "unknown string " + std::to_string(id));
        return {};
    }
    return hebrew ? entry->hebrew : entry->english;
}

std::string LoadString(int id) { return LoadStringIn(id, IsHebrewUi()); }

bool HasString(int id) { return Find(id) != nullptr; }

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> args)
{
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
        // A conversion: flags, width and precision, then the conversion letter.
        std::size_t j = i + 1;
        while (j < pattern.size() && std::string_view("-+ #0123456789.lh").find(pattern[j]) !=
                                         std::string_view::npos)
            ++j;
        if (j >= pattern.size())
        {
            out.append(pattern, i, std::string::npos);
            break;
        }
        if (next != args.end())
            out += *next++;
        i = j;
    }
    return out;
}
