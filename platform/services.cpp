// The real process-level services and the table of services in force.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>


#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "platform/cp1250.h"
#include "platform/display.h"
#include "platform/message_box_process.h"
#include "platform/real_services.h"

extern char** environ;

// --- message boxes ---------------------------------------------------------

void RealMessageBoxes::ToTerminal(const AnsiString& text, const AnsiString& title) {
    const std::string utf8Title = Cp1250ToUtf8(title);
    const bool punctuated = !utf8Title.empty() && std::ispunct(static_cast<unsigned char>(utf8Title.back()));
    std::fprintf(stderr, "%s%s%s\n", utf8Title.c_str(), punctuated ? " " : ": ", Cp1250ToUtf8(text).c_str());
    std::fflush(stderr);
}

// Once a stop signal has come, the game is ending and no box waits for a
// click: the terminal line is all there is.
int RealMessageBoxes::Show(const AnsiString& text, const AnsiString& title, unsigned flags) {
    ToTerminal(text, title);
    ShowBoxInOwnProcess((flags & MB_ICONERROR) != 0, Cp1250ToUtf8(title), Cp1250ToUtf8(text));
    return 1;  // IDOK
}

// --- process exit ----------------------------------------------------------

void RealProcess::Exit(int code) {
    std::fflush(nullptr);
    std::exit(code);
}

// --- dynamic libraries -----------------------------------------------------

std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    path[n] = '\0';
    std::string full(path);
    const auto slash = full.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return full.substr(0, slash);
}

RealDynamicLibraries::RealDynamicLibraries(std::string folder) : folder_(std::move(folder)) {}

std::string RealDynamicLibraries::FileFor(const std::string& windowsName) {
    std::string base = windowsName;
    const auto slash = base.find_last_of("/\\");
    if (slash != std::string::npos) base = base.substr(slash + 1);
    if (base.size() > 4) {
        std::string ext = base.substr(base.size() - 4);
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".dll") base.resize(base.size() - 4);
    }
    for (char& c : base) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "lib" + base + ".so";
}

std::string RealDynamicLibraries::SymbolFor(const std::string& entryName) {
    // The "@8" of a standard-call entry is the size of its arguments.
    const auto at = entryName.find('@');
    return at == std::string::npos ? entryName : entryName.substr(0, at);
}

void* RealDynamicLibraries::Load(const char* name) {
    if (!name || !*name) return nullptr;
    const std::string folder = folder_.empty() ? ExecutableFolder() : folder_;
    const std::string file = folder + "/" + FileFor(name);
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* RealDynamicLibraries::Entry(void* library, const char* name) {
    if (!library || !name || !*name) return nullptr;
    return dlsym(library, SymbolFor(name).c_str());
}

// --- threads ---------------------------------------------------------------

bool RealThreads::Start(std::function<void()> body) {
    try {
        std::thread(std::move(body)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

// --- shell open ------------------------------------------------------------

RealShell::RealShell(std::string program) : program_(std::move(program)) {}

void RealShell::Open(const AnsiString& address) {
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attr;
    if (posix_spawn_file_actions_init(&files) != 0) return;
    if (posix_spawnattr_init(&attr) != 0) {
        posix_spawn_file_actions_destroy(&files);
        return;
    }
    // The opener's chatter (or its complaint that no browser exists) is
    // not the player's business.
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // Nothing of the game's own open files goes with it.
    posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
    // The game ignores SIGPIPE and SIGXFSZ; the opener gets them back as
    // they come.
    sigset_t ignored;
    sigemptyset(&ignored);
    sigaddset(&ignored, SIGPIPE);
    sigaddset(&ignored, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attr, &ignored);
    short flags = POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
    flags |= POSIX_SPAWN_SETSID;
#endif
    posix_spawnattr_setflags(&attr, flags);
    std::string program = program_;
    std::string arg = address;
    char* argv[] = {program.data(), arg.data(), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, program.c_str(), &files, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    if (rc != 0) return;
    // Nobody waits for the opener; a detached reaper keeps it from
    // lingering as a zombie while the game runs on.
    try {
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
    }
}

// --- calendar --------------------------------------------------------------

std::int64_t RealCalendar::NowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

// --- the services in force -------------------------------------------------

namespace {

// Until a back end installs its own: the desktop's mode, reported as the
// playing area's, which the back end then scales to the screen.
class DesktopDisplay : public IDisplay {
public:
    bool Create() override { return true; }
    bool SetCooperativeLevel(int) override { return true; }
    bool SetDisplayMode(unsigned width, unsigned height, unsigned) override {
        return width == 1024 && height == 768;
    }
    void EnumDisplayModes(const std::function<bool(const DisplayMode&)>& callback) override {
        callback(DisplayMode{1024, 768, 32});
    }
};

PlatformServices RealServices() {
    // Function statics: usable whatever the order of static construction.
    static RealMessageBoxes messageBoxes;
    static RealProcess process;
    static RealDynamicLibraries libraries;
    static RealThreads threads;
    static RealShell shell;
    static RealCalendar calendar;
    static DesktopDisplay display;
    PlatformServices s;
    s.messageBoxes = &messageBoxes;
    s.process = &process;
    s.libraries = &libraries;
    s.threads = &threads;
    s.shell = &shell;
    s.calendar = &calendar;
    s.display = &display;
    return s;
}

}  // namespace

PlatformServices& Services() {
    static PlatformServices services = RealServices();
    return services;
}

void UseRealServices() { Services() = RealServices(); }

int MessageBox(const AnsiString& text, const AnsiString& title, unsigned flags) {
    return Services().messageBoxes->Show(text, title, flags);
}

void ExitProcess(int code) {
    Services().process->Exit(code);
    std::exit(code);  // only if an IProcess broke its promise and returned
}
