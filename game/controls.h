// The driving controls (five speed buttons and the door button, worked
// by their accelerator keys Q W E R T and D) and the traffic-light timer.
// The handlers are members of TForm1; this header names what they share.
#pragma once

class TForm1;

// The five speed buttons, in key order Q W E R T.
constexpr int kSpeedButtonCount = 5;

// Enables or disables btnSpeed0 .. btnSpeed60, in that order.
void EnableSpeedButtons(TForm1& form, bool on);
