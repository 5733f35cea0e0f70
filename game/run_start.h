// Starting a run: the depot's start button turns the chosen line and tram
// into the run's line, stops, first route row and tram layout; PrepareRun
// then makes every per-run value fresh. The tutorial start uses the same
// set-up.
#pragma once

class TForm1;

// Sets up a run on g_line from g_sectionIndex with the tram layout the
// caller has applied: resets the run values, parks every passenger and
// passer-by, places the scenery and the tram, loads the first section's
// and the tram's pictures and starts the traffic and wind loops. Leaves
// the career, the cars, the traffic light and the line values alone.
void PrepareRun(TForm1& form);

// The run is under way: the depot and the menu hidden, the run clock and
// the speed figures at zero. The caller has set the run up with
// PrepareRun (run figures at zero, speed buttons on) and started the tick.
void EnterRun(TForm1& form);
