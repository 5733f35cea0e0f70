// TTimer: the properties; the scheduling lives in TimerScheduler.
#include "platform/timer.h"

#include "platform/application.h"
#include "platform/form.h"

TTimer::TTimer(TForm* owner, const AnsiString& name) : Name(name), owner_(owner) {
    if (owner_) {
        creationIndex_ = static_cast<int>(owner_->Timers().size());
        owner_->Register(this);
    }
    Application->Scheduler().TimerChanged(this);
}

TTimer::~TTimer() {
    if (owner_) owner_->Unregister(this);
}

void TTimer::SetEnabled(bool on) {
    // Enabling a running timer keeps its countdown.
    if (on == enabled_) return;
    enabled_ = on;
    Application->Scheduler().TimerChanged(this);
}

void TTimer::SetInterval(int ms) {
    // A new interval counts from the moment it is set.
    if (ms == interval_) return;
    interval_ = ms;
    Application->Scheduler().TimerChanged(this);
}
