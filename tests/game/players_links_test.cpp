// A player's links: the saved game or the settings store kept elsewhere
// through a symbolic link (a chain of them, relative or not, or one whose
// file is not there yet) is written where the link leads, and the link
// stays a link. A link to no plain file, or one that leads round in a
// circle, fails the write and is left as it is.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/save.h"
#include "platform/settings_store.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;

SaveRecord Career(int money) {
    SaveRecord r;
    SetNewCareer(r);
    r.moneyHi = SplitHi(money);
    r.moneyLo = SplitLo(money);
    return r;
}

std::string Image(const SaveRecord& rec) {
    unsigned char bytes[kSaveFileSize];
    EncodeSaveRecord(rec, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), kSaveFileSize);
}

using Names = std::vector<std::string>;
using testsupport::NamesIn;

class APlayersLinks : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"/game", "/keep", "/vault"}) fs::create_directory(dir_.path() + folder);
    }
    void TearDown() override { SetSettingsRoot(""); }
    std::string Path(const std::string& name) const { return dir_.path() + "/" + name; }
    testsupport::TempDir dir_;
};

// game/Save.gqs -> ../keep/first (relative) -> <dir>/vault/Career.gqs.
TEST_F(APlayersLinks, ASaveKeptElsewhereIsWrittenWhereTheLinksLeadAndTheyStayLinks) {
    fs::create_symlink("../keep/first", Path("game/Save.gqs"));
    fs::create_symlink(Path("vault/Career.gqs"), Path("keep/first"));
    std::ofstream(Path("vault/Career.gqs"), std::ios::binary) << Image(Career(500));

    for (int money : {700, 900}) {
        SCOPED_TRACE(money);
        ASSERT_TRUE(WriteSaveRecordFile(Path("game/Save.gqs"), Career(money)));
        EXPECT_EQ(fs::read_symlink(Path("game/Save.gqs")), "../keep/first");
        EXPECT_EQ(fs::read_symlink(Path("keep/first")), Path("vault/Career.gqs"));
        EXPECT_EQ(ReadFile(Path("vault/Career.gqs")), Image(Career(money)));
        EXPECT_EQ(NamesIn(Path("game")), Names{"Save.gqs"});
        EXPECT_EQ(NamesIn(Path("keep")), Names{"first"});
        EXPECT_EQ(NamesIn(Path("vault")), Names{"Career.gqs"});
        // The file the link names goes missing: it is written anew.
        fs::remove(Path("vault/Career.gqs"));
    }
}

TEST_F(APlayersLinks, ALinkToNoPlainFileOrInACircleFailsTheSaveAndStaysAsItIs) {
    ASSERT_EQ(mkfifo(Path("keep/pipe").c_str(), 0600), 0);
    fs::create_symlink("Save.gqs", Path("keep/loop"));
    for (const std::string& target : {Path("vault"), Path("keep/pipe"), std::string("/dev/null"), Path("keep/loop")}) {
        SCOPED_TRACE(target);
        const std::string save = Path("keep/Save.gqs");
        fs::remove(save);
        fs::create_symlink(target, save);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(WriteSaveRecordFile(save, Career(700)));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("could not be saved to " + save), std::string::npos) << said;
        EXPECT_EQ(fs::read_symlink(save), target);
    }
    EXPECT_TRUE(fs::is_empty(Path("vault")));
    EXPECT_TRUE(fs::is_fifo(Path("keep/pipe")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(NamesIn(Path("keep")), (Names{"Save.gqs", "loop", "pipe"}));
}

// <root>/Qalt/Drevik.settings -> ../../vault/drevik.txt.
TEST_F(APlayersLinks, ASettingsStoreKeptElsewhereIsWrittenWhereTheLinkLeads) {
    SetSettingsRoot(Path("game"));
    fs::create_directory(Path("game/Qalt"));
    const std::string store = Path("game/Qalt/Drevik.settings");
    fs::create_symlink("../../vault/drevik.txt", store);
    std::ofstream(Path("vault/drevik.txt")) << "korvalo settings 1\nlaunchcounter=4:04000000\nother=4:07000000\n";

    HSETTINGS key = OpenSettingsKey("Software\\Qalt\\Drevik");
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(WriteSettingDword(key, "launchcounter", 5));
    CloseSettingsKey(key);
    EXPECT_EQ(fs::read_symlink(store), "../../vault/drevik.txt");
    EXPECT_EQ(ReadFile(Path("vault/drevik.txt")), "korvalo settings 1\nlaunchcounter=4:05000000\nother=4:07000000\n");
    EXPECT_EQ(NamesIn(Path("game/Qalt")), Names{"Drevik.settings"});
    EXPECT_EQ(NamesIn(Path("vault")), Names{"drevik.txt"});

    // Not there yet: opening the key makes the file the link names.
    fs::remove(Path("vault/drevik.txt"));
    key = OpenSettingsKey("Software\\Qalt\\Drevik");
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(WriteSettingDword(key, "launchcounter", 1));
    CloseSettingsKey(key);
    EXPECT_TRUE(fs::is_symlink(store));
    EXPECT_EQ(ReadFile(Path("vault/drevik.txt")), "korvalo settings 1\nlaunchcounter=4:01000000\n");

    // A link to a folder: the key cannot be opened, and the link stays.
    fs::remove(store);
    fs::create_directory_symlink(Path("keep"), store);
    EXPECT_EQ(OpenSettingsKey("Software\\Qalt\\Drevik"), nullptr);
    EXPECT_TRUE(fs::is_symlink(store));
    EXPECT_TRUE(fs::is_empty(Path("keep")));
}

}  // namespace
