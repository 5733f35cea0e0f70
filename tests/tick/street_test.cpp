// The street: what moves with it and by how much, the road tiles, the
// poles, the wheels, and the stop, light and sign placed ahead.
#include "stop/stop_service.h"
#include "tests/tick/tick_fixture.h"
#include "tick/blocks.h"

namespace {

class Street : public TickTest {};

TEST_F(Street, AStopIsPlacedAt3200WithItsPassengersAndScrollsInByTheBand) {
    struct Case {
        int32 speed;
        int step;
    };
    for (const Case c : {Case{5, 1}, Case{6, 2}, Case{30, 6}, Case{31, 7}, Case{60, 12}}) {
        SCOPED_TRACE(c.speed);
        StartRun(0);
        Cruise(c.speed);
        g_sectionIndex = 1;  // shelter 1, board 0
        Tick();
        TForm1& f = form();
        EXPECT_EQ(g_stopPlaced, 1);
        EXPECT_EQ(f.imgStanice->Left, 3200);
        EXPECT_EQ(f.imgStanice2->Left, 3200);
        EXPECT_EQ(f.imgStanice->Picture->FileName(), "Textures//Stanice//Stanice1.bmp");
        EXPECT_EQ(f.imgStanice2->Picture->FileName(), "Textures//Stanice2//Stanice0.bmp");
        EXPECT_TRUE(f.panVystrahaStanice->Visible);
        EXPECT_EQ(f.cgVystrahaStanice->Progress(), 100);

        int waiting = 0;
        int32 firstX = 0;
        for (const PersonRecord& p : g_persons)
            if (p.state == PersonState::Waiting && waiting++ == 0) firstX = p.x;
        EXPECT_GE(waiting, 1) << "class 0 always has someone waiting here";
        EXPECT_GE(firstX, 3200 + 150);

        Tick();
        EXPECT_EQ(f.imgStanice->Left, 3200 - c.step);
        EXPECT_EQ(f.imgStanice2->Left, 3200 - c.step);
        EXPECT_EQ(f.cgVystrahaStanice->Progress(), 100);
        for (const PersonRecord& p : g_persons)
            if (p.state == PersonState::Waiting) {
                EXPECT_EQ(p.x, firstX - c.step);
                break;
            }
        EXPECT_EQ(g_stopPlaced, 1);  // once per section
    }
}

TEST_F(Street, EverythingOnTheStreetMovesWithIt) {
    StartRun(0);
    TForm1& f = form();
    Cruise(60);  // band 12
    g_sectionIndex = 11;  // no stop, no light: held back unless on their way
    for (CarRecord& car : g_cars) car.active = 0;
    g_cars[0].active = 1;
    g_cars[5].active = 1;
    f.imgAutoDoleva[0]->Left = 500;
    f.imgAutoDoleva[1]->Left = 500;
    f.imgAutoDoprava[1]->Left = 500;
    g_persons[0].state = PersonState::Waiting;
    g_persons[0].x = 400;
    g_persons[1].state = PersonState::WalkAway;
    g_persons[1].x = 400;
    g_persons[2].state = PersonState::Riding;
    g_persons[2].x = 400;
    g_pedestrians[3].x = 100;  // inactive, moved all the same
    f.imgSilnice1->Left = 0;
    f.imgSloup2->Left = 700;
    f.imgStanice->Left = 999;
    f.imgStanice2->Left = 999;
    f.imgSemafor->Left = 1000;
    f.imgPrechodProChodce->Left = 1090;
    f.imgZnacka->Left = -30;

    ScrollStreet(f);

    EXPECT_EQ(f.imgSilnice1->Left, -12);
    EXPECT_EQ(f.imgSloup2->Left, 688);
    EXPECT_EQ(f.imgAutoDoleva[0]->Left, 500 - 19);
    EXPECT_EQ(f.imgAutoDoleva[1]->Left, 500) << "a free car stays";
    EXPECT_EQ(f.imgAutoDoprava[1]->Left, 500 + 1);
    EXPECT_EQ(g_persons[0].x, 388);
    EXPECT_EQ(g_persons[1].x, 388);
    EXPECT_EQ(g_persons[2].x, 400);
    EXPECT_EQ(g_pedestrians[3].x, 88);
    EXPECT_EQ(f.imgStanice->Left, 987) << "on its way across the screen";
    EXPECT_EQ(f.imgStanice2->Left, 987);
    EXPECT_EQ(f.imgSemafor->Left, 1000) << "held back: no light on this row";
    EXPECT_EQ(f.imgPrechodProChodce->Left, 1090);
    EXPECT_EQ(f.imgZnacka->Left, -42);
    ScrollStreet(f);
    EXPECT_EQ(f.imgZnacka->Left, -42) << "the sign waits once it is past -40";

    // The stop waits beyond -1300; the board one step behind the shelter.
    Cruise(5);
    f.imgStanice->Left = -1299;
    f.imgStanice2->Left = -1299;
    ScrollStreet(f);
    ScrollStreet(f);
    EXPECT_EQ(f.imgStanice->Left, -1300);
    EXPECT_EQ(f.imgStanice2->Left, -1299);
    f.imgSemafor->Left = -249;
    ScrollStreet(f);
    ScrollStreet(f);
    EXPECT_EQ(f.imgSemafor->Left, -250);
}

TEST_F(Street, PolesWrapRoadTilesLeapfrogAndWheelsTurnByTheBand) {
    StartRun(0);
    TForm1& f = form();
    f.imgSloup1->Left = -20;
    f.imgSloup2->Left = -21;
    WrapPolesAndCheckLight(f);
    EXPECT_EQ(f.imgSloup1->Left, -20);
    EXPECT_EQ(f.imgSloup2->Left, 1200);

    g_sectionIndex = 3;  // road 1
    f.imgSilnice1->Left = 1170 - f.imgSilnice1->Width;
    ChangeRoadTile(f);
    EXPECT_EQ(g_roadTileToggle, 0) << "an edge of exactly 1170 changes nothing";
    f.imgSilnice1->Left -= 1;
    ChangeRoadTile(f);
    EXPECT_EQ(g_roadTileToggle, 1);
    EXPECT_EQ(f.imgSilnice2->Picture->FileName(), "Textures//Silnice//Silnice1.bmp");
    EXPECT_EQ(f.imgSilnice2->Left, f.imgSilnice1->Left + f.imgSilnice1->Width - 2);

    struct Case {
        int32 speed;
        int frames;  // wheel frames in 42 moving ticks
    };
    for (const Case c : {Case{5, 6}, Case{25, 14}, Case{45, 21}, Case{46, 42}}) {
        SCOPED_TRACE(c.speed);
        StartRun(0);
        Cruise(c.speed);
        Tick();  // the first moving tick shows a frame (the delay starts at 1)
        int frames = 0;
        for (int i = 0; i < 42; ++i) {
            const int32 before = g_tramLayout.wheelFrame;
            Tick();
            frames += g_tramLayout.wheelFrame != before;
        }
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(f.imgKola[3]->Picture->FileName(),
                  "Textures//Kola//0" + IntToStr((g_tramLayout.wheelFrame + 3) % 4) + ".bmp");
    }
}

TEST_F(Street, TheLightAndTheSignArePlacedOncePerSection) {
    StartRun(0);
    TForm1& f = form();
    Cruise(20);
    Tick();
    EXPECT_EQ(g_lightPlaced, 1) << "no light on a run's first section";
    EXPECT_EQ(f.imgSemafor->Left, -500);
    EXPECT_EQ(f.imgZnacka->Left, 4310);
    EXPECT_EQ(f.imgZnacka->Picture->FileName(), "Textures//Znacky//Znacka60.bmp");

    g_sectionIndex = 4;  // light, limit 45
    g_lightPlaced = 0;
    g_signPlaced = 0;
    f.panVystrahaSemafor->Visible = false;
    Tick();
    EXPECT_EQ(f.imgSemafor->Left, 3000);
    EXPECT_EQ(f.imgPrechodProChodce->Left, 3090);
    EXPECT_TRUE(f.panVystrahaSemafor->Visible);
    EXPECT_EQ(f.cgVystrahaSemafor->Progress(), 100);
    EXPECT_EQ(f.imgZnacka->Picture->FileName(), "Textures//Znacky//Znacka45.bmp");
    Tick();
    EXPECT_EQ(f.imgSemafor->Left, 3000 - 4);
    EXPECT_EQ(f.imgZnacka->Left, 4310 - 4);
}

}  // namespace
