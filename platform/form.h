// TForm: the main window. It owns every widget and timer created with it
// as parent/owner and knows each by name.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/control.h"

class TTimer;

enum TFormBorderStyle { bsNone, bsSingle };

class TForm : public TWinControl {
public:
    TForm();
    ~TForm() override;

    AnsiString Caption;
    TFont Font;
    TFormBorderStyle BorderStyle = bsSingle;
    int ClientWidth = 1172;
    int ClientHeight = 782;

    TNotifyEvent OnCreate;
    // Dispatches OnCreate through the application's exception handling.
    void DoCreate();

    // Closes the main window: the message loop ends and no timer fires any more.
    void Close();
    bool Closed() const { return closed_; }

    // Widgets and timers by name (nullptr when unknown).
    TControl* FindControl(const AnsiString& name) const;
    TTimer* FindTimer(const AnsiString& name) const;
    const std::vector<TTimer*>& Timers() const { return timers_; }
    // Every control of the tree, in creation order.
    const std::vector<TControl*>& AllControls() const { return all_; }

    void Paint(Canvas& canvas, int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    const char* KindName() const override { return "TForm"; }

private:
    friend class TControl;
    friend class TTimer;
    void Register(TControl* c);
    void Unregister(TControl* c);
    void Register(TTimer* t);
    void Unregister(TTimer* t);

    bool closed_ = false;
    std::map<AnsiString, TControl*> byName_;
    std::vector<TControl*> all_;
    std::vector<TTimer*> timers_;
};
