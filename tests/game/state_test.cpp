// ResetGameState: every test suite of the game relies on it to start from
// the program's starting values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/random.h"
#include "game/records.h"
#include "game/save.h"
#include "game/state.h"
#include "game/tram_layout.h"

namespace {

// Scribbles over the whole state as a run would leave it.
void PlayARun() {
    FillTramLayout(5);
    g_places[3].isFree = 0;
    g_tramLayout.occupiedPlaces = 9;
    for (auto& p : g_persons) p = PersonRecord{7, 3, 400, 380, 2, 1, 1, 2, 500, 381, 2, 5, 1, 3};
    for (auto& p : g_pedestrians) p = PedestrianRecord{1, 1, 1, 2, 600, 460, 1, 2, 3, 1, 0};
    for (auto& c : g_cars) c = CarRecord{1, 9, 3};
    g_saveRecord.gameFinished = 1;
    for (auto& ch : g_soundChannels) ch = SoundChannel{17.0f, 0.0f, 2.0f, 0.0f, 1.0f};
    for (int32* v : {&g_money, &g_speed, &g_gateSpeedStep, &g_gateClock, &g_warningTimer, &g_stopsRemaining,
                     &g_menuMusicHold, &g_updateEnabled, &g_wheelDelay, &g_carriedByClass[2], &g_placeCandidate[1],
                     &g_chosenCandidate, &g_startupStep})
        *v = 44;
    ScriptRandomDraws({1, 2, 3});
    Random(10);
}

// Everything PlayARun scribbles over, as one comparable value.
template <class T>
std::string Raw(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}
std::string Snapshot() {
    const std::vector<int32> scalars = {g_money, g_speed, g_gateSpeedStep, g_gateClock, g_warningTimer,
                                        g_stopsRemaining, g_menuMusicHold, g_updateEnabled, g_wheelDelay,
                                        g_chosenCandidate, g_startupStep};
    return Raw(g_tramLayout) + Raw(g_places) + Raw(g_persons) + Raw(g_pedestrians) + Raw(g_cars) +
           Raw(g_saveRecord) + Raw(g_soundChannels) + Raw(g_carriedByClass) + Raw(g_placeCandidate) +
           std::string(reinterpret_cast<const char*>(scalars.data()), scalars.size() * sizeof(int32));
}

}  // namespace

TEST(GameState, ResetAfterARunRestoresTheStartingValues) {
    ResetGameState();
    const std::string start = Snapshot();
    const auto firstDraws = std::vector<int32>{Random(1000), Random(1000), Random(1000)};

    PlayARun();
    ResetGameState();

    EXPECT_TRUE(Snapshot() == start);
    EXPECT_EQ(std::memcmp(&g_tramLayout, &kStartTramLayout, sizeof g_tramLayout), 0);
    for (const auto& p : g_places) EXPECT_NE(p.isFree, 1);  // no phantom free place
    for (const auto& p : g_persons) EXPECT_EQ(p.state, PersonState::Free);
    EXPECT_EQ(g_money, 500);

    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(RandomDrawCount(), 0);
    EXPECT_EQ((std::vector<int32>{Random(1000), Random(1000), Random(1000)}), firstDraws);
}

TEST(GameState, CareerFiguresStopAtTheLimitsOfThirtyTwoBits) {
    struct Case {
        int32 figure, amount, sum;
    };
    for (const Case& c : {Case{300, 6, 306}, Case{0, -5, -5}, Case{INT32_MAX - 3, 10, INT32_MAX},
                          Case{INT32_MAX, 1, INT32_MAX}, Case{INT32_MIN + 2, -5, INT32_MIN},
                          Case{INT32_MIN, -100, INT32_MIN}, Case{INT32_MAX, -1, INT32_MAX - 1}}) {
        int32 figure = c.figure;
        AddToFigure(figure, c.amount);
        EXPECT_EQ(figure, c.sum) << c.figure << " + " << c.amount;
    }
}
