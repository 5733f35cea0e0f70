#include "send/send.h"

#include <curl/curl.h>
#include <strings.h>

#include <cstddef>
#include <mutex>

namespace {

constexpr long kConnectTimeoutMs = 2000;
constexpr long kTotalTimeoutMs = 3000;
// A report's answer is its status line and a few headers.
constexpr std::size_t kMaxHeaderBytes = 64 * 1024;

// curl's global set-up is not thread safe; do it once, whoever comes first.
bool GlobalInit() {
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ok;
}

// What the transfer has seen of the answer.
struct Answer {
    std::size_t headerBytes = 0;
    bool headersTooLong = false;
    bool bodyCut = false;
};

// The body is of no interest: its first bytes end the transfer, so a
// server that sends without end costs nothing but a connection.
size_t CutBody(char*, size_t size, size_t count, void* answer) {
    if (size * count > 0) static_cast<Answer*>(answer)->bodyCut = true;
    return 0;
}

size_t CountHeader(char*, size_t size, size_t count, void* answer) {
    auto& a = *static_cast<Answer*>(answer);
    a.headerBytes += size * count;
    if (a.headerBytes <= kMaxHeaderBytes) return size * count;
    a.headersTooLong = true;
    return 0;  // ends the transfer
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int SendData(const char* url, const char* method) {
    if (!url || !*url || !method) return -1;
    if (strcasecmp(method, "GET") != 0) return -2;
    if (!GlobalInit()) return -3;
    CURL* curl = curl_easy_init();
    if (!curl) return -3;
    curl_easy_setopt(curl, CURLOPT_URL, url);
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
#else
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS, CURLPROTO_HTTP | CURLPROTO_HTTPS);
#endif
    // No signals: time-outs must work on any thread.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, kTotalTimeoutMs);
#if LIBCURL_VERSION_NUM >= 0x075700
    // A name lookup runs on a thread of curl's own, which cannot be
    // stopped; by default curl waits for it when a time limit is hit, and
    // a name server that never answers then holds the caller some 10 s.
    // Left behind instead, the lookup ends on its own and frees itself.
    curl_easy_setopt(curl, CURLOPT_QUICK_EXIT, 1L);
#endif
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Korvalo");
    Answer answer;
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CutBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, CountHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &answer);
    const CURLcode rc = curl_easy_perform(curl);
    // A body cut off on purpose follows a whole status line and headers.
    const bool answered = rc == CURLE_OK || (rc == CURLE_WRITE_ERROR && answer.bodyCut && !answer.headersTooLong);
    long status = 0;
    if (answered) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    if (!answered) return -(1000 + static_cast<int>(rc));
    if (status >= 200 && status < 300) return 0;
    return status > 0 ? -static_cast<int>(status) : -1;
}
