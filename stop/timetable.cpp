// The timetable at a stop: the run clock's whole minute against the
// stop's scheduled minute, once when the doors open and once when they
// close. A tutorial run is never judged.
#include "app/form1.h"
#include "game/route.h"
#include "game/state.h"
#include "stop/door_steps.h"
#include "tick/messages.h"

namespace {

constexpr int32 kTimetablePenalty = 20;
constexpr int32 kMessageSeconds = 7;

const char* const kArrivedEarly =
    "People are happy you\xB4ve arrived at the station early. However wait for the green "
    "timekeeping for leaving!";
const char* const kArrivedInTime = "You\xB4ve arrived at the station in time. You can go on.";
const char* const kArrivedLate =
    "(-20$) You\xB4ve arrived at the station late. Try to arrive at the station maximally at the "
    "green timekeeping. ";
const char* const kLeftEarly =
    "(-20$) You\xB4ve left earlier than you should have. Next time wait for the green timekeeping!";

int32 ClockMinute() { return g_clockSeconds / 60; }

void ShowMessage(TForm1& form, TColor colour, const char* text) {
    ShowGameMessage(form, colour, text, kMessageSeconds);
}

void Penalise(TForm1& form, const char* text) {
    ShowMessage(form, clBlack, text);
    ChargePenalty(form, kTimetablePenalty);
}

}  // namespace

void CheckArrivalTime() {
    if (g_tutorialStep != 0) return;
    TForm1& form = *Form1;
    const int32 minute = ClockMinute();
    const int32 scheduled = CurrentSection().scheduledMinute;
    if (minute < scheduled) {
        ShowMessage(form, clGreen, kArrivedEarly);
    } else if (minute == scheduled) {
        ShowMessage(form, clGreen, kArrivedInTime);
    } else {
        Penalise(form, kArrivedLate);
    }
}

void CheckDepartureTime() {
    const RouteSection& section = CurrentSection();
    if (ClockMinute() < section.scheduledMinute && section.endOfLine != 1 && g_tutorialStep == 0) {
        Penalise(*Form1, kLeftEarly);
    }
}
