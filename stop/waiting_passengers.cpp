// Filling a stop that the tick has just placed ahead of the tram (the
// shelter imgStanice at Left 3200) with waiting passengers, class by class.
#include "app/form1.h"
#include "game/random.h"
#include "game/records.h"
#include "game/route.h"
#include "game/state.h"
#include "stop/picture_report.h"
#include "stop/stop_service.h"
#include "tick/figure_picture.h"
#include "tick/passengers.h"

namespace {

// Passengers stand over the shelter picture, right of its first 150 pixels.
constexpr int32 kShelterLeftMargin = 150;

// Size of one class's batch. A class with maximum n gets 0..n-1 persons;
// class 0 gets 1..n at an ordinary stop, so every such stop has someone,
// and nobody new waits at the terminus.
int32 DrawBatchSize(const RouteSection& section, int passengerClass) {
    const int32 max = section.newPassengersMax[passengerClass];
    if (passengerClass == 0 && section.endOfLine != 1) return Random(max) + 1;
    return Random(max);
}

void MakeWaiting(PersonRecord& person, int passengerClass, const TImage& shelter) {
    person.state = PersonState::Waiting;
    person.passengerClass = passengerClass;
    person.facing = Random(4);
    if (person.facing == 2) person.facing = 3;  // nobody waits with its back to the tram
    person.walkFrame = 1;
    person.y = DrawPlatformLine();
    person.x = Random(shelter.Width - kShelterLeftMargin) + shelter.Left + kShelterLeftMargin;
    // A reused record must not carry its last rider's place: holding no
    // place is what sends a person away when the tram is full.
    person.placeX = 0;
    person.placeY = 0;
    person.doorGroup = 0;
}

// Takes free records in ascending order until the batch is complete or
// the records run out.
void FillBatch(int passengerClass, const TImage& shelter) {
    for (PersonRecord& person : g_persons) {
        if (person.state == PersonState::Free) {
            MakeWaiting(person, passengerClass, shelter);
            g_spawnedCount += 1;
        }
        if (g_spawnedCount == g_spawnTarget) return;
    }
}

}  // namespace

void SpawnStationPassengers(TForm1& form) {
    const RouteSection& section = CurrentSection();
    for (int passengerClass = 0; passengerClass < 4; ++passengerClass) {
        g_spawnedCount = 0;
        g_spawnTarget = DrawBatchSize(section, passengerClass);
        if (g_spawnTarget != 0) FillBatch(passengerClass, *form.imgStanice);
    }
    // Every waiting person shows its walking picture, also those left
    // waiting at an earlier stop. A missing picture is reported and the
    // filling goes on: the stop must not be filled a second time.
    for (int k = 0; k < kPersonCount; ++k) {
        if (g_persons[k].state == PersonState::Waiting) {
            const PersonRecord& p = g_persons[k];
            LoadPictureReported(*form.Clovek[k], WalkFramePath(p.passengerClass, p.facing, p.walkFrame),
                                "tMainTimer");
        }
    }
    for (PersonRecord& person : g_persons) person.walkFrame = Random(3);
    RefreshSceneZOrder(form);
}
