#include "game/save.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

#include "platform/application.h"
#include "platform/plain_file.h"

SaveRecord g_saveRecord = {};

namespace {

SaveWriteFault g_fault = SaveWriteFault::None;
bool g_unusableReported = false;
bool g_careerUnsaved = false;
bool g_lastTryMade = false;
SaveRecord g_unsavedCareer = {};

constexpr std::size_t kWords = kSaveFileSize / 4;

// A split pair as the game writes it: |lo| < 200, lo not of the opposite
// sign to hi, and the joined value within 32 bits.
bool IsSplitPair(int32 hi, int32 lo, bool nonNegative) {
    if (lo <= -200 || lo >= 200) return false;
    if ((hi > 0 && lo < 0) || (hi < 0 && lo > 0)) return false;
    const std::int64_t v = std::int64_t{hi} * 200 + lo;
    if (v > std::numeric_limits<int32>::max() || v < std::numeric_limits<int32>::min())
        return false;
    return !nonNegative || v >= 0;
}

bool Fail(std::string* why, const char* text) {
    if (why) *why = text;
    return false;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

void Complain(const std::string& path, const char* what) {
    std::fprintf(stderr, "Korvalo: the game could not be saved to %s (%s: %s); the previous save is kept.\n",
                 path.c_str(), what, std::strerror(errno));
}

bool WriteAll(int fd, const unsigned char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t done = ::write(fd, p, n);
        if (done < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += done;
        n -= static_cast<std::size_t>(done);
    }
    return true;
}

}  // namespace

void PackPurchase(SaveRecord& rec) {
    rec.tramsBought = g_tramsBought;
    rec.fleetSize = g_fleetSize;
    rec.selectedTram = g_selectedTram;
    rec.moneyHi = SplitHi(g_money);
    rec.moneyLo = SplitLo(g_money);
}

// The purchase words and the rest of the career: totals, level and the
// passengers of each class.
void PackCareer(SaveRecord& rec) {
    PackPurchase(rec);
    rec.carriedTotalHi = SplitHi(g_carriedTotal);
    rec.carriedTotalLo = SplitLo(g_carriedTotal);
    rec.totalSecondsHi = SplitHi(g_totalSeconds);
    rec.totalSecondsLo = SplitLo(g_totalSeconds);
    rec.level = g_level;
    for (int c = 0; c < 4; ++c) {
        rec.carriedByClassHi[c] = SplitHi(g_carriedByClass[c]);
        rec.carriedByClassLo[c] = SplitLo(g_carriedByClass[c]);
    }
}

void SetNewCareer(SaveRecord& rec) {
    rec = SaveRecord{};
    rec.moneyHi = 1;
    rec.moneyLo = 100;
}

void UnpackCareer(const SaveRecord& given) {
    SaveRecord rec = given;
    if (!ValidateSaveRecord(rec)) SetNewCareer(rec);
    g_carriedTotal = JoinSplit(rec.carriedTotalHi, rec.carriedTotalLo);
    g_totalSeconds = JoinSplit(rec.totalSecondsHi, rec.totalSecondsLo);
    g_tramsBought = rec.tramsBought;
    g_level = rec.level;
    g_fleetSize = rec.fleetSize;
    for (int c = 0; c < 4; ++c)
        g_carriedByClass[c] = JoinSplit(rec.carriedByClassHi[c], rec.carriedByClassLo[c]);
    g_selectedTram = rec.selectedTram;
    g_money = JoinSplit(rec.moneyHi, rec.moneyLo);
}

bool ValidateSaveRecord(const SaveRecord& r, std::string* why) {
    if (r.gameFinished != 0 && r.gameFinished != 1) return Fail(why, "finished flag not 0 or 1");
    if (r.level < 0 || r.level > 2) return Fail(why, "level outside 0..2");
    if (r.tramsBought < 0 || r.tramsBought > 6) return Fail(why, "trams bought outside 0..6");
    if (r.fleetSize < 0 || r.fleetSize > 7) return Fail(why, "fleet outside 0..7");
    if (r.selectedTram < 0 || r.selectedTram > r.fleetSize)
        return Fail(why, "selected tram outside the fleet");
    if (!IsSplitPair(r.carriedTotalHi, r.carriedTotalLo, true))
        return Fail(why, "bad passenger total");
    if (!IsSplitPair(r.totalSecondsHi, r.totalSecondsLo, true)) return Fail(why, "bad play time");
    for (int c = 0; c < 4; ++c)
        if (!IsSplitPair(r.carriedByClassHi[c], r.carriedByClassLo[c], true))
            return Fail(why, "bad passenger count of a class");
    if (!IsSplitPair(r.moneyHi, r.moneyLo, false)) return Fail(why, "bad money");
    return true;
}

void EncodeSaveRecord(const SaveRecord& rec, unsigned char out[kSaveFileSize]) {
    int32 w[kWords];  // the record's fields in file order, no padding
    std::memcpy(w, &rec, sizeof w);
    for (std::size_t i = 0; i < kWords; ++i) {
        const auto u = static_cast<std::uint32_t>(w[i]);
        out[4 * i + 0] = static_cast<unsigned char>(u);
        out[4 * i + 1] = static_cast<unsigned char>(u >> 8);
        out[4 * i + 2] = static_cast<unsigned char>(u >> 16);
        out[4 * i + 3] = static_cast<unsigned char>(u >> 24);
    }
}

SaveRecord DecodeSaveRecord(const unsigned char in[kSaveFileSize]) {
    int32 w[kWords];
    for (std::size_t i = 0; i < kWords; ++i) {
        const std::uint32_t u = std::uint32_t{in[4 * i]} | (std::uint32_t{in[4 * i + 1]} << 8) |
                                (std::uint32_t{in[4 * i + 2]} << 16) |
                                (std::uint32_t{in[4 * i + 3]} << 24);
        w[i] = static_cast<int32>(u);
    }
    SaveRecord rec;
    std::memcpy(&rec, w, sizeof rec);
    return rec;
}

void SetSaveWriteFault(SaveWriteFault fault) { g_fault = fault; }

bool WriteSaveRecordFile(const std::string& path, const SaveRecord& rec) {
    unsigned char bytes[kSaveFileSize];
    EncodeSaveRecord(rec, bytes);

    if (g_fault == SaveWriteFault::BeforeTemp) {
        errno = EIO;
        Complain(path, "cannot create the temporary file");
        return false;
    }
    // A save the player keeps elsewhere through a link is written where
    // the link leads, so that the link stays and the file it names is the
    // career.
    std::string target;
    bool notPlain = false;
    if (!ResolveLinks(path, target, &notPlain)) {
        Complain(path, notPlain ? "the link leads to no plain file" : "the link cannot be followed");
        return false;
    }
    // A temporary of this write's own, beside the file it replaces: another
    // copy of the game saving in the same folder at the same moment writes
    // its own, whatever else stands under a temporary name (an old leftover,
    // a link to some other file) is neither written through nor renamed over
    // the save, and what copies killed in the middle of a save left behind
    // is taken away.
    std::string temp;
    const int fd = CreateOwnTemporary(target, temp, 0644);
    if (fd < 0) {
        Complain(path, "cannot create the temporary file");
        return false;
    }
    bool ok = WriteAll(fd, bytes, sizeof bytes);
    if (!ok) Complain(path, "write failed");
    if (ok && ::fsync(fd) != 0) {
        Complain(path, "sync failed");
        ok = false;
    }
    if (ok && g_fault == SaveWriteFault::AfterTempWritten) {
        errno = EIO;
        Complain(path, "rename failed");
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        Complain(path, "rename failed");
        ok = false;
    }
    if (!ok) ::unlink(temp.c_str());
    // Open until here: the descriptor keeps the temporary locked, in use,
    // until it has been renamed or removed. Its bytes were synced already.
    ::close(fd);
    if (!ok) return false;
    // Make the rename itself durable.
    const int dir = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

SaveReadResult ReadSaveRecordFile(const std::string& path, SaveRecord& rec, std::string* why) {
    SetNewCareer(rec);
    bool notPlain = false;
    const int fd = OpenPlainFile(path, O_RDONLY, &notPlain);
    if (fd < 0) {
        if (!notPlain && errno == ENOENT) return SaveReadResult::Missing;
        if (why) *why = notPlain ? "not a plain file" : std::strerror(errno);
        return SaveReadResult::Unusable;
    }
    std::string bytes;
    const bool readOk = ReadUpTo(fd, kSaveFileSize + 1, bytes);
    ::close(fd);
    if (!readOk) {
        if (why) *why = "read error";
        return SaveReadResult::Unusable;
    }
    if (bytes.size() != kSaveFileSize) {
        if (why) *why = bytes.size() < kSaveFileSize ? "shorter than 76 bytes" : "longer than 76 bytes";
        return SaveReadResult::Unusable;
    }
    const SaveRecord found = DecodeSaveRecord(reinterpret_cast<const unsigned char*>(bytes.data()));
    if (!ValidateSaveRecord(found, why)) return SaveReadResult::Unusable;
    rec = found;
    return SaveReadResult::Loaded;
}

bool WriteSaveFile(TForm1&) {
    g_careerUnsaved = !WriteSaveRecordFile(kSaveFileName, g_saveRecord);
    if (g_careerUnsaved) g_unsavedCareer = g_saveRecord;
    return !g_careerUnsaved;
}

const SaveRecord* UnsavedCareer() { return g_careerUnsaved ? &g_unsavedCareer : nullptr; }

LastSaveTry WriteUnsavedCareerLastTime() {
    if (!g_careerUnsaved || g_lastTryMade) return LastSaveTry::NotMade;
    g_lastTryMade = true;
    if (!WriteSaveRecordFile(kSaveFileName, g_unsavedCareer)) return LastSaveTry::Failed;
    g_careerUnsaved = false;
    return LastSaveTry::Saved;
}

SaveReadResult ReadSaveFile(TForm1&) {
    std::string why;
    const SaveReadResult result = ReadSaveRecordFile(kSaveFileName, g_saveRecord, &why);
    if (result == SaveReadResult::Unusable && !g_unusableReported) {
        g_unusableReported = true;
        const std::string text = std::string("The saved game ") + kSaveFileName +
                                 " could not be read (" + why +
                                 "). A new game begins; the file is kept until the game saves.";
        if (Application)
            Application->ShowException(Exception(text), "ReadSaveFile");
        else
            std::fprintf(stderr, "Korvalo: %s\n", text.c_str());
    }
    return result;
}

void ResetSaveReadReport() {
    g_unusableReported = false;
    g_careerUnsaved = false;
    g_lastTryMade = false;
}
