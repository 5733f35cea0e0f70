// Block B: every tick each of the 92 persons takes one step of its way
// from the platform into the tram, to its place, out again and off the
// screen. A person may pass several states in one tick (paying, settling
// and choosing an exit take no tick of their own), so the states are
// tested one after another in their own order.
#include "app/form1.h"
#include "game/random.h"
#include "platform/sound.h"
#include "tick/blocks.h"
#include "tick/passengers.h"
#include "tick/sounds.h"

namespace {

constexpr int kChannelCrowd = 6;
// Each walking person adds this much to the crowd loop; 39 make it full.
constexpr float kCrowdVolumePerWalker = 0.0263f;
constexpr float kCrowdVolumeMax = 1.0f;
// Below the platform line the persons stand 60..71 pixels deep.
constexpr int32 kPlatformBelowLine = 60;
constexpr int32 kPlatformDepth = 12;

// Persons on the move are heard; waiting persons and riders at their
// places are not.
bool IsWalker(int32 state) {
    switch (state) {
        case PersonState::WalkToDoor:
        case PersonState::ClimbIn:
        case PersonState::Pay:
        case PersonState::WalkToPlace:
        case PersonState::WalkToExit:
        case PersonState::StepDown:
        case PersonState::WalkAway:
            return true;
        default:
            return false;
    }
}

void StepPerson(TForm1& form, PersonRecord& person) {
    if (person.state == PersonState::WalkToDoor) WalkToDoor(person);
    if (person.state == PersonState::ClimbIn) ClimbIn(person);
    if (person.state == PersonState::Pay) Pay(form, person);
    if (person.state == PersonState::WalkToPlace) WalkToPlace(person);
    if (person.state == PersonState::TakePlace) TakePlace(person);
    if (person.state == PersonState::Riding) Ride(person);
    if (person.state == PersonState::ChooseExit) ChooseExit(form, person);
    if (person.state == PersonState::WalkToExit) WalkToExit(form, person);
    if (person.state == PersonState::StepDown) StepDown(person);
    if (person.state == PersonState::WalkAway) WalkAway(person);
}

// The crowd loop the door timer starts grows with the persons walking in
// or out and falls silent when nobody walks. The door timer starts it at
// the channel's volume, so the library hears only of changes.
void SetCrowdVolume(int32 walkers) {
    SoundChannel& crowd = g_soundChannels[kChannelCrowd];
    float volume = static_cast<float>(walkers) * kCrowdVolumePerWalker;
    if (volume > kCrowdVolumeMax) volume = kCrowdVolumeMax;
    if (volume == crowd.volume) return;
    crowd.volume = volume;
    SoundNastavHlasitost(ChannelHandle(crowd), crowd.volume);
}

}  // namespace

int32 DrawPlatformLine() { return g_platformY + kPlatformBelowLine + Random(kPlatformDepth); }

void StepPassengers(TForm1& form) {
    int32 walkers = 0;
    for (PersonRecord& person : g_persons) {
        // Counted as the person was when its turn came.
        if (IsWalker(person.state)) ++walkers;
        StepPerson(form, person);
    }
    SetCrowdVolume(walkers);
}
