#include "online/SmsLink.h"

#include "online/PercentEncode.h"

#include <cctype>
#include <cstdio>

namespace
{
std::function<bool()>& HandlerQuery()
{
    static std::function<bool()> query;
    return query;
}

bool AskDesktop()
{
    // A fixed command line: nothing of the user's reaches the shell.
    FILE* pipe = popen("xdg-mime query default x-scheme-handler/sms 2>/dev/null", "r");
    if (pipe == nullptr)
        return false;
    std::string answer;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        answer += buffer;
    const int status = pclose(pipe);
    // xdg-mime prints the handler's .desktop file name, or nothing when there is none.
    return status == 0 && answer.find(".desktop") != std::string::npos;
}
} // namespace

std::string SmsLink(const std::string& mobile, const std::string& message)
{
    std::string number;
    for (char c : mobile)
    {
        if (std::isdigit(static_cast<unsigned char>(c)))
            number += c;
        else if (c == '+' && number.empty())
            number += c;
    }
    if (number.find_first_of("0123456789") == std::string::npos)
        return {};
    std::string link = "sms:" + number;
    if (!message.empty())
        link += "?body=" + PercentEncode(message, EUrlPart::QueryValue);
    return link;
}

bool HasSmsHandler()
{
    if (HandlerQuery())
        return HandlerQuery()();
    return AskDesktop();
}

void SetSmsHandlerQuery(std::function<bool()> query)
{
    HandlerQuery() = std::move(query);
}
