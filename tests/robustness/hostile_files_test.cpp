// Something other than a plain file where the game keeps its own files: a
// pipe, a folder or a device as "Save.gqs" or as the settings store. The
// game starts all the same, without waiting on it: the saved game is
// unusable (reported, a new career), the settings store cannot be opened
// (the launch counts as the first), and neither is read or removed.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "game/save.h"
#include "game/state.h"
#include "tests/support/game_fixture.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;

class HostileFiles : public GameFixture {
protected:
    void TearDown() override { SetSaveWriteFault(SaveWriteFault::None); }

    std::string Save() const { return WorkDir() + "/Save.gqs"; }
    std::string SettingsFile() const { return WorkDir() + "/settings/Qalt/Drevik.settings"; }

    // Starts the game to the menu; fails (instead of hanging) when the
    // start waits on the FIFO at `fifo`.
    void StartBeside(const std::string& fifo) {
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        ASSERT_TRUE(testsupport::FinishesBesideAFifo(fifo, [this] { StartToMenu(); }))
            << "the start waited on the FIFO " << fifo;
    }
};

TEST_F(HostileFiles, APipeAsTheSavedGameIsAnUnusableSaveAndANewCareer) {
    StartBeside(Save());
    EXPECT_NE(ReportsText().find("The saved game Save.gqs could not be read (not a plain file)"), std::string::npos)
        << ReportsText();
    ui().Key('\r');
    ASSERT_TRUE(testsupport::FinishesBesideAFifo(Save(), [this] { ui().Click("labMenu3"); }));
    EXPECT_EQ(form().labKasa->Caption(), "300");
    EXPECT_TRUE(fs::is_fifo(Save()));  // left alone until the game saves

    // The first save puts a saved game in its place.
    ui().Click("btnKoupitNovouTramvaj");
    ASSERT_TRUE(fs::is_regular_file(Save()));
    EXPECT_EQ(fs::file_size(Save()), kSaveFileSize);
}

TEST_F(HostileFiles, AFolderOrADeviceAsTheSavedGameIsAnUnusableSave) {
    for (const char* what : {"folder", "device"}) {
        SCOPED_TRACE(what);
        fs::remove_all(Save());
        if (std::string(what) == "folder")
            fs::create_directory(Save());
        else
            fs::create_symlink("/dev/zero", Save());
        SaveRecord rec{};
        std::string why;
        EXPECT_EQ(ReadSaveRecordFile(Save(), rec, &why), SaveReadResult::Unusable);
        EXPECT_EQ(why, "not a plain file");
        EXPECT_EQ(JoinSplit(rec.moneyHi, rec.moneyLo), 300);
    }
    // A folder cannot be replaced by the save: the write fails and the
    // career stays in memory.
    fs::remove_all(Save());
    fs::create_directory(Save());
    StartToMenu();
    ui().Key('\r');
    ui().Click("labMenu3");
    ui().Click("btnKoupitNovouTramvaj");
    EXPECT_NE(ReportsText().find("The game could not be saved to Save.gqs."), std::string::npos) << ReportsText();
    EXPECT_EQ(g_tramsBought, 1);
    EXPECT_TRUE(fs::is_directory(Save()));
}

TEST_F(HostileFiles, APipeAsTheSettingsStoreCountsTheFirstLaunchAndStaysAsItIs) {
    fs::create_directories(fs::path(SettingsFile()).parent_path());
    StartBeside(SettingsFile());
    const auto requests = services.libraries.Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_NE(requests.front().url.find("program=spusten&count=1"), std::string::npos) << requests.front().url;
    EXPECT_TRUE(fs::is_fifo(SettingsFile()));
    EXPECT_EQ(ReportsText(), "");
}

}  // namespace
