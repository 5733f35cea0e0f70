#include "tests/support/autopilot.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "game/route.h"
#include "game/state.h"

namespace e2e {

namespace {

constexpr TColor kClockEarly = 0xFFFF00;  // aqua: before the scheduled minute

// The missed-stop mark: a stop board at or left of it while moving costs a
// penalty. The door button reaches a board up to 200 px right of the tram.
constexpr int kMissedStopLeft = -136;
constexpr int kDoorReach = 200;
// The junction is judged while the light's Left is within 831..929.
constexpr int kJunctionFar = 930;
constexpr int kJunctionNear = 830;
constexpr int kCrossingSpeed = 30;
// The light: the long phase lasts 25 s, the short one before red 6 s.
constexpr long kLongPhaseTicks = 2500;
constexpr long kShortPhaseTicks = 600;

struct SpeedKey {
    int target;
    char key;
};
constexpr SpeedKey kSpeedKeys[] = {{0, 'q'}, {15, 'w'}, {30, 'e'}, {45, 'r'}, {60, 't'}};

int ParseInt(const std::string& text) {
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        throw std::runtime_error("the screen shows \"" + text + "\" where a number belongs");
    }
}

// The street moves by the speed's band of 5 km/h per tick.
int Band(int speed) { return speed <= 0 ? 0 : (speed + 4) / 5; }


// The highest key target from which the tram still gets down to `end`
// km/h within `room` pixels.
int FastestBefore(int room, int end) {
    int best = 0;
    for (const SpeedKey& s : kSpeedKeys)
        if (BrakingDistance(s.target, end) + 16 <= room) best = s.target;
    return best;
}

// The target for a place `room` pixels ahead that must be passed at no more
// than `end` km/h: `end` once the brakes must act, else the fastest key that
// leaves room to brake.
int SpeedFor(int room, int speed, int end) {
    if (room <= BrakingDistance(speed, end) + 12) return end;
    return std::max(FastestBefore(room, end), end);
}

// Ticks to cover `distance` pixels from `speed`, accelerating towards the
// crossing speed by about 1 km/h every 8 ticks.
long TicksToCover(int distance, int speed) {
    long ticks = 0;
    int v = speed;
    for (int covered = 0; covered < distance && ticks < 100000; ++ticks) {
        if (v < kCrossingSpeed && ticks % 8 == 7) ++v;
        covered += Band(v);
    }
    return ticks;
}

// Will the light stay off red until the tram, at most at the crossing
// speed, is through the junction `distance` pixels ahead? The short phase
// always follows the long one; an age of -1 counts nothing of the phase
// shown.
bool CanCross(int phase, long phaseAge, int distance, int speed) {
    if (phase == 2) return false;
    long left = kShortPhaseTicks;
    if (phaseAge >= 0)
        left = phase == 0 ? kLongPhaseTicks - phaseAge + kShortPhaseTicks : kShortPhaseTicks - phaseAge;
    return left > TicksToCover(distance, std::min(speed, kCrossingSpeed)) + 20;
}

// The phase the light's picture shows ("...Semafor<n>.bmp"); the long one
// before its first change.
int LightPhaseShown(const TImage& light) {
    const std::string& name = light.Picture->FileName();
    const auto dot = name.rfind(".bmp");
    if (dot == std::string::npos || dot == 0) return 0;
    const char digit = name[dot - 1];
    return digit >= '0' && digit <= '2' ? digit - '0' : 0;
}

}  // namespace

// 1 km/h per speed step of 4 ticks, plus one step of waiting for the
// step's gate.
int BrakingDistance(int from, int to) {
    if (from <= to) return 0;
    int d = 4 * Band(from);
    for (int v = from; v > to; --v) d += 4 * Band(v);
    return d;
}

std::string RunLog::Describe() const {
    std::ostringstream out;
    out << "line " << line << ", " << ticks << " ticks, " << (reachedDepot ? "reached the depot" : "still driving")
        << "\n";
    for (const StopVisit& s : stops)
        out << "  row " << s.row << ": open at minute " << s.minuteAtOpen << " (scheduled " << s.scheduledMinute
            << "), closed at " << s.minuteAtClose << ", boarded " << s.boarded << ", money " << s.moneyBefore
            << " -> " << s.moneyAfter << "; ticks to it " << s.ticksTo << " (held " << s.ticksHeld << "), at it "
            << s.ticksAt << "\n";
    for (const std::string& m : messages) out << "  message: " << m << "\n";
    return out.str();
}

void Autopilot::BeginRun(RunLog& log) {
    log = RunLog{};
    log.line = g_line;
    doors_ = Doors::Closed;
    servedRow_ = -1;
    lastRow_ = g_sectionIndex;
    stoppingForLight_ = false;
    tick_ = legStart_ = held_ = 0;
    lastMessage_.clear();
}

int Autopilot::SpeedShown() const { return ParseInt(game_.form().labAktualniRychlost->Caption()); }
int Autopilot::MinuteShown() const { return ParseInt(game_.form().labMinuty->Caption()); }

void Autopilot::WatchLight() {
    const int shown = LightPhaseShown(*game_.form().imgSemafor);
    if (shown == lightPhase_) return;
    lightPhase_ = shown;
    lightPhaseSinceMs_ = game_.ui().Now();
}

long Autopilot::LightPhaseAgeTicks() const {
    return lightPhaseSinceMs_ < 0 ? -1 : static_cast<long>((game_.ui().Now() - lightPhaseSinceMs_) / 10);
}

void Autopilot::NoteMessage(RunLog& log) {
    TForm1& f = game_.form();
    if (!f.panVarovani->IsShowing()) {
        lastMessage_.clear();
    } else if (f.labVarovani->Caption() != lastMessage_) {
        lastMessage_ = f.labVarovani->Caption();
        log.messages.push_back(lastMessage_);
    }
}

bool Autopilot::Step(RunLog& log) {
    TForm1& f = game_.form();
    NoteMessage(log);
    if (f.panPrestavka->IsShowing() || f.panMainMenu->IsShowing()) {
        log.reachedDepot = f.panPrestavka->IsShowing();
        if (doors_ == Doors::Closing) CloseAndLeave(log);  // the terminus
        return false;
    }
    if (g_sectionIndex != lastRow_) {
        lastRow_ = g_sectionIndex;
        servedRow_ = -1;
    }
    WatchLight();
    const bool doorsStill = !f.tDvere->Enabled();
    switch (doors_) {
        case Doors::Opening:
            if (doorsStill) {
                doors_ = Doors::Open;
                visit_.minuteAtOpen = MinuteShown();
            }
            break;
        case Doors::Open: {
            // The button is back once everyone who wanted is in or out;
            // leave no earlier than the green timekeeping.
            const bool early = f.labMinuty->Font().Color == kClockEarly && CurrentSection().endOfLine != 1;
            if (f.btnDvere->Enabled && !early) {
                visit_.boarded = g_carriedRun - carriedAtOpen_;
                game_.ui().Key('d');
                doors_ = Doors::Closing;
            }
            break;
        }
        case Doors::Closing:
            if (doorsStill) CloseAndLeave(log);
            break;
        case Doors::Closed:
            if (f.btnDvere->Enabled && SpeedShown() == 0 && servedRow_ != g_sectionIndex)
                OpenAtStop();
            else
                DriveOn();
            break;
    }
    game_.ui().Advance(10);
    ++tick_;
    ++log.ticks;
    return true;
}

void Autopilot::OpenAtStop() {
    visit_ = StopVisit{};
    visit_.row = g_sectionIndex;
    visit_.scheduledMinute = CurrentSection().scheduledMinute;
    visit_.moneyBefore = ParseInt(game_.form().labKasa->Caption());
    visit_.ticksTo = tick_ - legStart_;
    visit_.ticksHeld = held_;
    carriedAtOpen_ = g_carriedRun;
    openedAt_ = tick_;
    servedRow_ = g_sectionIndex;
    game_.ui().Key('d');
    doors_ = Doors::Opening;
}

void Autopilot::CloseAndLeave(RunLog& log) {
    visit_.minuteAtClose = MinuteShown();
    visit_.moneyAfter = ParseInt(game_.form().labKasa->Caption());
    visit_.ticksAt = tick_ - openedAt_;
    log.stops.push_back(visit_);
    doors_ = Doors::Closed;
    legStart_ = tick_;
    held_ = 0;
}

void Autopilot::DriveOn() {
    TForm1& f = game_.form();
    const RouteSection& row = CurrentSection();
    const int speed = SpeedShown();
    if (speed == 0) ++held_;
    const int cruise = cruise_ > 0 ? cruise_ : row.speedLimit;
    int target = cruise;

    // The stop: brake along the curve so that the waiting crowd (over the
    // platform right of its first 150 px) ends up beside the tram.
    const int tramLeft = f.imgTramvaj->Left;
    const int stopLeft = f.imgStanice->Left;
    if (row.hasStop && servedRow_ != g_sectionIndex && stopLeft > kMissedStopLeft) {
        const int crowdMiddle = (150 + f.imgStanice->Width) / 2;
        const int aim = std::clamp(tramLeft + f.imgTramvaj->Width / 2 - crowdMiddle, kMissedStopLeft + 46,
                                   tramLeft + kDoorReach - 50);
        if (stopLeft < tramLeft + kDoorReach && speed <= 5)
            target = 0;
        else  // short of it at a standstill: creep on
            target = std::min(target, std::max(SpeedFor(stopLeft - aim, speed, 0), speed == 0 ? 15 : 0));
    }

    // The light scrolls in while the row has one or it is already on screen.
    const int lightLeft = f.imgSemafor->Left;
    const bool lightScrolls = row.hasLight || lightLeft < 1000;
    const bool clear = CanCross(lightPhase_, LightPhaseAgeTicks(), lightLeft - kJunctionNear, speed);
    if (lightScrolls && lightLeft >= kJunctionFar && lightLeft < 3000) {
        const int room = lightLeft - kJunctionFar - 10;
        if (clear) {
            stoppingForLight_ = false;
            target = std::min(target, SpeedFor(room, speed, kCrossingSpeed));
        } else if (stoppingForLight_ || room >= BrakingDistance(speed) || speed == 0) {
            const int t = SpeedFor(room, speed, 0);
            stoppingForLight_ = stoppingForLight_ || t == 0;
            target = std::min(target, t);
        } else {
            target = std::min(target, kCrossingSpeed);  // too late to stop: through it
        }
    } else {
        stoppingForLight_ = false;
        if (lightScrolls && lightLeft > kJunctionNear && lightLeft < kJunctionFar) {
            // In the junction: through it at the crossing speed, whatever the
            // stop beyond wants; from a standstill only while it is safe.
            target = speed == 0 && !clear ? 0 : std::min(cruise, kCrossingSpeed);
        }
    }

    int chosen = 0;
    for (const SpeedKey& s : kSpeedKeys)
        if (s.target <= target) chosen = s.target;
    // Pressing the key of the target already set would restart its
    // acceleration countdown.
    if (!f.btnSpeed0->Enabled || ParseInt(f.labZrychlitNa->Caption()) == chosen) return;
    for (const SpeedKey& s : kSpeedKeys)
        if (s.target == chosen) game_.ui().Key(s.key);
}

}  // namespace e2e
