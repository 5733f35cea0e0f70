// Start of the process: installs the real back end and services, then
// initialises the application object, titles it "Korvalo", creates Form1
// (which runs FormCreate) and runs the message loop until the main window
// closes. Returns the process exit code (0).
#pragma once

int RunGame(int argc, char** argv);
