#include "online/HttpFetch.h"

#include "online/CancelToken.h"
#include "online/CurlTransfer.h"
#include "platform/Trace.h"

#include <curl/curl.h>
#include <memory>

namespace
{
constexpr long kMaxRedirects = 5;

struct SBody
{
    std::string text;
    std::size_t maxBytes = 0;
    bool full = false;
};

std::size_t TakeBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* body = static_cast<SBody*>(user);
    const std::size_t bytes = size * count;
    const std::size_t room = body->maxBytes - body->text.size();
    body->text.append(data, bytes < room ? bytes : room);
    if (bytes <= room)
        return bytes;
    // Enough read: stopping the transfer here is the successful end of the read.
    body->full = true;
    return 0;
}

struct SEasyDeleter
{
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct SListDeleter
{
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
} // namespace

SFetchResult FetchUrl(const SFetchRequest& request, const CCancelToken* cancel)
{
    InitializeCurlOnce();
    SFetchResult result;
    std::unique_ptr<CURL, SEasyDeleter> easy(curl_easy_init());
    if (!easy)
    {
        result.error = "out of memory";
        return result;
    }

    SBody body;
    body.maxBytes = request.maxBytes;
    char errorText[CURL_ERROR_SIZE] = {};
    // The reload flag of the old program: never an answer from a cache on the way.
    std::unique_ptr<curl_slist, SListDeleter> headers(
        curl_slist_append(nullptr, "Cache-Control: no-cache"));
    if (headers)
        curl_slist_append(headers.get(), "Pragma: no-cache");

    CURL* handle = easy.get();
    curl_easy_setopt(handle, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, request.agent.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, request.failOnHttpError ? 1L : 0L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, request.limits.connectTimeoutMs);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, request.limits.totalTimeoutMs);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, request.limits.lowSpeedBytesPerSecond);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, request.limits.lowSpeedSeconds);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &TakeBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");

    const CURLcode code = RunCurlTransfer(handle, cancel);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &result.httpStatus);

    if (code == CURLE_OK || (code == CURLE_WRITE_ERROR && body.full))
    {
        result.ok = true;
        result.body = std::move(body.text);
    }
    else if (code == CURLE_ABORTED_BY_CALLBACK)
        result.error = "cancelled";
    else
        result.error = errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
    Trace("FetchUrl",
          request.url + (result.ok ? " read " + std::to_string(result.body.size()) + " bytes"
                                   : " failed: " + result.error));
    return result;
}
