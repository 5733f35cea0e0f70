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
    const int32 places[kTramCount] = {34, 68, 34, 68, 68, 62, 68};
    for (int32 tram = 1; tram <= kTramCount; ++tram) {
        SCOPED_TRACE(tram);
        ASSERT_TRUE(FillTramLayout(tram));
        EXPECT_EQ(g_tramLayout.tramModel, tram - 1);
        EXPECT_EQ(g_tramLayout.doorFrame, 0);
        EXPECT_EQ(g_tramLayout.wheelFrame, 0);
        EXPECT_EQ(g_tramLayout.occupiedPlaces, 0);
        EXPECT_EQ(g_tramLayout.freePlaces, places[tram - 1]);
        EXPECT_EQ(PlacesPresent(), places[tram - 1]);
        for (int32 i = 0; i < kPlaceCount; ++i) {
            const PlaceSlot& p = g_places[i];
            EXPECT_TRUE(IsAbsent(p) || (p.isFree == 1 && p.x > 0 && p.y > 0)) << "place " << i;
        }
    }
}

TEST_F(TramLayoutTest, ShortTramsLackTheFrontHalfAndTram6LacksTheLastSix) {
    for (int32 tram : {1, 3}) {
        SCOPED_TRACE(tram);
        FillTramLayout(tram);
        for (int32 i = 0; i <= 9; ++i) EXPECT_TRUE(IsAbsent(g_places[i])) << i;
        for (int32 i = 20; i <= 43; ++i) EXPECT_TRUE(IsAbsent(g_places[i])) << i;
        for (int32 i = 10; i <= 19; ++i) EXPECT_EQ(g_places[i].isFree, 1) << i;
        for (int32 i = 44; i <= 67; ++i) EXPECT_EQ(g_places[i].isFree, 1) << i;
        for (int32 d = 0; d < 3; ++d) EXPECT_FALSE(DoorPresent(d)) << d;
    }
    FillTramLayout(6);
    for (int32 i = 0; i <= 61; ++i) EXPECT_EQ(g_places[i].isFree, 1) << i;
    for (int32 i = 62; i <= 67; ++i) EXPECT_TRUE(IsAbsent(g_places[i])) << i;
    EXPECT_EQ(g_places[9].y, 390);
    EXPECT_EQ(g_places[61].x, 315);
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
    EXPECT_EQ(g_tramLayout.occupiedPlaces, 0);
    EXPECT_EQ(g_tramLayout.freePlaces, 68);
    EXPECT_EQ(g_tramLayout.floorStrips[1].xFrom, 0);  // tram 6 had five strips, tram 2 two
    EXPECT_EQ(g_tramLayout.floorStrips[4].y, 0);
}

TEST_F(TramLayoutTest, NoSuchTramChangesNothing) {
    FillTramLayout(4);
    const TramLayout before = g_tramLayout;
    const PlaceSlot place30 = g_places[30];
    for (int32 tram : {0, -1, 8, 1000}) {
        EXPECT_FALSE(FillTramLayout(tram));
        EXPECT_EQ(TramModelOf(tram), nullptr);
    }
    EXPECT_EQ(std::memcmp(&g_tramLayout, &before, sizeof before), 0);
    EXPECT_EQ(g_places[30].x, place30.x);
}

TEST_F(TramLayoutTest, LayoutOperationsPlaceTheDisplaysOnTheForm) {
    Headless headless;
    auto form = std::make_unique<TForm1>();

    void (*const apply[kTramCount])(TForm1&) = {ApplyTramLayout1, ApplyTramLayout2,
                                                 ApplyTramLayout3, ApplyTramLayout4,
                                                 ApplyTramLayout5, ApplyTramLayout6,
                                                 ApplyTramLayout7};
    const int32 displays[kTramCount][4] = {
        {628, 325, -50, -50}, {133, 325, 633, 325}, {920, 321, -50, -50}, {425, 321, 925, 321},
        {46, 325, 942, 324},  {471, 376, 783, 376}, {370, 330, 606, 330},
    };
    for (int32 tram = 1; tram <= kTramCount; ++tram) {
        SCOPED_TRACE(tram);
        apply[tram - 1](*form);
        EXPECT_EQ(g_tramLayout.tramModel, tram - 1);
        const int32* want = displays[tram - 1];
        EXPECT_EQ(form->imgDisplej1->Left, want[0]);
        EXPECT_EQ(form->imgDisplej1->Top, want[1]);
        EXPECT_EQ(form->imgDisplej2->Left, want[2]);
        EXPECT_EQ(form->imgDisplej2->Top, want[3]);
    }
    // No tram selected (after a new game): nothing moves.
    EXPECT_FALSE(ApplyTramLayout(*form, 0));
    EXPECT_EQ(form->imgDisplej1->Left, 370);
    EXPECT_EQ(g_tramLayout.tramModel, 6);
}
