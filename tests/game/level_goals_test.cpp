// The goals of the three levels, as the dashboard shows them and as the
// tick judges them: one passenger short in any class keeps the level.
#include <array>
#include <string>

#include "tests/support/run_fixture.h"

namespace {

using LevelGoalsTest = RunFixture;

TEST_F(LevelGoalsTest, EachLevelEndsExactlyAtItsGoalRow) {
    const int32 rows[3][4] = {{50, 0, 0, 0}, {100, 30, 0, 0}, {300, 200, 0, 0}};
    for (int level = 0; level < 3; ++level) {
        for (int c = 0; c < 4; ++c) {
            if (rows[level][c] == 0) continue;
            SCOPED_TRACE(testing::Message() << "level " << level << ", class " << c);
            StartRun();
            TForm1& f = form();
            const std::array<TLabel*, 4> goals = {f.labNemajetniCil, f.labDelniciCil, f.labUredniciCil, f.labElitaCil};
            g_level = level;
            g_saveRecord.gameFinished = 0;
            for (int k = 0; k < 4; ++k) g_carriedByClass[k] = rows[level][k] - (k == c ? 1 : 0);
            Tick();
            EXPECT_EQ(g_level, level);
            EXPECT_EQ(g_saveRecord.gameFinished, 0);
            for (int k = 0; k < 4; ++k) EXPECT_EQ(goals[k]->Caption(), std::to_string(rows[level][k])) << k;
            EXPECT_EQ(goals[c]->Font().Color, clRed);
            g_carriedByClass[c] += 1;
            Tick();
            EXPECT_EQ(g_level, level < 2 ? level + 1 : 2);
            EXPECT_EQ(g_saveRecord.gameFinished, level < 2 ? 0 : 1);
            for (const auto& clap : sound.StartsOf("Zvuky//Obecne//Potlesk.wav")) EXPECT_FLOAT_EQ(clap.value, 0.3f);
        }
    }
}

}  // namespace
