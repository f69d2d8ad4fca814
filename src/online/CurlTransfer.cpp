#include "online/CurlTransfer.h"

#include "online/CancelToken.h"

#include <memory>
#include <mutex>

namespace
{
constexpr int kPollMs = 100;

struct SMultiDeleter
{
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
} // namespace

void InitializeCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CURLcode RunCurlTransfer(CURL* easy, const CCancelToken* cancel)
{
    std::unique_ptr<CURLM, SMultiDeleter> multi(curl_multi_init());
    if (!multi)
        return CURLE_FAILED_INIT;
    // The multi interface lets the wait be cut short: the loop looks at the token between polls.
    curl_multi_add_handle(multi.get(), easy);
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
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK)
        {
            code = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued))
        {
            if (message->msg == CURLMSG_DONE && message->easy_handle == easy)
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
    curl_multi_remove_handle(multi.get(), easy);
    return code;
}
