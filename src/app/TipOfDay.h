#pragma once

#include <string>

// The tips shown at start-up, numbered from 1.
class CTipOfDay
{
public:
    static int Count();
    // A tip number in 1..Count(): below 1 gives 1, past the last wraps to the start.
    static int Normalize(int tip);
    // The tip's text in the interface language.
    static std::string Text(int tip);
};
