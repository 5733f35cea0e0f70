// Picture loading: LoadBitmapFile with its cache, TPicture, the load log.
//
// The cache holds decoded bitmaps by path ("//" counts as "/"). Every load
// still asks the file system about the file, and the cached bitmap is used
// only while the file's identity, size and times are unchanged, so a file
// that has gone missing is reported and a changed file is read again.
#include <sys/stat.h>

#include <cstdio>
#include <unordered_map>

#include "platform/bmp_decoder.h"
#include "platform/image.h"
#include "platform/picture.h"

namespace {

// Bitmap files larger than this are not read (the largest asset is far
// smaller); a hostile file cannot make us allocate without bound.
constexpr long long kMaxBitmapFileBytes = 80LL * 1024 * 1024;

constexpr std::size_t kMaxCachedBytes = 512u * 1024 * 1024;

struct CacheEntry {
    struct stat info;
    std::shared_ptr<const Bitmap> bitmap;
};

std::unordered_map<std::string, CacheEntry>& Cache() {
    static std::unordered_map<std::string, CacheEntry> cache;
    return cache;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

std::string CacheKey(const AnsiString& path) {
    std::string key;
    key.reserve(path.size());
    for (char c : path)
        if (c != '/' || key.empty() || key.back() != '/') key += c;
    return key;
}

std::shared_ptr<const Bitmap> ReadFile(const AnsiString& path, const struct stat& info) {
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxBitmapFileBytes) return nullptr;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return nullptr;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(info.st_size));
    std::size_t got = data.empty() ? 0 : std::fread(data.data(), 1, data.size(), f);
    std::fclose(f);
    return DecodeBmp(data.data(), got, nullptr);
}

bool g_logOn = false;
std::vector<LoadRecord>& Log() {
    static std::vector<LoadRecord> log;
    return log;
}

}  // namespace

std::shared_ptr<const Bitmap> LoadBitmapFile(const AnsiString& path) {
    auto& cache = Cache();
    std::string key = CacheKey(path);
    struct stat info;
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        cache.erase(key);
        throw EFOpenError(path);
    }
    auto it = cache.find(key);
    if (it != cache.end() && SameFile(it->second.info, info)) return it->second.bitmap;
    auto bitmap = ReadFile(path, info);
    if (!bitmap) {
        cache.erase(key);
        throw EFOpenError(path);
    }
    // Bounded: past the limit start over (the game's working set is far smaller).
    static std::size_t cachedBytes = 0;
    std::size_t bytes = bitmap->pixels.size() * sizeof(std::uint32_t);
    if (cachedBytes + bytes > kMaxCachedBytes) {
        cache.clear();
        cachedBytes = 0;
    }
    cachedBytes += bytes;
    cache[key] = CacheEntry{info, bitmap};
    return bitmap;
}

void ClearBitmapCache() { Cache().clear(); }

void EnableLoadLog(bool on) { g_logOn = on; }
const std::vector<LoadRecord>& LoadLog() { return Log(); }
void ClearLoadLog() { Log().clear(); }

void RecordLoad(const TControl* owner, const AnsiString& path, bool ok) {
    if (g_logOn) Log().push_back({owner ? owner->Name : AnsiString(), path, ok});
}

void TPicture::LoadFromFile(const AnsiString& path) {
    std::shared_ptr<const Bitmap> bitmap;
    try {
        bitmap = LoadBitmapFile(path);
    } catch (const EFOpenError&) {
        RecordLoad(owner_, path, false);
        throw;
    }
    RecordLoad(owner_, path, true);
    bitmap_ = std::move(bitmap);
    fileName_ = path;
    if (auto* image = dynamic_cast<TImage*>(owner_)) image->PictureChanged();
}

bool TPicture::LoadDesignTime(const AnsiString& path) {
    try {
        bitmap_ = LoadBitmapFile(path);
    } catch (const EFOpenError&) {
        std::fprintf(stderr, "design-time picture missing: %s\n", path.c_str());
        return false;
    }
    fileName_ = path;
    if (auto* image = dynamic_cast<TImage*>(owner_)) image->PictureChanged();
    return true;
}
