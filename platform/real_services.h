// The real process-level services (Services() starts with these). Tests
// build them directly to point them at other folders or programs.
#pragma once

#include <string>

#include "platform/services.h"

// The system's message box, in a process of its own, its text on stderr as
// well: it stays there after the box is closed, and it is all there is
// where no box can be shown or the game is ending on a stop signal.
class RealMessageBoxes : public IMessageBoxes {
public:
    int Show(const AnsiString& text, const AnsiString& title, unsigned flags) override;
    // The stderr half alone ("Title: text"), for when the display is gone.
    static void ToTerminal(const AnsiString& text, const AnsiString& title);
};

class RealProcess : public IProcess {
public:
    [[noreturn]] void Exit(int code) override;
};

// "name.dll" is the shared object "libname.so" in `folder` (default: the
// executable's folder); an entry "Name@8" is the symbol "Name".
class RealDynamicLibraries : public IDynamicLibraries {
public:
    explicit RealDynamicLibraries(std::string folder = "");
    void* Load(const char* name) override;
    void* Entry(void* library, const char* name) override;
    static std::string FileFor(const std::string& windowsName);
    static std::string SymbolFor(const std::string& entryName);

private:
    std::string folder_;
};

class RealThreads : public IThreads {
public:
    bool Start(std::function<void()> body) override;
};

// Starts `program address` (default xdg-open) without a shell, in its own
// session, output discarded, not waited for; a missing program is ignored.
class RealShell : public IShell {
public:
    explicit RealShell(std::string program = "xdg-open");
    void Open(const AnsiString& address) override;

private:
    std::string program_;
};

class RealCalendar : public ICalendar {
public:
    std::int64_t NowSeconds() override;
};
