// The system message box, shown by a process of its own: the game waits
// for it, but a stop signal takes it down at once, and it never outlives
// the game, even one killed outright (SIGKILL), nor does anything it
// starts itself to draw the box.
#pragma once

#include <string>

// Shows the box (UTF-8 texts) and waits until it is closed or a stop
// signal arrives, which takes it down. False when no box could be started.
// In a program that never called RunMessageBoxProcess (a test) the box is
// shown in the calling process.
bool ShowBoxInOwnProcess(bool error, const std::string& title, const std::string& text);

// The box's own process is the game's executable started again with these
// arguments; RunGame hands every start over here before anything else.
// Returns the process exit code, or -1 when `argv` is no box's.
int RunMessageBoxProcess(int argc, char** argv);
