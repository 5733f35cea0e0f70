// Picture loading: LoadBitmapFile with its cache, TPicture, the load log.
//
// The cache holds decoded bitmaps by path ("//" counts as "/"). Every load
// still asks the file system about the file, and the cached bitmap is used
// only while the file's identity, size and times are unchanged, so a file
// that has gone missing is reported and a changed file is read again.
//
// The cache is bounded: the loading sequence reads every picture of the
// game once, far more than a run shows, so the pictures used longest ago
// are dropped past a budget (a widget showing one keeps it) and read again
// when asked for.
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <list>
#include <string>
#include <unordered_map>

#include "platform/bmp_decoder.h"
#include "platform/image.h"
#include "platform/picture.h"
#include "platform/plain_file.h"

namespace {

// Bitmap files larger than this are not read (the largest asset is far
// smaller); a hostile file cannot make us allocate without bound.
constexpr long long kMaxBitmapFileBytes = 80LL * 1024 * 1024;

// Room for every small picture a run uses and a good part of the large
// landscapes and streets.
constexpr std::size_t kMaxCachedBytes = 32u * 1024 * 1024;

// Pictures are large blocks that come and go: kept out of the heap, a
// dropped one goes back to the system at once instead of leaving a hole.
constexpr int kOwnMappingBytes = 256 * 1024;

class BitmapCache {
public:
    struct Entry {
        struct stat info;
        std::shared_ptr<const Bitmap> bitmap;
        std::list<std::string>::iterator use;
    };

    BitmapCache() { mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes); }

    // The cached bitmap of `key` while `info` still describes its file.
    std::shared_ptr<const Bitmap> Find(const std::string& key, const struct stat& info) {
        auto it = entries_.find(key);
        if (it == entries_.end() || !SameFile(it->second.info, info)) return nullptr;
        uses_.splice(uses_.begin(), uses_, it->second.use);
        return it->second.bitmap;
    }

    void Put(const std::string& key, const struct stat& info, std::shared_ptr<const Bitmap> bitmap) {
        Erase(key);
        uses_.push_front(key);
        bytes_ += Bytes(*bitmap);
        entries_[key] = Entry{info, std::move(bitmap), uses_.begin()};
        while (bytes_ > kMaxCachedBytes && entries_.size() > 1) Erase(uses_.back());
    }

    void Erase(const std::string& key) {
        auto it = entries_.find(key);
        if (it == entries_.end()) return;
        bytes_ -= Bytes(*it->second.bitmap);
        uses_.erase(it->second.use);
        entries_.erase(it);
    }

    void Clear() {
        entries_.clear();
        uses_.clear();
        bytes_ = 0;
    }

private:
    static bool SameFile(const struct stat& a, const struct stat& b) {
        return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
               a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
               a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
    }
    static std::size_t Bytes(const Bitmap& b) {
        return b.pixels.size() * sizeof(std::uint32_t) + b.spans.size() * sizeof(Bitmap::Span) +
               b.rowStart.size() * sizeof(std::uint32_t);
    }

    std::unordered_map<std::string, Entry> entries_;
    std::list<std::string> uses_;  // most recently used first
    std::size_t bytes_ = 0;
};

BitmapCache& Cache() {
    static BitmapCache cache;
    return cache;
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
    // Whatever replaced the file since it was looked at is checked again
    // on what was opened, which never waits.
    const int fd = OpenPlainFile(path, O_RDONLY);
    if (fd < 0) return nullptr;
    std::string data;
    const bool ok = ReadUpTo(fd, static_cast<std::size_t>(kMaxBitmapFileBytes), data);
    ::close(fd);
    if (!ok) return nullptr;
    return DecodeBmp(reinterpret_cast<const std::uint8_t*>(data.data()), data.size(), nullptr);
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
        cache.Erase(key);
        throw EFOpenError(path);
    }
    if (auto cached = cache.Find(key, info)) return cached;
    std::shared_ptr<const Bitmap> bitmap = ReadFile(path, info);
    if (!bitmap) {
        cache.Erase(key);
        throw EFOpenError(path);
    }
    cache.Put(key, info, bitmap);
    return bitmap;
}

void ClearBitmapCache() { Cache().Clear(); }

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
