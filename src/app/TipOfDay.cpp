#include "app/TipOfDay.h"

#include "platform/StringTable.h"

#include <iterator>

namespace
{
const int kTips[] = {IDS_TIP_1, IDS_TIP_2, IDS_TIP_3, IDS_TIP_4,
                     IDS_TIP_5, IDS_TIP_6, IDS_TIP_7, IDS_TIP_8};
}

int CTipOfDay::Count()
{
    return static_cast<int>(std::size(kTips));
}

int CTipOfDay::Normalize(int tip)
{
    if (tip < 1)
        return 1;
    return (tip - 1) % Count() + 1;
}

std::string CTipOfDay::Text(int tip)
{
    return LoadString(kTips[Normalize(tip) - 1]);
}
