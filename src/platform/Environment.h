#pragma once

#include <filesystem>

// Locations the desktop prescribes.

// $XDG_DATA_HOME, or ~/.local/share when unset or not absolute.
std::filesystem::path XdgDataHome();

// $XDG_CONFIG_HOME, or ~/.config when unset or not absolute.
std::filesystem::path XdgConfigHome();

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

// A private temporary folder of this user (mode 0700) under the system temporary folder, created
// when missing; empty when it cannot be made safe.
std::filesystem::path PrivateTempFolder();
