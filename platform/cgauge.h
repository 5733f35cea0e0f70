// TCGauge: a pie gauge showing Progress (0..100) in ForeColor over
// BackColor.
#pragma once

#include "platform/control.h"

enum TCGaugeKind { gkHorizontalBar, gkPie };

class TCGauge : public TControl {
public:
    TCGauge(TWinControl* parent, const AnsiString& name);

    TCGaugeKind Kind = gkPie;
    TColor ForeColor = clRed;
    TColor BackColor = clBlack;
    TColor Color = clMaroon;
    TFont Font;

    int Progress() const { return progress_; }
    void SetProgress(int value);  // clamped to 0..100

    void Paint(Canvas& canvas, int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    AnsiString Describe() const override;
    const char* KindName() const override { return "TCGauge"; }

private:
    int progress_ = 0;
};
