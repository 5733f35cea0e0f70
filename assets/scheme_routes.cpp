#include "assets/scheme_routes.h"

namespace assets {

const std::vector<RoutePoint>& LineRoute(int line) {
    // One entry per route row of the line, in row order (x, y, stop, terminus).
    static const std::vector<RoutePoint> kRoutes[11] = {
        // line 0
        {
            {499, 669, false, false}, {436, 666, true, false}, {390, 635, false, false}, {408, 608, true, false},
            {477, 608, true, false}, {521, 622, true, true},
        },
        // line 1
        {
            {499, 669, false, false}, {436, 666, true, false}, {390, 635, false, false}, {400, 579, false, false},
            {419, 552, true, false}, {459, 572, false, false}, {477, 608, true, false}, {521, 622, true, true},
        },
        // line 2
        {
            {499, 669, false, false}, {436, 666, true, false}, {371, 666, true, false}, {326, 666, true, false},
            {270, 667, true, false}, {207, 685, false, false}, {190, 653, true, false}, {222, 630, true, false},
            {255, 611, true, false}, {307, 609, true, false}, {354, 609, true, false}, {408, 608, true, false},
            {477, 608, true, false}, {521, 622, true, true},
        },
        // line 3
        {
            {499, 669, false, false}, {446, 673, true, false}, {394, 676, false, false}, {341, 680, true, false},
            {365, 678, true, false}, {390, 677, false, false}, {414, 675, true, false}, {439, 673, false, false},
            {463, 672, true, false}, {488, 670, false, false}, {512, 668, true, false}, {537, 667, false, false},
            {561, 665, true, true}, {561, 665, false, false},
        },
        // line 4
        {
            {499, 669, false, false}, {475, 663, true, false}, {450, 657, true, false}, {426, 652, true, false},
            {401, 646, false, false}, {377, 640, true, false}, {353, 634, true, false}, {328, 628, true, false},
            {304, 623, true, false}, {279, 617, true, false}, {255, 611, true, true},
        },
        // line 5
        {
            {499, 669, false, false}, {459, 679, true, false}, {419, 689, false, false}, {380, 700, true, false},
            {340, 710, false, false}, {300, 720, true, false}, {264, 716, false, false}, {228, 712, true, false},
            {192, 708, true, false}, {156, 704, false, false}, {120, 700, true, true},
        },
        // line 6
        {
            {499, 669, false, false}, {464, 660, true, false}, {429, 651, false, false}, {394, 642, true, false},
            {359, 633, true, false}, {323, 625, false, false}, {288, 616, true, false}, {253, 607, true, false},
            {218, 598, true, false}, {183, 589, true, false}, {166, 574, false, false}, {150, 560, true, true},
        },
        // line 7
        {
            {499, 669, false, false}, {464, 669, true, false}, {430, 669, true, false}, {395, 669, false, false},
            {360, 669, true, false}, {326, 668, true, false}, {291, 668, true, false}, {256, 668, false, false},
            {221, 668, true, false}, {187, 668, true, false}, {152, 668, true, true},
        },
        // line 8
        {
            {499, 669, false, false}, {469, 683, true, false}, {439, 697, false, false}, {410, 712, true, false},
            {380, 726, true, false}, {350, 740, false, false}, {292, 736, true, false}, {234, 732, true, false},
            {176, 728, false, false}, {118, 724, true, false}, {60, 720, true, true}, {60, 720, false, false},
        },
        // line 9
        {
            {499, 669, false, false}, {472, 663, true, false}, {445, 656, true, false}, {417, 650, false, false},
            {390, 644, true, false}, {363, 638, true, false}, {336, 631, false, false}, {309, 625, true, false},
            {282, 619, true, false}, {254, 613, false, false}, {227, 606, true, false}, {200, 600, true, false},
            {183, 605, false, false}, {166, 610, true, false}, {149, 615, true, false}, {132, 620, false, false},
            {115, 625, true, false}, {98, 630, true, false}, {81, 635, true, false}, {64, 640, false, false},
            {47, 645, true, false}, {30, 650, true, false}, {27, 663, true, false}, {24, 676, false, false},
            {21, 689, true, false}, {19, 701, true, false}, {16, 714, false, false}, {13, 727, true, false},
            {10, 740, true, true},
        },
        // line 10
        {
            {499, 669, false, false}, {478, 660, true, false}, {458, 651, false, false}, {437, 642, true, false},
            {416, 633, false, false}, {395, 624, true, false}, {374, 614, true, false}, {354, 605, false, false},
            {333, 596, true, false}, {312, 587, false, false}, {292, 578, true, false}, {271, 569, true, false},
            {250, 560, false, false}, {265, 564, true, false}, {280, 568, false, false}, {295, 572, true, false},
            {310, 576, true, false}, {325, 580, false, false}, {340, 584, true, false}, {355, 588, true, false},
            {370, 592, false, false}, {385, 596, true, false}, {400, 600, false, false}, {415, 606, true, false},
            {429, 612, true, false}, {444, 618, false, false}, {459, 624, true, false}, {473, 630, false, false},
            {488, 635, true, false}, {502, 641, true, false}, {517, 647, false, false}, {532, 653, true, false},
            {546, 659, false, false}, {561, 665, true, true}, {561, 665, false, false},
        },
    };
    return kRoutes[line < 0 || line > 10 ? 0 : line];
}

}  // namespace assets
