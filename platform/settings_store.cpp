// The per-user settings store. A key "Software\Maker\Product" is the text
// file <root>/Maker/Product.settings; each line holds one value:
//
//   korvalo settings 1
//   launchcounter=4:2a000000
//
// name '=' type ':' data bytes in hex. The whole file is read when the key
// is opened and rewritten atomically on every write; a write reads it again
// first, under a lock on its folder, so that values another copy of the
// game wrote meanwhile are kept. A file that does not parse is treated as a
// missing store: its values are gone, nothing else.
#include "platform/settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>

#include "platform/plain_file.h"

namespace {

constexpr char kHeader[] = "korvalo settings 1";
constexpr std::size_t kMaxFileSize = 1 << 20;
constexpr std::size_t kMaxValueSize = 1 << 16;

std::string g_rootOverride;

struct Value {
    std::uint32_t type = REG_NONE;
    std::vector<std::uint8_t> data;
};
using Values = std::map<std::string, Value>;

bool ValidName(const std::string& name) {
    if (name.empty() || name.size() > 255) return false;
    for (unsigned char c : name)
        if (c <= 0x20 || c >= 0x7F || c == '=') return false;
    return true;
}

bool ValidPathPart(const std::string& part) {
    if (part.empty() || part == "." || part == ".." || part.size() > 255) return false;
    for (unsigned char c : part)
        if (c < 0x20 || c == 0x7F || c == '/') return false;
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseLine(const std::string& line, Values& values) {
    const auto eq = line.find('=');
    const auto colon = line.find(':', eq == std::string::npos ? 0 : eq);
    if (eq == std::string::npos || colon == std::string::npos) return false;
    const std::string name = line.substr(0, eq);
    const std::string type = line.substr(eq + 1, colon - eq - 1);
    const std::string hex = line.substr(colon + 1);
    if (!ValidName(name) || values.count(name)) return false;
    if (type.empty() || type.size() > 10 || hex.size() % 2 || hex.size() / 2 > kMaxValueSize)
        return false;
    std::uint64_t t = 0;
    for (char c : type) {
        if (c < '0' || c > '9') return false;
        t = t * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (t > 0xFFFFFFFFu) return false;
    Value v;
    v.type = static_cast<std::uint32_t>(t);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = HexDigit(hex[i]), lo = HexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) return false;
        v.data.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    values[name] = std::move(v);
    return true;
}

// Reads the store; false when it is missing, unreadable or corrupt, and
// then `notPlain` tells whether something other than a plain file (a
// pipe, a device, a folder) stands in its place.
bool ReadStore(const std::string& file, Values& values, bool* notPlain) {
    values.clear();
    const int fd = OpenPlainFile(file, O_RDONLY, notPlain);
    if (fd < 0) return false;
    std::string text;
    bool ok = ReadUpTo(fd, kMaxFileSize + 1, text) && text.size() <= kMaxFileSize;
    close(fd);
    if (!ok || text.empty() || text.back() != '\n') return false;
    std::size_t pos = 0;
    bool first = true;
    while (pos < text.size()) {
        const auto end = text.find('\n', pos);
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (first) {
            if (line != kHeader) return false;
            first = false;
        } else if (!ParseLine(line, values)) {
            values.clear();
            return false;
        }
    }
    return true;
}

std::string Format(const Values& values) {
    static const char digits[] = "0123456789abcdef";
    std::string text = std::string(kHeader) + "\n";
    for (const auto& [name, v] : values) {
        text += name + "=" + std::to_string(v.type) + ":";
        for (std::uint8_t b : v.data) {
            text.push_back(digits[b >> 4]);
            text.push_back(digits[b & 15]);
        }
        text += "\n";
    }
    return text;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Temporary file, fsync, rename over the old one, fsync of the folder: a
// crash leaves either the old store or the new one, never half of one.
// The temporary is this write's own (see CreateOwnTemporary), so another
// copy of the game writing at the same moment, or a link planted under a
// temporary name, can neither tear the store nor be written through. A
// store the player keeps elsewhere through a link is replaced where the
// link leads, and the link stays.
bool ReplaceFile(const std::string& file, const std::string& text) {
    std::string target;
    if (!ResolveLinks(file, target)) return false;
    std::string temp;
    const int fd = CreateOwnTemporary(target, temp, 0600);
    if (fd < 0) return false;
    // The descriptor keeps the temporary locked (in use) until it is renamed.
    const bool ok = WriteAll(fd, text) && fsync(fd) == 0 && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    close(fd);
    if (!ok) return false;
    const int dir = open(target.substr(0, target.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

// Once a start has waited in vain for the lock, it does not wait again:
// whoever holds it is not letting go soon, and the game is to come up.
std::atomic<bool> g_gaveUpWaiting{false};

enum class LockState { Held, Busy, Unlockable };

// An exclusive lock on the store's folder, so that two copies of the game
// reading and writing the store at once each keep what the other has just
// written. The wait is bounded: a lock not given within about two seconds
// (another program holds it) is Busy, and later tries of this start do not
// wait for it at all. A folder that cannot be locked at all (no flock
// there) is Unlockable: the store is used without the lock, as the only
// way to use it. Returns the descriptor that holds the lock, or -1.
int LockFolder(const std::string& file, LockState& state) {
    state = LockState::Unlockable;
    const int fd = open(file.substr(0, file.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    for (int wait = 0; flock(fd, LOCK_EX | LOCK_NB) != 0; ++wait) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            close(fd);
            return -1;
        }
        if (g_gaveUpWaiting || wait == 200) {
            g_gaveUpWaiting = true;
            state = LockState::Busy;
            close(fd);
            return -1;
        }
        usleep(10 * 1000);
    }
    state = LockState::Held;
    return fd;
}

// The lock on the store's folder for one step (closing releases it).
class FolderLock {
public:
    explicit FolderLock(const std::string& file) : fd_(LockFolder(file, state_)) {}
    ~FolderLock() {
        if (fd_ >= 0) close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool Busy() const { return state_ == LockState::Busy; }

private:
    LockState state_;
    int fd_;
};

bool MakeFolders(const std::string& folder) {
    std::string path;
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        const auto next = folder.find('/', pos + 1);
        path = folder.substr(0, next);
        pos = next;
        if (path.empty()) continue;
        if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    return "";
}

}  // namespace

struct SettingsKey {
    std::string file;
    Values values;
    bool locked = false;  // a SettingsLock holds the store's lock for it
};

void SetSettingsRoot(const std::string& folder) {
    g_rootOverride = folder;
    g_gaveUpWaiting = false;
}

std::string SettingsRoot() {
    if (!g_rootOverride.empty()) return g_rootOverride;
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    const std::string home = HomeFolder();
    return home.empty() ? "" : home + "/.config";
}

std::string SettingsFile(const AnsiString& key) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    for (;;) {
        const auto sep = key.find('\\', pos);
        parts.push_back(key.substr(pos, sep == std::string::npos ? std::string::npos : sep - pos));
        if (sep == std::string::npos) break;
        pos = sep + 1;
    }
    if (parts.size() > 1 && parts.front() == "Software") parts.erase(parts.begin());
    for (const std::string& p : parts)
        if (!ValidPathPart(p)) return "";
    const std::string root = SettingsRoot();
    if (root.empty()) return "";
    std::string file = root;
    for (const std::string& p : parts) file += "/" + p;
    return file + ".settings";
}

HSETTINGS OpenSettingsKey(const AnsiString& key, int* created) {
    const std::string file = SettingsFile(key);
    if (file.empty() || !MakeFolders(file.substr(0, file.rfind('/')))) return nullptr;
    auto* k = new SettingsKey{file, {}};
    bool fresh = false;
    bool notPlain = false;
    if (!ReadStore(file, k->values, &notPlain)) {
        // Not a file the store can live in: the key cannot be opened, and
        // whatever is there is left alone.
        if (notPlain) {
            delete k;
            return nullptr;
        }
        fresh = true;
        // A missing store is created now, as opening a key creates it; an
        // unreadable one is left alone until the next write replaces it.
        // Under the lock: a store another copy has just created and
        // written to is not replaced by an empty one. Without it (another
        // program holds it) nothing is created: the key reads as empty.
        if (access(file.c_str(), F_OK) != 0) {
            const FolderLock lock(file);
            if (!lock.Busy() && access(file.c_str(), F_OK) != 0 && !ReplaceFile(file, Format(k->values))) {
                delete k;
                return nullptr;
            }
        }
    }
    if (created) *created = fresh ? 1 : 0;
    return k;
}

bool CloseSettingsKey(HSETTINGS key) {
    if (!key) return false;
    delete key;
    return true;
}

bool SettingExists(HSETTINGS key, const AnsiString& value) {
    return key && key->values.count(value) > 0;
}

bool ReadSettingDword(HSETTINGS key, const AnsiString& value, std::uint32_t* out) {
    if (!key || !out) return false;
    const auto it = key->values.find(value);
    if (it == key->values.end() || it->second.data.size() > 4) return false;
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < it->second.data.size(); ++i)
        v |= static_cast<std::uint32_t>(it->second.data[i]) << (8 * i);
    *out = v;
    return true;
}

bool WriteSettingRaw(HSETTINGS key, const AnsiString& value, SettingType type,
                     const std::vector<std::uint8_t>& data) {
    if (!key || !ValidName(value) || data.size() > kMaxValueSize) return false;
    // Under a SettingsLock the lock is held already; taking it again
    // through another descriptor would wait for ourselves.
    std::optional<FolderLock> lock;
    if (!key->locked) {
        lock.emplace(key->file);
        // Written without the lock, the store could lose what another
        // copy writes meanwhile; this write is lost instead.
        if (lock->Busy()) return false;
    }
    // The store as it is now, with what others wrote since the key was
    // opened; when it cannot be read, what this key knows.
    Values next;
    if (!ReadStore(key->file, next, nullptr)) next = key->values;
    next[value] = Value{type, data};
    if (!ReplaceFile(key->file, Format(next))) return false;
    key->values = std::move(next);
    return true;
}

bool WriteSettingDword(HSETTINGS key, const AnsiString& value, std::uint32_t data) {
    return WriteSettingRaw(key, value, REG_DWORD,
                           {static_cast<std::uint8_t>(data), static_cast<std::uint8_t>(data >> 8),
                            static_cast<std::uint8_t>(data >> 16),
                            static_cast<std::uint8_t>(data >> 24)});
}

SettingsLock::SettingsLock(HSETTINGS key) : key_(key) {
    if (!key_) return;
    LockState state;
    fd_ = LockFolder(key_->file, state);
    busy_ = state == LockState::Busy;
    if (busy_) return;
    key_->locked = true;
    // What other copies wrote since the key was opened; when the store
    // cannot be read, what the key knows.
    Values now;
    if (ReadStore(key_->file, now, nullptr)) key_->values = std::move(now);
}

SettingsLock::~SettingsLock() {
    if (key_) key_->locked = false;
    if (fd_ >= 0) close(fd_);
}
