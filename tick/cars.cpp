// Road cars: four in the far lane drive to the left, four in the near
// lane to the right. They are scenery: nothing but their own spawning and
// removal reads where they are. While the tram moves the street scroll
// (street.cpp) moves them; while it stands they drive by themselves.
#include "app/form1.h"
#include "game/random.h"
#include "game/records.h"
#include "game/route.h"
#include "tick/asset_path.h"
#include "tick/blocks.h"
#include "tick/car_image.h"

namespace {

constexpr int32 kCarFrames = 4;
constexpr int32 kCarModels = 10;
constexpr int32 kIdleStep = 7;
// A new car's bottom edge lies this far below its lane's base Top.
constexpr int32 kBottomBelowBase = 60;

struct Lane {
    int32 firstRecord;
    const char* folder;
    int32 baseTop;
    int32 direction;     // -1 leftward, +1 rightward
    int32 removedPast;   // a car beyond this Left has left the screen
    int32 enterAt;       // where a car enters when the lane ahead is clear
    int32 clearPast;     // ... that is, when the car before it is past this
    int32 queueGap;      // otherwise it queues this far behind that car
};

constexpr Lane kLanes[] = {
    {0, "Textures//Doprava//AutaDoleva//", 381, -1, -220, 1200, 1000, 300},
    {4, "Textures//Doprava//AutaDoprava//", 441, +1, 1400, -220, 100, 300},
};

const Lane& LaneOf(int32 car) { return kLanes[car / kCarsPerLane]; }

// Past the lane's edge in its direction of travel.
bool HasLeft(const Lane& lane, int32 left) {
    return lane.direction < 0 ? left < lane.removedPast : left > lane.removedPast;
}

// The lane's cars form a ring: a new car is placed after the one before it.
int32 PredecessorOf(const Lane& lane, int32 car) {
    return lane.firstRecord + (car - lane.firstRecord + kCarsPerLane - 1) % kCarsPerLane;
}

bool LaneAheadIsClear(const Lane& lane, int32 predecessorLeft) {
    return lane.direction < 0 ? predecessorLeft < lane.clearPast : predecessorLeft > lane.clearPast;
}

void LoadCarPicture(TImage& image, const Lane& lane, const CarRecord& car) {
    image.Picture->LoadFromFile(
        NewPath().Text(lane.folder).Number(car.model).Number(car.frame).Text(".bmp").Str());
}

// A full lane gets no car.
void SpawnCar(TForm1& form, const Lane& lane) {
    for (int32 k = lane.firstRecord; k < lane.firstRecord + kCarsPerLane; ++k) {
        CarRecord& car = g_cars[k];
        if (car.active != 0) continue;
        car.model = Random(kCarModels);
        TImage& image = CarImage(form, k);
        // The frame is the one the record last had.
        LoadCarPicture(image, lane, car);
        // A free car stands at its lane's base; cars of every height
        // share the same bottom edge.
        image.Top = lane.baseTop + kBottomBelowBase - image.Height;
        const int32 predecessorLeft = CarImage(form, PredecessorOf(lane, k)).Left;
        image.Left = LaneAheadIsClear(lane, predecessorLeft)
                         ? lane.enterAt
                         : predecessorLeft - lane.direction * lane.queueGap;
        car.active = 1;
        return;
    }
}

// Spawn steps to the next car: a moving tram meets fewer cars.
int32 SpawnCountdown(int32 traffic, int32 speed) {
    if (speed >= 30) return 3 * traffic;
    if (speed > 0) return 2 * traffic;
    return traffic;
}

}  // namespace

// A car that has left the screen waits, free, at its lane's base.
void RemoveCarsAtEdges(TForm1& form) {
    for (int32 k = 0; k < kCarCount; ++k) {
        const Lane& lane = LaneOf(k);
        TImage& image = CarImage(form, k);
        if (!HasLeft(lane, image.Left)) continue;
        g_cars[k].active = 0;
        image.Top = lane.baseTop;
    }
}

void DriveCarsWhileStanding(TForm1& form) {
    if (g_speed != 0) return;
    for (int32 k = 0; k < kCarCount; ++k)
        if (g_cars[k].active == 1) CarImage(form, k).Left += LaneOf(k).direction * kIdleStep;
}

// Shows the current frame, then moves the record on to the next.
void AnimateCarFrames(TForm1& form) {
    for (int32 k = 0; k < kCarCount; ++k) {
        CarRecord& car = g_cars[k];
        if (car.active != 1) continue;
        LoadCarPicture(CarImage(form, k), LaneOf(k), car);
        if (++car.frame >= kCarFrames) car.frame = 0;
    }
}

// Before the first run the countdown is 0 and only falls further, so the
// first cars come with a run.
void StepCarSpawn(TForm1& form) {
    g_carSpawnCountdown -= 1;
    if (g_carSpawnCountdown != 0) return;
    for (const Lane& lane : kLanes) SpawnCar(form, lane);
    g_carSpawnCountdown = SpawnCountdown(CurrentSection().traffic, g_speed);
}
