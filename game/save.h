// The saved game: the player's career in one 76-byte file "Save.gqs" in
// the working directory, the little-endian image of 19 signed 32-bit
// words (g_saveRecord). Values that can grow are split by 200 into a
// high and a low word: hi = v / 200, lo = v % 200, both truncating (lo
// has the sign of v), restored as hi * 200 + lo.
//
// Writing is crash-safe: the bytes go to a temporary file in the same
// folder, which is flushed and synced and then renamed over the save; a
// failed write keeps the previous file and says so on stderr. Each write
// creates a temporary of its own, so copies of the game saving at once
// each land whole, and nothing planted under a temporary name is written;
// temporaries that copies killed in the middle of a save left are taken
// away. A save that is a symbolic link (the player keeps it elsewhere) is
// written where the link leads and stays a link; a link to no plain file
// fails the save.
// Reading never trusts the file: a missing file gives the new career
// without writing anything; a short, long or out-of-range file, or
// anything that is not a plain file (a folder, a pipe, a device), is not
// used (new career, reported once through the application's error
// report) and stays untouched until the next save.
//
// A career that could not be written is remembered: until a later save
// succeeds it, not the older file, is the career in play.
#pragma once

#include <cstddef>
#include <string>

#include "game/state.h"

class TForm1;

struct SaveRecord {
    int32 gameFinished;         // word 0: 1 once the last level's goals are met
    int32 carriedTotalHi;       // 1
    int32 totalSecondsHi;       // 2
    int32 tramsBought;          // 3
    int32 level;                // 4
    int32 fleetSize;            // 5
    int32 carriedByClassHi[4];  // 6..9
    int32 selectedTram;         // 10 (1-based, 0 after a new game)
    int32 carriedTotalLo;       // 11
    int32 totalSecondsLo;       // 12
    int32 carriedByClassLo[4];  // 13..16
    int32 moneyHi;              // 17
    int32 moneyLo;              // 18
};
static_assert(sizeof(SaveRecord) == 76, "the save file is the record's image");

constexpr std::size_t kSaveFileSize = 76;
constexpr const char* kSaveFileName = "Save.gqs";

extern SaveRecord g_saveRecord;

// --- the split by 200 ------------------------------------------------------
inline int32 SplitHi(int32 v) { return v / 200; }
inline int32 SplitLo(int32 v) { return v % 200; }
// hi * 200 + lo; only for pairs ValidateSaveRecord accepted (or SplitHi /
// SplitLo produced), which cannot overflow.
inline int32 JoinSplit(int32 hi, int32 lo) { return hi * 200 + lo; }

// --- packing and unpacking ------------------------------------------------
// Words 1..18 from the career globals; word 0 keeps its value (end of line).
void PackCareer(SaveRecord& rec);
// Only tramsBought, fleetSize, selectedTram and the money (tram purchase).
void PackPurchase(SaveRecord& rec);
// Words 0..16 zero, money 300 (NEW GAME; also what a missing or unusable
// file gives).
void SetNewCareer(SaveRecord& rec);
// The career globals from words 1..18 (word 0 is not copied anywhere).
// A record ValidateSaveRecord refuses is never unpacked: the globals get
// the new career instead (ReadSaveFile already leaves only valid records
// in g_saveRecord).
void UnpackCareer(const SaveRecord& rec);

// Is `rec` a record the game could have written? Level 0..2, trams bought
// 0..6, fleet 0..7, selected tram 0..fleet, no counter below 0, finished
// flag 0 or 1, every low word within -199..199 with the sign of its value,
// every joined value within 32 bits. On false, `why` (if given) says what.
bool ValidateSaveRecord(const SaveRecord& rec, std::string* why = nullptr);

// --- bytes ------------------------------------------------------------------
void EncodeSaveRecord(const SaveRecord& rec, unsigned char out[kSaveFileSize]);
SaveRecord DecodeSaveRecord(const unsigned char in[kSaveFileSize]);

// --- files ------------------------------------------------------------------
enum class SaveReadResult {
    Loaded,      // the file was read and is valid
    Missing,     // no file: the new career
    Unusable,    // wrong size, unreadable or invalid: the new career
};

// Test hook: make the next writes fail at a chosen point.
enum class SaveWriteFault {
    None,
    BeforeTemp,        // the temporary file cannot be created
    AfterTempWritten,  // the temporary file is complete, the rename fails
};
void SetSaveWriteFault(SaveWriteFault fault);

// Writes `rec` to `path` crash-safely; false (and a line on stderr) when
// anything failed, in which case the file at `path` is as it was.
bool WriteSaveRecordFile(const std::string& path, const SaveRecord& rec);
// Reads and validates `path` into `rec`; on anything but Loaded `rec` is
// the new career. `why` gets the reason for Unusable.
SaveReadResult ReadSaveRecordFile(const std::string& path, SaveRecord& rec,
                                  std::string* why = nullptr);

// g_saveRecord to "Save.gqs". Returns whether it reached the disk. A
// failed write remembers g_saveRecord as the unsaved career; a successful
// one forgets it.
bool WriteSaveFile(TForm1& form);
// The career whose save failed, or nullptr when the file holds the
// career in play.
const SaveRecord* UnsavedCareer();
// The last try, as the program ends, at writing the unsaved career (not
// g_saveRecord, which a run may have moved on since). It is made once:
// the quit sequence and the end of the program both ask for it, and the
// player is to hear the outcome once. NotMade when nothing is unsaved or
// the try was made already.
enum class LastSaveTry { NotMade, Saved, Failed };
LastSaveTry WriteUnsavedCareerLastTime();
// "Save.gqs" into g_saveRecord, always leaving a valid record there. An
// unusable file is reported once per process through the application's
// error report ("The saved game Save.gqs could not be read ...").
SaveReadResult ReadSaveFile(TForm1& form);
// Forget that an unusable file was reported, any unsaved career and the
// last try at it (ResetGameState, tests).
void ResetSaveReadReport();
