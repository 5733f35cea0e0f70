#include "assets/stop_names.h"

namespace assets {

std::string StopName(int board) {
    static const char* const kNames[] = {
        "Riverside",        "Fountain Square", "St. Martin's",   "Mill Street",      "City Park",
        "Town Hall",        "Linden Avenue",   "Airport",        "Botanic Garden",   "Stone Bridge",
        "Main Station",     "Orchard Lane",    "Market Street",  "City Zoo",         "Oak Hill",
        "Harbour",          "Spa Gardens",     "University",     "Cathedral",        "Brewery",
        "Theatre",          "Flying Club",     "Hospital",       "Airport Terminal", "Old Chapel",
        "Museum",           "Ferry Pier",      "Monastery",      "Water Garden",     "Rose Park",
        "Willow Road",      "Hilltop",         "Canal Lock",     "Heron Meadow",     "Shopping Centre",
        "Flight School",    "Boat Club",       "Cherry Garden",  "",                 "",
        "Central Depot",    "North Depot",
    };
    if (board < 0 || board >= static_cast<int>(sizeof(kNames) / sizeof(kNames[0]))) return "";
    return kNames[board];
}

}  // namespace assets
