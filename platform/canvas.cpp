// The software renderer: canvas primitives and the paint of the whole tree.
#include "platform/canvas.h"

#include <algorithm>
#include <cstring>

#include "platform/application.h"
#include "platform/blit.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/report_box.h"

ClipRect Intersect(const ClipRect& a, const ClipRect& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

void Canvas::FillRect(int x, int y, int w, int h, TColor color) {
    ClipRect r = Intersect(clip, {x, y, x + w, y + h});
    if (Empty(r)) return;
    std::uint32_t rgb = ColorToRgb(color);
    for (int py = r.y0; py < r.y1; ++py) {
        std::uint32_t* row = &fb->pixels[static_cast<size_t>(py) * fb->width];
        std::fill(row + r.x0, row + r.x1, rgb);
    }
}

void Canvas::PutPixel(int x, int y, std::uint32_t rgb) {
    if (x < clip.x0 || y < clip.y0 || x >= clip.x1 || y >= clip.y1) return;
    fb->pixels[static_cast<size_t>(y) * fb->width + x] = rgb;
}

void FrameRect(Canvas& canvas, int x, int y, int w, int h, TColor color) {
    if (w <= 0 || h <= 0) return;
    canvas.FillRect(x, y, w, 1, color);
    canvas.FillRect(x, y + h - 1, w, 1, color);
    canvas.FillRect(x, y, 1, h, color);
    canvas.FillRect(x + w - 1, y, 1, h, color);
}

void DrawBevel(Canvas& canvas, int x, int y, int w, int h, TColor light, TColor dark) {
    if (w <= 0 || h <= 0) return;
    canvas.FillRect(x, y, w, 1, light);
    canvas.FillRect(x, y, 1, h, light);
    canvas.FillRect(x, y + h - 1, w, 1, dark);
    canvas.FillRect(x + w - 1, y, 1, h, dark);
}

void BlitBitmap(Canvas& canvas, const Bitmap& bitmap, int x, int y, int w, int h, bool transparent) {
    w = std::min(w, bitmap.width);
    h = std::min(h, bitmap.height);
    ClipRect r = Intersect(canvas.clip, {x, y, x + w, y + h});
    if (Empty(r)) return;
    FrameBuffer& fb = *canvas.fb;
    for (int py = r.y0; py < r.y1; ++py) {
        int sy = py - y;
        const std::uint32_t* src = &bitmap.pixels[static_cast<size_t>(sy) * bitmap.width];
        std::uint32_t* dst = &fb.pixels[static_cast<size_t>(py) * fb.width];
        if (!transparent) {
            std::memcpy(dst + r.x0, src + (r.x0 - x), sizeof(std::uint32_t) * (r.x1 - r.x0));
            continue;
        }
        for (std::uint32_t s = bitmap.rowStart[sy], e = bitmap.rowStart[sy + 1]; s < e; ++s) {
            int x0 = std::max(bitmap.spans[s].x0 + x, r.x0);
            int x1 = std::min(bitmap.spans[s].x1 + x, r.x1);
            if (x0 < x1) std::memcpy(dst + x0, src + (x0 - x), sizeof(std::uint32_t) * (x1 - x0));
        }
    }
}

namespace {

void PaintTree(const TControl& c, const ClipRect& parentClip, int x, int y, FrameBuffer& fb) {
    if (!c.Visible) return;
    ClipRect own = Intersect(parentClip, {x, y, x + c.Width, y + c.Height});
    if (Empty(own)) return;
    Canvas canvas{&fb, own};
    c.Paint(canvas, x, y);
    if (!c.IsWindowed()) return;
    for (const TControl* child : static_cast<const TWinControl&>(c).PaintOrder())
        PaintTree(*child, own, x + child->Left, y + child->Top, fb);
}

}  // namespace

void RenderForm(const TForm& form, FrameBuffer& fb) {
    if (fb.pixels.size() != static_cast<size_t>(fb.width) * fb.height)
        fb.pixels.assign(static_cast<size_t>(fb.width) * fb.height, 0);
    RenderArea(form, fb, {0, 0, fb.width, fb.height});
}

void RenderArea(const TForm& form, FrameBuffer& fb, const ClipRect& area) {
    // The form is the window: it is not clipped by its own Width/Height.
    ClipRect clip = Intersect(area, {0, 0, fb.width, fb.height});
    if (Empty(clip)) return;
    Canvas canvas{&fb, clip};
    // Outside the form the window is black; where the form covers the
    // area its own background fill comes next anyway.
    const bool formCovers = form.Visible && clip.x1 <= std::max(form.Width, form.ClientWidth) &&
                            clip.y1 <= std::max(form.Height, form.ClientHeight);
    if (!formCovers) canvas.FillRect(clip.x0, clip.y0, clip.x1 - clip.x0, clip.y1 - clip.y0, clBlack);
    if (form.Visible) {
        form.Paint(canvas, 0, 0);
        for (const TControl* child : form.PaintOrder()) PaintTree(*child, clip, child->Left, child->Top, fb);
    }
    if (Application && Application->MainForm() == &form && !Application->ShownReports().empty())
        DrawReportBox(canvas, Application->Title, Application->ShownReports());
}
