// The sound library over OpenAL Soft.
#include "platform/openal/openal_sound.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/cp1250.h"
#include "platform/plain_file.h"

namespace {

// Handles must survive a trip through a 32-bit float.
constexpr int kHandleLimit = 16777216;
// The longest sound the game has (the menu music) is a few megabytes;
// anything far beyond that is no sound of this game.
constexpr std::size_t kMaxWaveFileBytes = 64u * 1024 * 1024;

// The bytes of a wave file, read like the pictures: only a plain file,
// opened without waiting, so a pipe or a device under a sound's name is
// a sound that cannot be played instead of a game that waits for ever.
bool ReadWaveFile(const std::string& path, std::string& bytes, std::string& why) {
    bool notPlain = false;
    const int fd = OpenPlainFile(path, O_RDONLY, &notPlain);
    if (fd < 0) {
        why = notPlain ? "not a plain file" : std::strerror(errno);
        return false;
    }
    const bool read = ReadUpTo(fd, kMaxWaveFileBytes + 1, bytes);
    const int readError = errno;
    ::close(fd);
    if (!read) {
        why = std::strerror(readError);
        return false;
    }
    if (bytes.size() > kMaxWaveFileBytes) {
        why = "file too large";
        return false;
    }
    return true;
}

std::string Utf8(const std::wstring& wide) {
    std::string out;
    for (wchar_t wc : wide) AppendUtf8(out, static_cast<char32_t>(static_cast<std::uint32_t>(wc)));
    return out;
}

}  // namespace

struct OpenAlSoundLibrary::Impl {
    struct Voice {
        ALuint source = 0;
        bool loop = false;
    };

    Options options;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    LPALCRENDERSAMPLESSOFT renderSamples = nullptr;
    bool initialized = false;
    bool destroyed = false;
    std::map<std::string, ALuint> buffers;  // 0: the file could not be used
    std::map<int, Voice> voices;            // by handle, so oldest first
    int nextHandle = 1;

    bool Live() const { return device && context && !destroyed; }

    void MakeCurrent() {
        if (alcGetCurrentContext() != context) alcMakeContextCurrent(context);
    }

    bool OpenLoopback() {
        if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return false;
        auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
            alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
        if (!open) return false;
        device = open(nullptr);
        if (!device) return false;
        renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
            alcGetProcAddress(device, "alcRenderSamplesSOFT"));
        // Plain mono float output, nothing shaping the signal, so what a
        // test measures is what the sources were told.
        const ALCint attrs[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_MONO_SOFT,
                                ALC_FORMAT_TYPE_SOFT,     ALC_FLOAT_SOFT,
                                ALC_FREQUENCY,            options.loopbackRate,
                                ALC_HRTF_SOFT,            ALC_FALSE,
                                ALC_OUTPUT_LIMITER_SOFT,  ALC_FALSE,
                                0};
        context = renderSamples ? alcCreateContext(device, attrs) : nullptr;
        return context != nullptr;
    }

    bool OpenDevice() {
        device = alcOpenDevice(options.deviceName.empty() ? nullptr : options.deviceName.c_str());
        if (!device) return false;
        context = alcCreateContext(device, nullptr);
        return context != nullptr;
    }

    void Open() {
        const bool ok = options.loopback ? OpenLoopback() : OpenDevice();
        if (ok && alcMakeContextCurrent(context)) return;
        CloseDevice();
        std::fprintf(stderr, "Korvalo: no sound device, the game stays silent\n");
    }

    void CloseDevice() {
        if (context) {
            if (alcGetCurrentContext() == context) alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
        }
        if (device) alcCloseDevice(device);
        context = nullptr;
        device = nullptr;
    }

    int NewHandle() {
        // Skipping numbers still in use keeps a handle unique even after
        // the counter has come round (some 16 million starts).
        for (;;) {
            const int h = nextHandle;
            nextHandle = nextHandle + 1 < kHandleLimit ? nextHandle + 1 : 1;
            if (!voices.count(h)) return h;
        }
    }

    // Decodes a wave file once and keeps it as a buffer of 16-bit samples.
    ALuint BufferFor(const std::string& path) {
        if (auto it = buffers.find(path); it != buffers.end()) return it->second;
        ALuint buffer = Decode(path);
        buffers[path] = buffer;
        return buffer;
    }

    ALuint Decode(const std::string& path) {
        std::string bytes, why;
        if (!ReadWaveFile(path, bytes, why)) {
            std::fprintf(stderr, "Korvalo: cannot play %s: %s\n", path.c_str(), why.c_str());
            return 0;
        }
        SDL_AudioSpec wave;
        Uint8* data = nullptr;
        Uint32 length = 0;
        SDL_RWops* in = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        if (!in || !SDL_LoadWAV_RW(in, 1, &wave, &data, &length)) {
            std::fprintf(stderr, "Korvalo: cannot play %s: %s\n", path.c_str(), SDL_GetError());
            return 0;
        }
        const int channels = wave.channels >= 2 ? 2 : 1;
        SDL_AudioCVT cvt;
        const int need = SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq,
                                           AUDIO_S16SYS, static_cast<Uint8>(channels), wave.freq);
        std::vector<Uint8> samples;
        if (need >= 0) {
            samples.assign(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult > 0 ? cvt.len_mult : 1), 0);
            std::memcpy(samples.data(), data, length);
            if (need > 0) {
                cvt.buf = samples.data();
                cvt.len = static_cast<int>(length);
                if (SDL_ConvertAudio(&cvt) == 0)
                    samples.resize(static_cast<std::size_t>(cvt.len_cvt));
                else
                    samples.clear();
            } else {
                samples.resize(length);
            }
        }
        SDL_FreeWAV(data);
        const std::size_t frame = 2u * static_cast<std::size_t>(channels);
        samples.resize(samples.size() / frame * frame);
        if (samples.empty()) {
            std::fprintf(stderr, "Korvalo: cannot play %s: no usable samples\n", path.c_str());
            return 0;
        }
        alGetError();
        ALuint buffer = 0;
        alGenBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR) return 0;
        alBufferData(buffer, channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, samples.data(),
                     static_cast<ALsizei>(samples.size()), wave.freq);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &buffer);
            std::fprintf(stderr, "Korvalo: cannot play %s: unsupported format\n", path.c_str());
            return 0;
        }
        return buffer;
    }

    void Release(Voice& v) {
        alSourceStop(v.source);
        alSourcei(v.source, AL_BUFFER, 0);
        alDeleteSources(1, &v.source);
    }

    // Finished one-shots give their sources back.
    void Reap() {
        for (auto it = voices.begin(); it != voices.end();) {
            ALint state = AL_PLAYING;
            if (!it->second.loop) alGetSourcei(it->second.source, AL_SOURCE_STATE, &state);
            if (state == AL_STOPPED) {
                Release(it->second);
                it = voices.erase(it);
            } else {
                ++it;
            }
        }
    }

    // Out of sources: the oldest one-shot makes room; loops are never cut.
    bool DropOldestOneShot() {
        for (auto it = voices.begin(); it != voices.end(); ++it) {
            if (!it->second.loop) {
                Release(it->second);
                voices.erase(it);
                return true;
            }
        }
        return false;
    }

    ALuint NewSource() {
        for (;;) {
            alGetError();
            ALuint source = 0;
            alGenSources(1, &source);
            if (alGetError() == AL_NO_ERROR) return source;
            if (!DropOldestOneShot()) return 0;
        }
    }

    Voice* Find(int handle) {
        if (!Live()) return nullptr;
        auto it = voices.find(handle);
        if (it == voices.end()) return nullptr;
        MakeCurrent();
        return &it->second;
    }

    void StopEverything() {
        for (auto& [handle, v] : voices) Release(v);
        voices.clear();
    }
};

OpenAlSoundLibrary::OpenAlSoundLibrary() : OpenAlSoundLibrary(Options{}) {}

OpenAlSoundLibrary::OpenAlSoundLibrary(Options options) : impl_(std::make_unique<Impl>()) {
    impl_->options = std::move(options);
}

OpenAlSoundLibrary::~OpenAlSoundLibrary() { Destroy(); }

int OpenAlSoundLibrary::Init(int) {
    Impl& s = *impl_;
    if (s.initialized || s.destroyed) return 0;
    s.initialized = true;
    s.Open();
    return 0;
}

int OpenAlSoundLibrary::Start(const std::wstring& path, int loop, float volume) {
    Impl& s = *impl_;
    const int handle = s.NewHandle();
    if (!s.Live()) return handle;  // silent: a handle that is already stopped
    s.MakeCurrent();
    s.Reap();
    const ALuint buffer = s.BufferFor(Utf8(path));
    if (!buffer) return handle;
    const ALuint source = s.NewSource();
    if (!source) return handle;
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    // Every sound plays as it is, not placed in space.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcef(source, AL_GAIN, std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 0.0f);
    alSourcef(source, AL_PITCH, 1.0f);
    alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    alSourcePlay(source);
    s.voices[handle] = Impl::Voice{source, loop != 0};
    return handle;
}

void OpenAlSoundLibrary::Stop(int handle) {
    Impl& s = *impl_;
    if (Impl::Voice* v = s.Find(handle)) {
        s.Release(*v);
        s.voices.erase(handle);
    }
}

void OpenAlSoundLibrary::StopAll(int) {
    Impl& s = *impl_;
    if (!s.Live()) return;
    s.MakeCurrent();
    s.StopEverything();
}

void OpenAlSoundLibrary::SetFrequency(int handle, float factor) {
    if (!(factor > 0.0f) || !std::isfinite(factor)) return;
    if (Impl::Voice* v = impl_->Find(handle)) alSourcef(v->source, AL_PITCH, factor);
}

void OpenAlSoundLibrary::SetVolume(int handle, float volume) {
    if (!std::isfinite(volume)) return;
    if (Impl::Voice* v = impl_->Find(handle)) alSourcef(v->source, AL_GAIN, std::clamp(volume, 0.0f, 1.0f));
}

void OpenAlSoundLibrary::Update() {
    Impl& s = *impl_;
    if (!s.Live()) return;
    s.MakeCurrent();
    s.Reap();
}

void OpenAlSoundLibrary::Destroy() {
    Impl& s = *impl_;
    if (s.destroyed) return;
    s.destroyed = true;
    if (!s.device || !s.context) return;
    s.MakeCurrent();
    s.StopEverything();
    for (auto& [path, buffer] : s.buffers)
        if (buffer) alDeleteBuffers(1, &buffer);
    s.buffers.clear();
    s.CloseDevice();
}

bool OpenAlSoundLibrary::HasDevice() const { return impl_->Live(); }

int OpenAlSoundLibrary::ActiveVoices() {
    Impl& s = *impl_;
    if (!s.Live()) return 0;
    s.MakeCurrent();
    s.Reap();
    return static_cast<int>(s.voices.size());
}

std::vector<float> OpenAlSoundLibrary::Render(int frames) {
    Impl& s = *impl_;
    if (!s.Live() || !s.options.loopback || !s.renderSamples || frames <= 0) return {};
    s.MakeCurrent();
    std::vector<float> out(static_cast<std::size_t>(frames));
    s.renderSamples(s.device, out.data(), frames);
    return out;
}
