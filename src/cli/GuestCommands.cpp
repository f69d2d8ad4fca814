// The commands of the guests: adding, changing one field with the details panel's rules, deleting
// with the guests view's question, and the multiple guests update. Questions go through the run's
// prompt (--yes, --no, --cancel).

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DumpJson.h"
#include "edits/GuestDetailsEdits.h"
#include "edits/GuestEdits.h"
#include "model/Guest.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <optional>
#include <ostream>

using Edits::EGuestField;
using nlohmann::json;

namespace
{
// How set-guest takes a field's value.
enum class EKind
{
    Name,     // text; the names rule
    Text,     // text as given
    Group,    // the name of an existing group, or empty
    Relation, // a relation word of the interface language, or empty
    Invited,  // a count; the counts rule
    Coming,   // a count; the counts rule
    Count,    // a whole number from 0 to the largest count
    Flag,     // 0 or 1
    Status,   // 0, 1 or 2; the status rule
    Transport,
    Table, // a table id; the table rule with its questions
};

struct SField
{
    const char* key; // the key "dump --json" uses
    EKind kind;
    EGuestField field; // the guest field of Text, Relation, Group, Count, Flag and Transport
};

const SField kFields[] = {
    {"firstName", EKind::Name, EGuestField::FirstName},
    {"familyName", EKind::Name, EGuestField::FamilyName},
    {"group", EKind::Group, EGuestField::Group},
    {"relation", EKind::Relation, EGuestField::Relation},
    {"phone", EKind::Text, EGuestField::Phone},
    {"mobile", EKind::Text, EGuestField::Mobile},
    {"email", EKind::Text, EGuestField::Email},
    {"address", EKind::Text, EGuestField::Address},
    {"info", EKind::Text, EGuestField::Info},
    {"invited", EKind::Invited, EGuestField::Invited},
    {"coming", EKind::Coming, EGuestField::Coming},
    {"kids", EKind::Count, EGuestField::Kids},
    {"childSeat", EKind::Flag, EGuestField::ChildSeat},
    {"status", EKind::Status, EGuestField::Status},
    {"invitationSent", EKind::Flag, EGuestField::InvitationSent},
    {"invitations", EKind::Count, EGuestField::Invitations},
    {"transportation", EKind::Transport, EGuestField::Transportation},
    {"tableId", EKind::Table, EGuestField::Transportation}, // the table rule, not a field
};

const SField* FindField(const std::string& key)
{
    for (const SField& field : kFields)
        if (key == field.key)
            return &field;
    return nullptr;
}

int NumberIn(const std::string& text, const std::string& what, int minimum, int maximum)
{
    const int value = CCliArgs::ParseInt(text, what);
    if (value < minimum || value > maximum)
        throw SCliUsageError{what + " must be from " + std::to_string(minimum) + " to " +
                             std::to_string(maximum)};
    return value;
}

// The relation words of the interface language, and empty for none.
void CheckRelation(const std::string& relation)
{
    if (relation.empty() || relation == LoadString(IDS_RELATION_BRIDE) ||
        relation == LoadString(IDS_RELATION_GROOM) || relation == LoadString(IDS_RELATION_MUTUAL))
        return;
    throw SCliUsageError{"the relation must be \"" + LoadString(IDS_RELATION_BRIDE) + "\", \"" +
                         LoadString(IDS_RELATION_GROOM) + "\", \"" +
                         LoadString(IDS_RELATION_MUTUAL) + "\" or empty"};
}

// An existing group's name, or empty; otherwise the status to exit with (kExitOk when fine).
int CheckGroup(CCliContext& context, const std::string& group)
{
    if (group.empty() || context.Doc().FindGroup(group) != nullptr)
        return kExitOk;
    return context.Fail(kExitNotFound, "no group " + group);
}

CGuest* FindGuest(CCliContext& context, const std::string& id)
{
    return context.Doc().FindGuestByUniqueId(CCliArgs::ParseInt(id, "a guest's unique id"));
}

void PrintGuest(CCliContext& context, const CGuest& guest)
{
    if (context.Json())
        context.PrintJson({{"guest", DumpGuestJson(guest)}});
    else
        context.Out() << guest.GetUniqueId() << "\t" << guest.GetDisplayName() << std::endl;
}
} // namespace

int RunAddGuest(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<std::string> family = args.Option("--family");
    const std::optional<std::string> group = args.Option("--group");
    const std::optional<std::string> relation = args.Option("--relation");
    const std::optional<int> invited = args.IntOption("--invited", 0, Edits::kMaxGuestCount);
    const std::pair<const char*, EGuestField> texts[] = {{"--phone", EGuestField::Phone},
                                                         {"--mobile", EGuestField::Mobile},
                                                         {"--email", EGuestField::Email},
                                                         {"--address", EGuestField::Address}};
    std::vector<std::pair<EGuestField, std::string>> values;
    for (const auto& [option, field] : texts)
        if (std::optional<std::string> value = args.Option(option))
            values.emplace_back(field, *value);
    const std::string firstName = args.Positionals(1).front();
    if (relation)
        CheckRelation(*relation);
    // Checked before the guest is made, so a refusal adds nothing.
    if (group)
        if (const int status = CheckGroup(context, *group); status != kExitOk)
            return status;

    CNewOrvDoc& doc = context.Doc();
    CGuest* guest =
        Edits::AddGuest(doc, TrimSpaces(firstName), TrimSpaces(family.value_or("")), nullptr);
    if (group)
        values.emplace_back(EGuestField::Group, *group);
    if (relation)
        values.emplace_back(EGuestField::Relation, *relation);
    for (const auto& [field, value] : values)
        Edits::EditGuestField(doc, guest, field, value, nullptr);
    if (invited)
        Edits::SetGuestInvited(doc, guest, *invited, nullptr);
    if (context.Json())
        context.PrintJson({{"guest", DumpGuestJson(*guest)}});
    else
        context.Out() << guest->GetUniqueId() << std::endl;
    return kExitOk;
}

int RunSetGuest(CCliContext& context)
{
    const std::vector<std::string> positionals = CCliArgs(context.Args()).Positionals(3);
    const std::string& id = positionals[0];
    const std::string& value = positionals[2];
    const SField* field = FindField(positionals[1]);
    if (field == nullptr)
        throw SCliUsageError{"unknown guest field " + positionals[1]};

    // The value first: a malformed one is bad usage whether the guest exists or not.
    int number = 0;
    switch (field->kind)
    {
    case EKind::Relation:
        CheckRelation(value);
        break;
    case EKind::Invited:
    case EKind::Coming:
    case EKind::Count:
        number = NumberIn(value, field->key, 0, Edits::kMaxGuestCount);
        break;
    case EKind::Flag:
        number = NumberIn(value, field->key, 0, 1);
        break;
    case EKind::Status:
        number = NumberIn(value, field->key, CGuest::kStatusUnknown, CGuest::kStatusNotComing);
        break;
    case EKind::Transport:
        number = NumberIn(value, field->key, 0, Edits::kTransportCount);
        break;
    case EKind::Table:
        number = CCliArgs::ParseInt(value, "a table id");
        break;
    default:
        break;
    }

    CNewOrvDoc& doc = context.Doc();
    CGuest* guest = FindGuest(context, id);
    if (guest == nullptr)
        return context.Fail(kExitNotFound, "no guest with unique id " + id);

    switch (field->kind)
    {
    case EKind::Name:
        if (field->field == EGuestField::FirstName)
            Edits::SetGuestNames(doc, guest, value, guest->GetFamilyName(), nullptr);
        else
            Edits::SetGuestNames(doc, guest, guest->GetName(), value, nullptr);
        break;
    case EKind::Group:
        if (const int status = CheckGroup(context, value); status != kExitOk)
            return status;
        Edits::EditGuestField(doc, guest, field->field, value, nullptr);
        break;
    case EKind::Text:
    case EKind::Relation:
        Edits::EditGuestField(doc, guest, field->field, value, nullptr);
        break;
    case EKind::Invited:
        Edits::SetGuestInvited(doc, guest, number, nullptr);
        break;
    case EKind::Coming:
        // The panel disables "Coming" for a guest who is not coming; seats and totals would
        // count people who said they will not come.
        if (guest->IsNotComing() && number > 0)
            return context.Fail(kExitRefused, guest->GetDisplayName() +
                                                  " is not coming; change the status first");
        Edits::SetGuestComing(doc, guest, number, nullptr);
        break;
    case EKind::Status:
        Edits::SetGuestStatus(doc, guest, number, nullptr);
        break;
    case EKind::Table:
        switch (Edits::SetGuestTable(doc, guest, number, nullptr))
        {
        case Edits::ETableChange::NoSuchTable:
            return context.Fail(kExitNotFound, "no table " + value);
        case Edits::ETableChange::Refused:
            return context.Fail(kExitRefused, guest->GetDisplayName() + " was not seated");
        default:
            break;
        }
        break;
    default:
        Edits::EditGuestField(doc, guest, field->field, number, nullptr);
        break;
    }
    PrintGuest(context, *guest);
    return kExitOk;
}

int RunDeleteGuest(CCliContext& context)
{
    const std::string id = CCliArgs(context.Args()).Positionals(1).front();
    CNewOrvDoc& doc = context.Doc();
    CGuest* guest = FindGuest(context, id);
    if (guest == nullptr)
        return context.Fail(kExitNotFound, "no guest with unique id " + id);
    const std::string name = guest->GetDisplayName();
    if (!Edits::DeleteGuestWithQuestion(doc, guest))
        return context.Fail(kExitRefused, name + " was not deleted");
    if (context.Json())
        context.PrintJson({{"deleted", CCliArgs::ParseInt(id, "a guest's unique id")}});
    else
        context.Out() << id << "\t" << name << std::endl;
    return kExitOk;
}

int RunUpdateGuests(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<std::string> ids = args.Option("--ids");
    Edits::SGuestsUpdate update;
    update.group = args.Option("--group");
    update.relation = args.Option("--relation");
    update.invited = args.IntOption("--invited", 0, Edits::kMaxGuestCount);
    update.coming = args.IntOption("--coming", 0, Edits::kMaxGuestCount);
    if (const std::optional<int> sent = args.IntOption("--invitation-sent", 0, 1))
        update.invitationSent = *sent != 0;
    update.status = args.IntOption("--status", CGuest::kStatusUnknown, CGuest::kStatusNotComing);
    args.Positionals(0);
    if (!ids)
        throw SCliUsageError{"--ids names the guests to update"};
    if (update.IsEmpty())
        throw SCliUsageError{"give at least one value to update"};
    if (update.relation)
        CheckRelation(*update.relation);
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= ids->size())
    {
        const std::size_t comma = std::min(ids->find(',', start), ids->size());
        numbers.push_back(CCliArgs::ParseInt(ids->substr(start, comma - start), "--ids"));
        start = comma + 1;
    }

    // Every name is checked before anything changes.
    CNewOrvDoc& doc = context.Doc();
    std::vector<CGuest*> guests;
    for (int number : numbers)
    {
        CGuest* guest = doc.FindGuestByUniqueId(number);
        if (guest == nullptr)
            return context.Fail(kExitNotFound, "no guest with unique id " + std::to_string(number));
        if (std::find(guests.begin(), guests.end(), guest) == guests.end())
            guests.push_back(guest);
    }
    if (update.group)
        if (const int status = CheckGroup(context, *update.group); status != kExitOk)
            return status;

    const int changed = Edits::UpdateGuests(doc, guests, update, nullptr);
    if (context.Json())
    {
        json updated = json::array();
        for (const CGuest* guest : guests)
            updated.push_back(DumpGuestJson(*guest));
        context.PrintJson({{"changed", changed}, {"guests", updated}});
    }
    else
        context.Out() << FormatText(LoadString(IDS_MULTI_UPDATED), {std::to_string(changed)})
                      << std::endl;
    return kExitOk;
}
