// The widget tree: parent/child links, stacking keys and the lazy paint
// order of each parent.
#include "platform/control.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/form.h"

namespace {
// Keys grow away from 0 in both directions: every raise takes a key above
// all keys handed out so far, every lowering one below.
std::int64_t g_topKey = 0;
std::int64_t g_bottomKey = 0;
}  // namespace

std::int64_t NextStackKeyTop() { return ++g_topKey; }
std::int64_t NextStackKeyBottom() { return --g_bottomKey; }

TControl::TControl(TWinControl* parent, const AnsiString& name) : Name(name), Parent(parent) {
    if (parent) {
        parent->Adopt(this);
        form_ = parent->OwnerForm();
        if (form_) form_->Register(this);
    }
}

TControl::~TControl() {
    if (Parent) Parent->Release(this);
    if (form_ && form_ != this) form_->Unregister(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

void TControl::BringToFront() {
    if (!Parent) return;
    stackKey_ = NextStackKeyTop();
    Parent->Restacked();
}

void TControl::SendToBack() {
    if (!Parent) return;
    stackKey_ = NextStackKeyBottom();
    Parent->Restacked();
}

bool TControl::IsShowing() const {
    for (const TControl* c = this; c; c = c->Parent)
        if (!c->Visible) return false;
    return true;
}

int TControl::ScreenLeft() const {
    int x = 0;
    for (const TControl* c = this; c && c->Parent; c = c->Parent) x += c->Left;
    return x;
}

int TControl::ScreenTop() const {
    int y = 0;
    for (const TControl* c = this; c && c->Parent; c = c->Parent) y += c->Top;
    return y;
}

TForm* TControl::OwnerForm() const {
    if (form_) return form_;
    for (const TControl* c = this; c; c = c->Parent)
        if (auto* f = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(f);
    return nullptr;
}

int TControl::StackIndex() const {
    if (!Parent) return -1;
    int index = 0;
    for (const TControl* sibling : Parent->PaintOrder()) {
        if (sibling == this) return index;
        if (sibling->IsWindowed() == IsWindowed()) ++index;
    }
    return -1;
}

void TControl::Paint(Canvas&, int, int) const {}

ClipRect TControl::SolidRect(int, int) const { return {}; }

void TControl::AddPaintState(PaintKey&) const {}

AnsiString TControl::Describe() const { return ""; }

TWinControl::TWinControl(TWinControl* parent, const AnsiString& name) : TControl(parent, name) {}

TWinControl::~TWinControl() { DestroyChildren(); }

void TWinControl::DestroyChildren() {
    // Children unlink themselves from children_ as they die.
    while (!children_.empty()) delete children_.back();
    paintOrder_.clear();
}

void TWinControl::Adopt(TControl* child) {
    children_.push_back(child);
    child->stackKey_ = NextStackKeyTop();
    orderDirty_ = true;
}

void TWinControl::Release(TControl* child) {
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it != children_.end()) children_.erase(it);
    orderDirty_ = true;
}

const std::vector<TControl*>& TWinControl::PaintOrder() const {
    if (orderDirty_) {
        paintOrder_ = children_;
        std::sort(paintOrder_.begin(), paintOrder_.end(), [](const TControl* a, const TControl* b) {
            if (a->IsWindowed() != b->IsWindowed()) return !a->IsWindowed();
            return a->stackKey_ < b->stackKey_;
        });
        orderDirty_ = false;
    }
    return paintOrder_;
}

void TWinControl::ChildResized(TControl*) {}
