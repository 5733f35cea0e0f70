// TTimer: fires OnTimer every Interval ms while enabled.
//
// Rules the game relies on:
// - A timer enabled inside a handler fires only after that handler returns.
// - Enabling a timer that is already enabled does not restart it; going
//   from disabled to enabled starts a fresh countdown of one interval.
// - Disabling cancels an event that is already due.
// - Setting Interval restarts the countdown from that moment.
// - Late events are not made up: at most one pending event per timer.
// - Timers begin to count only when the application shows the main form
//   (after OnCreate has returned); none fires after the form has closed.
// - Timers due at the same moment fire in order of due time, ties in
//   creation order. Input events go before due timers.
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
