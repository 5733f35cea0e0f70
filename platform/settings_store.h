// The per-user settings store (in place of the registry). A key such as
// "Software\Qalt\Drevik" is a small file under $XDG_CONFIG_HOME (default
// ~/.config) holding typed values. Writes replace the file atomically (a
// store that is a symbolic link is replaced where the link leads). A
// corrupt or unreadable store reads as missing; a pipe, device or folder
// in place of the file makes the key impossible to open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

struct SettingsKey;
using HSETTINGS = SettingsKey*;

enum SettingType : std::uint32_t { REG_NONE = 0, REG_SZ = 1, REG_BINARY = 3, REG_DWORD = 4 };

// Opens (creating if needed) the key. nullptr on failure, also when
// something other than a plain file stands where the store should be (or
// at the end of the symbolic link that stands there). When `created`
// is given it is set to 1 for a newly created key (or one whose store was
// unreadable and starts afresh), 0 for an existing one.
HSETTINGS OpenSettingsKey(const AnsiString& key, int* created = nullptr);
// Releases the key; false for nullptr.
bool CloseSettingsKey(HSETTINGS key);
bool SettingExists(HSETTINGS key, const AnsiString& value);
// Reads a DWORD: a value of another type of at most 4 bytes is read
// little-endian; a longer one makes the read fail (returns false).
bool ReadSettingDword(HSETTINGS key, const AnsiString& value, std::uint32_t* out);
bool WriteSettingDword(HSETTINGS key, const AnsiString& value, std::uint32_t data);
// Raw typed write (tests put values of other types).
bool WriteSettingRaw(HSETTINGS key, const AnsiString& value, SettingType type,
                     const std::vector<std::uint8_t>& data);

// Every write takes the lock on the store's folder, reads the store again
// and keeps what other copies of the game wrote meanwhile. When another
// program holds that lock the write waits for it about two seconds once
// per process, then fails: nothing is written without the lock (a folder
// that cannot be locked at all is written without it), and a missing store
// is not created.
//
// SettingsLock holds the lock for a whole step, so that reading a value
// and writing what follows from it is one step no other copy comes
// between. It reads the store again as it takes the lock; reads and writes
// through `key` while it lives happen under it. Busy() tells that the lock
// was held by another program: writes through `key` fail. One at a time
// per key; nullptr is allowed (nothing is locked).
class SettingsLock {
public:
    explicit SettingsLock(HSETTINGS key);
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;
    bool Busy() const { return busy_; }

private:
    HSETTINGS key_;
    int fd_ = -1;
    bool busy_ = false;
};

// Folder the store lives in (tests point it at a temporary folder; an
// empty folder restores $XDG_CONFIG_HOME, or ~/.config). Setting it also
// forgets that this process gave up waiting for a lock.
void SetSettingsRoot(const std::string& folder);
std::string SettingsRoot();
// The file that holds a key ("" for a key name that cannot be a path).
std::string SettingsFile(const AnsiString& key);
