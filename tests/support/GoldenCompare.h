#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// Compares a produced file with its reference byte for byte. Fails on a missing reference, a
// length mismatch or any differing byte, and names the first difference with its line and some
// context. With VELLORAN_UPDATE_GOLDEN=1 in the environment it writes the reference instead (after
// an intended change; review the difference before committing it).
::testing::AssertionResult MatchesGolden(const std::filesystem::path& reference,
                                         const std::string& actual);
