#pragma once

// The interface language, fixed once at start-up (before any window or document exists) and read
// everywhere a text, a default width or the layout direction depends on it.
enum class ELanguage : short
{
    Hebrew = 1,
    English = 2,
};

ELanguage GetUiLanguage();
void SetUiLanguage(ELanguage language);
inline bool IsHebrewUi()
{
    return GetUiLanguage() == ELanguage::Hebrew;
}
