// The application object: owns the main form, the timer scheduler, the
// error report and the message loop. One thread, one event at a time.
//
// Every handler (OnCreate, OnClick, OnMouseMove, OnTimer) is dispatched
// through Application->Dispatch, which catches EFOpenError (and any other
// exception, reported with an empty message), reports it and goes on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/types.h"

class TTimer;
class Backend;

// One error report shown by the application.
struct ErrorReport {
    AnsiString message;      // as shown (the exception's message)
    std::int64_t timeMs = 0;  // clock time of the report
    AnsiString handler;      // what was being dispatched ("tMainTimer", "labMenu2.OnClick", ...)
};

class TimerScheduler {
public:
    std::int64_t Now() const { return now_; }
    void SetNow(std::int64_t ms) { now_ = ms; }
    // Starts counting for every enabled timer (the form was shown).
    void Start();
    bool Started() const { return started_; }
    // Dispatches every timer due at Now(), each at most once, by due time,
    // ties in creation order. Returns the number dispatched.
    int FireDue();
    // Earliest due time of an enabled timer, or -1.
    std::int64_t NextDue() const;
    // Hooks called by TTimer.
    void TimerChanged(TTimer* t);
    // Back to time 0, not started (a new form is about to be built).
    void Reset();

private:
    std::int64_t now_ = 0;
    bool started_ = false;
};

class TApplication {
public:
    TApplication();
    ~TApplication();

    void Initialize();
    AnsiString Title;

    // Builds the main form (its constructor creates the widget tree), then
    // dispatches its OnCreate.
    template <class F>
    void CreateForm(F*& ref) {
        ref = new F();
        AdoptMainForm(ref);
        ref->DoCreate();
    }

    // Shows the main form, starts the timers and runs the message loop of
    // the installed back end until the main form closes.
    void Run();

    TForm* MainForm() const { return mainForm_.get(); }
    TimerScheduler& Scheduler() { return scheduler_; }

    // Runs `handler` as one event: exceptions become error reports.
    // Returns false when the handler ended with an exception.
    bool Dispatch(const AnsiString& what, const std::function<void()>& handler);

    // The error report: each distinct message is shown once (until the
    // report is dismissed), always written to stderr and recorded.
    void ShowException(const Exception& e, const AnsiString& handler = "");
    const std::vector<ErrorReport>& Reports() const { return reports_; }
    void ClearReports();
    // The message currently shown on top of the screen ("" when none).
    const AnsiString& ShownReport() const { return shown_; }
    // Every message currently shown, oldest first.
    const std::vector<AnsiString>& ShownReports() const { return shownOnce_; }
    void DismissReport();
    // Set false to show a repeated message again every time (tests).
    bool DeduplicateReports = true;

    // Input, routed through the hit test of the main form (form
    // coordinates). Keys are the typed character; accelerators ignore case.
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);
    void MouseMove(int x, int y);
    void KeyPress(char key);
    // The control that would take a mouse event at x, y (form coordinates).
    TControl* HitTest(int x, int y) const;
    // The control under a pressed mouse button (drawn pushed), or nullptr.
    TControl* PressedControl() const { return pressed_; }

    // Accelerator keys are ignored while one of these controls is showing
    // (the game sets the main menu and the depot panels).
    std::vector<TControl*> AcceleratorBlockers;

    void SetBackend(Backend* backend) { backend_ = backend; }
    Backend* GetBackend() const { return backend_; }

    // Destroys the main form and forgets reports (tests build many forms).
    void Reset();

private:
    void AdoptMainForm(TForm* form);

    std::unique_ptr<TForm> mainForm_;
    TimerScheduler scheduler_;
    std::vector<ErrorReport> reports_;
    std::vector<AnsiString> shownOnce_;
    AnsiString shown_;
    TControl* pressed_ = nullptr;
    Backend* backend_ = nullptr;
};

extern TApplication* Application;

// The message loop back end (SDL window, or the headless harness).
class Backend {
public:
    virtual ~Backend() = default;
    // Runs until the main form closes.
    virtual void RunLoop(TApplication& app) = 0;
};
