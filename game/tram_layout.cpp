// The seven tram models as tables, and the one layout routine that copies
// a model into g_tramLayout and g_places. Trams are numbered 1..7 for the
// player; tram n is model n - 1.
#include "game/tram_layout.h"

#include "app/form1.h"

// The tram on the menu screen, before any layout operation.
constexpr TramLayout kStartTramLayout = {
    0, 0, 0, 0, 68,             // model, door frame, wheel frame, occupied, free
    5, 260, 48, 348,            // body, interior
    {{910, 349}, {707, 349}, {554, 349}, {410, 349}, {207, 349}, {54, 349}},
    {{815, 415}, {606, 415}, {315, 415}, {107, 415}},
    {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
};
TramLayout g_tramLayout = kStartTramLayout;

PlaceSlot g_places[kPlaceCount] = {};

namespace {

constexpr int32 A = kAbsentDoorPos;
constexpr int32 P = kParkedDisplayPos;

const TramModelRow kModels[kTramCount] = {
    // places, body, interior, display 1, display 2, doors 1..6, wheels 1..4, floor strips 1..5
    {34, 495, 281, 538, 369, {628, 325}, {P, P},
     {{A, A}, {A, A}, {A, A}, {900, 370}, {697, 370}, {544, 370}},
     {{A, A}, {A, A}, {805, 436}, {597, 436}},
     {{0, 0, 0}, {0, 0, 0}, {546, 930, 373}, {0, 0, 0}, {0, 0, 0}}},
    {68, 0, 281, 43, 369, {133, 325}, {633, 325},
     {{905, 370}, {702, 370}, {549, 370}, {405, 370}, {202, 370}, {49, 370}},
     {{810, 436}, {601, 436}, {310, 436}, {101, 436}},
     {{551, 935, 373}, {0, 0, 0}, {51, 435, 373}, {0, 0, 0}, {0, 0, 0}}},
    {34, 495, 281, 540, 361, {920, 321}, {P, P},
     {{A, A}, {A, A}, {A, A}, {899, 370}, {721, 370}, {544, 370}},
     {{A, A}, {A, A}, {805, 436}, {591, 436}},
     {{0, 0, 0}, {0, 0, 0}, {520, 935, 365}, {0, 0, 0}, {0, 0, 0}}},
    {68, 0, 281, 45, 361, {425, 321}, {925, 321},
     {{904, 370}, {726, 370}, {549, 370}, {404, 370}, {226, 370}, {49, 370}},
     {{810, 436}, {597, 436}, {310, 436}, {96, 436}},
     {{525, 935, 365}, {0, 0, 0}, {25, 440, 365}, {0, 0, 0}, {0, 0, 0}}},
    {68, 5, 279, 41, 357, {46, 325}, {942, 324},
     {{A, A}, {914, 370}, {720, 370}, {485, 370}, {250, 370}, {56, 370}},
     {{820, 435}, {580, 435}, {346, 435}, {106, 435}},
     {{50, 980, 366}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    {62, 270, 282, 305, 370, {471, 376}, {783, 376},
     {{A, A}, {A, A}, {923, 375}, {735, 375}, {505, 375}, {317, 375}},
     {{A, A}, {835, 450}, {597, 450}, {362, 450}},
     {{820, 965, 377}, {658, 820, 381}, {593, 685, 377}, {425, 593, 381}, {315, 452, 377}}},
    {68, 0, 278, 104, 367, {370, 330}, {606, 330},
     {{A, A}, {A, A}, {680, 376}, {572, 376}, {332, 376}, {224, 376}},
     {{A, A}, {809, 450}, {460, 450}, {110, 450}},
     {{795, 880, 376}, {585, 795, 386}, {455, 585, 376}, {245, 455, 386}, {95, 245, 376}}},
};

// A run of places of one tram sharing y and door group.
struct PlaceRun {
    int32 tram;
    int32 first;
    int32 last;
    int32 y;
    int32 doorGroup;
};

// x of every place of every tram, -1 where the tram has no such place.
const int32 kPlaceX[kTramCount][kPlaceCount] = {
    // tram 1
    { -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1, 882, 850,
     826, 802, 770, 746, 674, 650, 618, 594,  -1,  -1,  -1,  -1,
      -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,
      -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1, 930, 914, 898, 882,
     866, 850, 834, 818, 802, 778, 762, 746, 730, 714, 698, 682,
     666, 650, 626, 610, 604, 578, 562, 546},
    // tram 2
    {887, 855, 831, 807, 775, 751, 679, 655, 623, 599, 387, 355,
     331, 307, 275, 251, 179, 155, 123,  99, 935, 919, 903, 887,
     871, 855, 839, 823, 807, 783, 767, 751, 735, 719, 703, 687,
     671, 655, 631, 615, 599, 583, 567, 551, 435, 419, 403, 387,
     371, 355, 339, 323, 307, 283, 267, 251, 235, 219, 203, 187,
     171, 155, 131, 115,  99,  83,  67,  51},
    // tram 3
    { -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1, 866, 844,
     822, 800, 778, 690, 668, 646, 624, 602,  -1,  -1,  -1,  -1,
      -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,
      -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1, 930, 914, 898, 874,
     861, 848, 834, 820, 806, 792, 778, 754, 738, 722, 698, 678,
     659, 640, 621, 602, 578, 562, 546, 522},
    // tram 4
    {871, 849, 827, 805, 783, 695, 673, 651, 629, 607, 371, 349,
     327, 305, 283, 195, 173, 151, 129, 107, 935, 919, 903, 879,
     866, 853, 839, 825, 811, 797, 783, 759, 743, 727, 703, 683,
     664, 645, 626, 607, 583, 567, 551, 527, 435, 419, 403, 379,
     366, 353, 339, 325, 311, 307, 283, 259, 243, 227, 203, 183,
     164, 145, 126, 107,  83,  67,  51,  27},
    // tram 5
    {874, 854, 834, 814, 794, 774, 690, 662, 570, 542, 454, 426,
     336, 308, 226, 206, 186, 166, 146, 126, 944, 929, 914, 879,
     864, 849, 834, 819, 804, 789, 774, 752, 737, 722, 699, 684,
     669, 654, 594, 579, 564, 549, 534, 516, 501, 486, 466, 451,
     436, 421, 347, 332, 317, 302, 282, 267, 252, 230, 215, 200,
     185, 170, 155, 140, 125,  88,  72,  56},
    // tram 6
    {903, 884, 865, 846, 827, 805, 785, 713, 693, 665, 603, 577,
     557, 481, 465, 441, 422, 403, 384, 365, 951, 936, 921, 905,
     890, 877, 863, 850, 836, 823, 810, 795, 780, 765, 750, 735,
     720, 705, 690, 672, 657, 617, 602, 580, 565, 550, 540, 525,
     510, 489, 474, 459, 451, 436, 421, 406, 391, 376, 361, 345,
     330, 315,  -1,  -1,  -1,  -1,  -1,  -1},
    // tram 7
    {877, 859, 841, 823, 805, 683, 659, 535, 519, 503, 487, 471,
     455, 333, 309, 185, 167, 149, 131, 113, 883, 868, 853, 838,
     823, 808, 793, 778, 752, 737, 722, 707, 692, 677, 662, 647,
     633, 618, 603, 788, 550, 535, 520, 505, 490, 475, 460, 445,
     405, 390, 375, 360, 345, 330, 315, 300, 285, 270, 255, 240,
     215, 200, 185, 170, 155, 140, 125, 110},
};

const PlaceRun kPlaceRuns[] = {
    {1, 10, 19, 385, 3},
    {1, 44, 67, 373, 3},
    {2,  0,  9, 385, 0},
    {2, 10, 19, 385, 3},
    {2, 20, 43, 373, 0},
    {2, 44, 67, 373, 3},
    {3, 10, 19, 381, 3},
    {3, 44, 67, 365, 3},
    {4,  0,  9, 381, 0},
    {4, 10, 19, 381, 3},
    {4, 20, 43, 365, 0},
    {4, 44, 67, 365, 3},
    {5,  0, 19, 381, 5},
    {5, 20, 67, 366, 5},
    {6,  0,  4, 392, 4},
    {6,  5,  8, 396, 4},
    {6,  9, 10, 390, 4},
    {6, 11, 14, 396, 4},
    {6, 15, 19, 392, 4},
    {6, 20, 29, 377, 4},
    {6, 30, 38, 381, 4},
    {6, 39, 42, 377, 4},
    {6, 43, 51, 381, 4},
    {6, 52, 61, 377, 4},
    {7,  0,  4, 392, 4},
    {7,  5,  6, 394, 4},
    {7,  7, 12, 392, 4},
    {7, 13, 14, 394, 4},
    {7, 15, 19, 392, 4},
    {7, 20, 27, 376, 4},
    {7, 28, 39, 386, 4},
    {7, 40, 47, 376, 4},
    {7, 48, 59, 386, 4},
    {7, 60, 67, 376, 4},
};

// Doors 1..6 each door group may use.
struct DoorGroupRow {
    int32 group;
    bool doors[kDoorCount];
};
constexpr DoorGroupRow kDoorGroups[] = {
    {0, {true, true, true, false, false, false}},
    {3, {false, false, false, true, true, true}},
    {4, {false, false, true, true, true, true}},
    {5, {false, true, true, true, true, true}},
};

}  // namespace

bool DoorGroupAllows(int32 doorGroup, int32 doorIndex) {
    if (doorIndex < 0 || doorIndex >= kDoorCount) return false;
    for (const auto& g : kDoorGroups)
        if (g.group == doorGroup) return g.doors[doorIndex];
    return false;
}

const TramModelRow* TramModelOf(int32 tram) {
    if (tram < 1 || tram > kTramCount) return nullptr;
    return &kModels[tram - 1];
}

bool FillTramLayout(int32 tram) {
    const TramModelRow* m = TramModelOf(tram);
    if (!m) return false;

    TramLayout& t = g_tramLayout;
    t.tramModel = tram - 1;
    t.doorFrame = 0;
    t.wheelFrame = 0;
    t.occupiedPlaces = 0;
    t.freePlaces = m->places;
    t.bodyX = m->bodyX;
    t.bodyY = m->bodyY;
    t.interiorX = m->interiorX;
    t.interiorY = m->interiorY;
    for (int d = 0; d < kDoorCount; ++d) {
        t.doors[d][0] = m->doors[d][0];
        t.doors[d][1] = m->doors[d][1];
    }
    for (int w = 0; w < kWheelCount; ++w) {
        t.wheels[w][0] = m->wheels[w][0];
        t.wheels[w][1] = m->wheels[w][1];
    }
    for (int s = 0; s < kFloorStripCount; ++s) t.floorStrips[s] = m->floorStrips[s];

    for (auto& p : g_places) p = PlaceSlot{-1, -1, -1, -1};
    for (const auto& run : kPlaceRuns) {
        if (run.tram != tram) continue;
        for (int32 i = run.first; i <= run.last; ++i)
            g_places[i] = PlaceSlot{kPlaceX[tram - 1][i], run.y, 1, run.doorGroup};
    }
    return true;
}

bool ApplyTramLayout(TForm1& form, int32 tram) {
    if (!FillTramLayout(tram)) return false;
    const TramModelRow& m = *TramModelOf(tram);
    form.imgDisplej1->Left = m.display1[0];
    form.imgDisplej1->Top = m.display1[1];
    form.imgDisplej2->Left = m.display2[0];
    form.imgDisplej2->Top = m.display2[1];
    return true;
}

void PlaceTram(TForm1& form) {
    const TramLayout& t = g_tramLayout;
    form.imgTramvaj->Left = t.bodyX;
    form.imgTramvaj->Top = t.bodyY;
    form.imgTramvajPozadi->Left = t.interiorX;
    form.imgTramvajPozadi->Top = t.interiorY;
    for (int i = 0; i < kDoorCount; ++i) {
        form.imgDvere[i]->Left = t.doors[i][0];
        form.imgDvere[i]->Top = t.doors[i][1];
    }
    for (int i = 0; i < kWheelCount; ++i) {
        form.imgKola[i]->Left = t.wheels[i][0];
        form.imgKola[i]->Top = t.wheels[i][1];
    }
}

void ApplyTramLayout1(TForm1& form) { ApplyTramLayout(form, 1); }
void ApplyTramLayout2(TForm1& form) { ApplyTramLayout(form, 2); }
void ApplyTramLayout3(TForm1& form) { ApplyTramLayout(form, 3); }
void ApplyTramLayout4(TForm1& form) { ApplyTramLayout(form, 4); }
void ApplyTramLayout5(TForm1& form) { ApplyTramLayout(form, 5); }
void ApplyTramLayout6(TForm1& form) { ApplyTramLayout(form, 6); }
void ApplyTramLayout7(TForm1& form) { ApplyTramLayout(form, 7); }
