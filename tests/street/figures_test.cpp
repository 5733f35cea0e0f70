#include "tests/street/street_fixture.h"

namespace {

class FiguresTest : public StreetTest {
protected:
    // One walk step and one stand step, as blocks G and H run them.
    void AnimationSteps() {
        AnimatePedestrianWalkFrames(form());
        RerollPedestrianPoses(form());
        AnimatePedestrianStandFrames(form());
        AnimatePersonWalkFrames(form());
        AdvanceWalkFrames(form());
        RerollPersonPoses(form());
        AnimatePersonStandFrames(form());
    }
};

TEST_F(FiguresTest, WalkersShowTheFrameBeforeTheAdvance) {
    StartRun(1);
    PersonRecord& boarding = Person(0, PersonState::WalkToDoor, 600, 418);
    boarding.passengerClass = 2;
    boarding.facing = 1;
    boarding.walkFrame = 3;
    PersonRecord& climbing = Person(1, PersonState::ClimbIn, 600, 400);
    climbing.passengerClass = 0;
    climbing.facing = 2;
    climbing.walkFrame = 0;
    AnimationSteps();
    EXPECT_EQ(Picture(form().Clovek[0]), "Textures/LidePohyb1/2/13.bmp");
    EXPECT_EQ(boarding.walkFrame, 0);
    EXPECT_EQ(Picture(form().Clovek[1]), "Textures/LidePohyb1/0/20.bmp");
    AnimationSteps();
    EXPECT_EQ(Picture(form().Clovek[0]), "Textures/LidePohyb1/2/10.bmp");
    EXPECT_EQ(Picture(form().Clovek[1]), "Textures/LidePohyb1/0/21.bmp");

    // On the way out every class looks alike.
    const int32 leaving[] = {PersonState::WalkToExit, PersonState::StepDown, PersonState::WalkAway};
    for (int k = 0; k < 12; ++k) {
        PersonRecord& p = Person(k, leaving[k % 3], 600, 400);
        p.passengerClass = k % 4;
        p.facing = 3;
        p.walkFrame = 1;
    }
    AnimationSteps();
    for (int k = 0; k < 12; ++k) EXPECT_EQ(Picture(form().Clovek[k]), "Textures/LidePohyb2/31.bmp") << k;
}

TEST_F(FiguresTest, WaitingAndRidingPersonsShowTheirStandingPose) {
    StartRun(1);
    PersonRecord& waiting = Person(0, PersonState::Waiting, 600, 418);
    waiting.passengerClass = 1;
    waiting.facing = 3;
    waiting.standC = 4;
    PersonRecord& idle = Person(1, PersonState::Riding, 600, 385);
    idle.passengerClass = 3;
    idle.standB = 2;
    idle.standC = 0;
    PersonRecord& brief = Person(2, PersonState::Riding, 620, 385);
    brief.passengerClass = 3;
    brief.standC = 5;
    // No passer-by is out, so the only draws are the persons': four for a
    // pose, a fifth first for a pose of 0.
    ScriptRandomDraws({0, 0, 0, 0,       // person 0 keeps its pose
                       2, 0, 0, 0, 0,    // person 1 comes out of pose 0 into 3
                       0, 0, 0, 1});     // person 2 drops to the brief pose 0
    RerollPersonPoses(form());
    AnimatePersonStandFrames(form());
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Picture(form().Clovek[0]), "Textures/LideStatic/1/304.bmp");
    EXPECT_EQ(Picture(form().Clovek[1]), "Textures/LideStatic/3/023.bmp");
    EXPECT_EQ(Picture(form().Clovek[2]), "Textures/LideStatic/3/000.bmp");
}

TEST_F(FiguresTest, AFreedPersonShowsItsLastPictureParkedFromTheNextTick) {
    StartRun(1);
    PersonRecord& p = Person(7, PersonState::WalkAway, -20, 418);
    p.walkDir = 0;
    Tick();  // shown where it stood, then freed and parked
    EXPECT_EQ(form().Clovek[7]->Left, -20);
    EXPECT_EQ(form().Clovek[7]->Top, 418);
    EXPECT_EQ(p.state, PersonState::Free);
    Tick();
    EXPECT_EQ(form().Clovek[7]->Left, -20);
    EXPECT_EQ(form().Clovek[7]->Top, -60);
}

}  // namespace
