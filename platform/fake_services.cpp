#include "platform/fake_services.h"

namespace {
// The fake library whose SendData entry is live (entries are plain
// function pointers, so the instance is found through here).
std::mutex g_activeMutex;
FakeDynamicLibraries* g_active = nullptr;
// A non-null stand-in for a loaded library.
char g_fakeLibraryHandle;
}  // namespace

int FakeMessageBoxes::Show(const AnsiString& text, const AnsiString& title, unsigned flags) {
    shown_.push_back({text, title, flags});
    return 1;  // IDOK
}

void FakeProcess::Exit(int code) {
    codes_.push_back(code);
    throw ProcessExit{code};
}

FakeDynamicLibraries::FakeDynamicLibraries() : creator_(std::this_thread::get_id()) {
    std::lock_guard lock(g_activeMutex);
    g_active = this;
}

FakeDynamicLibraries::~FakeDynamicLibraries() {
    std::lock_guard lock(g_activeMutex);
    if (g_active == this) g_active = nullptr;
}

void* FakeDynamicLibraries::Load(const char* name) {
    lookups_.push_back(name ? name : "");
    if (mode_ == Missing || !name || std::string(name) != "send.dll") return nullptr;
    return &g_fakeLibraryHandle;
}

void* FakeDynamicLibraries::Entry(void* library, const char* name) {
    lookups_.push_back(name ? name : "");
    if (library != &g_fakeLibraryHandle || mode_ != Present || !name ||
        std::string(name) != "SendData@8")
        return nullptr;
    return reinterpret_cast<void*>(&FakeDynamicLibraries::SendDataEntry);
}

int FakeDynamicLibraries::SendDataEntry(const char* url, const char* method) {
    std::lock_guard lock(g_activeMutex);
    // A report thread may outlive its test; it then reaches nobody.
    return g_active ? g_active->Record(url, method) : -1;
}

int FakeDynamicLibraries::Record(const char* url, const char* method) {
    std::lock_guard lock(mutex_);
    requests_.push_back({url ? url : "", method ? method : "",
                         std::this_thread::get_id() == creator_});
    return result_;
}

std::vector<FakeDynamicLibraries::Request> FakeDynamicLibraries::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

bool FakeThreads::Start(std::function<void()> body) {
    if (failing_) return false;
    ++started_;
    if (hold_)
        held_.push_back(std::move(body));
    else
        body();
    return true;
}

int FakeThreads::RunThreads() {
    std::vector<std::function<void()>> bodies;
    bodies.swap(held_);
    for (auto& body : bodies) body();
    return static_cast<int>(bodies.size());
}

FakeServices::FakeServices() : previous_(Services()) {
    PlatformServices& s = Services();
    s.messageBoxes = &messageBoxes;
    s.process = &process;
    s.libraries = &libraries;
    s.threads = &threads;
    s.shell = &shell;
    s.calendar = &calendar;
}

FakeServices::~FakeServices() {
    // The display may have been replaced meanwhile; keep that choice.
    IDisplay* display = Services().display;
    Services() = previous_;
    Services().display = display;
}
