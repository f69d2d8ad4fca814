#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

// Under the sanitizers: system libraries that keep allocations until exit are not our leaks, and
// a reported fault shows where it happened. The sanitizer runtimes ask these before main; the
// test programs are discovered per case, so no environment has to reach each one.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n"
           "leak:libdbus\n"
           "leak:libglib\n"
           "leak:libxerces-c\n";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

// Every test program runs with its own XDG folders, so no test ever touches the user's data or
// configuration.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    CTempDir home;
    setenv("HOME", home.Path().c_str(), 1);
    setenv("XDG_DATA_HOME", (home.Path() / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.Path() / "config").c_str(), 1);
    unsetenv("VELLORAN_TRACE");
    // Sharing passwords go to the private file, never into the keyring of the desktop running the
    // tests.
    setenv("VELLORAN_NO_KEYRING", "1", 1);
    return RUN_ALL_TESTS();
}
