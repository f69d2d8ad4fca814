#pragma once

// What every fuzz target does when an invariant breaks: say what broke and abort, so libFuzzer
// keeps the input.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Prints the broken invariant and the start of the detail (bytes outside printable ASCII
// escaped, so the message stays one readable line), then aborts.
[[noreturn]] inline void FuzzFail(const char* what, std::string_view detail = {})
{
    std::string shown;
    for (unsigned char c : detail.substr(0, 2000))
    {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, c < 0x20 || c >= 0x7F ? "\\x%02X" : "%c", c);
        shown += escaped;
    }
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, shown.c_str());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                              \
    do                                                                                             \
    {                                                                                              \
        if (!(condition))                                                                          \
            FuzzFail(#condition, detail);                                                          \
    } while (false)
