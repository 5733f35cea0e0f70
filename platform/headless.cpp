// The headless back end and test harness.
#include "platform/headless.h"

#include <stdexcept>

#include "platform/timer.h"

void HeadlessBackend::RunLoop(TApplication& app) { app.Scheduler().Start(); }

Headless::Headless() {
    Application->SetBackend(&backend_);
    Application->Scheduler().Reset();
}

Headless::~Headless() {
    Application->Reset();
    if (Application->GetBackend() == &backend_) Application->SetBackend(nullptr);
}

void Headless::Show() { Application->Run(); }

std::int64_t Headless::Now() const { return Application->Scheduler().Now(); }

void Headless::Advance(std::int64_t ms) {
    TimerScheduler& s = Application->Scheduler();
    const std::int64_t target = s.Now() + ms;
    while (true) {
        TForm* form = Application->MainForm();
        if (!form || form->Closed()) break;
        std::int64_t next = s.NextDue();
        if (next < 0 || next > target) break;
        if (next > s.Now()) s.SetNow(next);
        s.FireDue();
    }
    if (s.Now() < target) s.SetNow(target);
}

void Headless::AdvanceFires(const AnsiString& timer, int n, std::int64_t limitMs) {
    TTimer& t = Timer(timer);
    TimerScheduler& s = Application->Scheduler();
    const std::int64_t goal = t.FireCount() + n, deadline = s.Now() + limitMs;
    while (t.FireCount() < goal) {
        TForm* form = Application->MainForm();
        if (!form || form->Closed()) return;
        // A stopped timer fires no more until input starts it again.
        if (!t.Enabled() || t.Interval() <= 0) return;
        std::int64_t next = s.NextDue();
        if (next < 0 || next > deadline) {
            s.SetNow(deadline);
            return;
        }
        if (next > s.Now()) s.SetNow(next);
        s.FireDue();
    }
}

void Headless::Fire(const AnsiString& timer) {
    TTimer* t = &Timer(timer);
    ++t->fireCount_;
    Application->Dispatch(t->Name, [t] {
        if (t->OnTimer) t->OnTimer(t);
    });
}

void Headless::Click(const AnsiString& name) {
    TControl& c = Control(name);
    if (!c.IsShowing()) throw std::logic_error("cannot click " + name + ": it is not showing");
    int x = c.ScreenLeft() + c.Width / 2, y = c.ScreenTop() + c.Height / 2;
    TControl* taker = Application->HitTest(x, y);
    if (c.Enabled && taker != &c)
        throw std::logic_error("cannot click " + name + ": " + (taker ? taker->Name : AnsiString("nothing")) +
                               " would take the click");
    ClickAt(x, y);
}

void Headless::ClickAt(int x, int y) {
    Application->MouseDown(x, y);
    Application->MouseUp(x, y);
}

void Headless::MouseMove(const AnsiString& name) {
    TControl& c = Control(name);
    MouseMoveAt(c.ScreenLeft() + c.Width / 2, c.ScreenTop() + c.Height / 2);
}

void Headless::MouseMoveAt(int x, int y) { Application->MouseMove(x, y); }

void Headless::Key(char key) { Application->KeyPress(key); }

TForm& Headless::Form() const {
    TForm* f = Application->MainForm();
    if (!f) throw std::logic_error("no main form: call Application->CreateForm first");
    return *f;
}

TControl& Headless::Control(const AnsiString& name) const {
    TControl* c = Form().FindControl(name);
    if (!c) throw std::logic_error("no widget named " + name);
    return *c;
}

TTimer& Headless::Timer(const AnsiString& name) const {
    TTimer* t = Form().FindTimer(name);
    if (!t) throw std::logic_error("no timer named " + name);
    return *t;
}

const FrameBuffer& Headless::Render() {
    RenderForm(Form(), fb_);
    return fb_;
}

bool Headless::Screenshot(const std::string& pngPath) { return WritePng(Render(), pngPath); }

AnsiString Headless::SceneDump() const { return DumpScene(Form()); }
