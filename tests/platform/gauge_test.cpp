// The warning gauges' figure reads over the empty part of the pie too,
// even in a font colour as dark as the pie itself.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/vcl.h"

namespace {

TEST(Gauge, ThePercentReadsOverAnEmptyPieInItsOwnColour) {
    Headless h;
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->Color = clMaroon;
    auto* gauge = new TCGauge(form, "cgVystrahaStanice");
    gauge->SetBounds(8, 8, 81, 25);
    gauge->Font = TFont{.Name = "Verdana", .Height = 11, .Bold = true, .Color = clBlack};  // as dark as BackColor
    gauge->SetProgress(0);
    const FrameBuffer& fb = h.Render();
    // Inside the pie's middle, where the text is: black text alone would
    // leave only black there.
    int lit = 0;
    for (int y = 8 + 6; y < 8 + 19; ++y)
        for (int x = 8 + 25; x < 8 + 56; ++x) lit += fb.At(x, y) != 0 ? 1 : 0;
    EXPECT_GT(lit, 20);

    // A light font on the dark pie keeps its own colour and needs no ring.
    gauge->Font.Color = clWhite;
    const FrameBuffer& again = h.Render();
    int red = 0;
    for (int y = 8 + 6; y < 8 + 19; ++y)
        for (int x = 8 + 25; x < 8 + 56; ++x) red += again.At(x, y) == 0xFF0000 ? 1 : 0;
    EXPECT_EQ(red, 0);
}

}  // namespace
