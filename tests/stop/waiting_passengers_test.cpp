#include <vector>

#include "game/random.h"
#include "stop/stop_service.h"
#include "tests/support/run_fixture.h"

namespace {

class WaitingPassengersTest : public RunFixture {
protected:
    void SetUp() override {
        StartRun(1);
        form().imgStanice->Left = 3200;
    }
    void Fill(int row) {
        g_sectionIndex = row;
        SpawnStationPassengers(form());
    }
    bool InFrontOfShelter(int k) const {
        return form().Clovek[k]->StackIndex() > form().imgStanice->StackIndex();
    }
};

TEST_F(WaitingPassengersTest, NewPassengersWaitOnTheShelterWithTheirWalkingPicture) {
    // A record reused from an earlier rider must not keep that rider's place.
    g_persons[0].placeX = 882;
    g_persons[0].placeY = 385;
    ScriptRandomDraws({5});  // class 0: random(20) + 1 = 6; classes 1..3 have maximum 0
    Fill(1);
    const TImage& shelter = *form().imgStanice;
    for (int k = 0; k < kPersonCount; ++k) {
        const PersonRecord& p = g_persons[k];
        EXPECT_TRUE(p.walkFrame >= 0 && p.walkFrame <= 2);
        if (k >= 6) {
            EXPECT_EQ(p.state, PersonState::Free) << k;
            continue;
        }
        EXPECT_EQ(p.state, PersonState::Waiting) << k;
        EXPECT_EQ(p.passengerClass, 0);
        EXPECT_NE(p.facing, 2);
        EXPECT_TRUE(p.y >= 413 && p.y <= 424) << p.y;
        EXPECT_TRUE(p.x >= shelter.Left + 150 && p.x < shelter.Left + std::max(shelter.Width, 151)) << p.x;
        EXPECT_EQ(p.placeX, 0);
        EXPECT_EQ(form().Clovek[k]->Picture->FileName(),
                  "Textures/LidePohyb1/0/" + std::to_string(p.facing) + "1.bmp");
        EXPECT_TRUE(InFrontOfShelter(k));
    }
}

// At every stop of the played lines: class 0 brings 1..n, the other
// classes 0..n-1 of the row's bound n; the terminus nobody.
TEST_F(WaitingPassengersTest, EachStopOfThePlayedLinesGetsItsBatchesByClass) {
    for (int row = 0; row < 28; ++row) {
        const RouteSection& s = g_route[row];
        if (!s.hasStop) continue;
        SCOPED_TRACE(row);
        for (int32 draw : {0, 419}) {  // 419: one less than a multiple of every bound
            ResetPersonRecords();
            ScriptRandomDraws(std::vector<int32>(400, draw));
            Fill(row);
            ResetRandom();
            int count[4] = {0, 0, 0, 0};
            for (const PersonRecord& p : g_persons)
                if (p.state == PersonState::Waiting) ++count[p.passengerClass];
            for (int c = 0; c < 4; ++c) {
                const int32 n = s.newPassengersMax[c];
                const int32 expected = s.endOfLine ? 0 : (c == 0 ? (draw ? n : 1) : (draw && n ? n - 1 : 0));
                EXPECT_EQ(count[c], expected) << "class " << c << ", draw " << draw;
            }
        }
    }
}

TEST_F(WaitingPassengersTest, FullRecordsGiveFewerPassengersInAscendingOrder) {
    for (PersonRecord& p : g_persons) p.state = PersonState::Riding;
    for (int k : {7, 40, 91}) g_persons[k].state = PersonState::Free;
    ScriptRandomDraws({9});  // ten drawn
    Fill(1);
    EXPECT_EQ(CountInState(PersonState::Waiting), 3);
    for (int k : {7, 40, 91}) EXPECT_EQ(g_persons[k].state, PersonState::Waiting) << k;
    EXPECT_EQ(g_spawnedCount, 0);  // classes 1..3 drew nobody
}

TEST_F(WaitingPassengersTest, TheTerminusGetsNobodyNewButStillRefreshesTheWaiting) {
    g_persons[5].state = PersonState::Waiting;  // left behind at an earlier stop
    g_persons[5].passengerClass = 1;
    g_persons[5].facing = 0;
    g_persons[5].walkFrame = 3;
    Fill(5);
    EXPECT_EQ(CountInState(PersonState::Waiting), 1);
    EXPECT_EQ(form().Clovek[5]->Picture->FileName(), "Textures/LidePohyb1/1/03.bmp");
    EXPECT_LE(g_persons[5].walkFrame, 2);
    EXPECT_TRUE(InFrontOfShelter(5));
}

TEST_F(WaitingPassengersTest, AMissingWalkingPictureIsReportedAndTheStopStillFills) {
    for (int facing : {0, 1, 3}) HideAsset("Textures/LidePohyb1/0/" + std::to_string(facing) + "1.bmp");
    ScriptRandomDraws({2});
    Fill(1);
    EXPECT_EQ(CountInState(PersonState::Waiting), 3);
    EXPECT_NE(ReportsText().find("Cannot open file Textures/LidePohyb1/0/"), std::string::npos);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(InFrontOfShelter(k)) << "restacked anyway";
}

}  // namespace
