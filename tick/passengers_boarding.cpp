// The way in: along the platform to the door the door timer chose, up
// onto the tram floor, the fare, along the floor to the place, and the
// number of stops to ride.
#include "app/form1.h"
#include "game/menu_sound.h"
#include "game/random.h"
#include "stop/stop_service.h"
#include "tick/captions.h"
#include "tick/passengers.h"

namespace {

struct Fare {
    int32 dollars;
    float coinVolume;  // richer passengers jingle louder
};
constexpr Fare kFares[4] = {{1, 0.05f}, {3, 0.1f}, {6, 0.15f}, {10, 0.2f}};
constexpr const char* kCoinSound = "Zvuky//Obecne//Penize1.wav";

// A rider never stays for more than this many stops.
constexpr int32 kLongestRide = 7;

bool IsPassengerClass(int32 passengerClass) { return passengerClass >= 0 && passengerClass < 4; }

void TakeFare(const PersonRecord& person) {
    // Only the four classes of the fare table pay and are counted.
    if (!IsPassengerClass(person.passengerClass)) return;
    const Fare& fare = kFares[person.passengerClass];
    PlayOneShot(kCoinSound, fare.coinVolume);
    AddToFigure(g_money, fare.dollars);
    g_stopIncome += fare.dollars;
    AddToFigure(g_carriedByClass[person.passengerClass], 1);
}

}  // namespace

void WalkToDoor(PersonRecord& person) {
    StepAlong(person);
    if (person.stepsLeft == 0) person.state = PersonState::ClimbIn;
}

// Recomputed from the floor under the person every tick: negative while
// it is below the floor. A door over no strip means no climb at all.
void ClimbIn(PersonRecord& person) {
    for (const FloorStrip& strip : g_tramLayout.floorStrips) {
        if (!OnFloorStrip(strip, person.x)) continue;
        g_tmpClimbStep = strip.y - person.y;
        person.stepsLeft = g_tmpClimbStep;
    }
    if (person.stepsLeft < 0) {
        person.stepsLeft += 1;
        person.y -= 1;
        person.facing = 2;
    }
    if (person.stepsLeft == 0) person.state = PersonState::Pay;
}

void Pay(TForm1& form, PersonRecord& person) {
    if (person.stepsLeft == 0) {
        g_tramLayout.occupiedPlaces += 1;
        g_tramLayout.freePlaces -= 1;
        // The tutorial carries passengers for free.
        if (g_tutorialStep == 0) TakeFare(person);
        g_carriedRun += 1;
        AddToFigure(g_carriedTotal, 1);
        ShowNumber(*form.labKasa, g_money);
        ShowCaption(*form.labPrijem, "$" + IntToStr(g_stopIncome));
        RefreshSceneZOrder(form);  // now inside the tram
    }
    person.state = PersonState::WalkToPlace;
}

void WalkToPlace(PersonRecord& person) {
    g_tmpSeatStep = person.placeX - person.x;
    person.stepsLeft = g_tmpSeatStep;
    StepAlongFloor(person);
    if (person.stepsLeft == 0) person.state = PersonState::TakePlace;
}

void TakePlace(PersonRecord& person) {
    if (person.stepsLeft != 0) return;
    person.y = person.placeY;
    person.stopsToRide = Random(g_stopsRemaining - 1) + 1;
    if (person.stopsToRide > kLongestRide) person.stopsToRide = Random(kLongestRide) + 1;
    person.state = PersonState::Riding;
}
