#include "platform/Trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool IsTraceEnabled()
{
    static const bool enabled = []
    {
        const char* value = std::getenv("VELLORAN_TRACE");
        return value != nullptr && std::strcmp(value, "1") == 0;
    }();
    return enabled;
}

void Trace(const std::string& where, const std::string& detail)
{
    if (!IsTraceEnabled())
        return;
    std::string line = "WEDDING - " + (where.empty() ? detail : where + " " + detail) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}
