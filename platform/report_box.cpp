// The error report box: title bar, an error sign, the messages, an OK
// button. Non-modal: the game keeps running under it.
#include "platform/report_box.h"

#include <algorithm>

#include "platform/blit.h"
#include "platform/text_raster.h"

namespace {

constexpr int kTitleHeight = 20;
constexpr int kPad = 14;
constexpr int kIcon = 32;
constexpr int kButtonW = 75, kButtonH = 23;

TFont BoxFont(TColor color = clBlack, bool bold = false) {
    TFont f;
    f.Name = "Arial";
    f.Height = 13;
    f.Bold = bold;
    f.Color = color;
    return f;
}

int LineHeight() { return MeasureText(BoxFont(), "Ag").Height + 2; }

}  // namespace

AnsiString ReportText(const AnsiString& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

ClipRect ReportBoxRect(const std::vector<AnsiString>& messages) {
    int textW = 0;
    for (const auto& m : messages) textW = std::max(textW, MeasureText(BoxFont(), ReportText(m)).Width);
    int w = std::clamp(textW + kIcon + 3 * kPad, 260, kScreenWidth - 8);
    int textH = static_cast<int>(messages.size()) * LineHeight();
    int h = kTitleHeight + kPad + std::max(kIcon, textH) + kPad + kButtonH + kPad;
    h = std::min(h, kScreenHeight - 8);
    int x = (kScreenWidth - w) / 2, y = (kScreenHeight - h) / 2;
    return {x, y, x + w, y + h};
}

bool ReportBoxContains(const std::vector<AnsiString>& messages, int x, int y) {
    ClipRect r = ReportBoxRect(messages);
    return x >= r.x0 && y >= r.y0 && x < r.x1 && y < r.y1;
}

void DrawReportBox(Canvas& canvas, const AnsiString& title, const std::vector<AnsiString>& messages) {
    ClipRect r = ReportBoxRect(messages);
    int x = r.x0, y = r.y0, w = r.x1 - r.x0, h = r.y1 - r.y0;
    Canvas box{canvas.rows, Intersect(canvas.clip, r)};
    box.FillRect(x, y, w, h, clBtnFace);
    DrawBevel(box, x, y, w, h, clWhite, cl3DDkShadow);
    box.FillRect(x + 2, y + 2, w - 4, kTitleHeight - 2, clNavy);
    DrawText(box, BoxFont(clWhite, true), title.empty() ? AnsiString("Error") : title, x + 6, y + 4);

    // Error sign: a red disc with a white cross.
    int cx = x + kPad + kIcon / 2, cy = y + kTitleHeight + kPad + kIcon / 2, rad = kIcon / 2;
    for (int py = -rad; py < rad; ++py)
        for (int px = -rad; px < rad; ++px) {
            int d2 = (2 * px + 1) * (2 * px + 1) + (2 * py + 1) * (2 * py + 1);
            if (d2 > 4 * rad * rad) continue;
            bool cross = (std::abs(px - py) <= 2 || std::abs(px + py + 1) <= 2) && std::abs(px) < rad / 2 + 1 &&
                         std::abs(py) < rad / 2 + 1;
            box.PutPixel(cx + px, cy + py, cross ? 0xFFFFFF : 0xD02020);
        }

    int tx = x + kPad * 2 + kIcon, ty = y + kTitleHeight + kPad;
    for (const auto& m : messages) {
        DrawText(box, BoxFont(), ReportText(m), tx, ty);
        ty += LineHeight();
    }

    int bx = x + (w - kButtonW) / 2, by = y + h - kPad - kButtonH;
    box.FillRect(bx, by, kButtonW, kButtonH, clBtnFace);
    DrawBevel(box, bx, by, kButtonW, kButtonH, clWhite, cl3DDkShadow);
    TextExtent ok = MeasureText(BoxFont(), "OK");
    DrawText(box, BoxFont(), "OK", bx + (kButtonW - ok.Width) / 2, by + (kButtonH - ok.Height) / 2);
}
