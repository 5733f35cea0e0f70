// The launch counter in the settings store and the first launch report.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/statistics.h"
#include "platform/fake_services.h"
#include "platform/settings_store.h"
#include "tests/support/support.h"

namespace {

using testsupport::ReadFile;

constexpr char kKey[] = "Software\\Qalt\\Drevik";

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
