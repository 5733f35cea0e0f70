// Start of the process: installs the real back end and sound library,
// then initialises the application object, titles it "Korvalo", creates
// Form1 (which runs FormCreate) and runs the message loop until the main
// window closes. Returns the process exit code: 0, or 1 when there is no
// display to open a window on. Started as a system message box's own
// process, it shows that box instead and returns.
#pragma once

int RunGame(int argc, char** argv);
