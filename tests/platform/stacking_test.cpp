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
