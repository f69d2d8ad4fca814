#include "online/PercentEncode.h"

#include <cstring>

namespace
{
bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Characters that may stand as they are besides the unreserved ones.
const char* KeptCharacters(EUrlPart part)
{
    switch (part)
    {
    case EUrlPart::PathSegment:
        return "!$'()*+,;:@=";
    case EUrlPart::QueryValue:
        return "";
    case EUrlPart::MailAddress:
        return "!$'()*+;:@"; // "," separates the addresses of one header
    case EUrlPart::MailValue:
        return "!$'()*+,;:@/=";
    }
    return "";
}
} // namespace

std::string PercentEncode(std::string_view text, EUrlPart part)
{
    static const char kHex[] = "0123456789ABCDEF";
    const char* kept = KeptCharacters(part);
    std::string encoded;
    encoded.reserve(text.size());
    for (char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte) || (byte != 0 && std::strchr(kept, c) != nullptr))
        {
            encoded += c;
            continue;
        }
        encoded += '%';
        encoded += kHex[byte >> 4];
        encoded += kHex[byte & 0x0F];
    }
    return encoded;
}
