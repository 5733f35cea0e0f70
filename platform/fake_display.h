// A display for tests: a given list of modes in a given order, failure of
// any of the four steps on demand, and a log of what was asked.
#pragma once

#include <string>
#include <vector>

#include "platform/display.h"

class FakeDisplay : public IDisplay {
public:
    FakeDisplay() = default;
    explicit FakeDisplay(std::vector<DisplayMode> modes) : modes(std::move(modes)) {}

    // Modes as the provider lists them.
    std::vector<DisplayMode> modes;

    // Failure injection, one switch per step.
    bool failCreate = false;
    bool failCooperativeLevel = false;
    bool failSetMode = false;  // every SetDisplayMode fails
    bool failEnum = false;     // EnumDisplayModes lists nothing

    // What was asked, in order: "Create", "SetCooperativeLevel 0x11",
    // "SetDisplayMode 1024x768x32 ok", "EnumDisplayModes", ...
    std::vector<std::string> calls;
    // Every SetDisplayMode call, successful or not.
    std::vector<DisplayMode> setModeCalls;
    // The mode in force after the last successful SetDisplayMode.
    DisplayMode current{0, 0, 0};
    // Modes the enumeration handed to the callback.
    int modesListed = 0;

    bool Create() override;
    bool SetCooperativeLevel(int flags) override;
    // Succeeds for a listed mode of exactly that width, height and depth.
    bool SetDisplayMode(unsigned width, unsigned height, unsigned bpp) override;
    void EnumDisplayModes(const std::function<bool(const DisplayMode&)>& callback) override;

private:
    bool created_ = false;
    bool exclusive_ = false;
};
