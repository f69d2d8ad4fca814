#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

EAnswer CScriptedPrompt::Ask(const std::string& text, const std::string& caption, EButtons buttons)
{
    m_asked.push_back({text, caption, buttons});
    if (!m_answers.empty())
    {
        EAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (buttons != EButtons::Ok && buttons != EButtons::None)
        ADD_FAILURE() << "unscripted question: " << caption << ": " << text;
    return buttons == EButtons::YesNo ? EAnswer::No : EAnswer::Cancel;
}
