// The headless back end and test harness: a virtual clock drives the same
// timer scheduler as the real loop; input goes through the real hit test;
// any widget can be inspected by name; the tree renders off screen.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/canvas.h"

class TTimer;

class HeadlessBackend : public Backend {
public:
    // Run() on the headless back end only starts the timers; time moves
    // with Advance.
    void RunLoop(TApplication& app) override;
};

class Headless {
public:
    // Installs the headless back end on `Application` (creating it if
    // needed) with the virtual clock at 0.
    Headless();
    ~Headless();

    // Shows the main form: the timers start counting (as Application->Run
    // does on the real back end).
    void Show();

    // Moves virtual time forward by `ms`, firing every timer that falls
    // due, in order. Handlers take no virtual time. Stops early if the
    // main form closes.
    void Advance(std::int64_t ms);
    // Advances until `timer` has fired `n` more times (or the form closed,
    // or the timer is stopped, or `limitMs` passed).
    void AdvanceFires(const AnsiString& timer, int n, std::int64_t limitMs = 100000000);
    // Fires one event of the named timer now, whether due or not.
    void Fire(const AnsiString& timer);
    std::int64_t Now() const;

    // Input through the real hit test. Click fails (throws std::logic_error)
    // when the named control is not showing or another control would take
    // the click at its centre.
    void Click(const AnsiString& name);
    void ClickAt(int x, int y);
    void MouseMove(const AnsiString& name);
    void MouseMoveAt(int x, int y);
    void Key(char key);

    // Inspection.
    TForm& Form() const;
    TControl& Control(const AnsiString& name) const;  // throws when unknown
    template <class T>
    T& As(const AnsiString& name) const {
        auto* c = dynamic_cast<T*>(&Control(name));
        if (!c) throw std::logic_error("widget " + name + " has another kind");
        return *c;
    }
    TTimer& Timer(const AnsiString& name) const;

    // Rendering.
    const FrameBuffer& Render();
    bool Screenshot(const std::string& pngPath);
    AnsiString SceneDump() const;

private:
    HeadlessBackend backend_;
    FrameBuffer fb_;
};
