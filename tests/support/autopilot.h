// The driver of the whole-game tests. Each tick it looks at the scene and
// the dashboard and presses what a careful player presses:
//
// - the speed keys for the section's limit, slowing along the braking
//   curve for the stop and for the light;
// - at the light: through the junction at 30 km/h while the light will
//   stay off red until the tram is across (it watches the light change and
//   knows its cycle), otherwise it stops before it and waits;
// - at a stop: it stops with the waiting crowd beside the tram, opens (D),
//   waits until the door button comes back, waits for the green
//   timekeeping, closes (D) and drives on.
//
// It reads positions, captions, colours and pictures of the scene, and the
// route row being driven (what a player reads from the street ahead); it
// acts only through keys.
#pragma once

#include <string>
#include <vector>

#include "tests/support/game_fixture.h"

namespace e2e {

// What happened at one stop.
struct StopVisit {
    int row = 0;              // route row
    int scheduledMinute = 0;
    int minuteAtOpen = 0;     // run clock when the doors were fully open
    int minuteAtClose = 0;    // run clock when they were closed again
    int boarded = 0;          // passengers carried at the stop
    int moneyBefore = 0;      // labKasa before the doors opened
    int moneyAfter = 0;       // labKasa after they closed
    long ticksTo = 0;         // ticks from the last departure to the opening
    long ticksHeld = 0;       // of those, standing before a light or short of the stop
    long ticksAt = 0;         // ticks from the opening to the closing
};

// One drive, from the run start to wherever it stopped.
struct RunLog {
    int line = 0;
    std::vector<StopVisit> stops;
    long ticks = 0;
    bool reachedDepot = false;          // the run ended at the terminus
    std::vector<std::string> messages;  // every text the message panel showed, in order
    std::string Describe() const;
};

// Street pixels covered while braking from `from` to `to` km/h.
int BrakingDistance(int from, int to = 0);

class Autopilot {
public:
    explicit Autopilot(GameHarness& game) : game_(game) {}

    // A new run is on the screen.
    void BeginRun(RunLog& log);
    // Drive at this key's speed wherever the stop and the light allow,
    // whatever the section's limit; 0 (the default) keeps to the limits.
    void Cruise(int kmh) { cruise_ = kmh; }
    // Looks, presses, lets one tick pass. False once the run is over (the
    // depot or the menu is on the screen).
    bool Step(RunLog& log);

private:
    enum class Doors { Closed, Opening, Open, Closing };

    void NoteMessage(RunLog& log);
    void WatchLight();
    // Ticks since the light changed to what it shows; -1 when not seen yet.
    long LightPhaseAgeTicks() const;
    void DriveOn();               // speed keys, doors closed
    void OpenAtStop();
    void CloseAndLeave(RunLog& log);
    int SpeedShown() const;
    int MinuteShown() const;

    GameHarness& game_;
    Doors doors_ = Doors::Closed;
    int cruise_ = 0;
    int servedRow_ = -1;       // the row whose stop was served on this pass
    int lastRow_ = -1;
    bool stoppingForLight_ = false;
    StopVisit visit_;
    int carriedAtOpen_ = 0;
    long tick_ = 0, legStart_ = 0, held_ = 0, openedAt_ = 0;
    std::string lastMessage_;
    int lightPhase_ = 0;
    long long lightPhaseSinceMs_ = -1;
};

}  // namespace e2e
