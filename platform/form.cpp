// The main window: owns its widgets and timers and finds them by name.
#include "platform/form.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/paint_key.h"
#include "platform/timer.h"

TForm::TForm() : TWinControl(nullptr, "Form1") {
    form_ = this;
    Width = ClientWidth;
    Height = ClientHeight;
}

TForm::~TForm() {
    // Children and timers unregister themselves while the maps still live.
    DestroyChildren();
    while (!timers_.empty()) delete timers_.back();
}

void TForm::DoCreate() {
    Application->Dispatch(Name + ".OnCreate", [this] {
        if (OnCreate) OnCreate(this);
    });
}

void TForm::Close() { closed_ = true; }

TControl* TForm::FindControl(const AnsiString& name) const {
    if (name == Name) return const_cast<TForm*>(this);
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

TTimer* TForm::FindTimer(const AnsiString& name) const {
    for (TTimer* t : timers_)
        if (t->Name == name) return t;
    return nullptr;
}

void TForm::Paint(Canvas& canvas, int x, int y) const {
    canvas.FillRect(x, y, std::max(Width, ClientWidth), std::max(Height, ClientHeight), Color);
}

void TForm::Register(TControl* c) {
    all_.push_back(c);
    if (!c->Name.empty()) byName_.emplace(c->Name, c);
}

void TForm::Unregister(TControl* c) {
    auto it = std::find(all_.begin(), all_.end(), c);
    if (it != all_.end()) all_.erase(it);
    auto named = byName_.find(c->Name);
    if (named != byName_.end() && named->second == c) byName_.erase(named);
}

void TForm::Register(TTimer* t) { timers_.push_back(t); }

void TForm::Unregister(TTimer* t) {
    auto it = std::find(timers_.begin(), timers_.end(), t);
    if (it != timers_.end()) timers_.erase(it);
}

void TForm::AddPaintState(PaintKey& key) const {
    // Painted unclipped by its own rectangle: its size is part of its look.
    key.Add(Color).Add(static_cast<std::uint64_t>(std::max(Width, ClientWidth)));
    key.Add(static_cast<std::uint64_t>(std::max(Height, ClientHeight)));
}
