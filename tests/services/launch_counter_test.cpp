// The launch counter in the settings store and the first launch report;
// every launch counted, also with copies of the game started at once or
// another program holding the store's lock.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <utility>

#include "app/statistics.h"
#include "platform/fake_services.h"
#include "platform/settings_store.h"
#include "tests/support/http_server.h"
#include "tests/support/real_game.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::ReadFile;

constexpr char kKey[] = "Software\\Qalt\\Drevik";
constexpr int kCopies = 10;

// The count a launch report carries, -1 for any other request.
int ReportedCount(const std::string& url) {
    const auto at = url.find("program=spusten&count=");
    return at == std::string::npos ? -1 : std::atoi(url.c_str() + at + 22);
}

std::multiset<int> OneToTen() {
    std::multiset<int> counts;
    for (int n = 1; n <= kCopies; ++n) counts.insert(n);
    return counts;
}

class LaunchCounter : public ::testing::Test {
protected:
    void SetUp() override {
        SetSettingsRoot(dir_.path() + "/config");
        SetStatisticsEndpoints("http://stats.test", "http://stats2.test");
        LoadSendLibrary();  // the fake library, present
        fake_.threads.SetHold(true);
    }
    void TearDown() override {
        SetSettingsRoot("");
        SetStatisticsEndpoints("", "");
        g_sendLibrary = nullptr;
        g_sendDataProc = nullptr;
    }

    // Runs one start's count and report; returns the reported address.
    std::string Launch() {
        const auto before = fake_.libraries.Requests().size();
        CountLaunchAndReport();
        EXPECT_EQ(fake_.libraries.Requests().size(), before) << "the report must wait for its thread";
        fake_.threads.RunThreads();
        const auto requests = fake_.libraries.Requests();
        EXPECT_EQ(requests.size(), before + 1);
        if (requests.size() != before + 1) return "";
        EXPECT_EQ(requests.back().method, "GET");
        return requests.back().url;
    }
    void Store(SettingType type, std::vector<std::uint8_t> data) {
        HSETTINGS key = OpenSettingsKey(kKey);
        ASSERT_NE(key, nullptr);
        ASSERT_TRUE(WriteSettingRaw(key, "launchcounter", type, data));
        CloseSettingsKey(key);
    }
    std::uint32_t Stored() {
        HSETTINGS key = OpenSettingsKey(kKey);
        std::uint32_t v = 0xDEAD;
        EXPECT_TRUE(ReadSettingDword(key, "launchcounter", &v));
        CloseSettingsKey(key);
        return v;
    }
    std::string StoreFile() const { return dir_.path() + "/config/Qalt/Drevik.settings"; }

    testsupport::TempDir dir_;
    FakeServices fake_;
};

TEST_F(LaunchCounter, FirstStartCreatesTheKeyThenCountsOnAndWrapsAtTheLargestValue) {
    ASSERT_FALSE(std::filesystem::exists(StoreFile()));
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=1");
    EXPECT_EQ(Stored(), 1u);
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=2");
    int created = -1;
    CloseSettingsKey(OpenSettingsKey(kKey, &created));
    EXPECT_EQ(created, 0);

    Store(REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=0");
    EXPECT_EQ(Stored(), 0u);
}

TEST_F(LaunchCounter, OtherTypesOfAtMostFourBytesReadLittleEndianLongerOnesStartAgain) {
    Store(REG_BINARY, {0x29, 0x01});  // 0x0129 = 297
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=298");
    // Written back as a DWORD.
    EXPECT_NE(ReadFile(StoreFile()).find("launchcounter=4:2a010000\n"), std::string::npos);

    Store(REG_SZ, {'7', 0});  // two bytes: 0x0037
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=56");

    Store(REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=1");
    EXPECT_EQ(Stored(), 1u);
    EXPECT_NE(ReadFile(StoreFile()).find("launchcounter=4:01000000\n"), std::string::npos);
}

TEST_F(LaunchCounter, CorruptOrUnusableStoreCountsOneAndNeverFails) {
    Store(REG_DWORD, {41, 0, 0, 0});
    for (const char* garbage : {"", "korvalo settings 1\nlaunchcounter=4:2a0000", "\x7f" "ELF\x01\x02",
                                "korvalo settings 1\nlaunchcounter=4:zz000000\n",
                                "korvalo settings 1\nlaunchcounter=99999999999:00\n",
                                "korvalo settings 1\nlaunchcounter=4:01000000\nlaunchcounter=4:02000000\n"}) {
        std::ofstream(StoreFile(), std::ios::binary | std::ios::trunc) << garbage;
        EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=1") << garbage;
        EXPECT_EQ(Stored(), 1u);
    }

    // No place for the store at all: a file stands where its folder should be.
    std::filesystem::remove_all(dir_.path() + "/config");
    std::ofstream(dir_.path() + "/config") << "not a folder";
    EXPECT_EQ(OpenSettingsKey(kKey), nullptr);
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=1");
    EXPECT_EQ(Launch(), "http://stats.test/data.php?program=spusten&count=1");
}

TEST_F(LaunchCounter, ThreadThatCannotStartLosesOnlyTheReport) {
    // A thread that cannot start loses the report, nothing else (and the
    // address copy is not leaked; the sanitizer run checks that).
    fake_.threads.SetFailing(true);
    CountLaunchAndReport();
    EXPECT_TRUE(fake_.libraries.Requests().empty());
    EXPECT_EQ(Stored(), 1u);
}

// Every launch counted: copies of the game started at the same moment
// with one settings folder each count (in-process copies, then the real
// game), and a settings folder another program keeps locked holds the
// start up once, says so, and leaves the store alone.
using EveryLaunchCounted = LaunchCounter;

// In-process copies wait at a gate that opens for all of them at once;
// each ends with the count it reported.
TEST_F(EveryLaunchCounted, TenCopiesStartedAtOnceCountTenAndReportOneToTen) {
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    const testsupport::CopiesWatch watch = testsupport::WatchCopiesWriting(
        kCopies,
        [&](int) {
            close(gate[1]);
            char c;
            while (read(gate[0], &c, 1) < 0 && errno == EINTR) {
            }
            const int count = ReportedCount(Launch());
            return count >= 0 && count < 200 ? count : 200;
        },
        [&] {
            if (gate[1] >= 0) close(std::exchange(gate[1], -1));
            return "";
        });
    close(gate[0]);
    std::multiset<int> reported;
    for (int status : watch.statuses) reported.insert(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    EXPECT_EQ(reported, OneToTen());
    EXPECT_EQ(Stored(), static_cast<std::uint32_t>(kCopies));
}

// Another program holds the settings folder's lock through five starts of
// one process (a missing store, so each used to wait twice): the wait is
// made once, each start says in one line that it was not counted and still
// reports, and no store is made behind the holder's back. Once the lock is
// free again the next start counts.
TEST_F(EveryLaunchCounted, AHeldLockIsWaitedForOnceSaidOnStderrAndNothingIsWritten) {
    const std::string folder = dir_.path() + "/config/Qalt";
    fs::create_directories(folder);
    const int holder = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);

    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < 5; ++n) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(ReportedCount(Launch()), 1);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("busy"), std::string::npos) << said;
        EXPECT_NE(said.find("not counted"), std::string::npos) << said;
    }
    // One wait is about 2 s; the five starts used to take 12 s.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 8s);
    EXPECT_FALSE(fs::exists(StoreFile()));

    close(holder);
    testing::internal::CaptureStderr();
    EXPECT_EQ(ReportedCount(Launch()), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Stored(), 1u);
}

// The real game: ten copies started at once, each on a career of its own
// and all with one settings store, report the counts 1 to 10 and leave 10
// stored.
TEST(EveryLaunchCountedRealGame, TenCopiesStartedAtOnceCountTen) {
    if (!testsupport::RealGame::Built()) GTEST_SKIP() << "the game is not built";
    testsupport::TempDir folder;
    TestHttpServer stats;
    std::vector<std::unique_ptr<testsupport::RealGame>> copies;
    for (int n = 0; n < kCopies; ++n) copies.push_back(std::make_unique<testsupport::RealGame>());
    for (auto& game : copies)
        game->Start({"SDL_VIDEODRIVER=dummy", "KORVALO_STATS_ENDPOINT=" + stats.Address(), "HOME=" + folder.path(),
                     "XDG_CONFIG_HOME=" + folder.path()});

    std::multiset<int> reported;
    testsupport::WaitUntil(
        [&] {
            reported.clear();
            for (const std::string& line : stats.Requests())
                if (const int count = ReportedCount(line); count >= 0) reported.insert(count);
            return reported.size() >= kCopies;
        },
        90s);
    for (auto& game : copies) game->Signal(SIGTERM);
    for (auto& game : copies) EXPECT_NE(game->Ended(10s), -1) << "a copy ran on after SIGTERM";

    EXPECT_EQ(reported, OneToTen());
    const std::string store = folder.path() + "/Qalt/Drevik.settings";
    EXPECT_NE(ReadFile(store).find("launchcounter=4:0a000000\n"), std::string::npos) << ReadFile(store);
}

TEST(SettingsStore, WritesReplaceTheFileWholeAndKeyNamesStayInsideTheRoot) {
    testsupport::TempDir dir;
    SetSettingsRoot(dir.path());
    int created = -1;
    HSETTINGS key = OpenSettingsKey("Software\\Qalt\\Drevik", &created);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(created, 1);
    EXPECT_FALSE(SettingExists(key, "launchcounter"));
    std::uint32_t v = 7;
    EXPECT_FALSE(ReadSettingDword(key, "launchcounter", &v));
    EXPECT_EQ(v, 7u);
    for (std::uint32_t i = 1; i <= 20; ++i) ASSERT_TRUE(WriteSettingDword(key, "launchcounter", i));
    EXPECT_TRUE(WriteSettingRaw(key, "other", REG_SZ, {'a', 'b', 0}));
    EXPECT_TRUE(SettingExists(key, "launchcounter"));
    EXPECT_FALSE(WriteSettingDword(key, "bad name", 1));
    EXPECT_FALSE(WriteSettingDword(key, "a=b", 1));
    EXPECT_TRUE(CloseSettingsKey(key));
    EXPECT_FALSE(CloseSettingsKey(nullptr));

    // Only the store itself is left in its folder: no temporary files.
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path() + "/Qalt"))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"Drevik.settings"});
    struct stat st {};
    ASSERT_EQ(stat((dir.path() + "/Qalt/Drevik.settings").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    key = OpenSettingsKey("Software\\Qalt\\Drevik", &created);
    EXPECT_EQ(created, 0);
    EXPECT_TRUE(ReadSettingDword(key, "launchcounter", &v));
    EXPECT_EQ(v, 20u);
    EXPECT_FALSE(ReadSettingDword(key, "Launchcounter", &v));
    EXPECT_TRUE(SettingExists(key, "other"));
    CloseSettingsKey(key);

    for (const char* bad : {"Software\\..\\..\\etc", "Software\\Qalt\\", "Software\\a/b\\c", ""})
        EXPECT_EQ(OpenSettingsKey(bad), nullptr) << bad;
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/../etc.settings"));
    SetSettingsRoot("");
}

}  // namespace
