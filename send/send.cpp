#include "send/send.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <strings.h>

#include <cstddef>
#include <cstring>
#include <mutex>
#include <string>

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

// Does `url` name this machine itself (localhost, 127.0.0.0/8, ::1)?
bool NamesThisMachine(const char* url) {
    CURLU* parsed = curl_url();
    char* host = nullptr;
    const bool ok = parsed && curl_url_set(parsed, CURLUPART_URL, url, 0) == CURLUE_OK &&
                    curl_url_get(parsed, CURLUPART_HOST, &host, 0) == CURLUE_OK;
    std::string name = ok && host ? host : "";
    curl_free(host);
    curl_url_cleanup(parsed);
    if (name.size() > 2 && name.front() == '[' && name.back() == ']') name = name.substr(1, name.size() - 2);
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (name == "localhost" || (name.size() > 10 && name.ends_with(".localhost"))) return true;
    unsigned char address[16];
    if (inet_pton(AF_INET, name.c_str(), address) == 1) return address[0] == 127;
    if (inet_pton(AF_INET6, name.c_str(), address) != 1) return false;
    static const unsigned char loopback6[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    static const unsigned char mapped4[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    return std::memcmp(address, loopback6, 16) == 0 || (std::memcmp(address, mapped4, 12) == 0 && address[12] == 127);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int SendData(const char* url, const char* method) {
    if (!url || !*url || !method) return -1;
    if (strcasecmp(method, "GET") != 0) return -2;
    if (!GlobalInit()) return -3;
    CURL* curl = curl_easy_init();
    if (!curl) return -3;
    curl_easy_setopt(curl, CURLOPT_URL, url);
    // A report to this machine itself never goes out to the player's
    // proxy (http_proxy, ALL_PROXY); one to a remote endpoint follows the
    // proxy settings as other programs do. An empty proxy turns off the
    // environment's.
    if (NamesThisMachine(url)) curl_easy_setopt(curl, CURLOPT_PROXY, "");
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
