// Process-level services the game uses, each behind an interface with a
// real implementation (installed by default) and fakes for tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/types.h"

class IDisplay;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONERROR = 0x10;

// A modal box; the real one writes the text to stderr as well.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual int Show(const AnsiString& text, const AnsiString& title, unsigned flags) = 0;
};

// Ends the process. The real one calls std::exit; the test one throws
// ProcessExit, which only the harness catches.
class IProcess {
public:
    virtual ~IProcess() = default;
    [[noreturn]] virtual void Exit(int code) = 0;
};
struct ProcessExit {
    int code = 0;
};

// Dynamic libraries by their Windows names: "send.dll" is the shared
// object libsend.so beside the executable, entry "SendData@8" is SendData.
class IDynamicLibraries {
public:
    virtual ~IDynamicLibraries() = default;
    virtual void* Load(const char* name) = 0;  // nullptr when missing
    virtual void* Entry(void* library, const char* name) = 0;  // nullptr when missing
};

class IThreads {
public:
    virtual ~IThreads() = default;
    // Starts a detached thread running `body`; false when it could not start.
    virtual bool Start(std::function<void()> body) = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    // Opens the address in the user's browser; the result is not looked at.
    virtual void Open(const AnsiString& address) = 0;
};

class ICalendar {
public:
    virtual ~ICalendar() = default;
    // Calendar time in whole seconds.
    virtual std::int64_t NowSeconds() = 0;
};

struct PlatformServices {
    IMessageBoxes* messageBoxes = nullptr;
    IProcess* process = nullptr;
    IDynamicLibraries* libraries = nullptr;
    IThreads* threads = nullptr;
    IShell* shell = nullptr;
    ICalendar* calendar = nullptr;
    IDisplay* display = nullptr;
};

// The services in force. Starts with the real implementations (display:
// a desktop-mode stand-in until the SDL back end installs its own).
PlatformServices& Services();
// Puts the real implementations back.
void UseRealServices();

// Folder of the running executable (from /proc/self/exe), no trailing slash.
std::string ExecutableFolder();

// Shorthands used by the game.
int MessageBox(const AnsiString& text, const AnsiString& title, unsigned flags);
[[noreturn]] void ExitProcess(int code);
