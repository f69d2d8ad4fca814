#pragma once

#include <functional>
#include <string>

// Text messages are handed to the desktop's SMS program as "sms:" links (RFC 5724).

// "sms:<number>?body=<message>": the number keeps its digits and a leading "+" (blanks, dashes
// and brackets are dropped); the message is percent-encoded as UTF-8. Empty when the number has
// no digit; no "?body=" for an empty message.
std::string SmsLink(const std::string& mobile, const std::string& message);

// True when the desktop names a default program for "sms:" links
// (xdg-mime query default x-scheme-handler/sms).
bool HasSmsHandler();

// Tests only: answers HasSmsHandler instead of the desktop; an empty function restores it.
void SetSmsHandlerQuery(std::function<bool()> query);
