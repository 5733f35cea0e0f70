// Checks of the driver at the traffic light and at the stop, made by the
// street block on the positions before its scroll (warnings.cpp).
#pragma once

class TForm1;

// Red light and crossing speed: at most one penalty per section.
void CheckCrossingPenalties(TForm1& form);
