// Tail of the tick: whether the door button may be pressed is decided
// afresh on every tick. The doors may open when the tram stands at the
// stop of this section and has not served it yet; they may close once
// nobody is still getting on or off.
#include "app/form1.h"
#include "game/records.h"
#include "game/route.h"
#include "tick/blocks.h"

namespace {

// The stop's left edge must lie less than this far right of the tram's.
constexpr int kStopReachFromTram = -200;

bool MayOpenDoors(TForm1& form) {
    return g_speed == 0 && form.imgTramvaj->Left - form.imgStanice->Left > kStopReachFromTram &&
           CurrentSection().hasStop == 1 && g_doorsOpen == 0 && g_stopServed == 0;
}

// Persons who hold the doors open: waiting, on the way in, or on the way out.
bool HoldsDoors(const PersonRecord& person) {
    switch (person.state) {
        case PersonState::Waiting:
        case PersonState::WalkToDoor:
        case PersonState::ClimbIn:
        case PersonState::WalkToExit:
        case PersonState::StepDown:
            return true;
        default:
            return false;
    }
}

bool MayCloseDoors() {
    if (g_doorsOpen != 1) return false;
    for (const PersonRecord& person : g_persons)
        if (HoldsDoors(person)) return false;
    return true;
}

}  // namespace

void UpdateDoorButton(TForm1& form) { form.btnDvere->Enabled = MayOpenDoors(form) || MayCloseDoors(); }
