// The software renderer: canvas primitives and the paint of the whole tree.
#include "platform/canvas.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

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
        std::uint32_t* row = rows.Row(py);
        std::fill(row + r.x0, row + r.x1, rgb);
    }
}

void Canvas::PutPixel(int x, int y, std::uint32_t rgb) {
    if (x < clip.x0 || y < clip.y0 || x >= clip.x1 || y >= clip.y1) return;
    rows.Row(y)[x] = rgb;
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
    for (int py = r.y0; py < r.y1; ++py) {
        int sy = py - y;
        const std::uint32_t* src = &bitmap.pixels[static_cast<size_t>(sy) * bitmap.width];
        std::uint32_t* dst = canvas.rows.Row(py);
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

// A showing control in paint order: its clipped rectangle and its origin.
struct Placed {
    const TControl* control;
    ClipRect own;
    int x, y;
};

// The same walk as the paint: hidden controls and everything clipped away
// paint nothing, children are clipped by their parent.
void Flatten(const TControl& c, const ClipRect& parentClip, int x, int y, std::vector<Placed>& out) {
    if (!c.Visible) return;
    ClipRect own = Intersect(parentClip, {x, y, x + c.Width, y + c.Height});
    if (Empty(own)) return;
    out.push_back({&c, own, x, y});
    if (!c.IsWindowed()) return;
    for (const TControl* child : static_cast<const TWinControl&>(c).PaintOrder())
        Flatten(*child, own, x + child->Left, y + child->Top, out);
}

void Render(const TForm& form, const PixelRows& target, const ClipRect& clip);

// Whether the intervals `spans` together cover [x0, x1); sorts them.
bool Covers(std::vector<std::pair<int, int>>& spans, int x0, int x1) {
    std::sort(spans.begin(), spans.end());
    for (const auto& [a, b] : spans) {
        if (a > x0) return false;
        x0 = std::max(x0, b);
        if (x0 >= x1) return true;
    }
    return x0 >= x1;
}

}  // namespace

void RenderForm(const TForm& form, FrameBuffer& fb) {
    if (fb.pixels.size() != static_cast<size_t>(fb.width) * fb.height)
        fb.pixels.assign(static_cast<size_t>(fb.width) * fb.height, 0);
    RenderArea(form, fb, {0, 0, fb.width, fb.height});
}

void RenderArea(const TForm& form, FrameBuffer& fb, const ClipRect& area) {
    Render(form, {fb.pixels.data(), fb.width}, Intersect(area, {0, 0, fb.width, fb.height}));
}

void RenderArea(const TForm& form, const PixelRows& target, const ClipRect& area) {
    Render(form, target, Intersect(area, {0, 0, kScreenWidth, kScreenHeight}));
}

namespace {

void Render(const TForm& form, const PixelRows& target, const ClipRect& clip) {
    // The form is the window: it is not clipped by its own Width/Height.
    if (Empty(clip)) return;
    // Outside the form the window is black; where the form covers the
    // area its own background fill comes next anyway.
    const bool formCovers = form.Visible && clip.x1 <= std::max(form.Width, form.ClientWidth) &&
                            clip.y1 <= std::max(form.Height, form.ClientHeight);
    // The controls in paint order; the form itself comes first and is
    // painted in the loop below as number 0.
    static thread_local std::vector<Placed> placed;
    placed.clear();
    if (form.Visible)
        for (const TControl* child : form.PaintOrder()) Flatten(*child, clip, child->Left, child->Top, placed);

    // Most of a moving street is pictures without a hole: whatever lies
    // beneath them (the form's fill, the pictures behind) would be painted
    // only to be painted over. The area is cut into bands of rows, and
    // each band is painted from the highest control at which the solid
    // parts of it and of the controls above it cover the band from edge
    // to edge (from the form when there is none).
    struct Solid {
        ClipRect rect;
        int at;  // 1 + index in `placed`
    };
    static thread_local std::vector<Solid> solids;
    static thread_local std::vector<int> edges;
    static thread_local std::vector<std::pair<int, int>> spans;
    solids.clear();
    edges.assign({clip.y0, clip.y1});
    for (size_t i = 0; i < placed.size(); ++i) {
        const Placed& p = placed[i];
        const ClipRect r = Intersect(p.own, p.control->SolidRect(p.x, p.y));
        if (Empty(r)) continue;
        solids.push_back({r, static_cast<int>(i) + 1});
        edges.push_back(r.y0);
        edges.push_back(r.y1);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    auto paintBand = [&](int y0, int y1, int from) {
        const ClipRect band{clip.x0, y0, clip.x1, y1};
        if (from == 0) {
            Canvas canvas{target, band};
            if (!formCovers) canvas.FillRect(band.x0, band.y0, band.x1 - band.x0, band.y1 - band.y0, clBlack);
            if (form.Visible) form.Paint(canvas, 0, 0);
            from = 1;
        }
        for (size_t i = static_cast<size_t>(from) - 1; i < placed.size(); ++i) {
            const Placed& p = placed[i];
            Canvas canvas{target, Intersect(p.own, band)};
            if (!Empty(canvas.clip)) p.control->Paint(canvas, p.x, p.y);
        }
    };
    int bandTop = clip.y0, bandFrom = -1;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        const int y0 = edges[e], y1 = edges[e + 1];
        if (y0 < clip.y0 || y1 > clip.y1) continue;
        int from = 0;
        spans.clear();
        for (auto s = solids.rbegin(); s != solids.rend(); ++s) {
            if (s->rect.y0 > y0 || s->rect.y1 < y1) continue;
            spans.emplace_back(s->rect.x0, s->rect.x1);
            if (Covers(spans, clip.x0, clip.x1)) {
                from = s->at;
                break;
            }
        }
        if (from != bandFrom) {
            if (bandFrom >= 0) paintBand(bandTop, y0, bandFrom);
            bandTop = y0;
            bandFrom = from;
        }
    }
    if (bandFrom >= 0) paintBand(bandTop, clip.y1, bandFrom);

    if (Application && Application->MainForm() == &form && !Application->ShownReports().empty()) {
        Canvas canvas{target, clip};
        DrawReportBox(canvas, Application->Title, Application->ShownReports());
    }
}

}  // namespace
