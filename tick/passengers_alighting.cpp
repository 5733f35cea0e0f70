// The way out: a rider's place is offered again one stop before it
// leaves; at its stop it walks to the nearest door its place may use,
// steps down to the platform and walks off the screen, where its record
// becomes free.
#include "app/form1.h"
#include "game/random.h"
#include "stop/stop_service.h"
#include "tick/passengers.h"

namespace {

// The exit search looks no farther than this on either side.
constexpr int32 kExitReach = 1000;
// Leaving persons aim 18 pixels left of the middle of the door.
constexpr int32 kExitAimLeftOfMiddle = 18;
// Past these edges a walker is off the screen and its record free.
constexpr int32 kLeaveLeftBelow = -20;
constexpr int32 kLeaveRightAbove = 1180;
// The two strips a rider is put on before it walks to the door.
constexpr int kExitSnapStrips[] = {0, 2};

void Park(PersonRecord& person) {
    person.state = PersonState::Free;
    person.x = kParkedX;
    person.y = kParkedY;
}

}  // namespace

void Ride(PersonRecord& person) {
    if (person.stepsLeft != 0) return;
    if (person.stopsToRide == 1) {
        // Offered to whoever boards at this rider's last stop; repeated
        // every tick until the doors there have opened.
        for (PlaceSlot& place : g_places)
            if (place.x == person.x && place.y == person.y) place.isFree = 1;
    }
    if (person.stopsToRide == 0) {
        person.state = PersonState::ChooseExit;
        g_tramLayout.occupiedPlaces -= 1;
        g_tramLayout.freePlaces += 1;
    }
}

// The nearest allowed door on either side; equal distances and a door
// right at the person go to the right-hand one.
void ChooseExit(TForm1& form, PersonRecord& person) {
    if (person.stepsLeft != 0) return;
    g_tmpExitRight = kExitReach;
    g_tmpExitLeft = -kExitReach;
    for (int door = 0; door < kDoorCount; ++door) {
        if (!DoorGroupAllows(person.doorGroup, door)) continue;
        const int32 d = g_tramLayout.doors[door][0] - person.x;
        if (g_tmpExitLeft <= d && d <= 0) g_tmpExitLeft = d;
        if (0 <= d && d <= g_tmpExitRight) g_tmpExitRight = d;
    }
    const int32 aim = form.imgDvere[0]->Width / 2 - kExitAimLeftOfMiddle;
    person.stepsLeft = (-g_tmpExitLeft < g_tmpExitRight ? g_tmpExitLeft : g_tmpExitRight) + aim;
    // Seated riders sit lower than the floor they walk on.
    for (int s : kExitSnapStrips) {
        const FloorStrip& strip = g_tramLayout.floorStrips[s];
        if (OnFloorStrip(strip, person.x)) person.y = strip.y;
    }
    person.state = PersonState::WalkToExit;
}

void WalkToExit(TForm1& form, PersonRecord& person) {
    StepAlongFloor(person);
    if (person.stepsLeft != 0) return;
    // At the door: the way down from the floor to the platform.
    for (const FloorStrip& strip : g_tramLayout.floorStrips) {
        if (!OnFloorStrip(strip, person.x)) continue;
        g_tmpAlightStep = strip.y - DrawPlatformLine();
        person.stepsLeft = g_tmpAlightStep;
    }
    person.state = PersonState::StepDown;
    RefreshSceneZOrder(form);  // out in front of the tram again
}

void StepDown(PersonRecord& person) {
    if (person.stepsLeft < 0) {
        person.stepsLeft += 1;
        person.y += 1;
        person.facing = 3;
    }
    if (person.stepsLeft == 0) {
        person.walkDir = Random(2);
        person.state = PersonState::WalkAway;
    }
}

void WalkAway(PersonRecord& person) {
    if (person.walkDir == 0) {
        person.x -= 1;
        person.facing = 0;
    }
    if (person.walkDir == 1) {
        person.x += 1;
        person.facing = 1;
    }
    if (person.x < kLeaveLeftBelow) Park(person);
    if (person.x > kLeaveRightAbove) Park(person);
}
