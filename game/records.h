// The figures of the street scene: 92 passengers, 20 passers-by and 8
// road cars, fixed arrays of plain records. Each record is shown by one
// image of the main window (Clovek1..92, Kolemjdouci1..20, the car
// images) and is reused once free; nothing is created while the game runs.
#pragma once

#include "game/state.h"

// A passenger's state (PersonRecord::state).
namespace PersonState {
enum Value : int32 {
    Free = 0,         // not in use; parked off screen
    Waiting = 1,      // on the platform; scrolls with the street
    WalkToDoor = 2,   // walking along the platform to its door
    ClimbIn = 3,      // climbing into the tram
    Pay = 4,          // paying; passes to WalkToPlace in the same tick
    WalkToPlace = 5,  // walking along the tram floor to its place
    TakePlace = 6,    // settling; passes to Riding in the same tick
    Riding = 7,       // at its place
    ChooseExit = 8,   // choosing its exit door; passes on in the same tick
    WalkToExit = 9,   // walking along the tram floor to the exit door
    StepDown = 10,    // stepping down to the platform
    WalkAway = 11,    // walking off the screen; scrolls with the street
};
}  // namespace PersonState

struct PersonRecord {
    int32 state;          // PersonState
    int32 stepsLeft;      // signed pixels left of the current walk; 0 arrived
    int32 x;              // Left of the sprite
    int32 y;              // Top of the sprite
    int32 facing;         // 0 left, 1 right, 2 back, 3 front
    int32 standB;         // second digit of the standing frame name
    int32 standC;         // third digit, 0 = idle pose
    int32 walkFrame;      // 0..3
    int32 placeX;         // place in the tram; 0 = holds no place
    int32 placeY;
    int32 stopsToRide;    // door openings still to ride
    int32 doorGroup;      // doors the person may use
    int32 walkDir;        // 0 left, 1 right (walking off the screen)
    int32 passengerClass; // 0 Nemajetni, 1 Delnici, 2 Urednici, 3 Elita
};

struct PedestrianRecord {
    int32 active;       // 1 on the street, 0 free
    int32 walking;      // 1 walking, 0 standing
    int32 direction;    // 0 leftward (enters at 1200), 1 rightward (enters at -20)
    int32 appearance;   // 0..3: frame folder
    int32 x;
    int32 y;
    int32 standA;       // standing frame digits
    int32 standB;
    int32 standC;       // 1..5 standing poses, 0 brief pose
    int32 walkFrame;    // 0..3
    int32 row;          // 1 back row (behind the tram), 0 front row
};

struct CarRecord {
    int32 active;  // 1 on the road
    int32 model;   // picture model 0..9
    int32 frame;   // animation frame 0..3, never reset
};

constexpr int32 kPersonCount = 92;
constexpr int32 kPedestrianCount = 20;
constexpr int32 kCarCount = 8;
constexpr int32 kParkedX = -20;   // free persons and passers-by wait here
constexpr int32 kParkedY = -60;

extern PersonRecord g_persons[kPersonCount];
extern PedestrianRecord g_pedestrians[kPedestrianCount];
extern CarRecord g_cars[kCarCount];

// Every person record free and parked (state 0, x -20, y -60, the rest 0).
void ResetPersonRecords();
// Every passer-by free and parked (x -20, y -60, the rest 0).
void ResetPedestrianRecords();
// Every car inactive, model 0, frame 0 (program start only).
void ResetCarRecords();
