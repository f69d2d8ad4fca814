#pragma once

#include "platform/Prompt.h"

#include <iosfwd>

// The CLI's message routine. Every message is printed to standard error with its caption. A
// question is answered by the run's answer option (--yes, --no, --cancel); without one it is
// asked on the terminal, and with no terminal answered Cancel (No where there is no Cancel).
class CCliPrompt : public IPrompt
{
public:
    enum class EPolicy
    {
        AskTerminal,
        Yes,    // Yes, or OK
        No,     // No, or Cancel where there is no No
        Cancel, // Cancel, or No where there is no Cancel
    };

    CCliPrompt(std::ostream& err, EPolicy policy, bool haveTerminal);

    EAnswer Ask(const std::string& text, const std::string& caption, EButtons buttons) override;

    // How many questions were declined (answered No or Cancel) during the run.
    int GetDeclinedCount() const { return m_declined; }

private:
    EAnswer AskTerminal(EButtons buttons);

    std::ostream& m_err;
    EPolicy m_policy;
    bool m_haveTerminal;
    int m_declined = 0;
};
