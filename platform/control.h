// The widget tree: every widget is a TControl with a parent, a rectangle
// in its parent's coordinates and a place in its parent's stacking order.
//
// Stacking: within one parent every windowed child (form, panel, bit
// button, memo) lies above every graphic child (image, label, shape,
// gauge). Among graphic siblings, and among windowed siblings, the one
// with the higher stacking key lies above. Creation, BringToFront and
// SendToBack only assign a new key, so a raise costs O(1); the parent
// sorts lazily when it is painted or hit-tested.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/font.h"
#include "platform/types.h"

class TWinControl;
class TForm;
struct Canvas;
struct ClipRect;
struct PaintKey;

class TControl : public TObject {
public:
    TControl(TWinControl* parent, const AnsiString& name);
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    AnsiString Name;
    TWinControl* Parent = nullptr;

    // Geometry, relative to the parent's top-left corner. Plain fields: the
    // tick writes Left/Top of ~110 widgets every 10 ms.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool Visible = true;
    bool Enabled = true;

    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;

    void SetBounds(int left, int top, int width, int height);

    // Windowed controls (form, panel, bit button, memo) always lie above the
    // graphic ones of the same parent.
    virtual bool IsWindowed() const { return false; }

    void BringToFront();
    void SendToBack();

    // Visible, and every ancestor visible.
    bool IsShowing() const;
    // Position in form (screen) coordinates.
    int ScreenLeft() const;
    int ScreenTop() const;
    TForm* OwnerForm() const;

    // Index in the parent's paint order among siblings of the same kind
    // (graphic or windowed); 0 is the bottom. -1 without a parent.
    int StackIndex() const;

    // Paints the control itself (not its children) at origin x, y of the
    // canvas, clipped by the canvas' clip rectangle.
    virtual void Paint(Canvas& canvas, int x, int y) const;
    // A rectangle (canvas coordinates, the control at origin x, y) whose
    // every pixel Paint writes without reading what lies beneath, so that
    // nothing painted before it there can show. Empty by default.
    virtual ClipRect SolidRect(int x, int y) const;
    // Adds to `key` everything Paint reads besides the control's rectangle
    // (picture, caption, colours, ...): what must change for its pixels to.
    virtual void AddPaintState(PaintKey& key) const;
    // One-line description for scene dumps: kind and the kind's state.
    virtual AnsiString Describe() const;
    virtual const char* KindName() const { return "TControl"; }

    std::int64_t StackKey() const { return stackKey_; }

private:
    friend class TWinControl;
    friend class TForm;
    std::int64_t stackKey_ = 0;
    TForm* form_ = nullptr;  // the form this control is registered with
};

// A control that can hold children.
class TWinControl : public TControl {
public:
    TWinControl(TWinControl* parent, const AnsiString& name);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }

    TColor Color = clBtnFace;
    bool DoubleBuffered = false;

    // Children in creation order.
    const std::vector<TControl*>& Children() const { return children_; }
    // Children in paint order, bottom first: graphic children by stacking
    // key, then windowed children by stacking key.
    const std::vector<TControl*>& PaintOrder() const;

    // Called by a child label whose size changed (panels that size
    // themselves to their label react).
    virtual void ChildResized(TControl* child);

protected:
    // Deletes every child (the parent owns its children).
    void DestroyChildren();

private:
    friend class TControl;
    void Adopt(TControl* child);
    void Release(TControl* child);
    void Restacked() { orderDirty_ = true; }

    std::vector<TControl*> children_;
    mutable std::vector<TControl*> paintOrder_;
    mutable bool orderDirty_ = true;
};

// Stacking keys are global and monotonic so every raise is O(1).
std::int64_t NextStackKeyTop();
std::int64_t NextStackKeyBottom();
