#include "platform/Prompt.h"

#include "platform/StringTable.h"

EAnswer AskString(IPrompt& prompt, int textId, int captionId, EButtons buttons)
{
    return prompt.Ask(LoadString(textId), LoadString(captionId), buttons);
}
