// Input routing: the hit test, clicks on release over the same control,
// mouse moves, and the accelerator keys of bit buttons.
#include <cctype>

#include "platform/application.h"
#include "platform/bitbtn.h"
#include "platform/report_box.h"

namespace {

bool Contains(const TControl& c, int left, int top, int x, int y) {
    return x >= left && y >= top && x < left + c.Width && y < top + c.Height;
}

// The topmost visible, enabled control under x, y inside `parent`, whose
// top-left corner is at left, top. Windowed children lie above graphic
// ones, so walking the paint order backwards meets them first; an
// enabled windowed child takes the point for itself and its children (a
// panel shields whatever lies under it). Disabled controls are passed
// over, as Windows does.
TControl* HitIn(const TWinControl& parent, int left, int top, int x, int y) {
    const auto& order = parent.PaintOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible || !c->Enabled) continue;
        int cl = left + c->Left, ct = top + c->Top;
        if (!Contains(*c, cl, ct, x, y)) continue;
        if (auto* w = dynamic_cast<TWinControl*>(c)) return HitIn(*w, cl, ct, x, y);
        return c;
    }
    return const_cast<TWinControl*>(&parent);
}

bool EnabledWithParents(const TControl* c) {
    for (; c; c = c->Parent)
        if (!c->Enabled) return false;
    return true;
}

}  // namespace

TControl* TApplication::HitTest(int x, int y) const {
    if (!mainForm_) return nullptr;
    return HitIn(*mainForm_, 0, 0, x, y);
}

void TApplication::MouseDown(int x, int y) {
    pressed_ = nullptr;
    if (!mainForm_ || mainForm_->Closed()) return;
    if (!shownOnce_.empty() && ReportBoxContains(shownOnce_, x, y)) {
        DismissReport();
        return;
    }
    pressed_ = HitTest(x, y);
}

void TApplication::MouseUp(int x, int y) {
    TControl* pressed = pressed_;
    pressed_ = nullptr;
    if (!pressed || !mainForm_ || mainForm_->Closed()) return;
    if (HitTest(x, y) != pressed || !pressed->OnClick) return;
    Dispatch(pressed->Name + ".OnClick", [pressed] { pressed->OnClick(pressed); });
}

void TApplication::MouseMove(int x, int y) {
    if (!mainForm_ || mainForm_->Closed()) return;
    TControl* target = HitTest(x, y);
    if (!target || !target->OnMouseMove) return;
    int cx = x - target->ScreenLeft(), cy = y - target->ScreenTop();
    Dispatch(target->Name + ".OnMouseMove",
             [target, cx, cy] { target->OnMouseMove(target, ssNone, cx, cy); });
}

void TApplication::KeyPress(char key) {
    if (!mainForm_ || mainForm_->Closed()) return;
    if (key == '\r' || key == '\x1b') {
        DismissReport();
        return;
    }
    for (const TControl* blocker : AcceleratorBlockers)
        if (blocker && blocker->IsShowing()) return;
    char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
    for (TControl* c : mainForm_->AllControls()) {
        auto* button = dynamic_cast<TBitBtn*>(c);
        if (!button || button->Accelerator() != wanted) continue;
        if (!button->IsShowing() || !EnabledWithParents(button)) continue;
        if (button->OnClick)
            Dispatch(button->Name + ".OnClick", [button] { button->OnClick(button); });
        return;
    }
}
