// The marker points of every line's route rows, in form coordinates (the
// Left and Top the game gives the 15 x 15 marker), as the route table
// lists them; the schemes draw each line through these points.
#pragma once

#include <vector>

namespace assets {

struct RoutePoint {
    int x, y;
    bool stop;
    bool terminus;
};

const std::vector<RoutePoint>& LineRoute(int line);  // line 0..10

// The marker's centre in scheme picture coordinates (imgSchema at 2, 538).
inline int SchemePixelX(int markerLeft) { return markerLeft + 7 - 2; }
inline int SchemePixelY(int markerTop) { return markerTop + 7 - 538; }

}  // namespace assets
