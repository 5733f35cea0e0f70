#include "app/display_mode.h"

#include "game/state.h"
#include "platform/services.h"

bool EnumModesCallback(const DisplayMode& mode) {
    if (mode.width < 1024u || mode.height < 768u) return DDENUMRET_OK;
    g_fallbackModeWidth = static_cast<int32>(mode.width);
    g_fallbackModeHeight = static_cast<int32>(mode.height);
    return DDENUMRET_CANCEL;
}

void SwitchDisplayMode() {
    IDisplay* display = Services().display;
    if (!display || !display->Create()) return;
    if (!display->SetCooperativeLevel(DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) return;
    if (display->SetDisplayMode(1024, 768, 32)) return;
    display->EnumDisplayModes(EnumModesCallback);
    if (g_fallbackModeWidth != 0)
        display->SetDisplayMode(static_cast<unsigned>(g_fallbackModeWidth),
                                static_cast<unsigned>(g_fallbackModeHeight), 32);
}
