// TTimer: fires OnTimer every Interval ms while enabled.
//
// Rules the game relies on (TimerScheduler keeps them, in the real loop
// and under the headless clock alike):
// - Timers begin to count when the application shows the main form
//   (after OnCreate has returned): the first event of each enabled timer
//   comes one Interval after that. None fires after the form has closed,
//   not even one already due in the same pass.
// - A timer enabled inside a handler fires only after that handler
//   returns: its countdown starts at the moment it is enabled.
// - Enabling a timer that is already enabled does not restart it; going
//   from disabled to enabled starts a fresh countdown of one interval.
// - Disabling cancels an event that is already due.
// - Setting a different Interval restarts the countdown from that moment
//   (setting the same value changes nothing). Interval 0 never fires.
// - Periods stay on the grid of the last start (due, due + Interval, ...).
//   Periods missed while the loop was busy are dropped, not made up: at
//   most one event per timer per pass; when a whole period was missed the
//   next event comes a whole Interval after the late one.
// - Timers due in the same pass fire in order of due time, ties in
//   creation order (tDvere, tSemafor, tMainTimer, tStart). Input events
//   go before due timers.
// - A handler that ends with an exception does not stop its timer.
#pragma once

#include <cstdint>

#include "platform/types.h"

class TForm;

class TTimer : public TObject {
public:
    TTimer(TForm* owner, const AnsiString& name);
    ~TTimer() override;

    AnsiString Name;
    TNotifyEvent OnTimer;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int ms);

    // Scheduler bookkeeping (virtual or real milliseconds).
    std::int64_t DueAt() const { return dueAt_; }
    int CreationIndex() const { return creationIndex_; }
    // Number of events dispatched so far.
    std::int64_t FireCount() const { return fireCount_; }

private:
    friend class TimerScheduler;
    friend class Headless;
    TForm* owner_;
    bool enabled_ = true;
    int interval_ = 1000;
    std::int64_t dueAt_ = 0;
    int creationIndex_ = 0;
    std::int64_t fireCount_ = 0;
};
