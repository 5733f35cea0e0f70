// Copies of the game saving into one folder at the same moment, and links
// planted where the save writes its temporary file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/save.h"
#include "platform/plain_file.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCopies = 4;
constexpr int kSavesEach = 250;

// Save number k, every word depending on k.
SaveRecord Numbered(int k) {
    SaveRecord r{};
    r.carriedTotalHi = SplitHi(3 * k);
    r.carriedTotalLo = SplitLo(3 * k);
    r.totalSecondsHi = SplitHi(11 * k);
    r.totalSecondsLo = SplitLo(11 * k);
    r.tramsBought = r.fleetSize = r.selectedTram = 1 + k % 6;
    r.level = k % 3;
    for (int c = 0; c < 4; ++c) {
        r.carriedByClassHi[c] = SplitHi(k + c);
        r.carriedByClassLo[c] = SplitLo(k + c);
    }
    r.moneyHi = SplitHi(1000 + 7 * k);
    r.moneyLo = SplitLo(1000 + 7 * k);
    return r;
}

std::string Slurp(const std::string& path) { return testsupport::ReadFile(path); }

// What is wrong with the file's bytes, or "" when they are save number k
// for some k below `saves`.
std::string Judge(const std::string& bytes, int saves) {
    if (bytes.size() != kSaveFileSize) return std::to_string(bytes.size()) + " bytes";
    const SaveRecord got = DecodeSaveRecord(reinterpret_cast<const unsigned char*>(bytes.data()));
    if (!ValidateSaveRecord(got)) return "a record the game would not write";
    const int k = (JoinSplit(got.moneyHi, got.moneyLo) - 1000) / 7;
    const SaveRecord want = Numbered(k);
    if (k < 0 || k >= saves || std::memcmp(&got, &want, sizeof got) != 0) return "a record no copy wrote";
    return "";
}

class SaveCopies : public ::testing::Test {
protected:
    void TearDown() override {
        SetSaveWriteFault(SaveWriteFault::None);
        SetTemporarySuffixSource({});
    }
    std::string Save() const { return dir_.path() + "/Save.gqs"; }
    testsupport::TempDir dir_;
};

TEST_F(SaveCopies, CopiesSavingAtOnceEachLandWholeAndNoneFails) {
    ASSERT_TRUE(WriteSaveRecordFile(Save(), Numbered(0)));
    // Read the file while they write; any moment's file is one whole save.
    const testsupport::CopiesWatch watch = testsupport::WatchCopiesWriting(
        kCopies,
        [&](int c) {
            for (int n = 0; n < kSavesEach; ++n)
                if (!WriteSaveRecordFile(Save(), Numbered(c * kSavesEach + n))) return 2;
            return 0;
        },
        [&] { return Judge(Slurp(Save()), kCopies * kSavesEach); });
    for (int status : watch.statuses)
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a copy's save failed (status " << status << ")";
    EXPECT_EQ(watch.bad, 0) << "of " << watch.reads << " reads; the first: " << watch.firstBad;
    EXPECT_EQ(Judge(Slurp(Save()), kCopies * kSavesEach), "");
    // No copy left a temporary behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

// A link under the old temporary name and under names a writer could be
// expected to use: the files they point at are neither cut nor created,
// the links stay links and the save is a plain file of its own.
TEST_F(SaveCopies, LinksUnderTemporaryNamesAreNeverWrittenThrough) {
    const std::string victim = dir_.path() + "/victim.txt";
    const std::string victimBytes = "someone else's file, not a saved game\n";
    std::ofstream(victim) << victimBytes;
    const std::string nowhere = dir_.path() + "/made-through-a-link";
    const std::string pid = std::to_string(getpid());
    const std::vector<std::pair<std::string, std::string>> links = {
        {Save() + ".tmp", victim},          {Save() + ".tmp." + pid, victim},
        {Save() + ".tmp." + pid + ".0", victim}, {Save() + ".tmp.1", nowhere},
    };
    for (const auto& [link, target] : links) fs::create_symlink(target, link);

    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(WriteSaveRecordFile(Save(), Numbered(k)));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        struct stat st {};
        ASSERT_EQ(lstat(Save().c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(Judge(Slurp(Save()), 4), "");
        EXPECT_EQ(Slurp(victim), victimBytes);
        EXPECT_FALSE(fs::exists(nowhere));
        for (const auto& [link, target] : links) EXPECT_EQ(fs::read_symlink(link), target) << link;
    }

    // A failed write takes away its own temporary and nothing else.
    SetSaveWriteFault(SaveWriteFault::AfterTempWritten);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteSaveRecordFile(Save(), Numbered(9)));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Judge(Slurp(Save()), 4), "");
    for (const auto& [link, target] : links) EXPECT_TRUE(fs::is_symlink(link)) << link;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()),
              static_cast<long>(links.size()) + 2);
}

// A plain file and a link planted at the very names the save tries first
// (the random part made foreseeable): both are passed over, the file keeps
// its bytes, the link's file is not written, and the save lands whole
// through a name of its own.
TEST_F(SaveCopies, AFileOrALinkAtTheNamesTriedIsPassedOverForAFreshName) {
    std::uint64_t next = 0;
    SetTemporarySuffixSource([&] { return ++next; });
    const std::string stem = Save() + ".tmp." + std::to_string(getpid()) + ".";
    const std::string planted = stem + "0000000000000001", link = stem + "0000000000000002";
    const std::string victim = dir_.path() + "/victim.txt";
    std::ofstream(planted) << "a file that was there before";
    const int inUse = open(planted.c_str(), O_RDONLY);  // a writer at work on it
    ASSERT_EQ(flock(inUse, LOCK_EX), 0);
    std::ofstream(victim) << "someone else's file";
    fs::create_symlink(victim, link);

    ASSERT_TRUE(WriteSaveRecordFile(Save(), Numbered(5)));
    EXPECT_EQ(next, 3u) << "the names tried";
    EXPECT_EQ(Judge(Slurp(Save()), 6), "");
    EXPECT_EQ(Slurp(planted), "a file that was there before");
    EXPECT_EQ(Slurp(victim), "someone else's file");
    EXPECT_EQ(fs::read_symlink(link), victim);
    EXPECT_FALSE(fs::exists(stem + "0000000000000003")) << "the save's own temporary was renamed";
    close(inUse);
}

}  // namespace
