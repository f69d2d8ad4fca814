// The commands that create events and move the hall drawing in and out of hall draft files.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "edits/HallEdits.h"
#include "model/Shape.h"
#include "store/EventTypes.h"
#include "store/NewOrvDoc.h"

#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace
{
// A name option that must be given and not be empty.
std::string RequiredName(CCliArgs& args, const std::string& option)
{
    const std::optional<std::string> name = args.Option(option);
    if (!name || name->empty())
        throw SCliUsageError{option + " is required"};
    return *name;
}
} // namespace

int RunAddEvent(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<int> type = args.IntOption("--type", 0, CEventTypes::kTypeCount - 1);
    if (!type)
        throw SCliUsageError{"--type is required"};
    const std::optional<std::string> date = args.Option("--date");
    if (!date)
        throw SCliUsageError{"--date is required"};

    SNewEvent details;
    details.type = *type;
    details.date = CCliArgs::ParseDate(*date, "--date");
    details.brideFirstName = RequiredName(args, "--bride");
    if (*type == CEventTypes::kWedding)
        details.groomFirstName = RequiredName(args, "--groom");
    else
        details.groomFirstName = args.Option("--groom").value_or("");
    details.brideFamilyName = args.Option("--bride-family").value_or("");
    details.groomFamilyName = args.Option("--groom-family").value_or("");
    details.phone = args.Option("--phone").value_or("");
    details.eventName = args.Option("--name").value_or("");
    const std::optional<std::string> copyFrom = args.Option("--copy-from");
    details.createGroups = !args.Flag("--no-groups");
    args.Positionals(0);

    CNewOrvDoc& doc = context.Doc();
    if (copyFrom)
    {
        details.copyFrom = doc.FindEvent(*copyFrom);
        if (details.copyFrom == nullptr)
            return context.Fail(kExitNotFound, "no event " + *copyFrom);
    }

    CEventInfo* event = doc.AddEvent(details);
    if (event == nullptr)
        return kExitRefused;
    // The event was saved already; a failed save left it changed, so the run tries once more
    // and then reports it.
    if (context.Json())
        context.PrintJson({{"event",
                            {{"id", event->GetId()},
                             {"name", event->GetName()},
                             {"folder", event->GetFolder().string()}}}});
    else
        context.Out() << "New event: " << event->GetId() << " " << event->GetName() << std::endl;
    return kExitOk;
}

int RunExportHallDraft(CCliContext& context)
{
    const std::string file = CCliArgs(context.Args()).Positionals(1).front();
    if (file.empty())
        throw SCliUsageError{"the hall draft file name is empty"};
    CNewOrvDoc& doc = context.Doc();
    if (!Edits::ExportHallDraft(doc, file))
        return kExitRefused;
    context.Out() << doc.GetShapes().size() << " shapes written to " << file << std::endl;
    return kExitOk;
}

int RunImportHallDraft(CCliContext& context)
{
    const std::string file = CCliArgs(context.Args()).Positionals(1).front();
    if (file.empty())
        throw SCliUsageError{"the hall draft file name is empty"};
    std::error_code ignored;
    if (!fs::exists(file, ignored))
        return context.Fail(kExitNotFound, "no file " + file);
    CNewOrvDoc& doc = context.Doc();
    // A damaged file leaves the event as it is on disk: the run does not save.
    if (!Edits::ImportHallDraft(doc, file, nullptr))
        return kExitRefused;
    context.Out() << doc.GetShapes().size() << " shapes read from " << file << std::endl;
    return kExitOk;
}
