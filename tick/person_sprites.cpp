// The 92 passenger figures on screen: every tick each picture goes where
// its record stood when the tick began; every 6 ticks walkers show the
// next frame of their walk cycle and waiting and riding figures their
// standing pose, which changes now and then at random.
#include "app/form1.h"
#include "game/random.h"
#include "game/records.h"
#include "tick/asset_path.h"
#include "tick/blocks.h"
#include "tick/figure_picture.h"

namespace {

constexpr int32 kWalkFrames = 4;

// The walk passes run in this order of states; the way out has one
// picture set for all classes.
constexpr int32 kBoardingWalkStates[] = {PersonState::WalkToDoor, PersonState::ClimbIn,
                                         PersonState::WalkToPlace};
constexpr int32 kLeavingWalkStates[] = {PersonState::WalkToExit, PersonState::StepDown,
                                        PersonState::WalkAway};

bool ShowsStandingPose(int32 state) { return state == PersonState::Riding || state == PersonState::Waiting; }

const AnsiString& BoardingWalkPicture(const PersonRecord& p) {
    return WalkFramePath(p.passengerClass, p.facing, p.walkFrame);
}

const AnsiString& LeavingWalkPicture(const PersonRecord& p) {
    return NewPath().Text("Textures/LidePohyb2/").Number(p.facing).Number(p.walkFrame).Text(".bmp").Str();
}

const AnsiString& StandingPicture(const PersonRecord& p) {
    return StandingPosePath(p.passengerClass, p.facing, p.standB, p.standC);
}

void LoadWalkPictures(TForm1& form, int32 state, const AnsiString& (*picture)(const PersonRecord&)) {
    for (int k = 0; k < kPersonCount; ++k)
        if (g_persons[k].state == state) ShowFigurePicture(*form.Clovek[k], picture(g_persons[k]));
}

void AdvanceFrame(int32& walkFrame) {
    if (++walkFrame >= kWalkFrames) walkFrame = 0;
}

}  // namespace

void PlacePersonSprites(TForm1& form) {
    for (int k = 0; k < kPersonCount; ++k) {
        form.Clovek[k]->Top = g_persons[k].y;
        form.Clovek[k]->Left = g_persons[k].x;
    }
}

// Persons paying, settling or choosing an exit, and free records, keep
// the picture they have.
void AnimatePersonWalkFrames(TForm1& form) {
    for (int32 state : kBoardingWalkStates) LoadWalkPictures(form, state, BoardingWalkPicture);
    for (int32 state : kLeavingWalkStates) LoadWalkPictures(form, state, LeavingWalkPicture);
}

// Every figure's cycle moves on, shown or not, so the pictures just
// loaded show the frame before the advance.
void AdvanceWalkFrames(TForm1&) {
    for (PersonRecord& person : g_persons) AdvanceFrame(person.walkFrame);
    for (PedestrianRecord& pedestrian : g_pedestrians) AdvanceFrame(pedestrian.walkFrame);
}

// A standC of 0 is a brief pose: it lasts one stand step, as the next
// re-roll replaces it first.
void RerollPersonPoses(TForm1&) {
    for (PersonRecord& p : g_persons) {
        if (!ShowsStandingPose(p.state)) continue;
        if (p.standC == 0) p.standC = Random(5) + 1;
        g_roll0 = Random(100);
        if (g_roll0 == 1) p.facing = Random(4);
        g_roll1 = Random(50);
        if (g_roll1 == 1) p.standB = Random(4);
        g_roll2 = Random(30);
        if (g_roll2 == 1) p.standC = Random(5) + 1;
        g_roll3 = Random(20);
        if (g_roll3 == 1) p.standC = 0;
    }
}

void AnimatePersonStandFrames(TForm1& form) {
    for (int k = 0; k < kPersonCount; ++k)
        if (ShowsStandingPose(g_persons[k].state))
            ShowFigurePicture(*form.Clovek[k], StandingPicture(g_persons[k]));
}
