// Mouse and keyboard routing through the real hit test.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/vcl.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        // A menu label, a panel partly over it, a label inside the panel.
        menuLabel = Label(form, "labMenu3", 100, 100);
        menuLabel->OnMouseMove = [this](TObject*, TShiftState, int x, int y) {
            moves.push_back("labMenu3 " + std::to_string(x) + "," + std::to_string(y));
        };
        panel = new TPanel(form, "panUpozorneni");
        panel->SetBounds(90, 120, 300, 60);
        panel->OnClick = [this](TObject*) { clicks.push_back("panUpozorneni"); };
        inner = Label(panel, "labInner", 10, 10);
        h.Show();
    }
    TLabel* Label(TWinControl* parent, const char* name, int x, int y) {
        auto* l = new TLabel(parent, name);
        l->AutoSize = false;
        l->SetBounds(x, y, 100, 40);
        l->OnClick = [this, l](TObject*) { clicks.push_back(l->Name); };
        return l;
    }
    Headless h;
    TForm* form = nullptr;
    TLabel* menuLabel = nullptr;
    TPanel* panel = nullptr;
    TLabel* inner = nullptr;
    std::vector<std::string> clicks, moves;
};

using Log = std::vector<std::string>;

TEST_F(InputTest, APanelShieldsWhatLiesUnderItUntilItIsHidden) {
    // labMenu3 spans y 100..139, the panel starts at y 120.
    h.ClickAt(150, 110);
    h.ClickAt(150, 125);  // over the label, but the panel lies above it
    h.ClickAt(105, 135);  // the panel's child
    EXPECT_EQ(clicks, (Log{"labMenu3", "panUpozorneni", "labInner"}));
    EXPECT_THROW(h.Click("labMenu3"), std::logic_error);  // its centre is covered
    panel->Visible = false;
    EXPECT_EQ(Application->HitTest(150, 125), menuLabel);
    EXPECT_EQ(Application->HitTest(105, 135), menuLabel);  // hidden children are never hit
    EXPECT_THROW(h.Click("labInner"), std::logic_error);
}

TEST_F(InputTest, AWindowedControlLiesAboveAGraphicOneCreatedLater) {
    TLabel* late = Label(form, "labLate", 95, 125);
    late->BringToFront();
    EXPECT_EQ(Application->HitTest(96, 126), panel);
}

TEST_F(InputTest, DisabledControlsLetThePointerThroughAndFireNothing) {
    menuLabel->Enabled = false;
    EXPECT_EQ(Application->HitTest(150, 110), form);
    panel->Enabled = false;
    EXPECT_EQ(Application->HitTest(150, 125), form);  // neither the panel nor its child
    h.ClickAt(150, 110);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(InputTest, AClickFiresOnReleaseOverTheControlThatWasPressed) {
    Application->MouseDown(150, 110);
    EXPECT_TRUE(clicks.empty());
    Application->MouseUp(150, 112);
    EXPECT_EQ(clicks, (Log{"labMenu3"}));
    // Pressed on the label, released on the panel: nothing.
    Application->MouseDown(150, 110);
    Application->MouseUp(150, 130);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(InputTest, MouseMovesReachTheControlUnderThePointerInItsOwnCoordinates) {
    h.MouseMoveAt(130, 105);
    h.MouseMoveAt(130, 125);  // over the panel: the label gets nothing
    h.MouseMove("labInner");  // no handler: nothing happens
    EXPECT_EQ(moves, (Log{"labMenu3 30,5"}));
}

class AcceleratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        const char* captions[] = {"&Q", "&W", "&D"};
        const char* names[] = {"btnSpeed0", "btnSpeed15", "btnDvere"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new TBitBtn(form, names[i]);
            b->Caption = captions[i];
            b->SetBounds(1088, 544 + 32 * i, 35, 25);  // off screen, under a cover
            b->OnClick = [this, b](TObject*) { pressed.push_back(b->Name); };
        }
        menu = new TPanel(form, "panMainMenu");
        menu->SetBounds(0, 0, 1024, 768);
        menu->Visible = false;
        Application->AcceleratorBlockers = {menu};
        h.Show();
    }
    TBitBtn& Button(const char* name) { return h.As<TBitBtn>(name); }
    Headless h;
    TForm* form = nullptr;
    TPanel* menu = nullptr;
    std::vector<std::string> pressed;
};

TEST_F(AcceleratorTest, KeysClickEnabledButtonsOfTheirCaptionInEitherCase) {
    h.Key('q');
    h.Key('W');
    h.Key('d');
    h.Key('x');
    EXPECT_EQ(pressed, (Log{"btnSpeed0", "btnSpeed15", "btnDvere"}));
    EXPECT_EQ(Button("btnDvere").Accelerator(), 'd');
}

TEST_F(AcceleratorTest, ADisabledOrHiddenButtonIgnoresItsKey) {
    Button("btnSpeed0").Enabled = false;
    Button("btnSpeed15").Visible = false;
    h.Key('q');
    h.Key('w');
    h.Key('d');
    EXPECT_EQ(pressed, (Log{"btnDvere"}));
}

TEST_F(AcceleratorTest, KeysDoNothingWhileABlockingPanelIsShown) {
    menu->Visible = true;
    h.Key('q');
    h.Key('d');
    EXPECT_TRUE(pressed.empty());
    menu->Visible = false;
    h.Key('q');
    EXPECT_EQ(pressed, (Log{"btnSpeed0"}));
}

TEST(AcceleratorCaption, OnlyASingleAmpersandMarksTheKey) {
    TForm form;
    TBitBtn b(&form, "b");
    b.Caption = "Fish && &Chips";
    EXPECT_EQ(b.Accelerator(), 'c');
    b.Caption = "A&&B";
    EXPECT_EQ(b.Accelerator(), 0);
    b.Caption = "";
    EXPECT_EQ(b.Accelerator(), 0);
}

}  // namespace
