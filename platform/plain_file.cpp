#include "platform/plain_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

// 64 bits no other writer can foresee: from the kernel, or (should it have
// none to give) from the clock and a counter of this process.
std::uint64_t Unforeseeable() {
    std::uint64_t v = 0;
    if (::getrandom(&v, sizeof v, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof v)) return v;
    static std::atomic<std::uint64_t> counter{0};
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    v = static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(now.tv_sec) << 30);
    return v * 0x9E3779B97F4A7C15ull + ++counter;
}

std::function<std::uint64_t()> g_suffixSource;

// "<decimal pid>.<16 lowercase hex digits>", as CreateOwnTemporary writes
// it after "<file>.tmp.": true for exactly that.
bool IsTemporaryTail(const std::string& tail) {
    const auto dot = tail.find('.');
    if (dot == std::string::npos || dot == 0 || dot > 10 || tail[0] == '0' || tail.size() != dot + 1 + 16)
        return false;
    long long value = 0;
    for (std::size_t i = 0; i < dot; ++i) {
        if (tail[i] < '0' || tail[i] > '9') return false;
        value = value * 10 + (tail[i] - '0');
    }
    for (std::size_t i = dot + 1; i < tail.size(); ++i)
        if (!((tail[i] >= '0' && tail[i] <= '9') || (tail[i] >= 'a' && tail[i] <= 'f'))) return false;
    return value <= INT_MAX;
}

// Takes away the temporaries of `file` whose writers are gone (see
// CreateOwnTemporary). A writer holds a lock on its temporary from its
// creation to its rename, wherever it runs (another sandbox, where its pid
// means nothing here), and a killed writer's lock goes with it: a
// temporary that can be locked here is abandoned. It is taken away while
// locked, so a writer that had just made it and not yet locked it sees it
// gone once it has the lock, and makes another.
void RemoveAbandonedTemporaries(const std::string& file) {
    const auto slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    const std::string prefix = file.substr(slash == std::string::npos ? 0 : slash + 1) + ".tmp.";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0 || !IsTemporaryTail(name.substr(prefix.size()))) continue;
        const int fd = ::openat(::dirfd(dir), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// Takes the lock on a temporary just made. False when a clean-up took the
// temporary away in the moment before (or the lock is not to be had).
bool LockOwnTemporary(int fd) {
    for (int tries = 0; ::flock(fd, LOCK_EX | LOCK_NB) != 0; ++tries) {
        // A file system without locks: the temporary is written unlocked,
        // as the only way to write there.
        if (errno != EWOULDBLOCK && errno != EINTR) return true;
        // A clean-up holds it only while it takes it away.
        if (tries == 100) return false;
        ::usleep(1000);
    }
    struct stat info {};
    return ::fstat(fd, &info) == 0 && info.st_nlink > 0;
}

}  // namespace

int OpenPlainFile(const std::string& path, int flags, bool* notPlain, mode_t mode) {
    if (notPlain) *notPlain = false;
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    ::close(fd);
    if (notPlain) *notPlain = true;
    errno = EINVAL;
    return -1;
}

int CreateOwnTemporary(const std::string& file, std::string& temp, mode_t mode) {
    constexpr int kTries = 16;
    RemoveAbandonedTemporaries(file);
    for (int i = 0; i < kTries; ++i) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".tmp.%ld.%016llx", static_cast<long>(::getpid()),
                      static_cast<unsigned long long>(g_suffixSource ? g_suffixSource() : Unforeseeable()));
        temp = file + suffix;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) break;
        if (fd < 0) continue;
        if (LockOwnTemporary(fd)) return fd;
        ::close(fd);
    }
    temp.clear();
    return -1;
}

void SetTemporarySuffixSource(std::function<std::uint64_t()> source) { g_suffixSource = std::move(source); }

bool ResolveLinks(const std::string& path, std::string& target, bool* notPlain) {
    constexpr int kMaxLinks = 40;
    if (notPlain) *notPlain = false;
    std::string current = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        // Nothing there (yet), or nothing that can be looked at: the write
        // goes there and fails there if it must.
        if (::lstat(current.c_str(), &info) != 0) break;
        if (!S_ISLNK(info.st_mode)) {
            // Under the game's own name the write replaces whatever stands
            // there; at the end of a link it is someone else's.
            if (links > 0 && !S_ISREG(info.st_mode)) {
                if (notPlain) *notPlain = true;
                errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
                return false;
            }
            break;
        }
        if (links == kMaxLinks) {
            errno = ELOOP;
            return false;
        }
        std::string text(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), text.data(), text.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= text.size()) {
            if (n >= 0) errno = n == 0 ? EINVAL : ENAMETOOLONG;
            return false;
        }
        text.resize(static_cast<std::size_t>(n));
        const auto slash = current.rfind('/');
        current = text[0] == '/' || slash == std::string::npos ? text : current.substr(0, slash + 1) + text;
    }
    target = current;
    return true;
}

bool ReadUpTo(int fd, std::size_t limit, std::string& out) {
    // Straight into `out`: a plain file's size says how much room to make
    // at once (one byte more, to see its end), so a picture of some
    // megabytes takes one buffer of its size and two calls.
    std::size_t room = 64 * 1024;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) room = static_cast<std::size_t>(info.st_size) + 1;
    out.assign(std::min(limit, room), '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == out.size()) {
            if (have >= limit) break;
            out.resize(std::min(limit, std::max(have * 2, have + 64 * 1024)));
        }
        const ssize_t n = ::read(fd, out.data() + have, out.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            out.resize(have);
            return n == 0;
        }
        have += static_cast<std::size_t>(n);
    }
    return true;
}
