// The timer rules (see timer.h): each due timer fires at most once per
// pass, by due time then creation order; late periods are dropped; a
// disabled timer never fires, not even an event that was already due.
#include <algorithm>
#include <vector>

#include "platform/application.h"
#include "platform/timer.h"

namespace {
bool Ticking(const TTimer* t) { return t->Enabled() && t->Interval() > 0; }
}  // namespace

void TimerScheduler::Start() {
    started_ = true;
    TForm* form = Application->MainForm();
    if (!form) return;
    for (TTimer* t : form->Timers()) t->dueAt_ = now_ + t->interval_;
}

void TimerScheduler::Reset() {
    now_ = 0;
    started_ = false;
}

void TimerScheduler::TimerChanged(TTimer* t) {
    if (started_ && t->enabled_) t->dueAt_ = now_ + t->interval_;
}

std::int64_t TimerScheduler::NextDue() const {
    TForm* form = Application->MainForm();
    if (!started_ || !form || form->Closed()) return -1;
    std::int64_t next = -1;
    for (const TTimer* t : form->Timers())
        if (Ticking(t) && (next < 0 || t->DueAt() < next)) next = t->DueAt();
    return next;
}

int TimerScheduler::FireDue() {
    TForm* form = Application->MainForm();
    if (!started_ || !form || form->Closed()) return 0;
    std::vector<TTimer*> due;
    for (TTimer* t : form->Timers())
        if (Ticking(t) && t->dueAt_ <= now_) due.push_back(t);
    std::stable_sort(due.begin(), due.end(), [](const TTimer* a, const TTimer* b) {
        if (a->dueAt_ != b->dueAt_) return a->dueAt_ < b->dueAt_;
        return a->creationIndex_ < b->creationIndex_;
    });
    int fired = 0;
    for (TTimer* t : due) {
        if (form->Closed()) break;
        // Disabled, or restarted, by a handler earlier in this pass.
        if (!Ticking(t) || t->dueAt_ > now_) continue;
        // Next period on the same grid; periods already missed are dropped.
        std::int64_t next = t->dueAt_ + t->interval_;
        if (next <= now_) next = now_ + t->interval_;
        t->dueAt_ = next;
        ++t->fireCount_;
        ++fired;
        Application->Dispatch(t->Name, [t] {
            if (t->OnTimer) t->OnTimer(t);
        });
    }
    return fired;
}
