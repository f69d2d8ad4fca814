#include "online/HttpFetch.h"

#include "online/CancelToken.h"
#include "platform/Trace.h"

#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace
{
constexpr int kPollMs = 100;
constexpr long kMaxRedirects = 5;

void InitializeCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

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
struct SMultiDeleter
{
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
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
    std::unique_ptr<CURLM, SMultiDeleter> multi(curl_multi_init());
    if (!easy || !multi)
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

    // The multi interface lets the wait be cut short: the loop looks at the token between polls.
    curl_multi_add_handle(multi.get(), handle);
    int running = 1;
    CURLcode code = CURLE_OK;
    bool finished = false;
    while (!finished)
    {
        if (IsCancelled(cancel))
        {
            code = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        const CURLMcode multiCode = curl_multi_perform(multi.get(), &running);
        if (multiCode != CURLM_OK)
        {
            result.error = curl_multi_strerror(multiCode);
            curl_multi_remove_handle(multi.get(), handle);
            return result;
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued))
        {
            if (message->msg == CURLMSG_DONE && message->easy_handle == handle)
            {
                code = message->data.result;
                finished = true;
            }
        }
        if (!finished && running > 0)
            curl_multi_poll(multi.get(), nullptr, 0, kPollMs, nullptr);
        else if (!finished)
            finished = true; // nothing running and no message: treat as done
    }
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &result.httpStatus);
    curl_multi_remove_handle(multi.get(), handle);

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
