#include "stop/door_steps.h"
#include "tests/support/run_fixture.h"

namespace {

class BoardingTest : public RunFixture {
protected:
    void SetUp() override { CreateForm(); }

    void Tram(int n) { ASSERT_TRUE(ApplyTramLayout(form(), n)); }
    PersonRecord& Waiting(int k, int32 x) {
        PersonRecord& p = g_persons[k];
        p.state = PersonState::Waiting;
        p.x = x;
        p.y = 415;
        return p;
    }
    // Where the walk ends: 2 pixels right of the middle of the door.
    int32 Aim() const { return form().imgDvere[0]->Width / 2 + 2; }
};

TEST_F(BoardingTest, SearchesGoSeatLeftSeatRightStandingLeftStandingRight) {
    Tram(1);
    for (PlaceSlot& place : g_places)
        if (place.isFree == 1) place.isFree = 0;
    g_places[12].isFree = 1;  // seat at x 826
    g_places[50].isFree = 1;  // standing place at x 834
    g_places[60].isFree = 1;  // standing place at x 666
    Waiting(4, 700);
    Waiting(2, 826);
    Waiting(9, 600);
    Waiting(11, 650);
    AssignBoardingPlaces();
    EXPECT_EQ(g_persons[2].placeX, 666);  // the seat at its own x is on neither side
    EXPECT_EQ(g_persons[4].placeX, 826);  // a seat on its right before standing
    EXPECT_EQ(g_persons[9].placeX, 834);
    EXPECT_EQ(g_persons[11].state, PersonState::WalkAway);
    EXPECT_EQ(g_persons[11].placeX, 0);
}

TEST_F(BoardingTest, EveryoneWalksToTheNearestDoorOfItsGroupTiesGoRight) {
    Tram(7);  // group 4: doors 3..6 at 680, 572, 332, 224
    Waiting(0, 626);   // 54 from door 3 and from door 4
    Waiting(1, 332);   // at door 5
    Waiting(2, 700);   // door 3 is 20 to the left
    AssignBoardingPlaces();
    EXPECT_EQ(g_persons[0].stepsLeft, 54 + Aim());
    EXPECT_EQ(g_persons[1].stepsLeft, Aim());
    EXPECT_EQ(g_persons[2].stepsLeft, -20 + Aim());

    Tram(2);  // group 0 on the right half uses doors 1..3 only, never 4
    Waiting(3, 940);
    Waiting(4, 420);   // takes a group 3 place on its left: doors 4..6, door 4 at 405
    AssignBoardingPlaces();
    EXPECT_EQ(g_persons[3].doorGroup, 0);
    EXPECT_EQ(g_persons[3].stepsLeft, 905 - 940 + Aim());
    EXPECT_EQ(g_persons[4].doorGroup, 3);
    EXPECT_EQ(g_persons[4].stepsLeft, 405 - 420 + Aim());
}

}  // namespace
