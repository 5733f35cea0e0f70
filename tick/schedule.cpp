// The 10 ms game tick: a fixed sequence of guarded blocks and a tail.
// The order matters: sprites are put where their records stood before
// anything moves them; the moving flags are refreshed before the
// landscape and the street test them; the speed changes only after both
// have scrolled; the door button is decided on the finished tick; and the
// gates count down last, so a gate re-armed in this tick is already one
// lower when the tick ends.
#include <vector>

#include "app/form1.h"
#include "game/state.h"
#include "tick/blocks.h"

namespace {

constexpr int32 kSpeedStepPeriod = 4;
constexpr int32 kWalkPeriod = 6;
constexpr int32 kStandPeriod = 6;
constexpr int32 kCarFramePeriod = 2;
constexpr int32 kTrafficPeriod = 33;  // one game second
constexpr int32 kClockPeriod = 33;

void UpdateDashboardAndSprites(TForm1& form) {  // block A
    FadeMenuMusic(form);
    UpdateDashboardCounters(form);
    UpdateSchemeMarker(form);
    CheckLevelGoals(form);
    ColourGoalLabels(form);
    UpdateEngineSounds(form);
    UpdatePlacesLabels(form);
    PlacePersonSprites(form);
    PlacePedestrianSprites(form);
}

void DriveStreet(TForm1& form) {  // block D
    AnimateWheels(form);
    WrapPolesAndCheckLight(form);
    UpdateLightWarning(form);
    CheckStopApproach(form);
    ScrollStreet(form);
    ChangeRoadTile(form);
    PlaceStop(form);
    PlaceLight(form);
    PlaceSign(form);
}

void MoveTraffic(TForm1& form) {  // block E
    RemoveCarsAtEdges(form);
    DriveCarsWhileStanding(form);
    WalkPedestrians(form);
}

void AnimateWalking(TForm1& form) {  // block G
    AnimatePedestrianWalkFrames(form);
    RerollPedestrianPoses(form);
    AnimatePedestrianStandFrames(form);
    AnimatePersonWalkFrames(form);
    AdvanceWalkFrames(form);
}

void AnimateStanding(TForm1& form) {  // block H
    RerollPersonPoses(form);
    AnimatePersonStandFrames(form);
}

void RunTick(TForm1& form) {
    if (g_updateEnabled == 1) UpdateDashboardAndSprites(form);
    if (g_paxEnabled == 1) StepPassengers(form);
    if (g_landscapeMoving == 1) ScrollLandscape(form);
    if (g_streetMoving == 1) DriveStreet(form);
    if (g_trafficEnabled == 1) MoveTraffic(form);
    if (g_gateSpeedStep == 0) {
        SpeedStep(form);
        g_gateSpeedStep = kSpeedStepPeriod;
    }
    if (g_gateWalk == 0) {
        AnimateWalking(form);
        g_gateWalk = kWalkPeriod;
    }
    if (g_gateStand == 0) {
        AnimateStanding(form);
        g_gateStand = kStandPeriod;
    }
    if (g_gateCarFrame == 0) {
        AnimateCarFrames(form);
        g_gateCarFrame = kCarFramePeriod;
    }
    if (g_gateTraffic == 0) {
        StepMessageTimer(form);
        StepCarSpawn(form);
        g_gateTraffic = kTrafficPeriod;
    }
    // The clock stands (and its gate waits at 0) during the tutorial.
    if (g_gateClock == 0 && g_tutorialStep == 0) {
        StepRunClock(form);
        g_gateClock = kClockPeriod;
    }
    // Re-arms its own gate from the section's traffic.
    if (g_gatePedSpawn == 0) SpawnPedestrians(form);

    UpdateDoorButton(form);
    CountDownGates();
    ClampFreePlacesLabel(form);
}

// A picture that cannot be opened ends the tick where it failed. It is
// reported once; while later ticks keep failing on the same file they
// stay quiet, and once a tick gets through, a new failure is news again.
std::vector<AnsiString>& FailedPictures() {
    static std::vector<AnsiString> paths;
    return paths;
}

void ReportPictureFailure(const EFOpenError& error) {
    std::vector<AnsiString>& failed = FailedPictures();
    for (const AnsiString& path : failed)
        if (path == error.Path) return;
    failed.push_back(error.Path);
    if (Application) Application->ShowException(error, "tMainTimer");
}

}  // namespace

void CountDownGates() {
    for (int32* gate : {&g_gateSpeedStep, &g_gateWalk, &g_gateStand, &g_gateCarFrame, &g_gateTraffic,
                        &g_gateClock, &g_gatePedSpawn})
        if (*gate > 0) --*gate;
}

void TForm1::tMainTimerTimer(TObject*) {
    try {
        RunTick(*this);
    } catch (const EFOpenError& error) {
        // No later block, no tail, no countdown in this tick.
        ReportPictureFailure(error);
        return;
    }
    if (!FailedPictures().empty()) FailedPictures().clear();
}
