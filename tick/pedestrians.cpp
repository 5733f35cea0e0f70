// Passers-by on the two pavements: they appear while the tram's section
// has a stop, walk across the screen or stand about, scroll with the
// street (street.cpp) and are freed once off the screen. They never board.
#include <algorithm>

#include "app/form1.h"
#include "game/random.h"
#include "game/records.h"
#include "game/route.h"
#include "stop/stop_service.h"
#include "tick/blocks.h"
#include "tick/figure_picture.h"

namespace {

// A leftward walker enters at the right edge, a rightward one at the left.
constexpr int32 kEnterLeftward = 1200;
constexpr int32 kEnterRightward = -20;
// Past these edges a passer-by is off the screen and its record free.
constexpr int32 kLeaveLeftBelow = -30;
constexpr int32 kLeaveRightAbove = 1210;

// The pavement rows: the back one behind the tram, the front one in front
// of everything.
constexpr int32 kBackRow = 1;
constexpr int32 kBackRowTop = 348;
constexpr int32 kBackRowDepth = 9;
constexpr int32 kFrontRowTop = 455;
constexpr int32 kFrontRowDepth = 19;

const AnsiString& WalkPicture(const PedestrianRecord& p) {
    return WalkFramePath(p.appearance, p.direction, p.walkFrame);
}

const AnsiString& StandingPicture(const PedestrianRecord& p) {
    return StandingPosePath(p.appearance, p.standA, p.standB, p.standC);
}

bool IsWalkingOnStreet(const PedestrianRecord& p) { return p.active == 1 && p.walking == 1; }
bool IsStandingOnStreet(const PedestrianRecord& p) { return p.active == 1 && p.walking == 0; }

void Enter(PedestrianRecord& p) {
    p.active = 1;
    p.walking = 1;
    // While the tram moves everybody comes from ahead.
    p.direction = g_speed == 0 ? Random(2) : 0;
    p.appearance = Random(4);
    p.row = Random(2);
    p.x = p.direction == 0 ? kEnterLeftward : kEnterRightward;
    p.y = p.row == kBackRow ? kBackRowTop + Random(kBackRowDepth) : kFrontRowTop + Random(kFrontRowDepth);
}

// Ticks to the next spawn step: the busier the street, the rarer a
// passer-by.
int32 SpawnInterval(int32 traffic) {
    switch (traffic) {
        case 8: return 400;
        case 7: return 280;
        case 6: return 180;
        case 5: return 100;
        case 4: return 40;
        case 3: return 18;
        default: break;
    }
    // A negative interval would stop the countdown for good.
    if (traffic < 3) return std::max(traffic * 2, 0);
    return 0;
}

}  // namespace

void PlacePedestrianSprites(TForm1& form) {
    for (int k = 0; k < kPedestrianCount; ++k) {
        form.Kolemjdouci[k]->Top = g_pedestrians[k].y;
        form.Kolemjdouci[k]->Left = g_pedestrians[k].x;
    }
}

void WalkPedestrians(TForm1&) {
    for (PedestrianRecord& p : g_pedestrians) {
        if (IsWalkingOnStreet(p) && p.direction == 0) p.x -= 1;
        if (IsWalkingOnStreet(p) && p.direction == 1) p.x += 1;
        // Also free records drift with the street and are put back here.
        if (p.x < kLeaveLeftBelow || p.x > kLeaveRightAbove) {
            p.active = 0;
            p.x = kParkedX;
        }
    }
}

void AnimatePedestrianWalkFrames(TForm1& form) {
    for (int k = 0; k < kPedestrianCount; ++k)
        if (IsWalkingOnStreet(g_pedestrians[k]))
            ShowFigurePicture(*form.Kolemjdouci[k], WalkPicture(g_pedestrians[k]));
}

// Drawn for free records too, in a fixed order, so a seed replays a game.
void RerollPedestrianPoses(TForm1&) {
    for (PedestrianRecord& p : g_pedestrians) {
        if (Random(200) == 1) p.walking = Random(2);
        if (p.walking != 0) continue;
        if (p.standC == 0) p.standC = Random(5) + 1;
        g_roll0 = Random(100);
        if (g_roll0 == 1) p.standA = Random(4);
        g_roll1 = Random(50);
        if (g_roll1 == 1) p.standB = Random(4);
        g_roll2 = Random(30);
        if (g_roll2 == 1) p.standC = Random(5) + 1;
        g_roll3 = Random(20);
        if (g_roll3 == 1 && p.standC != 0) p.standC = 0;
    }
}

void AnimatePedestrianStandFrames(TForm1& form) {
    for (int k = 0; k < kPedestrianCount; ++k)
        if (IsStandingOnStreet(g_pedestrians[k]))
            ShowFigurePicture(*form.Kolemjdouci[k], StandingPicture(g_pedestrians[k]));
}

// One passer-by at most per step, into the first free record; it shows
// its first picture at the next walk step.
void SpawnPedestrians(TForm1& form) {
    const RouteSection& section = CurrentSection();
    if (section.hasStop != 0) {
        auto free = std::find_if(std::begin(g_pedestrians), std::end(g_pedestrians),
                                 [](const PedestrianRecord& p) { return p.active == 0; });
        if (free != std::end(g_pedestrians)) {
            Enter(*free);
            RefreshSceneZOrder(form);
        }
    }
    g_gatePedSpawn = SpawnInterval(section.traffic);
}
