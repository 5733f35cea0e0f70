// The saved game: the split by 200, the file image, crash-safe writing
// and reading files the game never wrote.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "game/save.h"
#include "game/state.h"
#include "platform/application.h"
#include "platform/headless.h"
#include "tests/support/support.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

int32 WordAt(const Bytes& b, std::size_t word) {
    const std::size_t o = 4 * word;
    return static_cast<int32>(std::uint32_t{b[o]} | std::uint32_t{b[o + 1]} << 8 |
                              std::uint32_t{b[o + 2]} << 16 | std::uint32_t{b[o + 3]} << 24);
}

Bytes Image(const SaveRecord& rec) {
    Bytes b(kSaveFileSize);
    EncodeSaveRecord(rec, b.data());
    return b;
}

SaveRecord NewCareer() {
    SaveRecord r;
    SetNewCareer(r);
    return r;
}

bool SameRecord(const SaveRecord& a, const SaveRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A career in the globals, each split value chosen to exercise the split.
void SetCareer(int32 money, int32 carried, int32 seconds) {
    g_money = money;
    g_carriedTotal = carried;
    g_totalSeconds = seconds;
    g_carriedByClass[0] = 399;
    g_carriedByClass[1] = 200;
    g_carriedByClass[2] = 1;
    g_carriedByClass[3] = 0;
    g_tramsBought = 4;
    g_fleetSize = 5;
    g_selectedTram = 3;
    g_level = 2;
}

// Runs the rest of a test in `dir`, and goes back whatever happens.
class InFolder {
public:
    explicit InFolder(const std::string& dir) : home_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~InFolder() { std::filesystem::current_path(home_); }

private:
    std::filesystem::path home_;
};

class SaveTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override {
        SetSaveWriteFault(SaveWriteFault::None);
        ResetGameState();
    }
    std::string Path() const { return dir_.path() + "/Save.gqs"; }
    testsupport::TempDir dir_;
};

}  // namespace

TEST_F(SaveTest, SplitBy200TruncatesAndJoinsBackExactly) {
    struct Case {
        int32 v, hi, lo;
    };
    const Case cases[] = {{300, 1, 100}, {199, 0, 199}, {200, 1, 0},     {10000, 50, 0},
                          {1234, 6, 34}, {-30, 0, -30}, {-230, -1, -30}, {0, 0, 0},
                          {INT_MAX, INT_MAX / 200, INT_MAX % 200},       {INT_MIN, INT_MIN / 200, INT_MIN % 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(SplitHi(c.v), c.hi);
        EXPECT_EQ(SplitLo(c.v), c.lo);
        EXPECT_EQ(JoinSplit(c.hi, c.lo), c.v);
    }
}

TEST_F(SaveTest, CareerSurvivesTheFileWordForWord) {
    for (int32 money : {300, 199, 200, -30, 10000}) {
        SCOPED_TRACE(money);
        SetCareer(money, 1234, 7261);
        SaveRecord rec{};
        rec.gameFinished = 1;
        PackCareer(rec);
        ASSERT_TRUE(WriteSaveRecordFile(Path(), rec));

        const Bytes file = ReadBytes(Path());
        ASSERT_EQ(file.size(), kSaveFileSize);
        // finished (rides along untouched), passengers hi, seconds hi, trams
        // bought, level, fleet, class hi 0..3, selected, passengers lo,
        // seconds lo, class lo 0..3, money hi, money lo
        const std::vector<int32> words = {1, 6, 36, 4, 2, 5, 1, 1, 0, 0, 3, 34, 61, 199, 0, 1, 0,
                                          money / 200, money % 200};
        for (std::size_t w = 0; w < words.size(); ++w) EXPECT_EQ(WordAt(file, w), words[w]) << "word " << w;

        ResetGameState();
        SaveRecord back;
        ASSERT_EQ(ReadSaveRecordFile(Path(), back), SaveReadResult::Loaded);
        UnpackCareer(back);
        EXPECT_EQ(back.gameFinished, 1);
        EXPECT_EQ(g_money, money);
        EXPECT_EQ(g_carriedTotal, 1234);
        EXPECT_EQ(g_totalSeconds, 7261);
        EXPECT_EQ(g_carriedByClass[0], 399);
        EXPECT_EQ(g_carriedByClass[1], 200);
        EXPECT_EQ(g_level, 2);
        EXPECT_EQ(g_selectedTram, 3);
    }
}

TEST_F(SaveTest, PurchasePacksOnlyTramsAndMoney) {
    SetCareer(600, 1234, 100);
    SaveRecord rec{};
    PackCareer(rec);
    const SaveRecord afterRun = rec;

    g_money = 300;
    g_tramsBought = 3;
    g_fleetSize = 3;
    g_selectedTram = 3;
    g_carriedTotal = 9999;  // moved on during a later run: not part of a purchase
    g_level = 0;
    PackPurchase(rec);
    SaveRecord want = afterRun;
    want.tramsBought = want.fleetSize = want.selectedTram = 3;
    want.moneyHi = 1;
    want.moneyLo = 100;
    EXPECT_TRUE(SameRecord(rec, want));
}

TEST_F(SaveTest, MissingFileGivesTheNewCareerAndWritesNothing) {
    SaveRecord rec;
    rec.level = 2;
    EXPECT_EQ(ReadSaveRecordFile(Path(), rec), SaveReadResult::Missing);
    EXPECT_TRUE(SameRecord(rec, NewCareer()));
    EXPECT_FALSE(std::filesystem::exists(Path()));
    UnpackCareer(rec);
    EXPECT_EQ(g_money, 300);
}

TEST_F(SaveTest, FailedWriteKeepsTheOldFileByteForByte) {
    SetCareer(500, 10, 10);
    SaveRecord old{};
    PackCareer(old);
    ASSERT_TRUE(WriteSaveRecordFile(Path(), old));
    const Bytes before = ReadBytes(Path());

    SetCareer(9000, 400, 400);
    SaveRecord next{};
    PackCareer(next);
    for (SaveWriteFault fault : {SaveWriteFault::BeforeTemp, SaveWriteFault::AfterTempWritten}) {
        SetSaveWriteFault(fault);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(WriteSaveRecordFile(Path(), next));
        EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be saved"), std::string::npos);
        EXPECT_EQ(ReadBytes(Path()), before);
        // No temporary file left behind: the save alone is in the folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
    SetSaveWriteFault(SaveWriteFault::None);

    // A folder that does not exist: refused, nothing created.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteSaveRecordFile(dir_.path() + "/gone/Save.gqs", next));
    testing::internal::GetCapturedStderr();

    ASSERT_TRUE(WriteSaveRecordFile(Path(), next));
    EXPECT_EQ(ReadBytes(Path()), Image(next));
}

TEST_F(SaveTest, FilesTheGameNeverWroteAreRefusedAndLeftAlone) {
    SaveRecord good{};
    SetCareer(700, 50, 50);
    PackCareer(good);
    ASSERT_TRUE(ValidateSaveRecord(good));

    std::vector<std::pair<const char*, Bytes>> files;
    files.push_back({"empty", {}});
    Bytes shorter = Image(good);
    shorter.pop_back();
    files.push_back({"75 bytes", shorter});
    Bytes longer = Image(good);
    longer.push_back(0);
    files.push_back({"77 bytes", longer});
    files.push_back({"4 KiB", Bytes(4096, 0)});

    auto bad = [&](const char* what, auto change) {
        SaveRecord r = good;
        change(r);
        files.push_back({what, Image(r)});
    };
    bad("finished 2", [](SaveRecord& r) { r.gameFinished = 2; });
    bad("level 3", [](SaveRecord& r) { r.level = 3; });
    bad("level -1", [](SaveRecord& r) { r.level = -1; });
    bad("7 trams bought", [](SaveRecord& r) { r.tramsBought = 7; });
    bad("fleet 8", [](SaveRecord& r) { r.fleetSize = 8; });
    bad("selected beyond fleet", [](SaveRecord& r) { r.selectedTram = r.fleetSize + 1; });
    bad("selected -1", [](SaveRecord& r) { r.selectedTram = -1; });
    bad("negative passengers", [](SaveRecord& r) { r.carriedTotalHi = -1; });
    bad("negative seconds", [](SaveRecord& r) { r.totalSecondsLo = -5; });
    bad("negative class count", [](SaveRecord& r) { r.carriedByClassLo[3] = -1; });
    bad("low word 200", [](SaveRecord& r) { r.carriedByClassLo[1] = 200; });
    bad("money overflows", [](SaveRecord& r) { r.moneyHi = INT_MAX; });
    bad("money signs differ", [](SaveRecord& r) { r.moneyHi = 2, r.moneyLo = -5; });

    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        WriteBytes(Path(), bytes);
        SaveRecord rec = good;
        std::string why;
        EXPECT_EQ(ReadSaveRecordFile(Path(), rec, &why), SaveReadResult::Unusable);
        EXPECT_FALSE(why.empty());
        EXPECT_TRUE(SameRecord(rec, NewCareer()));
        EXPECT_EQ(ReadBytes(Path()), bytes);
    }

    // A folder where the file should be.
    std::filesystem::remove(Path());
    std::filesystem::create_directory(Path());
    SaveRecord rec;
    EXPECT_EQ(ReadSaveRecordFile(Path(), rec), SaveReadResult::Unusable);
}

// The form-level routines work on "Save.gqs" in the working directory.
TEST_F(SaveTest, GameReadsAndWritesSaveGqsAndReportsABadFileOnce) {
    Headless headless;
    Application->ClearReports();
    auto form = std::make_unique<TForm1>();
    InFolder here(dir_.path());

    EXPECT_EQ(ReadSaveFile(*form), SaveReadResult::Missing);
    EXPECT_FALSE(std::filesystem::exists("Save.gqs"));

    WriteBytes("Save.gqs", Bytes(10, 0xFF));
    testing::internal::CaptureStderr();
    EXPECT_EQ(ReadSaveFile(*form), SaveReadResult::Unusable);
    EXPECT_EQ(ReadSaveFile(*form), SaveReadResult::Unusable);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(SameRecord(g_saveRecord, NewCareer()));
    ASSERT_EQ(Application->Reports().size(), 1u);
    EXPECT_NE(Application->Reports()[0].message.find("Save.gqs could not be read"), std::string::npos);
    EXPECT_EQ(ReadBytes("Save.gqs"), Bytes(10, 0xFF));

    // The next save replaces the bad file.
    g_money = 450;
    PackCareer(g_saveRecord);
    EXPECT_TRUE(WriteSaveFile(*form));
    EXPECT_EQ(ReadSaveFile(*form), SaveReadResult::Loaded);
    UnpackCareer(g_saveRecord);
    EXPECT_EQ(g_money, 450);
}
