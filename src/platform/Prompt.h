#pragma once

#include <string>

// The program's one message routine: every question and notice of the core goes through an
// IPrompt, so the GUI shows a message box, the CLI asks on the terminal (or answers from its
// options) and tests script the answers.

enum class EButtons : int
{
    Ok = 1,
    YesNo = 2,
    OkCancel = 4,
    YesNoCancel = 8,
    None = 16,
};

enum class EAnswer : int
{
    Ok = 1,
    Cancel = 2,
    Yes = 6,
    No = 7,
};

class IPrompt
{
public:
    virtual ~IPrompt() = default;

    // Texts are UTF-8. Returns one of the answers the button set offers.
    virtual EAnswer Ask(const std::string& text, const std::string& caption, EButtons buttons) = 0;
};

// Text and caption from the string table of the interface language.
EAnswer AskString(IPrompt& prompt, int textId, int captionId, EButtons buttons);
