#include "platform/fake_display.h"

#include <cstdio>

bool FakeDisplay::Create() {
    calls.push_back(failCreate ? "Create failed" : "Create");
    created_ = !failCreate;
    return created_;
}

bool FakeDisplay::SetCooperativeLevel(int flags) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "SetCooperativeLevel 0x%X%s", static_cast<unsigned>(flags),
                  failCooperativeLevel ? " failed" : "");
    calls.push_back(buf);
    exclusive_ = created_ && !failCooperativeLevel;
    return exclusive_;
}

bool FakeDisplay::SetDisplayMode(unsigned width, unsigned height, unsigned bpp) {
    setModeCalls.push_back({width, height, bpp});
    bool ok = exclusive_ && !failSetMode;
    if (ok) {
        ok = false;
        for (const DisplayMode& m : modes)
            if (m.width == width && m.height == height && m.bitsPerPixel == bpp) ok = true;
    }
    if (ok) current = {width, height, bpp};
    calls.push_back("SetDisplayMode " + std::to_string(width) + "x" + std::to_string(height) + "x" +
                    std::to_string(bpp) + (ok ? " ok" : " failed"));
    return ok;
}

void FakeDisplay::EnumDisplayModes(const std::function<bool(const DisplayMode&)>& callback) {
    calls.push_back("EnumDisplayModes");
    if (failEnum || !created_) return;
    for (const DisplayMode& m : modes) {
        ++modesListed;
        if (callback(m) == DDENUMRET_CANCEL) return;
    }
}
