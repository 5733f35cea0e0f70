// Where every waiting passenger goes when the doors open: a free place in
// the tram (a seat before a standing place, one on the person's left
// before one on its right) and the nearest door its place may use. Who
// holds no place and stands on the platform is turned away. Persons are
// served in record order, so the lower record wins a contested place.
#include "app/form1.h"
#include "game/random.h"
#include "game/records.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "stop/door_steps.h"

namespace {

constexpr int kFirstSeat = 0;
constexpr int kLastSeat = kSeatCount - 1;
constexpr int kFirstStanding = kSeatCount;
constexpr int kLastStanding = kPlaceCount - 1;
constexpr int32 kFarRight = 3000;
constexpr int32 kFarLeft = -3000;
// Parked records lie above the scene; only persons below this line are
// on the platform.
constexpr int32 kPlatformTop = 200;

bool IsFreeLeftOf(const PlaceSlot& place, int32 px) { return place.x < px && place.isFree == 1; }
bool IsFreeRightOf(const PlaceSlot& place, int32 px) { return place.x > px && place.isFree == 1; }

// First free place on the person's left, scanning up from `first`.
int32 SearchLeft(int first, int last, int32 px) {
    for (int j = first; j <= last; ++j) {
        if (IsFreeLeftOf(g_places[j], px)) return j;
    }
    return -1;
}

// First free place on the person's right, scanning down from `last`.
int32 SearchRight(int first, int last, int32 px) {
    for (int j = last; j >= first; --j) {
        if (IsFreeRightOf(g_places[j], px)) return j;
    }
    return -1;
}

// Four searches (left seat, right seat, left standing, right standing);
// the first one in that order that found a place wins. Without a hit the
// person keeps its place fields.
void TakeFreePlace(PersonRecord& person) {
    const int32 px = person.x;
    g_placeCandidate[0] = SearchLeft(kFirstSeat, kLastSeat, px);
    g_placeCandidate[1] = SearchRight(kFirstSeat, kLastSeat, px);
    g_placeCandidate[2] = SearchLeft(kFirstStanding, kLastStanding, px);
    g_placeCandidate[3] = SearchRight(kFirstStanding, kLastStanding, px);
    g_chosenCandidate = -1;
    for (int search = 0; search < 4; ++search) {
        if (g_placeCandidate[search] < 0) continue;
        PlaceSlot& place = g_places[g_placeCandidate[search]];
        person.placeX = place.x;
        person.placeY = place.y;
        person.doorGroup = place.doorGroup;
        place.isFree = 0;
        g_chosenCandidate = search;
        return;
    }
}

// Signed walk from the person to the nearest allowed door's left edge;
// equal distances go to the right-hand door.
int32 WalkToNearestDoor(const PersonRecord& person) {
    g_nearestDoorRight = kFarRight;
    g_nearestDoorLeft = kFarLeft;
    for (int door = 0; door < kDoorCount; ++door) {
        if (!DoorGroupAllows(person.doorGroup, door)) continue;
        const int32 d = g_tramLayout.doors[door][0] - person.x;
        if (g_nearestDoorLeft <= d && d <= 0) g_nearestDoorLeft = d;
        if (0 <= d && d <= g_nearestDoorRight) g_nearestDoorRight = d;
    }
    return -g_nearestDoorLeft >= g_nearestDoorRight ? g_nearestDoorRight : g_nearestDoorLeft;
}

}  // namespace

void AssignBoardingPlaces() {
    // Walkers aim 2 pixels right of the middle of the open door.
    const int32 doorAim = Form1->imgDvere[0]->Width / 2 + 2;
    for (PersonRecord& person : g_persons) {
        if (person.stopsToRide > 0) person.stopsToRide -= 1;
        if (person.state == PersonState::Waiting) {
            person.state = PersonState::WalkToDoor;
            TakeFreePlace(person);
            person.stepsLeft = WalkToNearestDoor(person) + doorAim;
        }
        if (person.placeX == 0 && person.y > kPlatformTop) {
            person.stepsLeft = 0;
            person.state = PersonState::WalkAway;
            person.walkDir = Random(2);
        }
    }
}
