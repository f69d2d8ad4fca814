#pragma once

#include <cstddef>
#include <string>

class CCancelToken;

// Limits of every network call of the online services: no call waits longer than these on a
// slow or dead server, and each is cancellable (see CCancelToken).
struct SNetLimits
{
    long connectTimeoutMs = 10000;
    long totalTimeoutMs = 30000;
    // A transfer slower than this many bytes a second for lowSpeedSeconds is given up.
    long lowSpeedBytesPerSecond = 16;
    long lowSpeedSeconds = 10;
};

// One read of a web address: the first maxBytes of the body, bypassing caches.
struct SFetchRequest
{
    std::string url;
    std::string agent;
    std::size_t maxBytes = 10240;
    // An HTTP error status (404, 500 ...) fails the read instead of giving the error page, whose
    // text would otherwise be parsed as the file.
    bool failOnHttpError = true;
    SNetLimits limits;
};

struct SFetchResult
{
    bool ok = false;
    std::string body;    // at most maxBytes
    long httpStatus = 0; // 0 when no answer came
    std::string error;   // why it failed, for traces and the command line
};

// Reads the address over HTTP or HTTPS (other schemes are refused, redirects included); proxies
// come from the usual environment variables. Thread-safe; a cancelled token ends the read within
// about 100 ms with ok false.
SFetchResult FetchUrl(const SFetchRequest& request, const CCancelToken* cancel);
