#include "game/menu_sound.h"
#include "tests/street/street_fixture.h"

namespace {

using RidingTest = StreetTest;

// A person arriving at its place in the next tick.
PersonRecord& ArrivingAtPlace(int k, int place) {
    PersonRecord& p = g_persons[k];
    p.state = PersonState::WalkToPlace;
    p.placeX = g_places[place].x;
    p.placeY = g_places[place].y;
    p.x = p.placeX - 1;
    p.y = 373;
    return p;
}

TEST_F(RidingTest, RideLengthFollowsTheStopsAhead) {
    StartRun(2);
    // One or two stops ahead: always exactly one more stop.
    for (int32 remaining : {1, 2}) {
        g_stopsRemaining = remaining;
        PersonRecord& p = ArrivingAtPlace(0, 3);
        Tick();
        EXPECT_EQ(p.state, PersonState::Riding);
        EXPECT_EQ(p.y, g_places[3].y);
        EXPECT_EQ(p.stopsToRide, 1) << remaining;
    }
    // Twelve ahead: a first draw above 7 is drawn again from 1..7.
    g_stopsRemaining = 12;
    ScriptRandomDraws({7, 10});  // 7 + 1 = 8, then 10 % 7 + 1 = 4
    PersonRecord& longer = ArrivingAtPlace(1, 4);
    Tick();
    EXPECT_EQ(longer.stopsToRide, 4);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    ScriptRandomDraws({6});  // 6 + 1 = 7 stays
    PersonRecord& seven = ArrivingAtPlace(2, 5);
    Tick();
    EXPECT_EQ(seven.stopsToRide, 7);
}

TEST_F(RidingTest, APlaceIsOfferedAtItsRidersLastStop) {
    StartRun(1);
    ArriveAtStop(3);
    ResetPersonRecords();
    // Every place taken; the rider on place 10 leaves at the next stop.
    for (int place = 0; place < kPlaceCount; ++place)
        if (g_places[place].isFree == 1) g_places[place].isFree = 0;
    const PersonRecord& rider = Rider(50, 10, 2);
    Rider(51, 11, 3);
    Tick();
    EXPECT_EQ(g_places[10].isFree, 0);

    // The doors of the stop before its last: one stop left, and the place
    // is free again while the rider still sits on it.
    OpenDoors();
    Tick();
    EXPECT_EQ(rider.stopsToRide, 1);
    EXPECT_EQ(rider.state, PersonState::Riding);
    EXPECT_EQ(g_places[10].isFree, 1);
    EXPECT_EQ(g_places[11].isFree, 0);
    CloseDoors();

    // Its last stop: the one waiting passenger gets exactly that place.
    const PersonRecord& boarder = Waiting(0, 0, 1000);
    OpenDoors();
    EXPECT_EQ(boarder.state, PersonState::WalkToDoor);
    EXPECT_EQ(boarder.placeX, g_places[10].x);
    EXPECT_EQ(g_places[10].isFree, 0);
    Tick();
    EXPECT_EQ(rider.state, PersonState::WalkToExit);
    EXPECT_EQ(g_places[10].isFree, 0);  // no longer offered once the rider is up
}

TEST_F(RidingTest, ARiderWithNoStopsLeftGetsUpAndGoesToTheNearestAllowedDoor) {
    StartRun(2);  // doors 1..6 at 905, 702, 549, 405, 202, 49
    g_tramLayout.doors[1][0] = 703;  // door 2 now 101 from x 804, as door 1
    const int32 half = form().imgDvere[0]->Width / 2;
    struct Case {
        int32 x, doorGroup, door;  // door index 0..5, -1 none
    } const cases[] = {
        {650, 0, 1},  // 53 right to door 2 before 101 left to door 3
        {600, 0, 2},  // 51 left to door 3 before 103 right to door 2
        {600, 3, 3},  // group 3 may use doors 4..6 only, all on the left
        {804, 0, 0},  // 101 either way: the right-hand door 1
        {905, 0, 0},  // right at door 1
        {300, 9, -1}, // no door for this group: 1000 to the right
    };
    for (int k = 0; k < 6; ++k) {
        PersonRecord& p = g_persons[k];
        p = PersonRecord{};
        p.state = PersonState::Riding;
        p.x = p.placeX = cases[k].x;
        p.y = p.placeY = 385;
        p.doorGroup = cases[k].doorGroup;
    }
    Tick();
    for (int k = 0; k < 6; ++k) {
        const Case& c = cases[k];
        const PersonRecord& p = g_persons[k];
        ASSERT_EQ(p.state, PersonState::WalkToExit) << c.x;
        const int32 target = c.door < 0 ? c.x + 1000 + half - 18 : g_tramLayout.doors[c.door][0] + half - 18;
        EXPECT_EQ(p.x + p.stepsLeft, target) << c.x << " group " << c.doorGroup;
        EXPECT_EQ(p.y, 373) << c.x << ": up from the seat onto the floor";
    }
}

TEST_F(RidingTest, WalkersLeaveTheScreenAtEitherEdgeAndTheRecordIsFreeAgain) {
    StartRun(1);
    PersonRecord& left = Person(0, PersonState::WalkAway, -19, 418);
    left.walkDir = 0;
    PersonRecord& right = Person(1, PersonState::WalkAway, 1179, 418);
    right.walkDir = 1;
    Tick();
    EXPECT_EQ(left.state, PersonState::WalkAway);
    EXPECT_EQ(left.x, -20);
    EXPECT_EQ(right.state, PersonState::WalkAway);
    EXPECT_EQ(right.x, 1180);
    Tick();
    for (const PersonRecord* p : {&left, &right}) {
        EXPECT_EQ(p->state, PersonState::Free);
        EXPECT_EQ(p->x, -20);
        EXPECT_EQ(p->y, -60);
    }
    // A free record is the first one a new stop fills.
    ArriveAtStop(3);
    EXPECT_EQ(left.state, PersonState::Waiting);
}

TEST_F(RidingTest, CrowdVolumeFollowsTheWalkers) {
    StartRun(1);
    StartChannel(6, "Zvuky//Chodci//Chodci1.wav");  // as the door timer does
    auto crowdVolume = [&] { return sound.Find(static_cast<int>(g_soundChannels[6].handle))->volume; };
    // Waiting and seated persons are not heard.
    Waiting(0, 0, -300);
    Rider(1, 10, 5);
    Tick();
    EXPECT_FLOAT_EQ(crowdVolume(), 0.0f);

    for (int32 walkers : {38, 39, 60, 0}) {
        ResetPersonRecords();
        for (int k = 0; k < walkers; ++k) {
            g_persons[k].state = PersonState::WalkAway;  // walking off far away
            g_persons[k].x = 500;
            g_persons[k].walkDir = 1;
        }
        Tick();
        const float expected = walkers == 38 ? 0.9994f : (walkers == 0 ? 0.0f : 1.0f);
        EXPECT_NEAR(g_soundChannels[6].volume, expected, 1e-6) << walkers;
        EXPECT_NEAR(crowdVolume(), expected, 1e-6) << walkers;
    }
}

}  // namespace
