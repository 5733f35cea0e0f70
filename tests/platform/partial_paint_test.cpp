// Painting only what changed: after every change of the widget tree the
// frame kept up to date from the damaged rectangles alone equals a full
// repaint, pixel for pixel, and a small change repaints a small area.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/damage.h"
#include "platform/headless.h"
#include "platform/vcl.h"
#include "tests/platform/bmp_writer.h"
#include "tests/support/game_fixture.h"
#include "tests/support/player.h"
#include "tests/support/support.h"

namespace {

using bmpfixture::Bmp24;
using bmpfixture::Solid24;
using bmpfixture::WriteFile;

long Area(const ClipRect& r) { return static_cast<long>(r.x1 - r.x0) * (r.y1 - r.y0); }

// The frame as the window keeps it: each Frame paints the damaged
// rectangles only, over the frame before.
class PartialFrames {
public:
    // Paints what changed; returns the number of pixels painted.
    long Frame(const TForm& form) {
        long painted = 0;
        for (const ClipRect& r : damage_.Update(form)) {
            RenderArea(form, fb_, r);
            painted += Area(r);
        }
        ++frames_;
        return painted;
    }
    // Equal to a full repaint of `form` now. The repaint starts from a
    // colour nothing paints, so a pixel it leaves unpainted cannot pass
    // for the one the frame before left there.
    ::testing::AssertionResult MatchesFullPaint(const TForm& form) {
        full_.pixels.assign(static_cast<size_t>(full_.width) * full_.height, kUnpainted);
        RenderForm(form, full_);
        if (full_.pixels == fb_.pixels) return ::testing::AssertionSuccess();
        long differ = 0;
        int fx = -1, fy = -1;
        for (int y = 0; y < full_.height; ++y)
            for (int x = 0; x < full_.width; ++x)
                if (full_.At(x, y) != fb_.At(x, y) && differ++ == 0) fx = x, fy = y;
        if (differ == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << differ << " stale pixels in frame " << frames_ << ", the first at "
                                             << fx << "," << fy;
    }

private:
    static constexpr std::uint32_t kUnpainted = 0x00123456;
    DamageTracker damage_;
    FrameBuffer fb_, full_;
    long frames_ = 0;
};

class PartialPaint : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        form->Color = clTeal;
        WriteFile(Path("sky.bmp"), Solid24(400, 300, 0x3060C0));
        WriteFile(Path("red.bmp"), Bmp24(3, 2, {0xFF0000, 0xFF00FF, 0xFF0000, 0xFF00FF, 0xFF0000, 0xFF0000}));
        WriteFile(Path("blue.bmp"), Solid24(40, 30, 0x0000FF));
        WriteFile(Path("green.bmp"), Solid24(40, 30, 0x00FF00));
        sky = new TImage(form, "sky");
        sky->Picture->LoadFromFile(Path("sky.bmp"));
        sky->SetBounds(100, 100, 400, 300);
        a = Sprite("a", 120, 120, "blue.bmp");
        b = Sprite("b", 140, 130, "green.bmp");
        c = Sprite("c", 150, 140, "red.bmp");
        d = Sprite("d", 160, 125, "blue.bmp");
        panel = new TPanel(form, "panel");
        panel->SetBounds(600, 400, 200, 100);
        panel->Color = clSilver;
        label = new TLabel(panel, "label");
        label->SetCaption("HELLO");
        label->SetBounds(10, 10, label->Width, label->Height);
        shape = new TShape(form, "shape");
        shape->SetBounds(50, 600, 80, 60);
        shape->Shape = stCircle;
        button = new TBitBtn(form, "button");
        button->SetBounds(800, 650, 120, 40);
        button->Caption = "&Go";
        gauge = new TCGauge(form, "gauge");
        gauge->SetBounds(900, 100, 80, 80);
        EXPECT_EQ(frames.Frame(*form), long{kScreenWidth} * kScreenHeight);  // the first frame is whole
        ASSERT_TRUE(frames.MatchesFullPaint(*form));
    }
    void TearDown() override { Application->Reset(); }

    TImage* Sprite(const char* name, int x, int y, const char* file) {
        auto* image = new TImage(form, name);
        image->Picture->LoadFromFile(Path(file));
        image->Left = x;
        image->Top = y;
        return image;
    }
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }

    // Applies `change`, paints one frame and checks it against a full
    // repaint; returns the pixels painted.
    template <class F>
    long After(const char* what, F change) {
        SCOPED_TRACE(what);
        change();
        long painted = frames.Frame(*form);
        EXPECT_TRUE(frames.MatchesFullPaint(*form));
        return painted;
    }

    testsupport::TempDir dir;
    Headless h;
    PartialFrames frames;
    TForm* form = nullptr;
    TImage *sky = nullptr, *a = nullptr, *b = nullptr, *c = nullptr, *d = nullptr;
    TPanel* panel = nullptr;
    TLabel* label = nullptr;
    TShape* shape = nullptr;
    TBitBtn* button = nullptr;
    TCGauge* gauge = nullptr;
};

TEST_F(PartialPaint, NothingChangedPaintsNothingAndASmallChangeASmallArea) {
    EXPECT_EQ(After("still", [] {}), 0);
    // Both places of a 40 x 30 picture moved by 5, merged: well under a tenth of the screen.
    long moved = After("a moves", [&] { a->Left += 5; });
    EXPECT_GT(moved, 0);
    EXPECT_LE(moved, 2 * 45 * 35 + 64 * 64);
    // Raising the same widgets in the same order again changes nothing.
    After("raised", [&] {
        for (TImage* img : {a, b, c, d}) img->BringToFront();
    });
    long raisedAgain = After("raised in place", [&] {
        for (TImage* img : {a, b, c, d}) img->BringToFront();
    });
    EXPECT_EQ(raisedAgain, 0);
}

TEST_F(PartialPaint, MovedShownHiddenRepicturedAndResizedWidgetsLeaveNothingStale) {
    After("moved onto another", [&] { a->Left = b->Left + 10; });
    After("moved off the screen's edge", [&] { d->Left = 1010; });
    After("moved back", [&] { d->Left = 160; });
    After("hidden", [&] { b->Visible = false; });
    After("shown", [&] { b->Visible = true; });
    After("parent hidden", [&] { panel->Visible = false; });
    After("parent shown and moved with its label", [&] {
        panel->Visible = true;
        panel->Left = 300;
    });
    After("repictured, same size", [&] { b->Picture->LoadFromFile(Path("blue.bmp")); });
    After("repictured, other size", [&] { b->Picture->LoadFromFile(Path("red.bmp")); });
    // A picture file rewritten in place is read again; its new bitmap may
    // take the memory of the one it replaces.
    After("file rewritten", [&] {
        WriteFile(Path("red.bmp"), Solid24(3, 2, 0x00FFFF));
        b->Picture->LoadFromFile(Path("red.bmp"));
    });
    After("resized", [&] { sky->Width = 200; });
    After("caption", [&] { label->SetCaption("HELLO AGAIN"); });
    After("font colour", [&] { label->SetFontColor(clYellow); });
    After("panel colour", [&] { panel->Color = clMaroon; });
    After("label background", [&] {
        label->Transparent = false;
        label->ParentColor = true;
    });
    After("panel colour under an opaque label", [&] { panel->Color = clNavy; });
    After("shape colour", [&] { shape->BrushColor = clLime; });
    After("gauge", [&] { gauge->SetProgress(40); });
    After("button disabled", [&] { button->Enabled = false; });
    After("button caption", [&] { button->Caption = "&Stop"; });
    After("form colour", [&] { form->Color = clOlive; });
    After("deleted", [&] { delete c; });
    After("created", [&] { Sprite("e", 700, 200, "green.bmp"); });
}

TEST_F(PartialPaint, RestackedWidgetsRepaintWhereTheyOverlap) {
    After("to the back", [&] { a->SendToBack(); });
    After("to the front", [&] { a->BringToFront(); });
    // a b c d -> a c d b: only b changes its place among the others.
    After("one raised over two", [&] { b->BringToFront(); });
    // Order sky a c d b -> sky d b a c: every pair of a, c against d, b
    // changed sides; no widget keeps all its neighbours.
    After("two pairs swapped", [&] {
        for (TImage* img : {d, b, a, c}) img->BringToFront();
    });
    After("behind the background", [&] { sky->BringToFront(); });
    After("back again", [&] { sky->SendToBack(); });
}

// A street-wide picture whose top rows are see-through above solid ones
// (an awning, a tram roof): what lies beneath shows through the top rows,
// down to the last of them, wherever the picture goes.
TEST_F(PartialPaint, SeeThroughRowsAboveSolidOnesShowWhatLiesBeneath) {
    // Key colour: the bottom-left pixel. Rows 0-3 see-through but for a
    // post at the left, rows 4-8 solid, row 9 with the key at its left.
    std::vector<std::uint32_t> px(kScreenWidth * 10, 0xC08020);
    for (int y = 0; y < 4; ++y)
        for (int x = 8; x < kScreenWidth; ++x) px[static_cast<size_t>(y) * kScreenWidth + x] = 0xFF00FF;
    px[9 * kScreenWidth] = 0xFF00FF;
    WriteFile(Path("awning.bmp"), Bmp24(kScreenWidth, 10, px));
    TImage* awning = Sprite("awning", 0, 95, "awning.bmp");
    After("shown over the sky's top edge", [] {});
    for (int top : {96, 97, 150, 399, 401, 140})
        After("moved", [&] { awning->Top = top; });
    After("the sky moved beneath it", [&] { sky->Top = 143; });
    After("hidden", [&] { awning->Visible = false; });
}

TEST_F(PartialPaint, TheErrorReportAndAPressedButtonAreRepaintedWhenTheyComeAndGo) {
    After("report shown", [&] { Application->ShowException(EFOpenError("missing.bmp")); });
    After("second report", [&] { Application->ShowException(EFOpenError("other.bmp")); });
    After("report dismissed", [&] { Application->DismissReport(); });
    const int bx = button->Left + 5, by = button->Top + 5;
    After("button pressed", [&] { Application->MouseDown(bx, by); });
    After("button released", [&] { Application->MouseUp(bx, by); });
}

// The whole game, driven as a player drives it, with the window's
// partial painting beside a full repaint at every frame: menu, depot,
// the run of line 0 to the terminus and the depot again. Under the
// sanitizers, which make every full repaint slow, at every fourth frame.
class PartialPaintGame : public GameFixture {};

#if defined(__SANITIZE_ADDRESS__)
constexpr long kCompareEvery = 4;
#else
constexpr long kCompareEvery = 1;
#endif

TEST_F(PartialPaintGame, AWholeDriveShowsWhatAFullRepaintShowsAtEveryFrame) {
    e2e::Player player(*this);
    PartialFrames frames;
    long steps = 0, shown = 0, compared = 0, stale = 0, painted = 0, whole = 0;
    player.SetStepHook([&] {
        // The window paints about every other tick.
        if (++steps % 2) return;
        long area = frames.Frame(form());
        ++shown;
        painted += area;
        if (area == long{kScreenWidth} * kScreenHeight) ++whole;
        if ((steps / 2) % kCompareEvery) return;
        ++compared;
        if (stale < 3 && !frames.MatchesFullPaint(form())) {
            ++stale;
            ADD_FAILURE() << frames.MatchesFullPaint(form()).message() << " at step " << steps;
        }
    });
    player.StartGame();
    player.NewGame();
    player.BuyTram();
    player.StartRun();
    const e2e::RunLog run = player.DriveToTerminus();
    ASSERT_TRUE(run.reachedDepot) << run.Describe();
    player.LeaveToMenu();
    player.Wait(500);
    std::printf("%ld frames, %ld of them whole, %.1f%% of their pixels painted; %ld compared\n", shown, whole,
                100.0 * painted / shown / (long{kScreenWidth} * kScreenHeight), compared);
    EXPECT_GT(compared, 1000 / kCompareEvery);
    EXPECT_EQ(stale, 0);
    // The scene scrolls while driving; the menu, the depot and the stops do not.
    EXPECT_LT(whole, shown * 3 / 4);
}

}  // namespace
