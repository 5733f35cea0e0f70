// Any bytes as "Save.gqs": the reader gives either the file's record, which
// then holds only values the game can use (the tram price table and the
// goal table are indexed by them), or the new career. A loaded record
// survives unpacking, packing and writing unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "game/save.h"
#include "game/state.h"

namespace {

bool SameRecord(const SaveRecord& a, const SaveRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

SaveRecord NewCareer() {
    SaveRecord r{};
    SetNewCareer(r);
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzz::ScratchDir() + "/Save.gqs";
    static const std::string copy = fuzz::ScratchDir() + "/Copy.gqs";
    fuzz::WriteFileBytes(path, data, size);

    SaveRecord rec{};
    std::memset(&rec, 0x5A, sizeof rec);  // must not leak through
    std::string why;
    const SaveReadResult result = ReadSaveRecordFile(path, rec, &why);
    if (result != SaveReadResult::Loaded) {
        FUZZ_CHECK(result == SaveReadResult::Unusable);
        FUZZ_CHECK(!why.empty());
        FUZZ_CHECK(SameRecord(rec, NewCareer()));
        return 0;
    }
    FUZZ_CHECK(size == kSaveFileSize);
    FUZZ_CHECK(ValidateSaveRecord(rec));
    unsigned char bytes[kSaveFileSize];
    EncodeSaveRecord(rec, bytes);
    FUZZ_CHECK(std::memcmp(bytes, data, kSaveFileSize) == 0);

    // The career as the game holds it stays within its tables.
    ResetGameState();
    UnpackCareer(rec);
    FUZZ_CHECK(g_level >= 0 && g_level <= 2);
    FUZZ_CHECK(g_tramsBought >= 0 && g_tramsBought <= 6);
    FUZZ_CHECK(g_fleetSize >= 0 && g_fleetSize <= 7);
    FUZZ_CHECK(g_selectedTram >= 0 && g_selectedTram <= g_fleetSize);
    FUZZ_CHECK(g_carriedTotal >= 0 && g_totalSeconds >= 0);
    for (int c = 0; c < 4; ++c) FUZZ_CHECK(g_carriedByClass[c] >= 0);

    // Packed again, written and read back: the same record.
    SaveRecord again = rec;
    PackCareer(again);
    FUZZ_CHECK(SameRecord(again, rec));
    FUZZ_CHECK(WriteSaveRecordFile(copy, again));
    SaveRecord reread{};
    FUZZ_CHECK(ReadSaveRecordFile(copy, reread) == SaveReadResult::Loaded);
    FUZZ_CHECK(SameRecord(reread, rec));
    return 0;
}
