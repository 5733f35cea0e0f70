// The error report: which event ends, what is shown, and that the game
// goes on.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/report_box.h"
#include "platform/services.h"
#include "platform/vcl.h"

namespace {

class ErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        form->Color = clBlack;
        tick = new TTimer(form, "tMainTimer");
        tick->SetInterval(10);
        tick->OnTimer = [this](TObject*) {
            ++stepsBefore;
            if (failing) throw EFOpenError("Textures//Maps//Map3.bmp");
            ++stepsAfter;
        };
        button = new TBitBtn(form, "btnGo");
        button->SetBounds(10, 10, 80, 30);
    }
    Headless h;
    TForm* form = nullptr;
    TTimer* tick = nullptr;
    TBitBtn* button = nullptr;
    bool failing = true;
    int stepsBefore = 0, stepsAfter = 0;
};

TEST_F(ErrorTest, AFailingLoadEndsItsEventOnlyAndTheTimerGoesOn) {
    h.Show();
    h.Advance(1000);
    EXPECT_EQ(stepsBefore, 100);
    EXPECT_EQ(stepsAfter, 0);
    ASSERT_EQ(Application->Reports().size(), 100u);
    EXPECT_EQ(Application->Reports()[0].message, "Cannot open file Textures//Maps//Map3.bmp");
    EXPECT_EQ(Application->Reports()[0].handler, "tMainTimer");
    EXPECT_EQ(Application->Reports()[0].timeMs, 10);
    // Shown once, not once per tick.
    EXPECT_EQ(Application->ShownReports(), (std::vector<AnsiString>{"Cannot open file Textures//Maps//Map3.bmp"}));
    failing = false;
    h.Advance(100);
    EXPECT_EQ(stepsAfter, 10);
}

TEST_F(ErrorTest, EachDistinctMessageIsShownAndPrintedOnceUntilDismissed) {
    int n = 0;
    button->OnClick = [&](TObject*) { throw EFOpenError("b" + std::to_string(n++ % 2) + ".bmp"); };
    tick->SetEnabled(false);
    h.Show();
    testing::internal::CaptureStderr();
    for (int i = 0; i < 6; ++i) h.Click("btnGo");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Application->ShownReports(), (std::vector<AnsiString>{"Cannot open file b0.bmp", "Cannot open file b1.bmp"}));
    EXPECT_EQ(Application->Reports().size(), 6u);
    EXPECT_NE(err.find("Cannot open file b0.bmp"), std::string::npos);
    EXPECT_EQ(err.find("b0.bmp"), err.rfind("b0.bmp"));  // printed once
    h.Key('\r');
    EXPECT_TRUE(Application->ShownReports().empty());
    h.Click("btnGo");
    EXPECT_EQ(Application->ShownReport(), "Cannot open file b0.bmp");
}

TEST_F(ErrorTest, OtherExceptionsAreReportedWithAnEmptyMessageButProcessExitPassesThrough) {
    EXPECT_FALSE(Application->Dispatch("x", [] { throw std::runtime_error("boom"); }));
    EXPECT_FALSE(Application->Dispatch("y", [] { throw 42; }));
    ASSERT_EQ(Application->Reports().size(), 2u);
    EXPECT_EQ(Application->Reports()[0].message, "");
    EXPECT_EQ(Application->Reports()[1].handler, "y");
    EXPECT_THROW(Application->Dispatch("z", [] { throw ProcessExit{0}; }), ProcessExit);
    EXPECT_TRUE(Application->Dispatch("ok", [] {}));
}

TEST_F(ErrorTest, TheReportIsDrawnOnTopAndAClickOnItOnlyDismissesIt) {
    int clicks = 0;
    auto* cover = new TPanel(form, "panCover");
    cover->SetBounds(0, 0, 1024, 768);
    cover->Color = clGreen;
    cover->OnClick = [&](TObject*) { ++clicks; };
    h.Show();
    h.Advance(10);
    const FrameBuffer& fb = h.Render();
    EXPECT_NE(fb.At(512, 384), ColorToRgb(clGreen));  // the box covers the panel
    EXPECT_EQ(fb.At(5, 5), ColorToRgb(clGreen));
    h.ClickAt(512, 384);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(Application->ShownReports().empty());
    tick->SetEnabled(false);
    EXPECT_EQ(h.Render().At(512, 384), ColorToRgb(clGreen));
    h.ClickAt(512, 384);
    EXPECT_EQ(clicks, 1);
}

TEST(ReportText, AFullStopEndsTheShownTextUnlessThereIsOneAlready) {
    EXPECT_EQ(ReportText("Cannot open file Textures//Maps//Map3.bmp"), "Cannot open file Textures//Maps//Map3.bmp.");
    EXPECT_EQ(ReportText("Done."), "Done.");
    EXPECT_EQ(ReportText("Really!"), "Really!");  // '!' sorts before '.'
    EXPECT_EQ(ReportText(""), "");
}

}  // namespace
