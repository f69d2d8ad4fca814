#pragma once

#include <curl/curl.h>

class CCancelToken;

// Runs one prepared easy handle to its end through libcurl's multi interface, looking at the
// token every 100 ms: a cancelled token ends the transfer at once with CURLE_ABORTED_BY_CALLBACK.
// A failure of the multi interface itself comes back as CURLE_FAILED_INIT.
CURLcode RunCurlTransfer(CURL* easy, const CCancelToken* cancel);

// curl_global_init, once per process.
void InitializeCurlOnce();
