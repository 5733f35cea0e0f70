#include <algorithm>
#include <cstdlib>
#include <set>

#include "tests/street/street_fixture.h"
#include "tests/street/tram_places.h"

namespace {

constexpr int kStopRow = 3;  // line 0's second stop

bool Inside(int32 state) { return state >= PersonState::Pay && state <= PersonState::WalkToExit; }

// The tram floor as a person inside may stand on it: the strips' heights
// and their outer ends.
struct Floor {
    std::set<int32> heights;
    int32 from = 10000, to = -10000;
};

Floor FloorOfTram() {
    Floor floor;
    for (const FloorStrip& s : g_tramLayout.floorStrips) {
        if (s.xFrom == 0 && s.xTo == 0) continue;
        floor.heights.insert(s.y);
        floor.from = std::min(floor.from, s.xFrom);
        floor.to = std::max(floor.to, s.xTo);
    }
    return floor;
}

class WholeRideTest : public StreetTest, public ::testing::WithParamInterface<int> {
protected:
    // Doors the passenger of place (x, y) may use, by where walkers aim at them.
    std::set<int32> DoorAims(int32 tram, const PersonRecord& p, int32 offset) const {
        std::set<int32> aims;
        for (int d : tram_places::DoorsOfGroup(tram_places::DoorGroupAt(tram, p.placeX, p.placeY)))
            aims.insert(DoorAim(d, offset));
        return aims;
    }

    // Every tick until nobody is on the way any more, checking that
    // nobody inside leaves the floor.
    void TickUntilSettled(const Floor& floor) {
        for (int tick = 0; tick < 5000; ++tick) {
            Track();
            Tick();
            bool moving = false;
            for (int k = 0; k < kPersonCount; ++k) {
                const PersonRecord& p = g_persons[k];
                if (p.state != PersonState::Free && p.state != PersonState::Riding &&
                    p.state != PersonState::Waiting)
                    moving = true;
                if (!Inside(p.state)) continue;
                ASSERT_TRUE(floor.heights.count(p.y) || p.y == p.placeY) << "person " << k << " at y " << p.y;
                ASSERT_GE(p.x, floor.from) << k;
                ASSERT_LE(p.x, std::max(floor.to, p.placeX)) << k;  // tram 7's front place lies past its floor
            }
            if (!moving) return;
        }
        FAIL() << "persons still on their way";
    }

    // What each person did at the door: where it climbed in (one pixel up
    // per tick) and stepped down (in front of the tram, behind the stop's
    // board), and that it walks off on the platform.
    void Track() {
        for (int k = 0; k < kPersonCount; ++k) {
            const PersonRecord& p = g_persons[k];
            if (p.state == PersonState::ClimbIn) {
                if (climbedAt[k] == p.x) {
                    EXPECT_EQ(p.y, climbY[k] - 1) << "person " << k;
                }
                climbedAt[k] = p.x;
                climbY[k] = p.y;
                EXPECT_EQ(p.facing, 2);
            }
            if (p.state == PersonState::StepDown) {
                steppedDownAt[k] = p.x;
                EXPECT_EQ(p.facing, 3);
                const int layer = form().Clovek[k]->StackIndex();
                EXPECT_GT(layer, form().imgTramvaj->StackIndex()) << k;
                EXPECT_LT(layer, form().imgStanice2->StackIndex()) << k;
            }
            if (p.state == PersonState::WalkAway) {
                EXPECT_TRUE(p.y >= 413 && p.y <= 424) << "walks off on the platform, not at " << p.y;
            }
        }
    }

    int32 climbedAt[kPersonCount] = {};
    int32 climbY[kPersonCount] = {};
    int32 steppedDownAt[kPersonCount] = {};
};

TEST_P(WholeRideTest, FromThePlatformToAPlaceAndOffTheScreen) {
    const int tram = GetParam();
    StartRun(tram);
    ArriveAtStop(kStopRow);
    // More passengers than places, along the whole tram.
    for (int k = 12, x = 40; k < 92; ++k, x += 12) Waiting(k, k % 4, x);
    const Floor floor = FloorOfTram();
    const int32 capacity = g_tramLayout.freePlaces;
    ASSERT_EQ(static_cast<size_t>(capacity), tram_places::PlacesOf(tram).size());

    OpenDoors();
    std::set<int> boarders;
    for (int k = 0; k < kPersonCount; ++k)
        if (g_persons[k].state == PersonState::WalkToDoor) boarders.insert(k);
    ASSERT_FALSE(boarders.empty());
    TickUntilSettled(floor);

    // Every place of the tram is taken, and its passenger's figure stands there.
    Tick();
    std::multiset<std::pair<int32, int32>> shown;
    for (int k = 0; k < kPersonCount; ++k) {
        const PersonRecord& p = g_persons[k];
        if (p.state != PersonState::Riding) continue;
        shown.insert({form().Clovek[k]->Left, form().Clovek[k]->Top});
        EXPECT_TRUE(DoorAims(tram, p, 2).count(climbedAt[k])) << "climbed in at " << climbedAt[k];
        EXPECT_GE(p.stopsToRide, 1);
    }
    EXPECT_EQ(shown, tram_places::PlacesOf(tram));
    EXPECT_EQ(g_tramLayout.occupiedPlaces, capacity);
    EXPECT_EQ(g_tramLayout.freePlaces, 0);
    EXPECT_EQ(g_carriedRun, capacity);
    EXPECT_EQ(form().labObsazenoMist->Caption(), std::to_string(capacity));
    EXPECT_EQ(CountInState(PersonState::WalkAway), 0);  // the turned-away have gone
    std::erase_if(boarders, [](int k) { return g_persons[k].state != PersonState::Riding; });

    // At the next stop everybody gets off through the nearest door it may use.
    CloseDoors();
    for (int k : boarders) g_persons[k].stopsToRide = 1;
    OpenDoors();
    TickUntilSettled(floor);
    for (int k : boarders) {
        const PersonRecord& p = g_persons[k];
        EXPECT_EQ(p.state, PersonState::Free) << k;
        EXPECT_EQ(p.x, -20);
        EXPECT_EQ(p.y, -60);
        const std::set<int32> exits = DoorAims(tram, p, -18);
        ASSERT_TRUE(exits.count(steppedDownAt[k])) << "stepped down at " << steppedDownAt[k];
        // Nearest by the doors' left edges.
        const int32 aim = form().imgDvere[0]->Width / 2 - 18;
        for (int32 other : exits)
            EXPECT_LE(std::abs(steppedDownAt[k] - aim - p.placeX), std::abs(other - aim - p.placeX)) << k;
    }
    EXPECT_EQ(g_tramLayout.occupiedPlaces, 0);
    EXPECT_EQ(g_tramLayout.freePlaces, capacity);
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();
}

INSTANTIATE_TEST_SUITE_P(EveryTram, WholeRideTest, ::testing::Range(1, 8));

using BoardingTest = StreetTest;

TEST_F(BoardingTest, ADoorOverNoStripIsPaidForInTheTickOfArrival) {
    StartRun(1);
    for (FloorStrip& s : g_tramLayout.floorStrips) s = FloorStrip{0, 0, 0};
    PersonRecord& p = Waiting(0, 2, 700);
    p.state = PersonState::WalkToDoor;
    p.stepsLeft = 1;
    p.placeX = 650;
    p.placeY = 385;
    const int32 money = g_money;
    Tick();
    EXPECT_EQ(p.state, PersonState::WalkToPlace);
    EXPECT_EQ(p.y, 418);  // nothing to climb onto
    EXPECT_EQ(g_money, money + 6);
    EXPECT_EQ(g_tramLayout.occupiedPlaces, 1);
}

TEST_F(BoardingTest, EachClassPaysItsOwnFareWithItsOwnCoin) {
    StartRun(2);
    const int32 fares[4] = {1, 3, 6, 10};
    const float volumes[4] = {0.05f, 0.1f, 0.15f, 0.2f};
    int32 money = g_money;
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        sound.ClearLog();
        PersonRecord& p = Waiting(c, c, 700 + c);
        p.state = PersonState::Pay;
        p.placeX = 600;
        Tick();
        money += fares[c];
        EXPECT_EQ(g_money, money);
        EXPECT_EQ(form().labKasa->Caption(), std::to_string(money));
        for (int other = 0; other < 4; ++other) EXPECT_EQ(g_carriedByClass[other], other <= c ? 1 : 0);
        const auto coins = sound.StartsOf("Zvuky//Obecne//Penize1.wav");
        ASSERT_EQ(coins.size(), 1u);
        EXPECT_FLOAT_EQ(coins[0].value, volumes[c]);
        EXPECT_EQ(coins[0].arg, 0);  // no loop
    }
    EXPECT_EQ(form().labPrijem->Caption(), "$20");
    EXPECT_EQ(g_carriedRun, 4);
    EXPECT_EQ(g_tramLayout.occupiedPlaces, 4);
    EXPECT_EQ(g_tramLayout.freePlaces, 64);
    // Restacked into the tram: between the interior and the body.
    EXPECT_LT(form().Clovek[3]->StackIndex(), form().imgTramvaj->StackIndex());
    EXPECT_GT(form().Clovek[3]->StackIndex(), form().imgTramvajPozadi->StackIndex());
}

}  // namespace
