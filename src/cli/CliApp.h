#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// velloran-cli [GLOBAL OPTIONS] COMMAND [COMMAND OPTIONS]
// Runs one command on the same core as the GUI and returns the exit status (see ECliExit).
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The usage text printed with a usage error.
std::string CliUsage();
