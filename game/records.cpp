#include "game/records.h"

namespace {

constexpr PersonRecord kParkedPerson{PersonState::Free, 0, kParkedX, kParkedY, 0, 0, 0,
                                     0, 0, 0, 0, 0, 0, 0};
constexpr PedestrianRecord kParkedPedestrian{0, 0, 0, 0, kParkedX, kParkedY, 0, 0, 0, 0, 0};

}  // namespace

// Persons and passers-by are parked before main() runs (below); cars
// start all zero.
PersonRecord g_persons[kPersonCount] = {};
PedestrianRecord g_pedestrians[kPedestrianCount] = {};
CarRecord g_cars[kCarCount] = {};

namespace {
struct StartValues {
    StartValues() {
        ResetPersonRecords();
        ResetPedestrianRecords();
    }
} const g_startValues;
}  // namespace

void ResetPersonRecords() {
    for (auto& p : g_persons) p = kParkedPerson;
}

void ResetPedestrianRecords() {
    for (auto& p : g_pedestrians) p = kParkedPedestrian;
}

void ResetCarRecords() {
    for (auto& c : g_cars) c = CarRecord{0, 0, 0};
}
