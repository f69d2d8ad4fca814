#include "platform/Language.h"

namespace
{
ELanguage g_language = ELanguage::English;
}

ELanguage GetUiLanguage()
{
    return g_language;
}

void SetUiLanguage(ELanguage language)
{
    g_language = language;
}
