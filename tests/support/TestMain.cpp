#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

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
    return RUN_ALL_TESTS();
}
