#include "tests/support/real_game.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <utility>

#include "tests/support/http_server.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace testsupport {

namespace {

std::string Executable() { return GameDir() + "/korvalo"; }

// `argv` with exactly `env`, in `folder`, stdin from /dev/null and the
// given descriptors as stdout and stderr (stderr closed when `closed`),
// under a file-size limit of `fileSize` bytes, in a process group of its
// own (the test's terminal is not the game's). Everything is built before
// the fork: the child only calls what is safe there.
pid_t Spawn(std::vector<std::string> argv, std::vector<std::string> env, const std::string& folder, int out,
            int err, bool closed = false, rlim_t fileSize = RLIM_INFINITY) {
    std::vector<char*> args, envp;
    for (auto& a : argv) args.push_back(a.data());
    for (auto& e : env) envp.push_back(e.data());
    args.push_back(nullptr);
    envp.push_back(nullptr);
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t pid = fork();
    if (pid != 0) {
        if (null >= 0) close(null);
        return pid;
    }
    if (null < 0 || chdir(folder.c_str()) != 0) _exit(90);
    dup2(null, STDIN_FILENO);
    dup2(out >= 0 ? out : null, STDOUT_FILENO);
    dup2(err >= 0 ? err : null, STDERR_FILENO);
    if (closed) close(STDERR_FILENO);
    const rlimit limit{fileSize, fileSize};
    if (fileSize != RLIM_INFINITY) setrlimit(RLIMIT_FSIZE, &limit);
    setpgid(0, 0);
    execve(args[0], args.data(), envp.data());
    _exit(92);
}

void SetEntry(std::vector<std::string>& env, const std::string& entry) {
    const bool drop = !entry.empty() && entry[0] == '-';
    const std::string name = drop ? entry.substr(1) : entry.substr(0, entry.find('='));
    std::erase_if(env, [&](const std::string& e) { return e.compare(0, name.size() + 1, name + "=") == 0; });
    if (!drop) env.push_back(entry);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

int WaitFor(pid_t pid, std::chrono::milliseconds limit) {
    if (pid <= 0) return -1;
    int status = 0;
    if (WaitUntil([&] { return waitpid(pid, &status, WNOHANG) != 0; }, limit)) return status;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

VirtualDisplay::VirtualDisplay(const std::string& screen) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        if (fds[1] != 3) dup2(fds[1], 3);
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    pollfd ready{fds[0], POLLIN, 0};
    for (char c = 0; poll(&ready, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n';) name_ += c;
    close(fds[0]);
    if (!name_.empty()) name_ = ":" + name_;
}

VirtualDisplay::~VirtualDisplay() { End(); }

void VirtualDisplay::End() {
    if (pid_ > 0) kill(pid_, SIGTERM);
    WaitFor(std::exchange(pid_, -1), 10s);
}

bool CanDriveARealWindow() {
    return access("/usr/bin/xdotool", X_OK) == 0 && (access("/usr/bin/Xvfb", X_OK) == 0);
}

RealGame::RealGame() : own_(std::make_unique<TempDir>()), logs_(std::make_unique<TempDir>()) {
    folder_ = own_->path();
    LinkAssetFolders(folder_);
    mark_ = logs_->path();
}

RealGame::RealGame(const std::string& sharedFolder) : logs_(std::make_unique<TempDir>()), folder_(sharedFolder) {
    if (!fs::exists(fs::path(folder_) / "Textures")) LinkAssetFolders(folder_);
    mark_ = logs_->path();
}

RealGame::~RealGame() {
    WaitFor(std::exchange(pid_, -1), 0ms);
    // Anything of this copy's that outlived it (a test that failed).
    for (int round = 0; round < 3; ++round) {
        const std::vector<pid_t> left = LiveProcesses();
        if (left.empty()) break;
        for (pid_t pid : left) kill(pid, SIGKILL);
        std::this_thread::sleep_for(50ms);
    }
}

bool RealGame::Built() { return fs::exists(Executable()); }

void RealGame::Start(const std::vector<std::string>& extra) {
    std::vector<std::string> env = {"HOME=" + folder_,
                                    "XDG_CONFIG_HOME=" + folder_,
                                    "PATH=/usr/bin:/bin",
                                    "ALSOFT_DRIVERS=null",
                                    "SDL_AUDIODRIVER=dummy",
                                    "KORVALO_STATS_ENDPOINT=http://127.0.0.1:" + std::to_string(ClosedPort()),
                                    "KORVALO_TEST_MARK=" + mark_};
    // Under the sanitizers: a process that ends by design (exit, the X
    // library's end) holds what it holds; that is no leak.
    const char* asan = std::getenv("ASAN_OPTIONS");
    env.push_back(std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") + "detect_leaks=0");
    if (const char* ubsan = std::getenv("UBSAN_OPTIONS")) env.push_back(std::string("UBSAN_OPTIONS=") + ubsan);
    for (const std::string& e : extra) SetEntry(env, e);
    int err = stderrFd_;
    const bool ownErr = err < 0;
    if (ownErr) err = open((logs_->path() + "/stderr.txt").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    endStatus_ = -1;
    pid_ = Spawn({exe_.empty() ? Executable() : exe_}, env, folder_, stdoutFd_, err, stderrClosed_, fileSize_);
    if (ownErr && err >= 0) close(err);
}

void RealGame::Signal(int sig) const {
    if (pid_ > 0) kill(pid_, sig);
}

bool RealGame::Running() {
    if (pid_ > 0 && waitpid(pid_, &endStatus_, WNOHANG) == pid_) pid_ = -1;
    return pid_ > 0;
}

int RealGame::Ended(std::chrono::milliseconds limit) {
    return pid_ > 0 ? WaitFor(std::exchange(pid_, -1), limit) : endStatus_;
}

bool RealGame::WaitForLaunch(std::chrono::milliseconds limit) {
    return WaitUntil([&] { return fs::exists(SettingsFile()) || !Running(); }, limit) && fs::exists(SettingsFile());
}

bool RealGame::WaitForError(const std::string& text, std::chrono::milliseconds limit) {
    return WaitUntil([&] { return Errors().find(text) != std::string::npos; }, limit);
}

void RealGame::Click(const VirtualDisplay& display, int x, int y) const {
    WaitFor(Spawn({"/usr/bin/xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"},
                  {"DISPLAY=" + display.Name()}, folder_, -1, -1),
            10s);
    std::this_thread::sleep_for(500ms);
}

int RealGame::ProcessesLeft() const { return static_cast<int>(LiveProcesses().size()); }

std::map<int, std::string> OpenFiles(pid_t pid) {
    std::map<int, std::string> files;
    const std::string folder = "/proc/" + std::to_string(pid) + "/fd/";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const fs::path target = fs::read_symlink(entry.path(), ec);
        if (!ec) files[std::atoi(entry.path().filename().c_str())] = target.string();
    }
    return files;
}

// Every process started by this copy carries its mark in its environment.
std::vector<pid_t> RealGame::LiveProcesses() const {
    std::vector<pid_t> live;
    DIR* proc = opendir("/proc");
    if (!proc) return live;
    while (const dirent* e = readdir(proc)) {
        const pid_t pid = std::atoi(e->d_name);
        if (pid <= 0) continue;
        const std::string base = "/proc/" + std::string(e->d_name);
        // A zombie has ended; only its parent's wait is missing.
        const std::string stat = ReadFile(base + "/stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos || stat.compare(close, 3, ") Z") == 0) continue;
        if (ReadFile(base + "/environ").find("KORVALO_TEST_MARK=" + mark_ + '\0') != std::string::npos)
            live.push_back(pid);
    }
    closedir(proc);
    return live;
}

std::string RealGame::Errors() const { return ReadFile(logs_->path() + "/stderr.txt"); }

}  // namespace testsupport
