// Tram models: the seven trams with their doors, wheels, floor and places.
// Before a run the layout operation of the chosen tram fills the one
// current layout g_tramLayout and the one place table g_places and puts
// the two destination displays in place. Everything else reads the tram
// only through these two globals.
#pragma once

#include "game/state.h"

class TForm1;

// A strip of the tram floor: a person with xFrom < x < xTo stands on it
// and is put at its y. Three zeros: no strip.
struct FloorStrip {
    int32 xFrom;
    int32 xTo;
    int32 y;
};

struct TramLayout {
    int32 tramModel;        // 0..6: digit in the tram, door and wheel pictures
    int32 doorFrame;        // door animation frame 0..10 (10 = open)
    int32 wheelFrame;       // wheel animation frame 0..3
    int32 occupiedPlaces;   // labObsazenoMist
    int32 freePlaces;       // labVolnychMist
    int32 bodyX, bodyY;             // imgTramvaj Left, Top
    int32 interiorX, interiorY;     // imgTramvajPozadi Left, Top
    int32 doors[6][2];      // imgDvere1..6 Left, Top; (-200, -200) = no door
    int32 wheels[4][2];     // imgKola1..4 Left, Top; (-200, -200) = no wheels
    FloorStrip floorStrips[5];
};

// One passenger place. Places 0..19 are seats, 20..67 standing places.
// A place the tram lacks has every field -1.
struct PlaceSlot {
    int32 x;
    int32 y;
    int32 isFree;      // 1 free, 0 taken, -1 no such place
    int32 doorGroup;   // 0, 3, 4 or 5: which doors serve the place
};

constexpr int32 kTramCount = 7;       // trams 1..7 (models 0..6)
constexpr int32 kPlaceCount = 68;
constexpr int32 kSeatCount = 20;      // places 0..19
constexpr int32 kDoorCount = 6;
constexpr int32 kWheelCount = 4;
constexpr int32 kFloorStripCount = 5;
constexpr int32 kAbsentDoorPos = -200;   // x and y of a door or wheel set the tram lacks
constexpr int32 kParkedDisplayPos = -50; // imgDisplej2 of a tram with one display

extern TramLayout g_tramLayout;
extern PlaceSlot g_places[kPlaceCount];

// The value g_tramLayout holds before any layout operation (the tram on
// the menu screen).
extern const TramLayout kStartTramLayout;

// Door groups: may a person of `doorGroup` use door `doorIndex` (0..5,
// imgDvere1..imgDvere6)? Group 0: doors 1-3; 3: doors 4-6; 4: doors 3-6;
// 5: doors 2-6; any other group (or index) none.
bool DoorGroupAllows(int32 doorGroup, int32 doorIndex);

// The constant description of one tram (n = 1..7).
struct TramModelRow {
    int32 places;                 // number of places the tram has
    int32 bodyX, bodyY;
    int32 interiorX, interiorY;
    int32 display1[2];            // imgDisplej1 Left, Top
    int32 display2[2];            // imgDisplej2 Left, Top
    int32 doors[6][2];
    int32 wheels[4][2];
    FloorStrip floorStrips[5];
};
// nullptr unless 1 <= tram <= 7.
const TramModelRow* TramModelOf(int32 tram);

// Fills g_tramLayout and g_places for tram 1..7 (not the displays).
// Returns false and changes nothing for any other number.
bool FillTramLayout(int32 tram);

// The layout operations: g_tramLayout, g_places and the positions of
// imgDisplej1 and imgDisplej2 for tram 1..7.
void ApplyTramLayout1(TForm1& form);
void ApplyTramLayout2(TForm1& form);
void ApplyTramLayout3(TForm1& form);
void ApplyTramLayout4(TForm1& form);
void ApplyTramLayout5(TForm1& form);
void ApplyTramLayout6(TForm1& form);
void ApplyTramLayout7(TForm1& form);
// The layout operation of tram `tram` (1..7); false and nothing changed
// for any other number (e.g. g_selectedTram 0 after a new game).
bool ApplyTramLayout(TForm1& form, int32 tram);

// Puts the tram's body, interior, doors and wheels where g_tramLayout has
// them.
void PlaceTram(TForm1& form);
