#include "tests/street/street_fixture.h"
#include "tick/car_image.h"

namespace {

constexpr int kNoStopRow = 2;
constexpr int kStopRow = 3;          // traffic 6
constexpr int kQuietStopRow = 20;    // traffic 2

class TrafficTest : public StreetTest {
protected:
    TImage& Car(int k) const { return CarImage(form(), k); }

    // The next spawn step is due.
    void SpawnStep() {
        g_carSpawnCountdown = 1;
        StepCarSpawn(form());
    }

    int ActivePassersBy() const {
        int n = 0;
        for (const PedestrianRecord& p : g_pedestrians) n += p.active;
        return n;
    }
};

TEST_F(TrafficTest, TheFirstCarsOfARunEnterBehindTheEdges) {
    StartRun(1);
    int ticks = 0;
    while (g_cars[0].active == 0 && ticks < 2000) {
        Tick();
        ++ticks;
    }
    ASSERT_EQ(g_cars[0].active, 1);
    // Spawned at the run's first traffic step that reached 0: tick 41, then
    // every 33 ticks, counted down from the first section's traffic.
    EXPECT_EQ(ticks, 41 + 33 * (g_route[g_lines[0].firstRow].traffic - 1));
    EXPECT_EQ(Car(0).Left, 1500);
    EXPECT_EQ(Car(4).Left, -520);
    EXPECT_EQ(g_cars[4].active, 1);
    EXPECT_EQ(Car(0).Top + Car(0).Height, 441);  // one bottom edge for every model
    EXPECT_EQ(Car(4).Top + Car(4).Height, 501);
    Tick();  // the tram stands: they drive by themselves
    EXPECT_EQ(Car(0).Left, 1493);
    EXPECT_EQ(Car(4).Left, -513);
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();
}

TEST_F(TrafficTest, NewCarsQueueBehindTheCarBeforeThemInTheirLane) {
    StartRun(1);
    SpawnStep();
    SpawnStep();
    EXPECT_EQ(Car(1).Left, 1800);
    EXPECT_EQ(Car(5).Left, -820);
    // Once the car before it is well on the screen a new one enters at the edge.
    Car(1).Left = 999;
    Car(5).Left = 101;
    SpawnStep();
    EXPECT_EQ(Car(2).Left, 1200);
    EXPECT_EQ(Car(6).Left, -220);
}

TEST_F(TrafficTest, AFullLaneGetsNoCarButTheCountdownStillReloads) {
    StartRun(1);
    g_sectionIndex = kStopRow;
    for (int k = 0; k < 4; ++k) {
        g_cars[k].active = 1;
        Car(k).Left = 600 + k;
    }
    SpawnStep();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Car(k).Left, 600 + k);
    EXPECT_EQ(g_cars[4].active, 1);
    EXPECT_EQ(g_carSpawnCountdown, 6);
    // A moving tram meets fewer cars; the countdown running does not change.
    const std::pair<int32, int32> speeds[] = {{1, 12}, {29, 12}, {30, 18}, {60, 18}, {0, 6}};
    for (auto [speed, countdown] : speeds) {
        g_speed = speed;
        SpawnStep();
        EXPECT_EQ(g_carSpawnCountdown, countdown) << speed;
    }
}

TEST_F(TrafficTest, CarsAreRemovedOnlyPastTheEdges) {
    StartRun(1);
    for (int k = 0; k < 8; ++k) g_cars[k].active = 1;
    Car(0).Left = -220;
    Car(1).Left = -221;
    Car(4).Left = 1400;
    Car(5).Left = 1401;
    Car(1).Top = Car(5).Top = 300;
    RemoveCarsAtEdges(form());
    EXPECT_EQ(g_cars[0].active, 1);
    EXPECT_EQ(g_cars[1].active, 0);
    EXPECT_EQ(Car(1).Top, 381);
    EXPECT_EQ(g_cars[4].active, 1);
    EXPECT_EQ(g_cars[5].active, 0);
    EXPECT_EQ(Car(5).Top, 441);
    // Free cars neither move nor animate.
    g_cars[1].frame = 2;
    DriveCarsWhileStanding(form());
    AnimateCarFrames(form());
    EXPECT_EQ(Car(1).Left, -221);
    EXPECT_EQ(g_cars[1].frame, 2);
    EXPECT_EQ(Car(0).Left, -227);
}

// The street noise of a section by its traffic 2..8: the busier, the
// lower the file number.
TEST_F(TrafficTest, EachTrafficLevelHasItsStreetNoise) {
    StartRun(1);
    g_speed = g_targetSpeed = 10;
    for (auto [row, file] : {std::pair{19, 4}, {18, 3}, {17, 2}, {15, 1}, {25, 1}, {26, 0}, {10, 0}}) {
        g_sectionIndex = row - 1;
        TImage* leading = g_landscapeTileToggle == 0 ? form().imgKrajina1 : form().imgKrajina2;
        leading->Left = 1299 - leading->Width;
        Tick();
        ASSERT_EQ(g_sectionIndex, row);
        EXPECT_EQ(sound.Find(static_cast<int>(g_soundChannels[2].handle))->path,
                  "Zvuky//Traffic//Doprava" + std::to_string(file) + ".wav") << "traffic " << g_route[row].traffic;
    }
}

TEST_F(TrafficTest, PassersByComeOnlyToSectionsWithAStop) {
    StartRun(1);
    g_sectionIndex = kNoStopRow;
    g_gatePedSpawn = 0;
    SpawnPedestrians(form());
    EXPECT_EQ(ActivePassersBy(), 0);
    EXPECT_EQ(g_gatePedSpawn, 180);  // traffic 6

    // On a quiet street one every 4 ticks: twenty within 80 ticks.
    g_sectionIndex = kQuietStopRow;
    g_gatePedSpawn = 0;
    Tick(77);
    EXPECT_EQ(ActivePassersBy(), 20);
    for (const PedestrianRecord& p : g_pedestrians) {
        EXPECT_TRUE(p.x >= -30 && p.x <= 1210);
        const bool backRow = p.row == 1 && p.y >= 348 && p.y <= 356;
        const bool frontRow = p.row == 0 && p.y >= 455 && p.y <= 473;
        EXPECT_TRUE(backRow || frontRow) << p.row << " " << p.y;
    }
    // Everybody out: the next step spawns nobody and still reloads.
    g_gatePedSpawn = 0;
    SpawnPedestrians(form());
    EXPECT_EQ(ActivePassersBy(), 20);
    EXPECT_EQ(g_gatePedSpawn, 4);
}

TEST_F(TrafficTest, WhileTheTramMovesEveryPasserByComesFromAhead) {
    StartRun(1);
    g_sectionIndex = kStopRow;
    g_speed = 15;
    ScriptRandomDraws({1});  // would send a standing tram's passer-by rightward
    SpawnPedestrians(form());
    EXPECT_EQ(g_pedestrians[0].direction, 0);
    EXPECT_EQ(g_pedestrians[0].x, 1200);
    g_speed = 0;
    ScriptRandomDraws({1});
    SpawnPedestrians(form());
    EXPECT_EQ(g_pedestrians[1].direction, 1);
    EXPECT_EQ(g_pedestrians[1].x, -20);
}

TEST_F(TrafficTest, PassersByAreFreedJustPastTheEdges) {
    StartRun(1);
    const int32 xs[] = {-29, -30, 1209, 1210};
    const int32 directions[] = {0, 0, 1, 1};
    for (int k = 0; k < 4; ++k) {
        g_pedestrians[k] = PedestrianRecord{1, 1, directions[k], 0, xs[k], 350, 0, 0, 1, 0, 1};
    }
    WalkPedestrians(form());
    EXPECT_EQ(g_pedestrians[0].active, 1);  // at -30
    EXPECT_EQ(g_pedestrians[2].active, 1);  // at 1210
    for (int k : {1, 3}) {
        EXPECT_EQ(g_pedestrians[k].active, 0);
        EXPECT_EQ(g_pedestrians[k].x, -20);
        EXPECT_EQ(g_pedestrians[k].y, 350);
    }
    // A stander does not walk; the street still carries it.
    g_pedestrians[0].walking = 0;
    WalkPedestrians(form());
    EXPECT_EQ(g_pedestrians[0].x, -30);
}

}  // namespace
