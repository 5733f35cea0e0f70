// What the SDL window shows: the 1024 x 768 playing area, scaled to fit
// the window and centred with black bars, updated only where it changed.
//
// Two ways to the screen. With a renderer that really runs on graphics
// hardware the playing area is a streaming texture: the changed
// rectangles are uploaded and the card scales. When the only renderer is
// a software one (no GPU: SDL's own software renderer, or OpenGL on a
// software rasteriser), it would scale and copy every frame on the CPU;
// then the window's own framebuffer is used instead, the changed
// rectangles are copied into it (nearest-neighbour scaled when the window
// is larger) and only those go to the screen.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;

class SdlScreen {
public:
    SdlScreen() = default;
    ~SdlScreen();
    SdlScreen(const SdlScreen&) = delete;
    SdlScreen& operator=(const SdlScreen&) = delete;

    // Sets up the way to the screen for `window`. False (with SDL's error)
    // when neither works.
    bool Open(SDL_Window* window);
    void Close();
    // True when the window framebuffer is used (no hardware renderer).
    bool UsesWindowSurface() const { return surface_ != nullptr; }

    // Shows the rectangles `rects` of `fb` (the whole playing area when
    // the window lost its content since the last call).
    // Returns false when there was nothing to show.
    bool Show(const FrameBuffer& fb, const std::vector<ClipRect>& rects);
    // Painting in place: when the window's own pixels show the playing
    // area one to one (its framebuffer, in the playing area's format,
    // unscaled), the frame is painted straight into them, which saves
    // copying it. BeginInPlace gives those pixels (false when the window
    // cannot take that); the caller paints the rectangles it then hands to
    // ShowInPlace (the whole playing area when the window lost its
    // content), and nothing else in between.
    bool BeginInPlace(PixelRows* rows);
    bool ShowInPlace(const std::vector<ClipRect>& rects);
    // The window was exposed or resized: it is set up again at its size
    // and the next Show presents the whole playing area, so the caller
    // hands over a complete frame then.
    void WindowChanged();

    // Window coordinates of a mouse event to playing-area coordinates.
    // With a renderer SDL does this itself.
    void ToPlayingArea(int* x, int* y) const;

    // What the window shows, at the window's size.
    bool Capture(FrameBuffer* out);

private:
    bool OpenSurface();
    void Layout(int windowW, int windowH);
    void ShowOnSurface(const FrameBuffer& fb, const std::vector<ClipRect>& rects);
    void ShowWithRenderer(const FrameBuffer& fb, const std::vector<ClipRect>& rects);
    // The window's pixels made ready for writing (blacked out when the
    // window lost its content); false when they cannot be written.
    bool OpenWindowPixels();
    // The window's pixels handed to the display: all of them when the
    // window lost its content, else the rectangles in updates_.
    void SendWindowPixels();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Surface* surface_ = nullptr;
    bool wholeWindow_ = true;  // next Show presents the whole window
    // A rectangle of the window, laid out as SDL_Rect.
    struct WindowRect {
        int x = 0, y = 0, w = 0, h = 0;
    };
    // The playing area's place in the window (surface way).
    WindowRect view_{0, 0, kScreenWidth, kScreenHeight};
    // Nearest-neighbour scaling: the source column of each window column of
    // the view, and the first window column showing source column x (one
    // past the last source column too); the same for rows.
    std::vector<int> srcX_, srcY_, firstX_, firstY_;
    // Pixels in the playing area's format when the window's differs.
    std::vector<std::uint32_t> converted_;
    std::vector<WindowRect> updates_;
};
