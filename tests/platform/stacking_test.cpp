// Stacking: windowed above graphic, creation order, raises and lowerings.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/vcl.h"

namespace {

std::vector<AnsiString> Names(const TWinControl& parent) {
    std::vector<AnsiString> names;
    for (const TControl* c : parent.PaintOrder()) names.push_back(c->Name);
    return names;
}

TEST(Stacking, WindowedChildrenLieAboveGraphicOnesWhateverTheCreationOrder) {
    TForm form;
    new TPanel(&form, "panelA");
    new TImage(&form, "image1");
    new TBitBtn(&form, "button");
    new TLabel(&form, "label");
    auto* image2 = new TImage(&form, "image2");
    EXPECT_EQ(Names(form), (std::vector<AnsiString>{"image1", "label", "image2", "panelA", "button"}));
    image2->SendToBack();
    form.FindControl("panelA")->BringToFront();
    EXPECT_EQ(Names(form), (std::vector<AnsiString>{"image2", "image1", "label", "button", "panelA"}));
    // Raising a picture never lifts it over a windowed sibling.
    form.FindControl("image1")->BringToFront();
    EXPECT_EQ(Names(form), (std::vector<AnsiString>{"image2", "label", "image1", "button", "panelA"}));
    EXPECT_EQ(form.FindControl("image1")->StackIndex(), 2);
    EXPECT_EQ(form.FindControl("panelA")->StackIndex(), 1);
}

TEST(Stacking, APassOfRaisesGivesTheRaisingOrderWhateverTheOrderBefore) {
    TForm form;
    std::vector<TImage*> images;
    for (int i = 0; i < 142; ++i) images.push_back(new TImage(&form, "img" + std::to_string(i)));
    auto* dashboard = new TImage(&form, "dashboard");
    // Scramble, then raise in a fixed order twice: same result both times.
    for (int i = 0; i < 142; i += 3) images[i]->BringToFront();
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 141; i >= 0; --i) images[i]->BringToFront();
        auto order = Names(form);
        ASSERT_EQ(order.size(), 143u);
        EXPECT_EQ(order.front(), "dashboard");  // never raised: stays behind
        for (int k = 0; k < 142; ++k) EXPECT_EQ(order[1 + k], "img" + std::to_string(141 - k));
    }
    // A raise of the topmost changes nothing.
    images[0]->BringToFront();
    EXPECT_EQ(images[0]->StackIndex(), 142);
    dashboard->SendToBack();
    EXPECT_EQ(dashboard->StackIndex(), 0);
}

TEST(Stacking, ChildrenAreOwnedAndUnregisteredByTheirParent) {
    TForm form;
    auto* panel = new TPanel(&form, "pan");
    new TLabel(panel, "inner");
    ASSERT_NE(form.FindControl("inner"), nullptr);
    delete panel;
    EXPECT_EQ(form.FindControl("inner"), nullptr);
    EXPECT_EQ(form.FindControl("pan"), nullptr);
    EXPECT_TRUE(form.AllControls().empty());
}

}  // namespace
