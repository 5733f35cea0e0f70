// Block K: the run clock. One game second per step, shown as minutes and
// seconds and coloured against the timetable minute: aqua early, lime on
// time, yellow late.
#include "app/form1.h"
#include "game/route.h"
#include "tick/blocks.h"
#include "tick/captions.h"

namespace {

// Two digits at least: "07", "59", "100".
void ShowTwoDigits(TLabel& label, int32 value) {
    AnsiString text = IntToStr(value);
    if (value < 10) text.insert(text.begin(), '0');
    ShowCaption(label, text);
}

TColor ClockColour(int32 minute, int32 timetableMinute) {
    if (minute < timetableMinute) return clAqua;
    if (minute == timetableMinute) return clLime;
    return clYellow;
}

// After the doors have closed at this section's stop, the clock already
// counts toward the next stop.
int32 TimetableMinute() {
    const int32 row = g_stopDeparted == 1 ? g_sectionIndex + 1 : g_sectionIndex;
    return RouteRow(row).scheduledMinute;
}

}  // namespace

void StepRunClock(TForm1& form) {
    if (g_runActive != 1) return;
    ++g_runSeconds;
    AddToFigure(g_totalSeconds, 1);
    ++g_clockSeconds;
    const int32 minutes = g_clockSeconds / 60;
    ShowTwoDigits(*form.labMinuty, minutes);
    ShowTwoDigits(*form.labSekundy, g_clockSeconds % 60);
    const TColor colour = ClockColour(minutes, TimetableMinute());
    ShowFontColour(*form.labMinuty, colour);
    ShowFontColour(*form.labSekundy, colour);
}
