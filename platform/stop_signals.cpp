#include "platform/stop_signals.h"

#include <SDL.h>
#include <signal.h>

#include <initializer_list>

namespace {

volatile sig_atomic_t g_stopRequested = 0;

extern "C" void OnStopSignal(int) { g_stopRequested = 1; }

void Catch(int sig) {
    struct sigaction current {};
    if (sigaction(sig, nullptr, &current) != 0) return;
    if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN) return;
    struct sigaction stop {};
    stop.sa_handler = OnStopSignal;
    sigemptyset(&stop.sa_mask);
    stop.sa_flags = SA_RESTART;
    sigaction(sig, &stop, nullptr);
}

}  // namespace

void TakeStopSignals() {
    // SDL's own handlers would only queue a quit event, which nothing
    // reads while a message box waits for its click.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) Catch(sig);
    // Writing to a pipe whose reader has gone (`korvalo | head`, a closed
    // log viewer) fails with EPIPE instead of killing the game.
    signal(SIGPIPE, SIG_IGN);
    // A write past a file-size limit (ulimit -f) fails with EFBIG, as on
    // a full disk, which the save and the settings store handle, instead
    // of killing the game with the career in memory.
    signal(SIGXFSZ, SIG_IGN);
}

bool StopRequested() { return g_stopRequested != 0; }
