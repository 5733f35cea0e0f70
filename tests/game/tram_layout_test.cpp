// The seven tram models as the layout routine lays them into the one
// current layout and place table.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>

#include "app/form1.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "platform/headless.h"

namespace {

class TramLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

int32 PlacesPresent() {
    int32 n = 0;
    for (const PlaceSlot& p : g_places) n += p.isFree == 1;
    return n;
}

}  // namespace

// The model table: places, body, interior, the two displays, six doors,
// four wheels and five floor strips (A: the model lacks it), each tram
// laid out after a run in the one before.
TEST_F(TramLayoutTest, EveryTramIsLaidOutByItsModelRow) {
    constexpr int32 A = kAbsentDoorPos;
    struct Model {
        int32 places, body[2], interior[2], display1[2], display2[2], doors[6][2], wheels[4][2];
        FloorStrip strips[5];
    };
    const Model models[kTramCount] = {
        {34, {495, 281}, {538, 369}, {628, 325}, {-50, -50},
         {{A, A}, {A, A}, {A, A}, {900, 370}, {697, 370}, {544, 370}}, {{A, A}, {A, A}, {805, 436}, {597, 436}},
         {{}, {}, {546, 930, 373}, {}, {}}},
        {68, {0, 281}, {43, 369}, {133, 325}, {633, 325},
         {{905, 370}, {702, 370}, {549, 370}, {405, 370}, {202, 370}, {49, 370}},
         {{810, 436}, {601, 436}, {310, 436}, {101, 436}}, {{551, 935, 373}, {}, {51, 435, 373}, {}, {}}},
        {34, {495, 281}, {540, 361}, {920, 321}, {-50, -50},
         {{A, A}, {A, A}, {A, A}, {899, 370}, {721, 370}, {544, 370}}, {{A, A}, {A, A}, {805, 436}, {591, 436}},
         {{}, {}, {520, 935, 365}, {}, {}}},
        {68, {0, 281}, {45, 361}, {425, 321}, {925, 321},
         {{904, 370}, {726, 370}, {549, 370}, {404, 370}, {226, 370}, {49, 370}},
         {{810, 436}, {597, 436}, {310, 436}, {96, 436}}, {{525, 935, 365}, {}, {25, 440, 365}, {}, {}}},
        {68, {5, 279}, {41, 357}, {46, 325}, {942, 324},
         {{A, A}, {914, 370}, {720, 370}, {485, 370}, {250, 370}, {56, 370}},
         {{820, 435}, {580, 435}, {346, 435}, {106, 435}}, {{50, 980, 366}, {}, {}, {}, {}}},
        {62, {270, 282}, {305, 370}, {471, 376}, {783, 376},
         {{A, A}, {A, A}, {923, 375}, {735, 375}, {505, 375}, {317, 375}}, {{A, A}, {835, 450}, {597, 450}, {362, 450}},
         {{820, 965, 377}, {658, 820, 381}, {593, 685, 377}, {425, 593, 381}, {315, 452, 377}}},
        {68, {0, 278}, {104, 367}, {370, 330}, {606, 330},
         {{A, A}, {A, A}, {680, 376}, {572, 376}, {332, 376}, {224, 376}}, {{A, A}, {809, 450}, {460, 450}, {110, 450}},
         {{795, 880, 376}, {585, 795, 386}, {455, 585, 376}, {245, 455, 386}, {95, 245, 376}}},
    };
    Headless headless;
    auto form = std::make_unique<TForm1>();
    for (int32 tram = 1; tram <= kTramCount; ++tram) {
        SCOPED_TRACE(tram);
        const Model& m = models[tram - 1];
        // After a run in the tram before: places taken, doors and wheels turned.
        for (PlaceSlot& p : g_places) p.isFree = 0;
        g_tramLayout.occupiedPlaces = 40;
        g_tramLayout.doorFrame = 7;
        g_tramLayout.wheelFrame = 3;
        ASSERT_TRUE(ApplyTramLayout(*form, tram));
        PlaceTram(*form);
        const TramLayout& t = g_tramLayout;
        EXPECT_EQ((std::array{t.tramModel, t.occupiedPlaces, t.doorFrame, t.wheelFrame}),
                  (std::array{tram - 1, 0, 0, 0}));
        EXPECT_EQ(t.freePlaces, m.places);
        EXPECT_EQ(PlacesPresent(), m.places);
        EXPECT_EQ((std::array{form->imgTramvaj->Left, form->imgTramvaj->Top, form->imgTramvajPozadi->Left,
                              form->imgTramvajPozadi->Top, form->imgDisplej1->Left, form->imgDisplej1->Top,
                              form->imgDisplej2->Left, form->imgDisplej2->Top}),
                  (std::array{m.body[0], m.body[1], m.interior[0], m.interior[1], m.display1[0], m.display1[1],
                              m.display2[0], m.display2[1]}));
        for (int d = 0; d < kDoorCount; ++d) {
            EXPECT_EQ(form->imgDvere[d]->Left, m.doors[d][0]) << "door " << d + 1;
            EXPECT_EQ(form->imgDvere[d]->Top, m.doors[d][1]) << "door " << d + 1;
        }
        for (int w = 0; w < kWheelCount; ++w) {
            EXPECT_EQ(form->imgKola[w]->Left, m.wheels[w][0]) << "wheel " << w + 1;
            EXPECT_EQ(form->imgKola[w]->Top, m.wheels[w][1]) << "wheel " << w + 1;
        }
        for (int s = 0; s < kFloorStripCount; ++s) {
            const FloorStrip& got = t.floorStrips[s];
            EXPECT_EQ((std::array{got.xFrom, got.xTo, got.y}), (std::array{m.strips[s].xFrom, m.strips[s].xTo, m.strips[s].y}))
                << "strip " << s + 1;
        }
    }
}

TEST_F(TramLayoutTest, NoSuchTramChangesNothing) {
    Headless headless;
    auto form = std::make_unique<TForm1>();
    ASSERT_TRUE(ApplyTramLayout(*form, 4));
    const TramLayout before = g_tramLayout;
    const PlaceSlot place30 = g_places[30];
    const int display = form->imgDisplej1->Left;
    for (int32 tram : {0, -1, 8, 1000}) {  // 0: nothing chosen after a new game
        EXPECT_FALSE(ApplyTramLayout(*form, tram));
        EXPECT_FALSE(FillTramLayout(tram));
        EXPECT_EQ(TramModelOf(tram), nullptr);
    }
    EXPECT_EQ(std::memcmp(&g_tramLayout, &before, sizeof before), 0);
    EXPECT_EQ(g_places[30].x, place30.x);
    EXPECT_EQ(form->imgDisplej1->Left, display);
}
