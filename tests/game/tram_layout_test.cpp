// The seven tram models as the layout routine lays them into the one
// current layout and place table.
#include <gtest/gtest.h>

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

bool IsAbsent(const PlaceSlot& p) {
    return p.x == -1 && p.y == -1 && p.isFree == -1 && p.doorGroup == -1;
}

bool DoorPresent(int32 door) { return g_tramLayout.doors[door][0] != kAbsentDoorPos; }

}  // namespace

TEST_F(TramLayoutTest, EveryTramGetsItsPlacesAllFreeAndCountersAtZero) {
    for (int32 tram = 1; tram <= kTramCount; ++tram) {
        SCOPED_TRACE(tram);
        ASSERT_TRUE(FillTramLayout(tram));
        EXPECT_EQ(g_tramLayout.tramModel, tram - 1);
        EXPECT_EQ(g_tramLayout.occupiedPlaces, 0);
        EXPECT_EQ(g_tramLayout.freePlaces, TramModelOf(tram)->places);
        EXPECT_EQ(PlacesPresent(), TramModelOf(tram)->places);
        for (int32 i = 0; i < kPlaceCount; ++i) {
            const PlaceSlot& p = g_places[i];
            EXPECT_TRUE(IsAbsent(p) || (p.isFree == 1 && p.x > 0 && p.y > 0)) << "place " << i;
        }
    }
}

TEST_F(TramLayoutTest, EveryPlaceIsServedOnlyByDoorsTheTramHas) {
    for (int32 tram = 1; tram <= kTramCount; ++tram) {
        SCOPED_TRACE(tram);
        FillTramLayout(tram);
        for (int32 i = 0; i < kPlaceCount; ++i) {
            if (IsAbsent(g_places[i])) continue;
            int32 usable = 0;
            for (int32 d = 0; d < kDoorCount; ++d) {
                if (!DoorGroupAllows(g_places[i].doorGroup, d)) continue;
                EXPECT_TRUE(DoorPresent(d)) << "place " << i << " door " << d + 1;
                ++usable;
            }
            EXPECT_GT(usable, 0) << "place " << i;
        }
    }
    // An absent place's group (-1) and a stray door index open no door.
    for (int32 d = 0; d < kDoorCount; ++d) EXPECT_FALSE(DoorGroupAllows(-1, d));
    EXPECT_FALSE(DoorGroupAllows(5, 6));
    EXPECT_FALSE(DoorGroupAllows(5, -1));
}

TEST_F(TramLayoutTest, Tram2AfterARunInTram6LeavesNoTrace) {
    FillTramLayout(2);
    const TramLayout freshLayout = g_tramLayout;
    PlaceSlot freshPlaces[kPlaceCount];
    std::memcpy(freshPlaces, g_places, sizeof g_places);

    FillTramLayout(6);
    // A run in tram 6: places taken, counters moved, doors and wheels animated.
    for (int32 i = 0; i < 40; ++i) g_places[i].isFree = 0;
    g_tramLayout.occupiedPlaces = 40;
    g_tramLayout.freePlaces = 22;
    g_tramLayout.doorFrame = 7;
    g_tramLayout.wheelFrame = 3;

    FillTramLayout(2);
    EXPECT_EQ(std::memcmp(&g_tramLayout, &freshLayout, sizeof freshLayout), 0);
    EXPECT_EQ(std::memcmp(g_places, freshPlaces, sizeof freshPlaces), 0);
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
