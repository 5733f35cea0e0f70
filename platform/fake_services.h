// Fakes of the process-level services for tests. FakeServices installs
// all of them into Services() and puts the previous ones back when it
// dies (the display is left as it is).
//
//   FakeServices fake;
//   fake.libraries.SetMode(FakeDynamicLibraries::Missing);
//   EXPECT_THROW(LoadSendLibrary(), ProcessExit);
//   EXPECT_EQ(fake.messageBoxes.Shown().size(), 1u);
//
//   fake.threads.SetHold(true);          // thread bodies wait ...
//   CountLaunchAndReport();
//   fake.threads.RunThreads();           // ... until here
//   EXPECT_EQ(fake.libraries.Requests()[0].url, "http://.../data.php?program=spusten&count=1");
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/services.h"

class FakeMessageBoxes : public IMessageBoxes {
public:
    struct Box {
        AnsiString text;
        AnsiString title;
        unsigned flags = 0;
    };
    int Show(const AnsiString& text, const AnsiString& title, unsigned flags) override;
    const std::vector<Box>& Shown() const { return shown_; }

private:
    std::vector<Box> shown_;
};

// Exit records the code and throws ProcessExit, so no game code runs after it.
class FakeProcess : public IProcess {
public:
    [[noreturn]] void Exit(int code) override;
    const std::vector<int>& ExitCodes() const { return codes_; }

private:
    std::vector<int> codes_;
};

// The statistics library: present, missing, or present without its entry.
// Its SendData records every request and returns Result().
class FakeDynamicLibraries : public IDynamicLibraries {
public:
    enum Mode { Present, Missing, EntryMissing };
    struct Request {
        std::string url;
        std::string method;
        bool onCreatorThread = false;  // false: came from another thread
    };

    FakeDynamicLibraries();
    ~FakeDynamicLibraries() override;
    FakeDynamicLibraries(const FakeDynamicLibraries&) = delete;
    FakeDynamicLibraries& operator=(const FakeDynamicLibraries&) = delete;

    void* Load(const char* name) override;
    void* Entry(void* library, const char* name) override;

    void SetMode(Mode mode) { mode_ = mode; }
    void SetResult(int result) { result_ = result; }
    // Names asked for, in order (Load and Entry alike).
    const std::vector<std::string>& Lookups() const { return lookups_; }
    std::vector<Request> Requests() const;  // thread safe copy

private:
    static int SendDataEntry(const char* url, const char* method);
    int Record(const char* url, const char* method);

    Mode mode_ = Present;
    int result_ = 0;
    std::vector<std::string> lookups_;
    std::thread::id creator_;
    mutable std::mutex mutex_;
    std::vector<Request> requests_;
};

// Runs each body at once on the calling thread, or holds it until
// RunThreads(). SetFailing makes Start report that no thread started.
class FakeThreads : public IThreads {
public:
    bool Start(std::function<void()> body) override;
    void SetHold(bool hold) { hold_ = hold; }
    void SetFailing(bool failing) { failing_ = failing; }
    // Runs the held bodies in start order; returns how many ran.
    int RunThreads();
    int Started() const { return started_; }
    int Held() const { return static_cast<int>(held_.size()); }

private:
    bool hold_ = false;
    bool failing_ = false;
    int started_ = 0;
    std::vector<std::function<void()>> held_;
};

class FakeShell : public IShell {
public:
    void Open(const AnsiString& address) override { opened_.push_back(address); }
    const std::vector<AnsiString>& Opened() const { return opened_; }

private:
    std::vector<AnsiString> opened_;
};

class FakeCalendar : public ICalendar {
public:
    std::int64_t NowSeconds() override { return seconds_; }
    void Set(std::int64_t seconds) { seconds_ = seconds; }

private:
    std::int64_t seconds_ = 1000000000;
};

struct FakeServices {
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    FakeMessageBoxes messageBoxes;
    FakeProcess process;
    FakeDynamicLibraries libraries;
    FakeThreads threads;
    FakeShell shell;
    FakeCalendar calendar;

private:
    PlatformServices previous_;
};
