// The real back end: one full-screen window showing the 1024 x 768
// playing area scaled to fit the screen (letterboxed), SDL input turned
// into Application input, and the message loop. Only main needs this
// header; the game code never sees SDL.
#pragma once

#include <memory>

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/display.h"

class SdlBackend : public Backend {
public:
    SdlBackend();
    ~SdlBackend() override;

    // Starts SDL video and creates the window, hidden until RunLoop shows
    // it. A window of 1024 x 768 instead of full screen when the
    // environment variable KORVALO_WINDOWED is set. The video driver is
    // the one SDL_VIDEODRIVER names or else one that shows a window, never
    // SDL's offscreen or dummy one. False when there is no display (with a
    // message on stderr when the named driver failed or no window opened).
    // An empty SDL_VIDEODRIVER counts as unset.
    bool Open();
    bool IsOpen() const;

    // Shows the window, starts the timers and runs the loop until the main
    // form closes. Input goes before due timers, due timers before frames:
    // a frame is painted only while no timer is due, at most about 60
    // times a second, only where the picture changed, and never waits for
    // the screen's refresh, so the 10 ms timers keep their pace. Between
    // events the loop sleeps. The window manager's close request and a
    // stop signal close the main form.
    void RunLoop(TApplication& app) override;

    // Display modes of the screen the window is on.
    IDisplay& Display();

    // Frames presented so far (a still screen presents none).
    long FramesPresented() const;

    // What the window shows after the last present, at the window's own
    // size (black bars included), for looking at the real output.
    bool CaptureWindow(FrameBuffer* out);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Opens an SdlBackend, makes it the application's back end and
// Services().display. Returns nullptr when SDL cannot open a window.
SdlBackend* InstallSdlBackend();

// `lastWords` runs once when the display goes away under the running game
// (the X server ends, as at a logout), just before the X library ends the
// process: the last chance to save what is kept only in memory. Message
// boxes it shows go to stderr.
void OnDisplayLost(void (*lastWords)());
