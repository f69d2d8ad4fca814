#include "model/Date.h"

#include <ctime>

SDate SDate::Today()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return SDate(static_cast<short>(local.tm_year + 1900), static_cast<short>(local.tm_mon + 1),
                 static_cast<short>(local.tm_mday));
}
