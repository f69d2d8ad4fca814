#include "office/OfficeOpener.h"

#include "platform/Shell.h"

namespace
{
// LibreOffice's text import: field separator 9 (tab), text delimiter 34 ("), character set 76
// (UTF-8), data from line 1.
constexpr const char* kTabSeparatedFilter = "--infilter=Text - txt - csv (StarCalc):9,34,76,1";

OfficeLauncher& Launcher()
{
    static OfficeLauncher launcher;
    return launcher;
}
} // namespace

void SetOfficeLauncher(OfficeLauncher launcher)
{
    Launcher() = std::move(launcher);
}

SOfficeCommand OfficeOpenCommand(EOfficeProgram program, const std::filesystem::path& file,
                                 bool tabSeparated)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    if (ec)
        absolute = file;
    SOfficeCommand command;
    const std::string office = FindFirstOnPath({"soffice", "libreoffice"});
    if (!office.empty())
    {
        command.program = office;
        command.arguments.push_back(program == EOfficeProgram::Spreadsheet ? "--calc" : "--writer");
        if (tabSeparated && program == EOfficeProgram::Spreadsheet)
            command.arguments.push_back(kTabSeparatedFilter);
        command.arguments.push_back(absolute.string());
        return command;
    }
    const std::string opener = FindFirstOnPath({"xdg-open"});
    if (!opener.empty())
    {
        command.program = opener;
        command.arguments.push_back(absolute.string());
    }
    return command;
}

bool OpenInOfficeProgram(EOfficeProgram program, const std::filesystem::path& file,
                         bool tabSeparated)
{
    const SOfficeCommand command = OfficeOpenCommand(program, file, tabSeparated);
    if (command.program.empty())
        return false;
    if (Launcher())
        return Launcher()(command.program, command.arguments);
    return StartProgram(command.program, command.arguments);
}
