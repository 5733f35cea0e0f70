// Where the game reports its launches and which page the quit sequence
// opens. Build settings: override them at configure time with
// -DKORVALO_STATS_ENDPOINT1=..., -DKORVALO_STATS_ENDPOINT2=... (scheme and
// host, no trailing slash). The defaults are harmless on a machine
// without network: both reports go to the loopback interface, and the
// "web site" is the README shipped in the game folder, opened as a file.
#pragma once

#ifndef KORVALO_STATS_ENDPOINT1
#define KORVALO_STATS_ENDPOINT1 "http://127.0.0.1:8631"
#endif
#ifndef KORVALO_STATS_ENDPOINT2
#define KORVALO_STATS_ENDPOINT2 "http://127.0.0.1:8631"
#endif

// First report (launch count), second report (loading sequence).
inline constexpr char kStatsEndpoint1[] = KORVALO_STATS_ENDPOINT1;
inline constexpr char kStatsEndpoint2[] = KORVALO_STATS_ENDPOINT2;
inline constexpr char kLaunchReportPath[] = "/data.php?program=spusten&count=";
inline constexpr char kSecondReportPath[] = "/stats/data.php?program=spusteno";

// The game's web page: this file beside the executable, as a file:// address.
inline constexpr char kWebSiteFile[] = "README.md";
