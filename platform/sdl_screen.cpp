// The window's content: a hardware renderer's texture, or the window's
// own framebuffer when every renderer would draw on the CPU anyway.
#include "platform/sdl_screen.h"

#include <SDL.h>
#include <dirent.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

static_assert(sizeof(SDL_Rect) == 4 * sizeof(int) && offsetof(SDL_Rect, x) == 0 && offsetof(SDL_Rect, y) == sizeof(int) &&
              offsetof(SDL_Rect, w) == 2 * sizeof(int) && offsetof(SDL_Rect, h) == 3 * sizeof(int));

namespace {

// A renderer that draws with the CPU: SDL's software renderer, or OpenGL
// on a software rasteriser (no graphics card, a virtual display).
bool DrawsInSoftware(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
    if ((info.flags & SDL_RENDERER_SOFTWARE) || std::strcmp(info.name, "software") == 0) return true;
    if (std::strncmp(info.name, "opengl", 6) != 0) return false;
    // The renderer's context is current: ask the driver what draws.
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned kGlRenderer = 0x1F01;
    const char* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
    if (!name) return false;
    for (const char* soft : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(name, soft)) return true;
    return false;
}

// SDL_HINT_FRAMEBUFFER_ACCELERATION set to "0", "false" or "software": the
// user asks for the window framebuffer.
bool FramebufferAskedFor() {
    const char* hint = SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
    return hint && (hint[0] == '0' || strcasecmp(hint, "false") == 0 || strcasecmp(hint, "software") == 0);
}

// A graphics card offers a render node (/dev/dri/renderD*). Without one
// every OpenGL is a software rasteriser: trying one only to learn that
// would load it (tens of megabytes that stay in memory).
bool GraphicsCardPresent() {
    DIR* dri = opendir("/dev/dri");
    if (!dri) return false;
    bool found = false;
    while (const dirent* entry = readdir(dri))
        if (std::strncmp(entry->d_name, "renderD", 7) == 0) found = true;
    closedir(dri);
    return found;
}

// For each of `out` columns of a view `out` wide, the source column of
// `in` it shows (pixel centres, nearest), and for each source column the
// first view column showing it (one past the end for `in` itself).
void NearestMap(int in, int out, std::vector<int>& src, std::vector<int>& first) {
    src.resize(static_cast<size_t>(out));
    for (int d = 0; d < out; ++d)
        src[d] = std::min(in - 1, static_cast<int>((2LL * d + 1) * in / (2LL * out)));
    first.assign(static_cast<size_t>(in) + 1, -1);
    first[in] = out;
    for (int d = out - 1; d >= 0; --d) first[src[d]] = d;
    for (int s = in - 1; s >= 0; --s)
        if (first[s] < 0) first[s] = first[s + 1];
}

}  // namespace

SdlScreen::~SdlScreen() { Close(); }

void SdlScreen::Close() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    texture_ = nullptr;
    renderer_ = nullptr;
    surface_ = nullptr;
    window_ = nullptr;
}

bool SdlScreen::Open(SDL_Window* window) {
    Close();
    window_ = window;
    wholeWindow_ = true;
    if (!FramebufferAskedFor() && GraphicsCardPresent()) {
        renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
        if (renderer_ && DrawsInSoftware(renderer_)) {
            SDL_DestroyRenderer(renderer_);
            renderer_ = nullptr;
        }
    }
    if (!renderer_ && OpenSurface()) return true;
    // No framebuffer either: any renderer will do.
    if (!renderer_) renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        Close();
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // The playing area keeps its aspect ratio, centred, black bars around;
    // SDL maps mouse positions back into it.
    SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
    // 0x00RRGGBB words, no alpha: the buffer is uploaded as it is.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                 kScreenHeight);
    if (!texture_) {
        Close();
        return false;
    }
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    return true;
}

bool SdlScreen::OpenSurface() {
    // Without this SDL would emulate the framebuffer with a renderer again.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    surface_ = SDL_GetWindowSurface(window_);
    if (!surface_) return false;
    Layout(surface_->w, surface_->h);
    return true;
}

void SdlScreen::Layout(int windowW, int windowH) {
    // As SDL's logical size places it: the larger scale that fits, centred.
    const long wide = static_cast<long>(windowW) * kScreenHeight, tall = static_cast<long>(windowH) * kScreenWidth;
    if (wide == tall)
        view_ = {0, 0, windowW, windowH};
    else if (wide > tall)
        view_.w = static_cast<int>(tall / kScreenHeight), view_.h = windowH;
    else
        view_.w = windowW, view_.h = static_cast<int>(wide / kScreenWidth);
    view_.w = std::max(view_.w, 1);
    view_.h = std::max(view_.h, 1);
    view_.x = (windowW - view_.w) / 2;
    view_.y = (windowH - view_.h) / 2;
    NearestMap(kScreenWidth, view_.w, srcX_, firstX_);
    NearestMap(kScreenHeight, view_.h, srcY_, firstY_);
}

void SdlScreen::WindowChanged() {
    wholeWindow_ = true;
    if (surface_) {
        // After a resize SDL hands out a new framebuffer of the new size.
        surface_ = SDL_GetWindowSurface(window_);
        if (surface_) Layout(surface_->w, surface_->h);
    }
}

void SdlScreen::ToPlayingArea(int* x, int* y) const {
    if (renderer_) return;
    auto back = [](int v, int origin, int size, int full) {
        long d = static_cast<long>(v - origin) * full;
        return static_cast<int>(d >= 0 ? d / size : -((-d + size - 1) / size));
    };
    *x = back(*x, view_.x, view_.w, kScreenWidth);
    *y = back(*y, view_.y, view_.h, kScreenHeight);
}

bool SdlScreen::Show(const FrameBuffer& fb, const std::vector<ClipRect>& rects) {
    if (!window_ || (!wholeWindow_ && rects.empty())) return false;
    if (renderer_)
        ShowWithRenderer(fb, rects);
    else
        ShowOnSurface(fb, rects);
    wholeWindow_ = false;
    return true;
}

void SdlScreen::ShowWithRenderer(const FrameBuffer& fb, const std::vector<ClipRect>& rects) {
    if (wholeWindow_) {
        SDL_UpdateTexture(texture_, nullptr, fb.pixels.data(), fb.width * 4);
    } else {
        for (const ClipRect& r : rects) {
            SDL_Rect area{r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0};
            SDL_UpdateTexture(texture_, &area, &fb.pixels[static_cast<size_t>(r.y0) * fb.width + r.x0], fb.width * 4);
        }
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlScreen::ShowOnSurface(const FrameBuffer& fb, const std::vector<ClipRect>& rects) {
    if (!surface_) return;
    static const std::vector<ClipRect> kWhole{{0, 0, kScreenWidth, kScreenHeight}};
    const std::vector<ClipRect>& todo = wholeWindow_ ? kWhole : rects;
    // The window's pixels take our words as they are, or are converted.
    const bool direct = surface_->format->format == SDL_PIXELFORMAT_RGB888;
    const bool unscaled = view_.w == kScreenWidth && view_.h == kScreenHeight;
    if (!OpenWindowPixels()) return;
    updates_.clear();
    for (const ClipRect& r : todo) {
        const int x0 = firstX_[r.x0], x1 = firstX_[r.x1], y0 = firstY_[r.y0], y1 = firstY_[r.y1];
        if (x0 >= x1 || y0 >= y1) continue;
        const int w = x1 - x0, h = y1 - y0;
        auto* window = static_cast<std::uint8_t*>(surface_->pixels) + static_cast<size_t>(view_.y + y0) * surface_->pitch +
                       static_cast<size_t>(view_.x + x0) * surface_->format->BytesPerPixel;
        std::uint8_t* out = window;
        int pitch = surface_->pitch;
        if (!direct) {
            converted_.resize(static_cast<size_t>(w) * h);
            out = reinterpret_cast<std::uint8_t*>(converted_.data());
            pitch = w * 4;
        }
        for (int y = y0; y < y1; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(out + static_cast<size_t>(y - y0) * pitch);
            const std::uint32_t* src = &fb.pixels[static_cast<size_t>(srcY_[y]) * fb.width];
            if (y > y0 && srcY_[y] == srcY_[y - 1])
                std::memcpy(row, out + static_cast<size_t>(y - y0 - 1) * pitch, static_cast<size_t>(w) * 4);
            else if (unscaled)
                std::memcpy(row, src + x0, static_cast<size_t>(w) * 4);
            else
                for (int x = x0; x < x1; ++x) row[x - x0] = src[srcX_[x]];
        }
        if (!direct)
            SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGB888, out, pitch, surface_->format->format, window,
                              surface_->pitch);
        updates_.push_back({view_.x + x0, view_.y + y0, w, h});
    }
    SendWindowPixels();
}

bool SdlScreen::OpenWindowPixels() {
    if (SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) != 0) return false;
    if (wholeWindow_) SDL_FillRect(surface_, nullptr, SDL_MapRGB(surface_->format, 0, 0, 0));
    return true;
}

void SdlScreen::SendWindowPixels() {
    if (SDL_MUSTLOCK(surface_)) SDL_UnlockSurface(surface_);
    if (wholeWindow_)
        SDL_UpdateWindowSurface(window_);
    else if (!updates_.empty())
        SDL_UpdateWindowSurfaceRects(window_, reinterpret_cast<const SDL_Rect*>(updates_.data()),
                                     static_cast<int>(updates_.size()));
}

bool SdlScreen::BeginInPlace(PixelRows* rows) {
    if (!window_ || !surface_ || surface_->format->format != SDL_PIXELFORMAT_RGB888 ||
        view_.w != kScreenWidth || view_.h != kScreenHeight || surface_->pitch % 4 != 0)
        return false;
    if (!OpenWindowPixels()) return false;
    const int stride = surface_->pitch / 4;
    *rows = {static_cast<std::uint32_t*>(surface_->pixels) + static_cast<std::ptrdiff_t>(view_.y) * stride + view_.x,
             stride};
    return true;
}

bool SdlScreen::ShowInPlace(const std::vector<ClipRect>& rects) {
    updates_.clear();
    for (const ClipRect& r : rects) updates_.push_back({view_.x + r.x0, view_.y + r.y0, r.x1 - r.x0, r.y1 - r.y0});
    SendWindowPixels();
    const bool shown = wholeWindow_ || !rects.empty();
    wholeWindow_ = false;
    return shown;
}

bool SdlScreen::Capture(FrameBuffer* out) {
    if (!window_ || !out) return false;
    if (!renderer_) {
        if (!surface_) return false;
        out->width = surface_->w;
        out->height = surface_->h;
        out->pixels.assign(static_cast<size_t>(out->width) * out->height, 0);
        if (SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) != 0) return false;
        int rc = SDL_ConvertPixels(out->width, out->height, surface_->format->format, surface_->pixels,
                                   surface_->pitch, SDL_PIXELFORMAT_RGB888, out->pixels.data(), out->width * 4);
        if (SDL_MUSTLOCK(surface_)) SDL_UnlockSurface(surface_);
        return rc == 0;
    }
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(renderer_, &w, &h) != 0 || w <= 0 || h <= 0) return false;
    out->width = w;
    out->height = h;
    out->pixels.assign(static_cast<size_t>(w) * h, 0);
    SDL_Rect all{0, 0, w, h};
    SDL_RenderSetLogicalSize(renderer_, 0, 0);
    int rc = SDL_RenderReadPixels(renderer_, &all, SDL_PIXELFORMAT_RGB888, out->pixels.data(), w * 4);
    SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
    return rc == 0;
}
