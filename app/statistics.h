// Launch statistics and the web link: the statistics library "send.dll"
// (our libsend.so), the launch counter in the per-user settings store,
// the two launch reports and the page opened when the player quits.
#pragma once

#include <cstdint>

#include "platform/types.h"

class TForm;

// Entry "SendData@8" of the statistics library.
using SendDataProc = int (*)(const char* url, const char* method);

// The library binding, set once by LoadSendLibrary and kept for the
// whole process (nullptr before, or in tests that never load it).
extern void* g_sendLibrary;
extern SendDataProc g_sendDataProc;

// Loads "send.dll" and its entry "SendData@8". When either is missing it
// shows the error box titled "Chyba!" and ends the process with code 0.
void LoadSendLibrary();

// Synchronous request: -1 when the library or its entry is missing, else
// the library's result (which the game never looks at).
int SendRequest(const AnsiString& url);

// Body of the report thread. `urlCopy` is a NUL-terminated copy made with
// new char[]; the thread owns it and releases it on every path.
// -1 when the library or its entry is missing, -2 without an address,
// else the library's result.
int SendRequestThreadProc(void* urlCopy);

// Counts this start in the settings store ("launchcounter" under
// "Software\Qalt\Drevik") and reports it on a detached thread. When
// another program holds the store's lock the start is not counted (a line
// on stderr says so) and the report carries the count it would have had.
void CountLaunchAndReport();

// Opens `url` with the desktop's opener (not waited for, failures not
// reported), then closes `form` when one is given.
void OpenWebLink(const AnsiString& url, TForm* form);

// The addresses, built from app/addresses.h, or from the environment's
// KORVALO_STATS_ENDPOINT (scheme and host[:port]) when it is set.
AnsiString LaunchReportAddress(std::uint32_t count);  // first endpoint + path + count
AnsiString SecondReportAddress();                     // for the loading sequence
AnsiString WebSiteAddress();                          // file:// address of the README

// Tests point the two endpoints elsewhere (empty restores the start-up ones).
void SetStatisticsEndpoints(const AnsiString& first, const AnsiString& second);
