#pragma once

#include "platform/Prompt.h"

#include <deque>
#include <string>
#include <vector>

// A prompt that answers from a queue and records every question, for tests of the core's
// Yes/No/Cancel branches. With an empty queue it answers OK to notices and fails the test on a
// question nobody scripted.
class CScriptedPrompt : public IPrompt
{
public:
    struct SAsked
    {
        std::string text;
        std::string caption;
        EButtons buttons;
    };

    void Answer(EAnswer answer) { m_answers.push_back(answer); }
    const std::vector<SAsked>& Asked() const { return m_asked; }
    void Clear() { m_asked.clear(); }

    EAnswer Ask(const std::string& text, const std::string& caption, EButtons buttons) override;

private:
    std::deque<EAnswer> m_answers;
    std::vector<SAsked> m_asked;
};
