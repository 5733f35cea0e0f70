// A saved game survives the game being killed at any moment of a save: a
// child process saves the career over and over the way the end of a line
// does, and is killed with SIGKILL at random moments. The file left behind
// is always a whole saved game: the last one finished or the one being
// written, never a torn or empty one.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "game/save.h"
#include "game/state.h"
#include "tests/support/game_fixture.h"

namespace {

constexpr int kKills = 150;

// The career of save number n: every figure of the file depends on n.
void CareerNumber(int n) {
    g_money = 1000 + 7 * n;
    g_carriedTotal = 3 * n;
    g_totalSeconds = 11 * n;
    g_tramsBought = 1;
    g_fleetSize = 1;
    g_selectedTram = 1;
    g_level = n % 3;
    for (int c = 0; c < 4; ++c) g_carriedByClass[c] = n + c;
}

int NumberOf(const SaveRecord& rec) { return (JoinSplit(rec.moneyHi, rec.moneyLo) - 1000) / 7; }

class SaveKill : public GameFixture {};

TEST_F(SaveKill, AKilledSaveLeavesThePreviousOrTheNewFile) {
    CreateForm();
    CareerNumber(0);
    PackCareer(g_saveRecord);
    ASSERT_TRUE(WriteSaveFile(form()));

    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> delayUs(0, 4000);
    int previous = 0;  // the number the file held before each child
    for (int kill = 0; kill < kKills; ++kill) {
        int progress[2];
        ASSERT_EQ(pipe(progress), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Saves previous + 1, previous + 2, ...; says which one it
            // starts and which one it has finished.
            close(progress[0]);
            for (int n = previous + 1;; ++n) {
                CareerNumber(n);
                PackCareer(g_saveRecord);
                const int started = n, finished = -n;
                if (write(progress[1], &started, sizeof started) < 0) _exit(1);
                if (!WriteSaveFile(form())) _exit(2);
                if (write(progress[1], &finished, sizeof finished) < 0) _exit(1);
            }
        }
        close(progress[1]);
        usleep(static_cast<useconds_t>(delayUs(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself, status " << status;
        int lastStarted = previous, lastFinished = previous;
        for (int value; read(progress[0], &value, sizeof value) == sizeof value;)
            (value > 0 ? lastStarted : lastFinished) = value > 0 ? value : -value;
        close(progress[0]);

        SaveRecord rec{};
        std::string why;
        ASSERT_EQ(ReadSaveRecordFile(kSaveFileName, rec, &why), SaveReadResult::Loaded)
            << "after kill " << kill << ": " << why;
        const int found = NumberOf(rec);
        EXPECT_TRUE(found == lastFinished || found == lastStarted)
            << "after kill " << kill << " the file holds save " << found << "; finished " << lastFinished
            << ", started " << lastStarted;
        CareerNumber(found);
        SaveRecord expected = rec;
        PackCareer(expected);
        EXPECT_EQ(std::memcmp(&expected, &rec, sizeof rec), 0) << "save " << found << " is not whole";
        previous = found;
    }
    RecordProperty("saves_reached", previous);
}

}  // namespace
