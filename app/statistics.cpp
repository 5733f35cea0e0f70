// Launch statistics and the web link.
#include "app/statistics.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/addresses.h"
#include "platform/form.h"
#include "platform/services.h"
#include "platform/settings_store.h"

void* g_sendLibrary = nullptr;
SendDataProc g_sendDataProc = nullptr;

namespace {

constexpr char kSettingsKey[] = "Software\\Qalt\\Drevik";
constexpr char kLaunchCounter[] = "launchcounter";

// KORVALO_STATS_ENDPOINT, when set, takes both reports elsewhere than the
// built-in addresses: each test run and smoke run listens on a port of its
// own, so runs side by side on one machine never count each other's.
AnsiString StartupEndpoint(const char* builtIn) {
    const char* chosen = std::getenv("KORVALO_STATS_ENDPOINT");
    return chosen && *chosen ? AnsiString(chosen) : AnsiString(builtIn);
}

AnsiString g_endpoint1 = StartupEndpoint(kStatsEndpoint1);
AnsiString g_endpoint2 = StartupEndpoint(kStatsEndpoint2);

[[noreturn]] void FailStart(const char* text) {
    MessageBox(text, "Chyba!", MB_OK | MB_ICONERROR);
    // A launcher or script that started the game is told it failed.
    ExitProcess(1);
}

}  // namespace

void LoadSendLibrary() {
    g_sendLibrary = Services().libraries->Load("send.dll");
    if (!g_sendLibrary)
        FailStart("Nastala chyba v inicializaci programu, knihovna send.dll nebyla nactena");
    g_sendDataProc = reinterpret_cast<SendDataProc>(Services().libraries->Entry(g_sendLibrary, "SendData@8"));
    if (!g_sendDataProc) FailStart("Knihovna send.dll neni platna!");
    // The library stays loaded until the process ends.
}

int SendRequest(const AnsiString& url) {
    if (!g_sendLibrary || !g_sendDataProc) return -1;
    return g_sendDataProc(url.c_str(), "GET");
}

int SendRequestThreadProc(void* urlCopy) {
    char* url = static_cast<char*>(urlCopy);
    // The thread owns the copy, so it is released on the early returns too.
    if (!g_sendLibrary || !g_sendDataProc) {
        delete[] url;
        return -1;
    }
    if (!url) return -2;
    const int result = g_sendDataProc(url, "GET");
    delete[] url;
    return result;
}

void CountLaunchAndReport() {
    HSETTINGS key = OpenSettingsKey(kSettingsKey);
    std::uint32_t count = 0;
    {
        // Read, add and write as one step under the store's lock: copies
        // of the game started together each count.
        const SettingsLock lock(key);
        if (!ReadSettingDword(key, kLaunchCounter, &count)) count = 0;
        count += 1;  // unsigned: the largest count wraps to 0
        if (lock.Busy())
            std::fprintf(stderr,
                         "Korvalo: the settings %s are busy (another program holds their folder's lock); "
                         "this launch was not counted.\n",
                         SettingsFile(kSettingsKey).c_str());
        else
            WriteSettingDword(key, kLaunchCounter, count);
    }
    CloseSettingsKey(key);

    const AnsiString address = LaunchReportAddress(count);
    char* copy = new char[address.size() + 1];
    std::memcpy(copy, address.c_str(), address.size() + 1);
    if (!Services().threads->Start([copy] { SendRequestThreadProc(copy); })) delete[] copy;
}

void OpenWebLink(const AnsiString& url, TForm* form) {
    Services().shell->Open(url);
    if (form) form->Close();
}

AnsiString LaunchReportAddress(std::uint32_t count) {
    return g_endpoint1 + kLaunchReportPath + std::to_string(count);
}

AnsiString SecondReportAddress() { return g_endpoint2 + kSecondReportPath; }

AnsiString WebSiteAddress() {
    // Percent-encoded, so a game folder with spaces still opens.
    static const char hex[] = "0123456789ABCDEF";
    const std::string path = ExecutableFolder() + "/" + kWebSiteFile;
    AnsiString address = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/-._~", c))
            address.push_back(static_cast<char>(c));
        else
            address += {'%', hex[c >> 4], hex[c & 15]};
    }
    return address;
}

void SetStatisticsEndpoints(const AnsiString& first, const AnsiString& second) {
    g_endpoint1 = first.empty() ? StartupEndpoint(kStatsEndpoint1) : first;
    g_endpoint2 = second.empty() ? StartupEndpoint(kStatsEndpoint2) : second;
}
