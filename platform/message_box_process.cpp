#include "platform/message_box_process.h"

#include <SDL.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/stop_signals.h"

extern char** environ;

namespace {

constexpr char kBoxArgument[] = "--korvalo-message-box";

volatile pid_t g_boxProcess = 0;
// Only the game's own executable knows the box's arguments; any other
// program (a test) started again with them would run itself once more.
bool g_executableShowsBoxes = false;

// SDL draws the box in a child of its own (on X) or starts a helper
// program (on Wayland). That child dies with the box's process, as the box's
// process dies with the game.
void DieWithParent() { prctl(PR_SET_PDEATHSIG, SIGKILL); }

Uint32 BoxKind(bool error) { return error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION; }

extern "C" void OnBoxChildStart() {
    DieWithParent();
    if (getppid() != g_boxProcess) _exit(1);  // the box's process is gone already
}

}  // namespace

bool ShowBoxInOwnProcess(bool error, const std::string& title, const std::string& text) {
    if (StopRequested()) return false;
    if (!g_executableShowsBoxes) {
        return SDL_ShowSimpleMessageBox(BoxKind(error), title.c_str(), text.c_str(), nullptr) == 0;
    }
    std::string self = "/proc/self/exe", argument = kBoxArgument, kind = error ? "error" : "information";
    std::string parent = std::to_string(getpid()), titleCopy = title, textCopy = text;
    char* argv[] = {self.data(), argument.data(), kind.data(), parent.data(), titleCopy.data(), textCopy.data(),
                    nullptr};

    posix_spawn_file_actions_t files;
    posix_spawnattr_t attr;
    if (posix_spawn_file_actions_init(&files) != 0) return false;
    if (posix_spawnattr_init(&attr) != 0) {
        posix_spawn_file_actions_destroy(&files);
        return false;
    }
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // Its standard streams and nothing else of the game's (the fonts the
    // game has open, say): what SDL opens for the box is its own.
    posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
    // Every signal as it comes by default (the game ignores SIGPIPE), none
    // blocked, and a process group of its own, so that the box and what it
    // starts go down together.
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
    pid_t box = 0;
    const int rc = posix_spawn(&box, self.c_str(), &files, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    if (rc != 0) return false;

    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(box, &status, WNOHANG);
        if (ended == box || (ended < 0 && errno != EINTR)) break;
        if (StopRequested()) {
            kill(-box, SIGKILL);
            kill(box, SIGKILL);
            while (waitpid(box, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        usleep(20 * 1000);
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int RunMessageBoxProcess(int argc, char** argv) {
    g_executableShowsBoxes = true;
    if (argc != 6 || std::strcmp(argv[1], kBoxArgument) != 0) return -1;
    DieWithParent();
    if (getppid() != static_cast<pid_t>(std::atoll(argv[3]))) return 1;  // the game is gone already
    signal(SIGPIPE, SIG_IGN);
    g_boxProcess = getpid();
    pthread_atfork(nullptr, nullptr, OnBoxChildStart);
    return SDL_ShowSimpleMessageBox(BoxKind(std::strcmp(argv[2], "error") == 0), argv[4], argv[5], nullptr) == 0 ? 0 : 1;
}
