#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Opening files in the office programs of the desktop: LibreOffice when it is installed
// ("soffice" or "libreoffice" on PATH, started with --calc or --writer), otherwise the desktop's
// handler (xdg-open). A tab-separated export is handed to LibreOffice with its text import filter
// (tab, double quote, UTF-8), so it is read as tab-separated text whatever its extension.

enum class EOfficeProgram
{
    Spreadsheet,
    WordProcessor,
};

struct SOfficeCommand
{
    std::string program; // empty when nothing installed can open the file
    std::vector<std::string> arguments;
};

// What would open the file (its path made absolute, so it is never taken as an option).
SOfficeCommand OfficeOpenCommand(EOfficeProgram program, const std::filesystem::path& file,
                                 bool tabSeparated);

// Starts that command, detached; false when no program could be started.
bool OpenInOfficeProgram(EOfficeProgram program, const std::filesystem::path& file,
                         bool tabSeparated);

// Tests only: what starts the command instead of the real program. An empty launcher restores
// the real one.
using OfficeLauncher =
    std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;
void SetOfficeLauncher(OfficeLauncher launcher);
