// The names of the stops, by stop board number. Stop n stands in front of
// landscape tile n, so each name fits what that tile shows; 40 and 41 are
// the termini at the depot.
#pragma once

#include <string>

namespace assets {

// "" for numbers that name no stop.
std::string StopName(int board);

}  // namespace assets
