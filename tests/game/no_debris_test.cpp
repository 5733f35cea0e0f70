// No debris: a copy of the game killed in the middle of a save or of a
// settings write leaves its temporary file behind. The next save (or
// settings write) takes away such temporaries of its file whose writer is
// gone, and nothing else: not a temporary a writer holds locked (whatever
// its pid: in another sandbox pids mean nothing here), not a link, not a
// folder, not a name the game would not have made.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/save.h"
#include "platform/settings_store.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using testsupport::NamesIn;

// The pid of a process that has ended.
std::string DeadPid() {
    const pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return std::to_string(pid);
}

class NoDebris : public ::testing::Test {
protected:
    // Beside `file` (a name in `folder`): what killed writers of it left,
    // which is to go, and what looks like it but is to stay. Returns the
    // names that are to stay.
    Names Plant(const std::string& folder, const std::string& file) {
        const std::string dead = DeadPid(), live = std::to_string(getpid());
        const std::string stem = stem_ = folder + "/" + file + ".tmp.";
        // An unlocked temporary is abandoned, even under a live pid.
        for (const std::string& gone : {stem + dead + ".0123456789abcdef", stem + DeadPid() + ".fedcba9876543210",
                                        stem + live + ".0123456789abcdee"})
            std::ofstream(gone) << "half a write";
        std::ofstream(inUse()) << "not debris";
        inUse_ = open(inUse().c_str(), O_RDONLY);
        EXPECT_EQ(flock(inUse_, LOCK_EX), 0);
        const Names kept = {inUse(),                             stem + dead + ".0123456789ABCDEF",
                            stem + dead + ".0123456789abcde",    stem + dead + ".0123456789abcdef0",
                            stem + dead + ".0123456789abcdef.x", stem + dead,
                            stem + "x" + dead + ".0123456789abcdef",
                            folder + "/Other.gqs.tmp." + dead + ".0123456789abcdef"};
        for (const std::string& name : kept) std::ofstream(name) << "not debris";
        fs::create_symlink(victim_, stem + dead + ".1111111111111111");
        fs::create_directory(stem + dead + ".2222222222222222");
        Names names = {file};
        for (const std::string& name : kept) names.push_back(fs::path(name).filename().string());
        for (const char* more : {".1111111111111111", ".2222222222222222"})
            names.push_back(file + ".tmp." + dead + more);
        std::sort(names.begin(), names.end());
        return names;
    }

    void SetUp() override { std::ofstream(victim_) << "someone else's"; }
    void TearDown() override {
        close(inUse_);
        SetSettingsRoot("");
    }

    // A temporary its writer, in another sandbox, holds locked.
    std::string inUse() const { return stem_ + "99999999.0123456789abcdef"; }

    testsupport::TempDir dir_, elsewhere_;
    std::string stem_;
    int inUse_ = -1;
    const std::string victim_ = elsewhere_.path() + "/victim";
};

TEST_F(NoDebris, ASaveTakesAwayTheTemporariesOfWritersThatAreGoneAndNothingElse) {
    const std::string save = dir_.path() + "/Save.gqs";
    SaveRecord rec;
    SetNewCareer(rec);
    ASSERT_TRUE(WriteSaveRecordFile(save, rec));
    const Names kept = Plant(dir_.path(), "Save.gqs");
    ASSERT_TRUE(WriteSaveRecordFile(save, rec));
    EXPECT_EQ(NamesIn(dir_.path()), kept);
    EXPECT_EQ(testsupport::ReadFile(victim_), "someone else's");
    EXPECT_EQ(testsupport::ReadFile(inUse()), "not debris");
}

TEST_F(NoDebris, ASettingsWriteTakesAwayTheTemporariesOfWritersThatAreGoneAndNothingElse) {
    SetSettingsRoot(dir_.path());
    HSETTINGS key = OpenSettingsKey("Software\\Qalt\\Drevik");
    ASSERT_NE(key, nullptr);
    const Names kept = Plant(dir_.path() + "/Qalt", "Drevik.settings");
    EXPECT_TRUE(WriteSettingDword(key, "launchcounter", 3));
    CloseSettingsKey(key);
    EXPECT_EQ(NamesIn(dir_.path() + "/Qalt"), kept);
    EXPECT_EQ(testsupport::ReadFile(victim_), "someone else's");
}

}  // namespace
