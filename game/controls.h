// The driving controls (five speed buttons and the door button, worked
// by their accelerator keys Q W E R T and D) and the traffic-light timer.
// The handlers are members of TForm1; this header names what they share.
#pragma once

class TForm1;

// The five speed buttons, in key order Q W E R T.
constexpr int kSpeedButtonCount = 5;

// Enables or disables btnSpeed0 .. btnSpeed60, in that order.
void EnableSpeedButtons(TForm1& form, bool on);

// The doors are opening: the speed buttons are locked and the target goes
// to 0, so that a speed key pressed together with the door key, before or
// after it, cannot drive the tram off. The door button does it as it
// starts the doors, the door timer again at every opening step.
void HoldTramForDoors(TForm1& form);
