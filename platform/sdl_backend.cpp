// The SDL back end: window, presentation, input and the message loop.
#include "platform/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/canvas.h"
#include "platform/sdl_display.h"
#include "platform/services.h"

namespace {
// At most about 60 frames a second.
constexpr std::uint64_t kFrameMs = 16;
// Longest sleep while nothing is due, so a stuck clock cannot hang us.
constexpr std::uint64_t kMaxWaitMs = 50;
}  // namespace

struct SdlBackend::Impl {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    SdlDisplay display;
    FrameBuffer fb;
    // What the window shows now; an identical frame is not uploaded again,
    // so a still screen (the menu, the depot) costs next to nothing.
    std::vector<std::uint32_t> shown;
    bool exposed = true;
    long frames = 0;

    ~Impl() {
        if (texture) SDL_DestroyTexture(texture);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        if (window) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    void Present(const TForm& form) {
        RenderForm(form, fb);
        if (!exposed && fb.pixels == shown) return;
        // RenderForm repaints every pixel, so the old frame can be handed
        // back to fb instead of copying the new one.
        shown.swap(fb.pixels);
        exposed = false;
        SDL_UpdateTexture(texture, nullptr, shown.data(), fb.width * 4);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, nullptr);
        SDL_RenderPresent(renderer);
        ++frames;
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
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "cannot start the video: %s\n", SDL_GetError());
        return false;
    }
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
    impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_ACCELERATED);
    if (!impl_->renderer) impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_SOFTWARE);
    if (!impl_->renderer) {
        std::fprintf(stderr, "cannot draw into the window: %s\n", SDL_GetError());
        impl_.reset(new Impl());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // The playing area keeps its aspect ratio, centred, black bars around;
    // SDL maps mouse positions back into it.
    SDL_RenderSetLogicalSize(impl_->renderer, kScreenWidth, kScreenHeight);
    // 0x00RRGGBB words, no alpha: the buffer is uploaded as it is.
    impl_->texture = SDL_CreateTexture(impl_->renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                       kScreenWidth, kScreenHeight);
    if (!impl_->texture) {
        std::fprintf(stderr, "cannot create the screen texture: %s\n", SDL_GetError());
        impl_.reset(new Impl());
        return false;
    }
    SDL_SetTextureBlendMode(impl_->texture, SDL_BLENDMODE_NONE);
    impl_->display.Create();
    return true;
}

bool SdlBackend::CaptureWindow(FrameBuffer* out) {
    if (!IsOpen() || !out) return false;
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(impl_->renderer, &w, &h) != 0 || w <= 0 || h <= 0) return false;
    out->width = w;
    out->height = h;
    out->pixels.assign(static_cast<size_t>(w) * h, 0);
    SDL_Rect all{0, 0, w, h};
    SDL_RenderSetLogicalSize(impl_->renderer, 0, 0);
    int rc = SDL_RenderReadPixels(impl_->renderer, &all, SDL_PIXELFORMAT_RGB888, out->pixels.data(), w * 4);
    SDL_RenderSetLogicalSize(impl_->renderer, kScreenWidth, kScreenHeight);
    return rc == 0;
}

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

    const std::uint64_t base = SDL_GetTicks64();
    auto now = [base] { return static_cast<std::int64_t>(SDL_GetTicks64() - base); };
    scheduler.SetNow(0);
    scheduler.Start();
    impl_->Present(*form);
    std::int64_t lastFrame = 0;

    while (!form->Closed()) {
        std::int64_t t = now();
        std::int64_t wake = lastFrame + static_cast<std::int64_t>(kFrameMs);
        std::int64_t due = scheduler.NextDue();
        if (due >= 0) wake = std::min(wake, due);
        int wait = static_cast<int>(std::clamp<std::int64_t>(wake - t, 0, kMaxWaitMs));
        SDL_Event ev;
        // Input first: everything that is queued, before any due timer.
        if (SDL_WaitEventTimeout(&ev, wait)) {
            impl_->Handle(ev, app);
            while (!form->Closed() && SDL_PollEvent(&ev)) impl_->Handle(ev, app);
        }
        if (form->Closed()) break;
        scheduler.SetNow(std::max(scheduler.Now(), now()));
        scheduler.FireDue();
        if (form->Closed()) break;
        t = now();
        if (t - lastFrame >= static_cast<std::int64_t>(kFrameMs)) {
            impl_->Present(*form);
            lastFrame = t;
        }
    }
    SDL_HideWindow(impl_->window);
}

IDisplay& SdlBackend::Display() { return impl_->display; }

long SdlBackend::FramesPresented() const { return impl_->frames; }

// The game's back end lives until the process ends and is never torn
// down: when the display goes away (the X server ends, as at a logout)
// the X library ends the process at once, and destroying the window then
// would wait for ever for a server that is gone, keeping a game without
// a window running. The system takes the window with the process.
SdlBackend* InstallSdlBackend() {
    static SdlBackend* backend = new SdlBackend;
    if (!backend->Open()) return nullptr;
    Application->SetBackend(backend);
    Services().display = &backend->Display();
    return backend;
}
