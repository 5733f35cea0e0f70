#include <utility>

#include "game/random.h"
#include "tests/support/run_fixture.h"

namespace {

class DoorCycleTest : public RunFixture {
protected:
    // One door-timer event; returns the picture shown by all six doors
    // ("" when they differ).
    std::string DoorEvent() {
        ui().AdvanceFires("tDvere", 1);
        const std::string shown = Picture(form().imgDvere[0]);
        for (TImage* door : form().imgDvere)
            if (Picture(door) != shown) return "";
        return shown;
    }
};

TEST_F(DoorCycleTest, AWholeStopFromOpeningToClosing) {
    StartRun(1);
    ArriveAtStop(3);  // line 0's second stop, scheduled for minute 2
    g_persons[60].state = PersonState::Riding;  // one rider already aboard
    g_persons[60].stopsToRide = 1;
    const int waiting = CountInState(PersonState::Waiting);
    ASSERT_GE(waiting, 1);
    g_clockSeconds = 70;  // 1:10, early
    const int32 money = g_money;
    const int32 stopsBefore = g_stopsRemaining;

    PressDoors();
    for (int frame = 1; frame <= 10; ++frame) {
        EXPECT_EQ(DoorEvent(), "Textures/Dvere/0" + std::to_string(frame) + ".bmp");
        EXPECT_FALSE(form().btnSpeed0->Enabled || form().btnSpeed60->Enabled) << frame;
    }
    EXPECT_FALSE(form().tDvere->Enabled());
    EXPECT_EQ(g_doorsOpen, 1);
    EXPECT_EQ(g_stopServed, 1);
    EXPECT_EQ(g_persons[60].stopsToRide, 0);

    // The crowd by count: n persons waiting or getting off, one step per 8.
    const std::string crowd = "Zvuky//Chodci//Chodci" + std::to_string(std::min(waiting / 8, 4)) + ".wav";
    ASSERT_EQ(sound.PlayingCount(crowd), 1);
    EXPECT_FLOAT_EQ(sound.Find(static_cast<int>(g_soundChannels[6].handle))->factor, 1.2f);

    const TLabel& income = *form().labPrijem;
    EXPECT_TRUE(income.Visible);
    EXPECT_EQ(income.Left, form().imgTramvaj->Width / 2 - income.Width / 2 + form().imgTramvaj->Left);
    EXPECT_EQ(form().panVarovani->Color, clGreen);

    // Tram 1 has 34 places: every waiting person is on the way in or turned away.
    EXPECT_EQ(CountInState(PersonState::WalkToDoor), std::min(waiting, 34));
    EXPECT_EQ(CountInState(PersonState::WalkAway), waiting - std::min(waiting, 34));

    // The tick walks them in; then D again, still before minute 2.
    for (PersonRecord& p : g_persons)
        if (p.state == PersonState::WalkToDoor) p.state = PersonState::Riding;
    PressDoors();
    for (int frame = 9; frame >= 0; --frame)
        EXPECT_EQ(DoorEvent(), "Textures/Dvere/0" + std::to_string(frame) + ".bmp");
    EXPECT_FALSE(form().tDvere->Enabled());
    EXPECT_EQ(g_doorsOpen, 0);
    EXPECT_EQ(sound.PlayingCount(crowd), 0);
    EXPECT_EQ(g_money, money - 20);
    EXPECT_EQ(form().panVarovani->Color, clBlack);
    EXPECT_EQ(g_stopDeparted, 1);
    EXPECT_EQ(g_stopsRemaining, stopsBefore - 1);
    EXPECT_TRUE(form().btnSpeed0->Enabled && form().btnSpeed60->Enabled);
    EXPECT_FALSE(income.Visible);
    EXPECT_EQ(income.Caption(), "$0");
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();
}

TEST_F(DoorCycleTest, WithTheTickRunningEveryoneBoardsAndPaysBeforeTheDoorsMayClose) {
    StartRun(1);
    ArriveAtStop(3);  // class 0 only: one dollar each
    form().tMainTimer->SetEnabled(true);
    g_clockSeconds = 125;
    ui().Advance(50);
    ASSERT_TRUE(form().btnDvere->Enabled) << "the tick offers the doors at the stop";
    const int waiting = CountInState(PersonState::Waiting);
    const int32 money = g_money;
    ui().Key('d');
    ui().Advance(1000);
    ASSERT_EQ(g_doorsOpen, 1);
    for (int ms = 0; ms < 60000 && !form().btnDvere->Enabled; ms += 100) ui().Advance(100);
    EXPECT_EQ(g_money, money + waiting);
    ui().Key('d');
    ui().Advance(1000);
    EXPECT_EQ(g_doorsOpen, 0);
    EXPECT_EQ(g_stopDeparted, 1);
    EXPECT_TRUE(form().btnSpeed30->Enabled);
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();
}

// A speed key pressed together with the door key, in either order, must
// not drive the tram off while the doors open: not even by an inch before
// the first door movement (W's first +1 km/h comes within 40 ms).
TEST_F(DoorCycleTest, TheTramHoldsWhileItsDoorsOpenWhateverKeyCameWithTheDoorKey) {
    for (const char* keys : {"td", "dt", "wd", "dw", "ed", "dr"}) {
        SCOPED_TRACE(keys);
        StartRun(1);
        ArriveAtStop(3);
        form().tMainTimer->SetEnabled(true);
        ui().Advance(50);
        ASSERT_TRUE(form().btnDvere->Enabled);
        ui().Key(keys[0]);
        ui().Key(keys[1]);
        for (int ms = 0; ms < 1500; ms += 10) {
            ui().Advance(10);
            ASSERT_EQ(g_speed, 0) << "after " << ms + 10 << " ms";
        }
        EXPECT_EQ(g_doorsOpen, 1);
        EXPECT_EQ(g_targetSpeed, 0);
        EXPECT_EQ(form().labZrychlitNa->Caption(), "0");
        EXPECT_EQ(g_sectionIndex, 3) << "the tram has driven on";
        form().tMainTimer->SetEnabled(false);
        form().tDvere->SetEnabled(false);
    }
}

TEST_F(DoorCycleTest, CrowdSoundFollowsTheNumberOfWaitingAndLeavingPersons) {
    StartRun(1);
    const std::pair<int, int> cases[] = {{7, 0}, {8, 1}, {31, 3}, {32, 4}, {92, 4}};
    for (auto [persons, file] : cases) {
        ResetPersonRecords();
        for (int k = 0; k < persons; ++k)  // half waiting, half getting off
            g_persons[k].state = k % 2 ? PersonState::Waiting : PersonState::ChooseExit;
        if (persons < 92) g_persons[91].state = PersonState::Riding;  // riders do not count
        sound.ClearLog();
        OpenDoors();
        const auto starts = sound.CallsNamed("_SoundSpust@12");
        ASSERT_EQ(starts.size(), 1u) << persons;
        EXPECT_EQ(starts[0].path, "Zvuky//Chodci//Chodci" + std::to_string(file) + ".wav");
        EXPECT_EQ(starts[0].arg, 1);  // looping
    }
    // Nobody waiting: no crowd, but the pitch call still goes to the last handle.
    ResetPersonRecords();
    const int last = static_cast<int>(g_soundChannels[6].handle);
    sound.ClearLog();
    OpenDoors();
    EXPECT_TRUE(sound.CallsNamed("_SoundSpust@12").empty());
    ASSERT_EQ(sound.CallsNamed("_SoundNastavFreq@8").size(), 1u);
    EXPECT_EQ(sound.CallsNamed("_SoundNastavFreq@8")[0].arg, last);
}

TEST_F(DoorCycleTest, AMissingDoorPictureIsReportedAndTheDoorsStillOpen) {
    StartRun(3);  // model 2
    HideAsset("Textures/Dvere/210.bmp");
    OpenDoors();
    EXPECT_EQ(g_doorsOpen, 1);
    EXPECT_EQ(g_tramLayout.doorFrame, 10);
    EXPECT_FALSE(form().tDvere->Enabled());
    EXPECT_EQ(form().imgDvere[0]->Picture->FileName(), "Textures//Dvere//20.bmp");
    EXPECT_NE(ReportsText().find("Cannot open file Textures/Dvere/210.bmp"), std::string::npos);
}

}  // namespace
