// ResetGameState: every test suite of the game relies on it to start from
// the program's starting values.
#include <gtest/gtest.h>

#include <cstring>
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
    g_saveRecord.moneyHi = 40;
    for (auto& ch : g_soundChannels) ch = SoundChannel{17.0f, 0.0f, 2.0f, 0.0f, 1.0f};
    g_money = -30;
    g_speed = 45;
    g_gateSpeedStep = g_gateWalk = g_gateStand = g_gateCarFrame = g_gateTraffic = g_gateClock = 0;
    g_warningTimer = 5;
    g_stopsRemaining = 0;
    g_menuMusicHold = 0;
    g_updateEnabled = 0;
    g_wheelDelay = 0;
    g_carriedByClass[2] = 77;
    g_placeCandidate[1] = 40;
    g_chosenCandidate = 2;
    g_startupStep = 44;
    ScriptRandomDraws({1, 2, 3});
    Random(10);
}

}  // namespace

TEST(GameState, ResetRestoresEveryStartingValue) {
    ResetGameState();
    const auto firstDraws = std::vector<int32>{Random(1000), Random(1000), Random(1000)};

    PlayARun();
    ResetGameState();

    EXPECT_EQ(g_money, 500);
    EXPECT_EQ(g_speed, 0);
    EXPECT_EQ(g_wheelDelay, 1);
    EXPECT_EQ(g_updateEnabled, 1);
    EXPECT_EQ(g_gateSpeedStep, 4);
    EXPECT_EQ(g_gateWalk, 6);
    EXPECT_EQ(g_gateStand, 6);
    EXPECT_EQ(g_gateCarFrame, 2);
    EXPECT_EQ(g_gateTraffic, 33);
    EXPECT_EQ(g_gateClock, 33);
    EXPECT_EQ(g_warningTimer, -1);
    EXPECT_EQ(g_stopsRemaining, 3);
    EXPECT_EQ(g_platformY, 353);
    EXPECT_EQ(g_menuMusicHold, 1);
    EXPECT_EQ(g_startupStep, 0);
    EXPECT_EQ(g_carriedByClass[2], 0);
    for (int32 c : g_placeCandidate) EXPECT_EQ(c, -1);
    EXPECT_EQ(g_chosenCandidate, -1);

    const float freq[8] = {0.7f, 0.6f, 1.0f, 1.0f, 1.0f, 1.0f, 1.2f, 1.0f};
    const float volume[8] = {0.5f, 0.4f, 0.3f, 1.0f, 0.2f, 0.2f, 1.0f, 0.4f};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g_soundChannels[i].handle, 0.0f);
        EXPECT_EQ(g_soundChannels[i].loop, 1.0f);
        EXPECT_EQ(g_soundChannels[i].freq, freq[i]);
        EXPECT_EQ(g_soundChannels[i].volume, volume[i]);
        EXPECT_EQ(g_soundChannels[i].playing, 0.0f);
    }

    for (const auto& p : g_persons) {
        EXPECT_EQ(p.state, PersonState::Free);
        EXPECT_EQ(p.x, kParkedX);
        EXPECT_EQ(p.y, kParkedY);
        EXPECT_EQ(p.placeX, 0);
    }
    for (const auto& p : g_pedestrians) {
        EXPECT_EQ(p.active, 0);
        EXPECT_EQ(p.x, kParkedX);
        EXPECT_EQ(p.y, kParkedY);
    }
    for (const auto& c : g_cars) {
        EXPECT_EQ(c.active, 0);
        EXPECT_EQ(c.model, 0);
        EXPECT_EQ(c.frame, 0);
    }

    EXPECT_EQ(std::memcmp(&g_tramLayout, &kStartTramLayout, sizeof g_tramLayout), 0);
    for (const auto& p : g_places) EXPECT_NE(p.isFree, 1);  // no phantom free place
    EXPECT_EQ(g_saveRecord.gameFinished, 0);
    EXPECT_EQ(g_saveRecord.moneyHi, 0);

    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(RandomDrawCount(), 0);
    EXPECT_EQ((std::vector<int32>{Random(1000), Random(1000), Random(1000)}), firstDraws);
}
