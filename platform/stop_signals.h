// What reaches the game from outside as a signal. A stop signal (SIGTERM
// from the desktop or `kill`, SIGINT from Ctrl+C, SIGHUP from a closed
// terminal) ends the game the orderly way: the loop closes the main window
// within its longest wait, the career kept only in memory gets its last
// save try, and the process ends with code 0. A closed output pipe
// (SIGPIPE) ends nothing: what cannot be written is lost, the game goes on.
// Nor does a file-size limit (SIGXFSZ): the write fails as on a full disk.
#pragma once

// Installs the handlers; call before SDL starts, which would install its
// own. A stop signal the user chose to ignore (nohup) stays ignored.
void TakeStopSignals();

// True once a stop signal has arrived: the game is ending, and nothing may
// wait for the player any more (no message box waits for a click).
bool StopRequested();
