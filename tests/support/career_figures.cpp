#include "tests/support/career_figures.h"

#include <gtest/gtest.h>

#include <fstream>

#include "game/save.h"
#include "game/tables.h"

namespace e2e {

namespace {

int Number(GameHarness& game, const char* label) { return std::stoi(game.ui().As<TLabel>(label).Caption()); }

int Duration(GameHarness& game, const char* hours, const char* minutes, const char* seconds) {
    return Number(game, hours) * 3600 + Number(game, minutes) * 60 + Number(game, seconds);
}

// "Textures//Nahledy//Tramvaje//<n>.bmp" -> n
int PreviewNumber(const std::string& file) {
    const auto slash = file.rfind('/');
    return std::stoi(file.substr(slash + 1));
}

}  // namespace

Dashboard ReadDashboard(GameHarness& game) {
    Dashboard d;
    d.money = Number(game, "labKasa");
    d.carriedRun = Number(game, "labPrevezeno");
    d.carriedTotal = Number(game, "labCelkemPrevezeno");
    d.runSeconds = Duration(game, "labOdjetoZaHod", "labOdjetoZaMin", "labOdjetoZaSec");
    d.totalSeconds = Duration(game, "labCasVeHreHod", "labCasVeHreMin", "labCasVeHreSec");
    const char* carried[] = {"labNemajetniPrevezeno", "labDelniciPrevezeno", "labUredniciPrevezeno",
                             "labElitaPrevezeno"};
    const char* goals[] = {"labNemajetniCil", "labDelniciCil", "labUredniciCil", "labElitaCil"};
    for (int c = 0; c < 4; ++c) {
        d.carriedByClass[c] = Number(game, carried[c]);
        d.goals[c] = Number(game, goals[c]);
    }
    d.selectedTram = Number(game, "labZmenitVuz");
    d.tramsBought = PreviewNumber(game.form().imgNovaTramvaj->Picture->FileName());
    return d;
}

std::array<int, 19> SaveWords(GameHarness& game, bool* complete) {
    std::array<int, 19> words{};
    std::ifstream in(game.WorkDir() + "/" + kSaveFileName, std::ios::binary | std::ios::ate);
    const bool whole = in && in.tellg() == static_cast<std::streampos>(kSaveFileSize);
    if (complete) *complete = whole;
    if (!whole) return words;
    in.seekg(0);
    unsigned char bytes[kSaveFileSize];
    in.read(reinterpret_cast<char*>(bytes), kSaveFileSize);
    for (int w = 0; w < 19; ++w)
        words[w] = static_cast<int>(static_cast<unsigned>(bytes[4 * w]) | (static_cast<unsigned>(bytes[4 * w + 1]) << 8) |
                                    (static_cast<unsigned>(bytes[4 * w + 2]) << 16) |
                                    (static_cast<unsigned>(bytes[4 * w + 3]) << 24));
    return words;
}

void ExpectSaveMatches(GameHarness& game, const Dashboard& shown, int gameFinished, int tramsBought, int fleet,
                       int level) {
    bool complete = false;
    const auto w = SaveWords(game, &complete);
    ASSERT_TRUE(complete) << "Save.gqs is not 76 bytes";
    auto split = [](int v) { return std::pair<int, int>{v / 200, v % 200}; };
    EXPECT_EQ(w[0], gameFinished) << "word 0, game finished";
    EXPECT_EQ((std::pair<int, int>{w[1], w[11]}), split(shown.carriedTotal)) << "words 1 and 11, career passengers";
    EXPECT_EQ((std::pair<int, int>{w[2], w[12]}), split(shown.totalSeconds)) << "words 2 and 12, time played";
    EXPECT_EQ(w[3], tramsBought) << "word 3, trams bought";
    EXPECT_EQ(w[3], shown.tramsBought) << "word 3 against the tram for sale";
    EXPECT_EQ(w[4], level) << "word 4, level";
    EXPECT_EQ(w[5], fleet) << "word 5, fleet";
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ((std::pair<int, int>{w[6 + c], w[13 + c]}), split(shown.carriedByClass[c]))
            << "words " << 6 + c << " and " << 13 + c << ", class " << c;
    EXPECT_EQ(w[10], shown.selectedTram) << "word 10, selected tram";
    EXPECT_EQ((std::pair<int, int>{w[17], w[18]}), split(shown.money)) << "words 17 and 18, money";
}

bool NoPenalty(const RunLog& run) {
    for (const std::string& m : run.messages)
        if (!m.empty() && m[0] == '(') return false;
    return true;
}

int LevelOfGoals(const Dashboard& shown) {
    for (int row = 0; row < kLevelGoalRows; ++row) {
        bool same = true;
        for (int c = 0; c < 4; ++c) same = same && g_levelGoals[row][c] == shown.goals[c];
        if (same) return row;
    }
    return -1;
}

}  // namespace e2e
