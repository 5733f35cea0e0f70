#include <algorithm>
#include <set>

#include "stop/stop_service.h"
#include "tests/support/run_fixture.h"

namespace {

class SceneOrderTest : public RunFixture {
protected:
    void SetUp() override { CreateForm(); }

    // The scene widgets as the window paints them, back to front.
    std::vector<std::string> Stacking() const {
        std::set<std::string> scene(expected_.begin(), expected_.end());
        std::vector<std::string> names;
        for (TControl* c : form().PaintOrder())
            if (scene.count(c->Name)) names.push_back(c->Name);
        return names;
    }

    void Expect(std::initializer_list<std::string> names) { expected_.insert(expected_.end(), names); }
    void ExpectNumbered(const std::string& stem, int count) {
        for (int n = 1; n <= count; ++n) expected_.push_back(stem + std::to_string(n));
    }
    void ExpectPersons(bool (*inBand)(int32)) {
        for (int k = 0; k < kPersonCount; ++k)
            if (inBand(g_persons[k].state)) expected_.push_back("Clovek" + std::to_string(k + 1));
    }
    void ExpectPassersBy(int32 row) {
        for (int k = 0; k < kPedestrianCount; ++k)
            if (g_pedestrians[k].row == row) expected_.push_back("Kolemjdouci" + std::to_string(k + 1));
    }

    // The fixed back-to-front order for the records as they stand now.
    void ExpectSceneOrder() {
        expected_.clear();
        Expect({"imgPrechodProChodce"});
        ExpectPassersBy(1);
        Expect({"imgSloup1", "imgSloup2"});
        ExpectNumbered("imgAutoDoleva", 4);
        Expect({"labPrijem", "imgTramvajPozadi"});
        ExpectPersons([](int32 s) { return s > 3 && s < 10; });
        Expect({"imgDisplej1", "imgDisplej2"});
        ExpectNumbered("imgKola", 4);
        Expect({"imgTramvaj"});
        ExpectNumbered("imgDvere", 6);
        Expect({"imgStanice"});
        ExpectPersons([](int32 s) { return s < 4; });
        ExpectPersons([](int32 s) { return s > 9; });
        Expect({"imgStanice2", "imgSemafor", "imgZnacka"});
        ExpectNumbered("imgAutoDoprava", 4);
        ExpectPassersBy(0);
    }

    std::vector<std::string> expected_;
};

TEST_F(SceneOrderTest, PersonsByStateAndPassersByByRowTakeTheirLayers) {
    for (int k = 0; k < kPersonCount; ++k) g_persons[k].state = k % 14 - 1;  // -1 .. 12, every state
    for (int k = 0; k < kPedestrianCount; ++k) g_pedestrians[k].row = k % 3 == 0;
    // Scramble first: the result must not depend on the order before.
    for (TControl* c : form().AllControls())
        if (c->Name.rfind("Clovek", 0) == 0 || c->Name.rfind("img", 0) == 0) c->BringToFront();
    RefreshSceneZOrder(form());
    ExpectSceneOrder();
    ASSERT_EQ(expected_.size(), 142u);
    EXPECT_EQ(Stacking(), expected_);

    RefreshSceneZOrder(form());
    EXPECT_EQ(Stacking(), expected_) << "a second pass changes nothing";

    // Everything else lies behind the scene; panels and buttons above it.
    const std::set<std::string> scene(expected_.begin(), expected_.end());
    bool sceneStarted = false;
    for (TControl* c : form().PaintOrder()) {
        if (scene.count(c->Name)) {
            sceneStarted = true;
        } else if (sceneStarted) {
            EXPECT_TRUE(c->IsWindowed()) << c->Name << " lies over the scene";
        }
    }
}

}  // namespace
