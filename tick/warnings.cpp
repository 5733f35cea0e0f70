// The driver judged at the traffic light and at the stop, while the tram
// moves: the crossing penalties, the two approach gauges on the dashboard
// and the missed-stop rule. They look at the positions the street had
// before this tick's scroll.
#include "tick/warnings.h"

#include "app/form1.h"
#include "game/controls.h"
#include "tick/blocks.h"
#include "tick/messages.h"

namespace {

// The light is judged while its Left lies strictly between these.
constexpr int kCrossingFrom = 830;
constexpr int kCrossingTo = 930;
constexpr int32 kCrossingSpeedLimit = 33;

// The light gauge runs from 100 at Left 2930 down to 0 at Left 930.
constexpr int kLightGaugeFrom = 930;
constexpr int kLightGaugeTo = 2999;
constexpr int kLightGaugeScale = 20;

// The stop is followed from its placement at 3200 until it has passed;
// the last 13 pixels are the missed-stop window.
constexpr int kStopWatchedFrom = -148;
constexpr int kStopWatchedTo = 3199;
constexpr int kStopPassedAt = -136;
constexpr int kStopGaugeOffset = 150;
constexpr int kStopGaugeScale = 33;
constexpr int32 kMissedStopFine = 5;

}  // namespace

void CheckCrossingPenalties(TForm1& form) {
    const int light = form.imgSemafor->Left;
    if (light <= kCrossingFrom || light >= kCrossingTo) return;
    if (g_crossingPenalised != 0 || g_tutorialStep != 0) return;
    const bool red = g_lightPhase == 2;
    const bool fast = g_speed > kCrossingSpeedLimit;
    if (red && !fast) {
        static const AnsiString text = "(-50$) You\xB4ve been penalized for overshooting the red light!";
        GivePenalty(form, 50, text, g_crossingPenalised);
    } else if (red && fast) {
        static const AnsiString text =
            "(-100$) You\xB4ve been penalized for overshooting the red light and for overrunning the maximum "
            "allowed speed when driving in the crossing!";
        GivePenalty(form, 100, text, g_crossingPenalised);
    } else if (fast) {
        static const AnsiString text =
            "(-50$) You\xB4ve been penalized for overrunning the maximum allowed speed when driving in the "
            "crossing!";
        GivePenalty(form, 50, text, g_crossingPenalised);
    }
}

void UpdateLightWarning(TForm1& form) {
    const int light = form.imgSemafor->Left;
    if (light >= kLightGaugeFrom && light <= kLightGaugeTo) {
        g_lightGauge = (light - kLightGaugeFrom) / kLightGaugeScale;
        form.cgVystrahaSemafor->SetProgress(g_lightGauge);
    }
    if (light < kLightGaugeFrom) form.panVystrahaSemafor->Visible = false;
}

void CheckStopApproach(TForm1& form) {
    const int stop = form.imgStanice->Left;
    if (stop < kStopWatchedFrom || stop > kStopWatchedTo) return;
    g_stopGauge = (stop + kStopGaugeOffset) / kStopGaugeScale;
    form.cgVystrahaStanice->SetProgress(g_stopGauge);
    if (stop > kStopPassedAt) return;

    form.panVystrahaStanice->Visible = false;
    // Only the stop placed on this section can be missed: one left behind
    // by an earlier section can no longer be served here, whether or not
    // its doors opened, so there is nothing to stop for.
    if (g_stopPlaced == 0) return;
    if (g_missedStopPenalised != 0 || g_speed <= 0 || g_stopServed != 0) return;
    // The tram is stopped for the passengers it drove past; the speed
    // buttons come back when the doors have opened and closed here, or
    // when the section ends before that.
    g_targetSpeed = 0;
    form.labZrychlitNa->SetCaption(IntToStr(g_targetSpeed));
    EnableSpeedButtons(form, false);
    if (g_tutorialStep == 0) {
        static const AnsiString text =
            "(-5$) Man you\xB4ve missed your stop! Stop immediately, open the door and wait for the passengers!";
        GivePenalty(form, kMissedStopFine, text, g_missedStopPenalised);
    }
}
