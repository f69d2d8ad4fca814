#pragma once

#include <string>
#include <string_view>

// Percent-encoding (RFC 3986, UTF-8 byte by byte) of a text put into a web address or a mailto
// link. Unreserved characters always stay; each part keeps the few others that cannot break it.
enum class EUrlPart
{
    PathSegment, // one segment of a web address path
    QueryValue,  // a value of a web address query (only unreserved characters stay)
    MailAddress, // an address of a mailto link ("," separates addresses, so it is encoded)
    MailValue,   // the value of a mailto header (subject, body)
};

std::string PercentEncode(std::string_view text, EUrlPart part);
