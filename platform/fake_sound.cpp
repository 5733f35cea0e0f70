#include "platform/fake_sound.h"

#include <cstdio>

#include "platform/application.h"

namespace {

std::string Narrow(const std::wstring& wide) {
    std::string out;
    for (wchar_t c : wide) out.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    return out;
}

FakeSoundLibrary::Call MakeCall(const char* name, int arg = 0, float value = 0.0f,
                                const std::string& path = "", int handle = 0) {
    FakeSoundLibrary::Call c;
    c.name = name;
    c.arg = arg;
    c.value = value;
    c.path = path;
    c.handle = handle;
    return c;
}

std::string Number(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

}  // namespace

std::string FakeSoundLibrary::Call::Text() const {
    std::string args;
    if (name == "_SoundSpust@12")
        args = path + ", " + std::to_string(arg) + ", " + Number(value);
    else if (name == "_SoundNastavFreq@8" || name == "_SoundNastavHlasitost@8")
        args = std::to_string(arg) + ", " + Number(value);
    else if (name != "_updateXaudio@0" && name != "_SoundDestroy@0")
        args = std::to_string(arg);
    std::string text = name + "(" + args + ")";
    if (name == "_SoundSpust@12") text += " -> " + std::to_string(handle);
    return text;
}

FakeSoundLibrary::FakeSoundLibrary(bool install) {
    if (install) {
        previous_ = CurrentSoundLibrary();
        UseSoundLibrary(this);
        installed_ = true;
    }
}

FakeSoundLibrary::~FakeSoundLibrary() {
    if (installed_ && CurrentSoundLibrary() == this) UseSoundLibrary(previous_);
}

void FakeSoundLibrary::SetClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }

void FakeSoundLibrary::SetDuration(const std::string& path, std::int64_t ms) { durations_[path] = ms; }

std::int64_t FakeSoundLibrary::Now() const {
    if (clock_) return clock_();
    return Application ? Application->Scheduler().Now() : 0;
}

void FakeSoundLibrary::ExpireOneShots() {
    if (durations_.empty()) return;
    const std::int64_t now = Now();
    for (auto& [handle, v] : voices_) {
        if (!v.playing || v.loop) continue;
        auto d = durations_.find(v.path);
        if (d != durations_.end() && now >= v.startMs + d->second) v.playing = false;
    }
}

void FakeSoundLibrary::Log(Call call) {
    if (!initialized_) ++beforeInit_;
    if (destroyed_) ++afterDestroy_;
    call.timeMs = Now();
    calls_.push_back(std::move(call));
}

FakeSoundLibrary::Voice* FakeSoundLibrary::Live(int handle) {
    ExpireOneShots();
    auto it = voices_.find(handle);
    if (it == voices_.end() || !it->second.playing) {
        ++staleCalls_;
        return nullptr;
    }
    return &it->second;
}

int FakeSoundLibrary::Init(int arg) {
    // Init itself never counts as a call before Init.
    initialized_ = true;
    Log(MakeCall("_SoundInit@4", arg));
    return 0;
}

int FakeSoundLibrary::Start(const std::wstring& path, int loop, float volume) {
    ExpireOneShots();
    const int handle = nextHandle_++;
    Voice v;
    v.handle = handle;
    v.path = Narrow(path);
    v.loop = loop;
    v.volume = volume;
    v.playing = true;
    v.startMs = Now();
    voices_[handle] = v;
    Log(MakeCall("_SoundSpust@12", loop, volume, v.path, handle));
    return handle;
}

void FakeSoundLibrary::Stop(int handle) {
    Log(MakeCall("_SoundZastav@4", handle));
    if (Voice* v = Live(handle)) v->playing = false;
}

void FakeSoundLibrary::StopAll(int arg) {
    Log(MakeCall("_SoundZastavVse@4", arg));
    for (auto& [handle, v] : voices_) v.playing = false;
}

void FakeSoundLibrary::SetFrequency(int handle, float factor) {
    Log(MakeCall("_SoundNastavFreq@8", handle, factor));
    if (Voice* v = Live(handle)) v->factor = factor;
}

void FakeSoundLibrary::SetVolume(int handle, float volume) {
    Log(MakeCall("_SoundNastavHlasitost@8", handle, volume));
    if (Voice* v = Live(handle)) v->volume = volume;
}

void FakeSoundLibrary::Update() { Log(MakeCall("_updateXaudio@0")); }

void FakeSoundLibrary::Destroy() {
    Log(MakeCall("_SoundDestroy@0"));
    destroyed_ = true;
    for (auto& [handle, v] : voices_) v.playing = false;
}

std::vector<FakeSoundLibrary::Call> FakeSoundLibrary::CallsNamed(const std::string& name) const {
    std::vector<Call> out;
    for (const Call& c : calls_)
        if (c.name == name) out.push_back(c);
    return out;
}

std::vector<FakeSoundLibrary::Call> FakeSoundLibrary::StartsOf(const std::string& path) const {
    std::vector<Call> out;
    for (const Call& c : calls_)
        if (c.name == "_SoundSpust@12" && c.path == path) out.push_back(c);
    return out;
}

std::string FakeSoundLibrary::LogText() const {
    std::string text;
    for (const Call& c : calls_) text += c.Text() + "\n";
    return text;
}

void FakeSoundLibrary::ClearLog() { calls_.clear(); }

const FakeSoundLibrary::Voice* FakeSoundLibrary::Find(int handle) const {
    const_cast<FakeSoundLibrary*>(this)->ExpireOneShots();
    auto it = voices_.find(handle);
    return it == voices_.end() ? nullptr : &it->second;
}

bool FakeSoundLibrary::IsPlaying(int handle) const {
    const Voice* v = Find(handle);
    return v && v->playing;
}

std::vector<const FakeSoundLibrary::Voice*> FakeSoundLibrary::Playing(const std::string& path) const {
    std::vector<const Voice*> out;
    for (const Voice* v : AllPlaying())
        if (v->path == path) out.push_back(v);
    return out;
}

int FakeSoundLibrary::PlayingCount(const std::string& path) const {
    return static_cast<int>(Playing(path).size());
}

std::vector<const FakeSoundLibrary::Voice*> FakeSoundLibrary::AllPlaying() const {
    const_cast<FakeSoundLibrary*>(this)->ExpireOneShots();
    std::vector<const Voice*> out;
    for (const auto& [handle, v] : voices_)
        if (v.playing) out.push_back(&v);
    return out;
}

void FakeSoundLibrary::End(int handle) {
    auto it = voices_.find(handle);
    if (it != voices_.end() && !it->second.loop) it->second.playing = false;
}

void FakeSoundLibrary::EndOneShots() {
    for (auto& [handle, v] : voices_)
        if (!v.loop) v.playing = false;
}
