// The built game as a player's machine runs it: a process of its own,
// started from its executable, on a virtual X server or SDL's dummy
// driver. Every test that needs the real binary goes through here.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/support.h"

namespace testsupport {

// Polls `done` every 20 ms; false when `limit` passes first.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

// The wait status of `pid`, or -1 when it still runs after `limit` (it is
// then killed and reaped).
int WaitFor(pid_t pid, std::chrono::milliseconds limit);

// An X server of the test's own, on a display number Xvfb picks itself.
// Name() is empty when none could be started.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const std::string& screen = "1024x768x24");
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    const std::string& Name() const { return name_; }
    void End();

private:
    pid_t pid_ = -1;
    std::string name_;
};

// What the process `pid` has open: each descriptor and what it names
// ("/dev/null", "socket:[1234]", a path).
std::map<int, std::string> OpenFiles(pid_t pid);

// True when Xvfb and xdotool are there to drive a real window.
bool CanDriveARealWindow();

// One copy of the game, in a fresh folder of its own with the asset
// folders linked (or in `sharedFolder`, for copies side by side). Its
// settings store lives in that folder (HOME and XDG_CONFIG_HOME), sound
// goes to OpenAL's null device, the launch reports go to a port nothing
// listens on, and it runs in a process group of its own. Whatever of it
// still runs when the object dies is killed.
class RealGame {
public:
    RealGame();
    explicit RealGame(const std::string& sharedFolder);
    ~RealGame();
    RealGame(const RealGame&) = delete;
    RealGame& operator=(const RealGame&) = delete;

    // False when the game is not built.
    static bool Built();
    // Extra "NAME=value" entries replace the defaults of the same name;
    // "-NAME" drops a default.
    void Start(const std::vector<std::string>& env = {});
    // Before Start: stdout and stderr to these descriptors instead of
    // /dev/null and the file Errors() reads (-1 keeps that default).
    void UseStreams(int stdoutFd, int stderrFd) { stdoutFd_ = stdoutFd, stderrFd_ = stderrFd; }
    // Before Start: stderr closed (`korvalo 2>&-`).
    void CloseStderr() { stderrClosed_ = true; }
    // Before Start: no file written beyond `bytes` (`ulimit -f`).
    void LimitFileSize(unsigned long bytes) { fileSize_ = bytes; }
    // Before Start: another executable than the built game (a copy).
    void UseExecutable(const std::string& exe) { exe_ = exe; }
    pid_t Pid() const { return pid_; }
    // False once it has ended (its end is kept for Ended).
    bool Running();
    void Signal(int sig) const;
    // The wait status of its end, -1 when it ran on past `limit` (it is
    // then killed).
    int Ended(std::chrono::milliseconds limit);
    // Until the launch is counted (the settings store appears), which
    // happens once the window is up; false when the game ended first or
    // `limit` passed.
    bool WaitForLaunch(std::chrono::milliseconds limit = std::chrono::seconds(60));
    // Until stderr holds `text`; false when `limit` passed first.
    bool WaitForError(const std::string& text, std::chrono::milliseconds limit);

    // A left click at a point of the playing area (1024 x 768 screen).
    void Click(const VirtualDisplay& display, int x, int y) const;
    // Processes started by this copy (the game, its message box, anything
    // it spawned) that are still alive, zombies not counted.
    int ProcessesLeft() const;
    std::vector<pid_t> LiveProcesses() const;

    const std::string& Folder() const { return folder_; }
    std::string SaveFile() const { return folder_ + "/Save.gqs"; }
    std::string SettingsFile() const { return folder_ + "/Qalt/Drevik.settings"; }
    std::string Errors() const;

private:
    std::unique_ptr<TempDir> own_;
    std::unique_ptr<TempDir> logs_;
    std::string folder_;
    std::string mark_;
    std::string exe_;
    int stdoutFd_ = -1, stderrFd_ = -1;
    bool stderrClosed_ = false;
    unsigned long fileSize_ = ~0ul;
    pid_t pid_ = -1;
    int endStatus_ = -1;
};

}  // namespace testsupport
