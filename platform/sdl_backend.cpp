// The SDL back end: window, presentation, input and the message loop.
#include "platform/sdl_backend.h"

#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/canvas.h"
#include "platform/damage.h"
#include "platform/real_services.h"
#include "platform/sdl_display.h"
#include "platform/sdl_screen.h"
#include "platform/services.h"
#include "platform/stop_signals.h"
#include "platform/timer.h"

namespace {
// At most about 60 frames a second.
constexpr std::uint64_t kFrameMs = 16;
// Longest sleep while nothing is due, so a stuck clock cannot hang us.
constexpr std::uint64_t kMaxWaitMs = 50;

// The loop sleeps most of the time and must wake within a few
// milliseconds for the 10 ms timers, also when other programs keep every
// core busy. Asking the kernel for short time slices (at the same
// priority) lets a wake-up take the processor from a running program at
// once instead of after that program's slice. Kernels without the request
// refuse or ignore it, and then nothing changes.
void AskForShortSlices() {
    constexpr std::uint64_t kSliceNs = 1'000'000;
    struct {  // the kernel's struct sched_attr, first version
        std::uint32_t size;
        std::uint32_t sched_policy;
        std::uint64_t sched_flags;
        std::int32_t sched_nice;
        std::uint32_t sched_priority;
        std::uint64_t sched_runtime, sched_deadline, sched_period;
    } attr{};
    attr.size = sizeof attr;
    attr.sched_policy = SCHED_OTHER;
    errno = 0;
    int nice = getpriority(PRIO_PROCESS, 0);
    if (errno != 0) return;
    attr.sched_nice = nice;
    attr.sched_runtime = kSliceNs;
    syscall(SYS_sched_setattr, 0, &attr, 0);
}

// Drivers that show nothing to anyone. SDL falls back to one of them when
// no display can be reached, and the game would then run unseen until it
// is killed.
bool ShowsAWindow(const char* driver) {
    for (const char* unseen : {"offscreen", "dummy", "evdev"})
        if (SDL_strcasecmp(driver, unseen) == 0) return false;
    return true;
}

// SDL's video on the driver the user names in SDL_VIDEODRIVER, or else on
// the first of SDL's own drivers that shows a window and starts.
bool StartVideo() {
    // An empty name names nothing: SDL would then try every driver, the
    // unseen ones included.
    const char* named = std::getenv("SDL_VIDEODRIVER");
    if (named && !*named) unsetenv("SDL_VIDEODRIVER");
    if (named && *named) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
        std::fprintf(stderr, "cannot start the video: %s\n", SDL_GetError());
        return false;
    }
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* driver = SDL_GetVideoDriver(i);
        if (!driver || !ShowsAWindow(driver)) continue;
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    }
    return false;
}

// --- a lost display ----------------------------------------------------------
// When the X server goes away the X library calls its I/O error handler
// and then ends the process; nothing of the game's own runs after that.
// The game's handler first gives the game its last words, then hands over
// to the library's handler, which ends the process as before.
using XIoErrorHandler = int (*)(void*);
using XSetIoErrorHandler = XIoErrorHandler (*)(XIoErrorHandler);
XIoErrorHandler g_xlibIoErrorHandler = nullptr;
void (*g_onDisplayLost)() = nullptr;

// Without a display a message box has nowhere to show: its text goes to
// the terminal.
class TerminalMessageBoxes : public IMessageBoxes {
public:
    int Show(const AnsiString& text, const AnsiString& title, unsigned) override {
        RealMessageBoxes::ToTerminal(text, title);
        return 1;  // IDOK
    }
};

int OnXConnectionLost(void* display) {
    static bool lost = false;
    if (!lost) {
        lost = true;
        static TerminalMessageBoxes terminal;
        Services().messageBoxes = &terminal;
        if (g_onDisplayLost) g_onDisplayLost();
        std::fflush(nullptr);
    }
    return g_xlibIoErrorHandler ? g_xlibIoErrorHandler(display) : 0;
}

// The X library is the one SDL loaded for its x11 driver; the game does
// not link it itself.
void WatchXConnection() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || SDL_strcmp(driver, "x11") != 0) return;
    void* entry = nullptr;
    if (void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD)) entry = dlsym(xlib, "XSetIOErrorHandler");
    if (!entry) entry = dlsym(RTLD_DEFAULT, "XSetIOErrorHandler");
    if (!entry) return;
    const XIoErrorHandler previous = reinterpret_cast<XSetIoErrorHandler>(entry)(OnXConnectionLost);
    if (previous != OnXConnectionLost) g_xlibIoErrorHandler = previous;
}
}  // namespace

void OnDisplayLost(void (*lastWords)()) { g_onDisplayLost = lastWords; }

struct SdlBackend::Impl {
    SDL_Window* window = nullptr;
    SdlScreen screen;
    SdlDisplay display;
    // The frame as painted so far: only what changed is painted again, so
    // a still screen (the menu, the depot) costs next to nothing.
    FrameBuffer fb;
    DamageTracker damage;
    bool exposed = true;
    bool paintedInPlace = false;
    long frames = 0;
    // KORVALO_LOOP_STATS: a file that gets a line a second with the frames
    // presented, the events of each timer so far and the longest delay of
    // a due timer in that second (the benchmark of the real game reads it).
    const char* statsPath = std::getenv("KORVALO_LOOP_STATS");
    std::int64_t nextStats = 0;
    std::int64_t latest = 0;

    ~Impl() {
        screen.Close();
        if (window) SDL_DestroyWindow(window);
        if (window) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    void Present(const TForm& form) {
        if (exposed) {
            screen.WindowChanged();
            damage.Invalidate();
            exposed = false;
        }
        PixelRows window;
        const bool inPlace = screen.BeginInPlace(&window);
        // The frame kept here misses what was painted in the window itself.
        if (!inPlace && paintedInPlace) damage.Invalidate();
        paintedInPlace = inPlace;
        const std::vector<ClipRect>& changed = damage.Update(form);
        if (inPlace) {
            for (const ClipRect& r : changed) RenderArea(form, window, r);
            if (screen.ShowInPlace(changed)) ++frames;
            return;
        }
        for (const ClipRect& r : changed) RenderArea(form, fb, r);
        if (screen.Show(fb, changed)) ++frames;
    }

    // Mouse positions from window coordinates to the playing area's.
    SDL_Event InPlayingArea(SDL_Event ev) const {
        if (ev.type == SDL_MOUSEBUTTONDOWN || ev.type == SDL_MOUSEBUTTONUP)
            screen.ToPlayingArea(&ev.button.x, &ev.button.y);
        else if (ev.type == SDL_MOUSEMOTION)
            screen.ToPlayingArea(&ev.motion.x, &ev.motion.y);
        return ev;
    }

    void WriteStats(const TForm& form, std::int64_t t) {
        if (!statsPath || t < nextStats) return;
        nextStats = t + 1000;
        // Never waits on the open (a pipe nobody reads).
        const int fd = open(statsPath, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
        std::FILE* f = fd >= 0 ? fdopen(fd, "a") : nullptr;
        if (!f) {
            if (fd >= 0) close(fd);
            return;
        }
        std::fprintf(f, "ms=%lld frames=%ld late=%lld", static_cast<long long>(t), frames,
                     static_cast<long long>(latest));
        latest = 0;
        for (const TTimer* timer : form.Timers())
            std::fprintf(f, " %s=%lld", timer->Name.c_str(), static_cast<long long>(timer->FireCount()));
        std::fprintf(f, "\n");
        std::fclose(f);
    }

    static bool OnScreen(int x, int y) { return x >= 0 && y >= 0 && x < kScreenWidth && y < kScreenHeight; }

    void Handle(const SDL_Event& ev, TApplication& app) {
        TForm* form = app.MainForm();
        switch (ev.type) {
            case SDL_QUIT:
                form->Close();
                break;
            case SDL_WINDOWEVENT:
                if (ev.window.event == SDL_WINDOWEVENT_CLOSE) form->Close();
                if (ev.window.event == SDL_WINDOWEVENT_EXPOSED || ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                    exposed = true;
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (ev.button.button == SDL_BUTTON_LEFT && OnScreen(ev.button.x, ev.button.y))
                    app.MouseDown(ev.button.x, ev.button.y);
                break;
            case SDL_MOUSEBUTTONUP:
                if (ev.button.button == SDL_BUTTON_LEFT) app.MouseUp(ev.button.x, ev.button.y);
                break;
            case SDL_MOUSEMOTION:
                if (OnScreen(ev.motion.x, ev.motion.y)) app.MouseMove(ev.motion.x, ev.motion.y);
                break;
            case SDL_KEYDOWN: {
                // The typed key on the user's layout; Ctrl+key is no accelerator.
                if (ev.key.keysym.mod & KMOD_CTRL) break;
                SDL_Keycode sym = ev.key.keysym.sym;
                if ((sym >= SDLK_a && sym <= SDLK_z) || (sym >= SDLK_0 && sym <= SDLK_9))
                    app.KeyPress(static_cast<char>(sym));
                else if (sym == SDLK_RETURN || sym == SDLK_KP_ENTER)
                    app.KeyPress('\r');
                else if (sym == SDLK_ESCAPE)
                    app.KeyPress('\x1b');
                break;
            }
            default:
                break;
        }
    }
};

SdlBackend::SdlBackend() : impl_(std::make_unique<Impl>()) {}
SdlBackend::~SdlBackend() = default;

bool SdlBackend::IsOpen() const { return impl_->window != nullptr; }

bool SdlBackend::Open() {
    if (IsOpen()) return true;
    if (!StartVideo()) return false;
    bool windowed = std::getenv("KORVALO_WINDOWED") != nullptr;
    // Full screen: a borderless window over the whole display, then the
    // full-screen request. Without a window manager (a bare X server) that
    // request is not honoured, and the window still covers the screen.
    SDL_Rect area{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth, kScreenHeight};
    if (!windowed && SDL_GetDisplayBounds(0, &area) != 0)
        area = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth, kScreenHeight};
    Uint32 flags = SDL_WINDOW_HIDDEN | (windowed ? 0 : SDL_WINDOW_BORDERLESS);
    impl_->window = SDL_CreateWindow("Korvalo", area.x, area.y, area.w, area.h, flags);
    if (impl_->window && !windowed) SDL_SetWindowFullscreen(impl_->window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (!impl_->window) {
        std::fprintf(stderr, "cannot open the window: %s\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    // No vsync: presenting must never hold up the 10 ms timers.
    if (!impl_->screen.Open(impl_->window)) {
        std::fprintf(stderr, "cannot draw into the window: %s\n", SDL_GetError());
        impl_.reset(new Impl());
        return false;
    }
    impl_->display.Create();
    WatchXConnection();
    return true;
}

bool SdlBackend::CaptureWindow(FrameBuffer* out) { return IsOpen() && impl_->screen.Capture(out); }

void SdlBackend::RunLoop(TApplication& app) {
    TForm* form = app.MainForm();
    TimerScheduler& scheduler = app.Scheduler();
    if (!form) return;
    if (!IsOpen()) {
        scheduler.Start();
        return;
    }
    SDL_SetWindowTitle(impl_->window, app.Title.empty() ? "Korvalo" : app.Title.c_str());
    SDL_ShowWindow(impl_->window);
    SDL_RaiseWindow(impl_->window);
    AskForShortSlices();

    const std::uint64_t base = SDL_GetTicks64();
    auto now = [base] { return static_cast<std::int64_t>(SDL_GetTicks64() - base); };
    scheduler.SetNow(0);
    scheduler.Start();
    impl_->Present(*form);
    std::int64_t lastFrame = 0;
    bool inputSinceFrame = false;

    while (!form->Closed()) {
        std::int64_t t = now();
        // Frames go out after the timer events or the input that change
        // them: the loop wakes for a frame of its own only after input.
        std::int64_t due = scheduler.NextDue();
        std::int64_t wake = lastFrame + static_cast<std::int64_t>(kFrameMs);
        if (due >= 0 && (due < wake || !inputSinceFrame)) wake = due;
        int wait = static_cast<int>(std::clamp<std::int64_t>(wake - t, 0, kMaxWaitMs));
        SDL_Event ev;
        // Input first: everything that is queued, before any due timer.
        if (SDL_WaitEventTimeout(&ev, wait)) {
            inputSinceFrame = true;
            impl_->Handle(impl_->InPlayingArea(ev), app);
            while (!form->Closed() && SDL_PollEvent(&ev)) impl_->Handle(impl_->InPlayingArea(ev), app);
        }
        if (StopRequested()) form->Close();
        if (form->Closed()) break;
        scheduler.SetNow(std::max(scheduler.Now(), now()));
        due = scheduler.NextDue();
        if (due >= 0) impl_->latest = std::max(impl_->latest, scheduler.Now() - due);
        scheduler.FireDue();
        if (form->Closed()) break;
        t = now();
        impl_->WriteStats(*form, t);
        // Ticks before frames: a frame waits while a timer is due, so a
        // slow frame is skipped rather than a tick.
        due = scheduler.NextDue();
        if (t - lastFrame >= static_cast<std::int64_t>(kFrameMs) && (due < 0 || due > t)) {
            impl_->Present(*form);
            lastFrame = t;
            inputSinceFrame = false;
        }
    }
    SDL_HideWindow(impl_->window);
}

IDisplay& SdlBackend::Display() { return impl_->display; }

long SdlBackend::FramesPresented() const { return impl_->frames; }

// The game's back end lives until the process ends and is never torn
// down: when the display goes away (the X server ends, as at a logout)
// the X library ends the process, and destroying the window then
// would wait for ever for a server that is gone, keeping a game without
// a window running. The system takes the window with the process.
SdlBackend* InstallSdlBackend() {
    static SdlBackend* backend = new SdlBackend;
    if (!backend->Open()) return nullptr;
    Application->SetBackend(backend);
    Services().display = &backend->Display();
    return backend;
}
