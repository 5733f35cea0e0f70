// The settings store written by two copies of the game at once, and links
// planted where it writes its temporary file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/settings_store.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;

constexpr char kKey[] = "Software\\Qalt\\Drevik";
constexpr int kValuesEach = 150;

std::string ValueName(int copy, int n) { return "copy" + std::to_string(copy) + "_" + std::to_string(n); }

// What is wrong with the store's text, or "" when it is a whole store:
// the header and lines of name=4:eight hex digits, each line complete.
std::string Judge(const std::string& text) {
    const std::string header = "korvalo settings 1\n";
    if (text.compare(0, header.size(), header) != 0) return "no header in \"" + text.substr(0, 40) + "\"";
    std::size_t pos = header.size();
    while (pos < text.size()) {
        const auto end = text.find('\n', pos);
        if (end == std::string::npos) return "a cut line";
        const std::string line = text.substr(pos, end - pos);
        const auto eq = line.find("=4:");
        if (eq == std::string::npos || line.size() != eq + 3 + 8) return "a bad line: " + line;
        pos = end + 1;
    }
    return "";
}

class SettingsCopies : public ::testing::Test {
protected:
    void SetUp() override { SetSettingsRoot(dir_.path() + "/config"); }
    void TearDown() override { SetSettingsRoot(""); }
    std::string Store() const { return dir_.path() + "/config/Qalt/Drevik.settings"; }
    testsupport::TempDir dir_;
};

// Each copy opens the key once and writes values of its own: every write
// works, the store is whole at every moment, and in the end it holds the
// values of both.
TEST_F(SettingsCopies, TwoCopiesWritingAtOnceKeepEachOthersValues) {
    CloseSettingsKey(OpenSettingsKey(kKey));
    const testsupport::CopiesWatch watch = testsupport::WatchCopiesWriting(
        2,
        [](int c) {
            HSETTINGS key = OpenSettingsKey(kKey);
            if (!key) return 3;
            for (int n = 0; n < kValuesEach; ++n)
                if (!WriteSettingDword(key, ValueName(c, n), static_cast<std::uint32_t>(1000 * c + n))) return 2;
            CloseSettingsKey(key);
            return 0;
        },
        [&] { return Judge(testsupport::ReadFile(Store())); });
    for (int status : watch.statuses)
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a copy's write failed, status " << status;
    EXPECT_EQ(watch.bad, 0) << "of " << watch.reads << " reads; the first: " << watch.firstBad;

    HSETTINGS key = OpenSettingsKey(kKey);
    ASSERT_NE(key, nullptr);
    int missing = 0;
    for (int c = 0; c < 2; ++c)
        for (int n = 0; n < kValuesEach; ++n) {
            std::uint32_t v = 0;
            if (!ReadSettingDword(key, ValueName(c, n), &v) || v != static_cast<std::uint32_t>(1000 * c + n))
                ++missing;
        }
    CloseSettingsKey(key);
    EXPECT_EQ(missing, 0) << "values lost of " << 2 * kValuesEach;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path() + "/config/Qalt"), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

TEST_F(SettingsCopies, LinksUnderTemporaryNamesAreNeverWrittenThrough) {
    HSETTINGS key = OpenSettingsKey(kKey);
    ASSERT_NE(key, nullptr);
    const std::string victim = dir_.path() + "/victim.txt";
    const std::string victimBytes = "someone else's file\n";
    std::ofstream(victim) << victimBytes;
    const std::string pid = std::to_string(getpid());
    for (const std::string& link : {Store() + ".tmp", Store() + ".tmp." + pid})
        fs::create_symlink(victim, link);

    EXPECT_TRUE(WriteSettingDword(key, "launchcounter", 7));
    CloseSettingsKey(key);
    EXPECT_EQ(testsupport::ReadFile(victim), victimBytes);
    EXPECT_TRUE(fs::is_symlink(Store() + ".tmp." + pid));
    struct stat st {};
    ASSERT_EQ(lstat(Store().c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    key = OpenSettingsKey(kKey);
    std::uint32_t v = 0;
    EXPECT_TRUE(ReadSettingDword(key, "launchcounter", &v));
    EXPECT_EQ(v, 7u);
    CloseSettingsKey(key);
}

}  // namespace
