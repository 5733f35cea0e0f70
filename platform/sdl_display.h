// Display modes through SDL. The window is always a full-screen desktop
// window showing the playing area scaled, so a "mode switch" changes
// nothing on the screen: it succeeds for any mode the display lists (and
// for 1024 x 768 x 32, which the scaled presentation always provides) and
// is remembered.
#pragma once

#include "platform/display.h"

class SdlDisplay : public IDisplay {
public:
    bool Create() override;
    bool SetCooperativeLevel(int flags) override;
    bool SetDisplayMode(unsigned width, unsigned height, unsigned bpp) override;
    void EnumDisplayModes(const std::function<bool(const DisplayMode&)>& callback) override;

    // The last mode set (0 x 0 when none).
    DisplayMode CurrentMode() const { return current_; }

private:
    bool created_ = false;
    bool exclusive_ = false;
    DisplayMode current_{0, 0, 0};
};
