// The full-screen display mode, behind an interface so tests can offer any
// list of modes. The game runs the mode search itself (FormCreate); the
// back end presents the 1024 x 768 playing area scaled to whatever screen
// size results.
#pragma once

#include <functional>

struct DisplayMode {
    unsigned width = 0;
    unsigned height = 0;
    unsigned bitsPerPixel = 32;
};

constexpr int DDSCL_FULLSCREEN = 0x01;
constexpr int DDSCL_EXCLUSIVE = 0x10;
constexpr bool DDENUMRET_OK = true;       // go on listing
constexpr bool DDENUMRET_CANCEL = false;  // stop listing

class IDisplay {
public:
    virtual ~IDisplay() = default;
    // Each returns true on success.
    virtual bool Create() = 0;
    virtual bool SetCooperativeLevel(int flags) = 0;
    virtual bool SetDisplayMode(unsigned width, unsigned height, unsigned bpp) = 0;
    // Calls `callback` for each mode in the order the provider lists them
    // until it returns DDENUMRET_CANCEL.
    virtual void EnumDisplayModes(const std::function<bool(const DisplayMode&)>& callback) = 0;
};
