#include "cli/CliPrompt.h"

#include <iostream>
#include <string>

namespace
{
bool Offers(EButtons buttons, EAnswer answer)
{
    switch (buttons)
    {
    case EButtons::Ok:
        return answer == EAnswer::Ok;
    case EButtons::YesNo:
        return answer == EAnswer::Yes || answer == EAnswer::No;
    case EButtons::OkCancel:
        return answer == EAnswer::Ok || answer == EAnswer::Cancel;
    case EButtons::YesNoCancel:
        return answer == EAnswer::Yes || answer == EAnswer::No || answer == EAnswer::Cancel;
    case EButtons::None:
        return false;
    }
    return false;
}

// Windows line breaks in the program's texts would print as stray carriage returns.
std::string PlainLines(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}
} // namespace

CCliPrompt::CCliPrompt(std::ostream& err, EPolicy policy, bool haveTerminal)
    : m_err(err), m_policy(policy), m_haveTerminal(haveTerminal)
{
}

EAnswer CCliPrompt::Ask(const std::string& text, const std::string& caption, EButtons buttons)
{
    m_err << PlainLines(caption) << ": " << PlainLines(text) << std::endl;
    if (buttons == EButtons::Ok || buttons == EButtons::None)
        return EAnswer::Ok; // a notice: nothing to decide

    EAnswer answer = EAnswer::Cancel;
    switch (m_policy)
    {
    case EPolicy::Yes:
        answer = Offers(buttons, EAnswer::Yes) ? EAnswer::Yes : EAnswer::Ok;
        break;
    case EPolicy::No:
        answer = Offers(buttons, EAnswer::No) ? EAnswer::No : EAnswer::Cancel;
        break;
    case EPolicy::Cancel:
        answer = Offers(buttons, EAnswer::Cancel) ? EAnswer::Cancel : EAnswer::No;
        break;
    case EPolicy::AskTerminal:
        if (m_haveTerminal)
            answer = AskTerminal(buttons);
        else
            answer = Offers(buttons, EAnswer::Cancel) ? EAnswer::Cancel : EAnswer::No;
        break;
    }
    if (answer == EAnswer::No || answer == EAnswer::Cancel)
        ++m_declined;
    return answer;
}

EAnswer CCliPrompt::AskTerminal(EButtons buttons)
{
    const char* choices = buttons == EButtons::YesNo      ? "[y]es/[n]o"
                          : buttons == EButtons::OkCancel ? "[o]k/[c]ancel"
                                                          : "[y]es/[n]o/[c]ancel";
    for (;;)
    {
        m_err << choices << "? " << std::flush;
        std::string line;
        if (!std::getline(std::cin, line))
            return Offers(buttons, EAnswer::Cancel) ? EAnswer::Cancel : EAnswer::No;
        const char c = line.empty() ? '\0' : static_cast<char>(std::tolower(line[0]));
        if (c == 'y' && Offers(buttons, EAnswer::Yes))
            return EAnswer::Yes;
        if (c == 'n' && Offers(buttons, EAnswer::No))
            return EAnswer::No;
        if (c == 'o' && Offers(buttons, EAnswer::Ok))
            return EAnswer::Ok;
        if (c == 'c' && Offers(buttons, EAnswer::Cancel))
            return EAnswer::Cancel;
    }
}
