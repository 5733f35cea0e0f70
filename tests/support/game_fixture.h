// The whole game, headless, for tests that drive it the way a player does.
//
//   class DepotTest : public GameFixture {};
//
//   TEST_F(DepotTest, ContinueShowsTheSavedCareer) {
//       WriteSave(record);             // optional: a saved game in place
//       StartToMenu();                 // Form1 built, FormCreate, 44 loading events
//       ui().Click("labMenu3");        // CONTINUE GAME
//       EXPECT_TRUE(form().panPrestavka->Visible);
//       EXPECT_EQ(sound.PlayingCount("Zvuky//Hudba//MenuMusic.wav"), 1);
//   }
//
// Every test starts from scratch:
// - the game state at its starting values (ResetGameState), also after the test;
// - the working directory is a fresh temporary folder (removed afterwards)
//   where "Save.gqs" and the settings store live; the built asset tree
//   (Textures, Zvuky, Data of KORVALO_GAME_DIR) is reachable from it through
//   symbolic links, so every path the game builds resolves as in the game;
// - `sound`: the fake sound library (platform/fake_sound.h);
// - `services`: fake message boxes, process exit, statistics library
//   (present), threads (run at once), shell and calendar
//   (platform/fake_services.h);
// - `display`: a fake display offering 1024 x 768 x 32 (platform/fake_display.h);
//   change `display.modes` before CreateForm to try other screens;
// - the headless back end (`ui()`) with the virtual clock at 0.
//
// Steps, each doing what the one before needs when not done yet:
//   CreateForm()  builds Form1 (the widget tree, then FormCreate); not shown.
//   Show()        shows it: the timers start counting.
//   StartToMenu() runs the loading sequence to the main menu (44 start-timer
//                 events, 4.4 s of virtual time); throws when it does not
//                 get there, with the application's reports in the message.
//
// Files: HideAsset("Textures//Silnice//Silnice7.bmp") makes one asset file
// missing for this test only (RestoreAsset puts it back); WriteSave and
// WriteSaveBytes put a saved game in the working directory.
//
// GameHarness is the same without GoogleTest (benchmarks).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "game/save.h"
#include "platform/fake_display.h"
#include "platform/fake_services.h"
#include "platform/fake_sound.h"
#include "platform/headless.h"
#include "tests/support/support.h"

class GameHarness {
public:
    GameHarness();
    virtual ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    TForm1& CreateForm();
    void Show();
    TForm1& StartToMenu();

    // The form (CreateForm must have run).
    TForm1& form() const;
    Headless& ui() { return *ui_; }

    // The temporary working directory.
    const std::string& WorkDir() const { return work_.path(); }
    // Makes one file of the asset tree missing for this test; the path may
    // use "//" like the game's paths. RestoreAsset brings it back.
    void HideAsset(const std::string& path);
    void RestoreAsset(const std::string& path);

    void WriteSave(const SaveRecord& record);
    void WriteSaveBytes(const std::vector<unsigned char>& bytes);

    // Messages of the application's error report so far, one per line.
    std::string ReportsText() const;

    FakeSoundLibrary sound;
    FakeServices services;
    FakeDisplay display{{DisplayMode{800, 600, 32}, DisplayMode{1024, 768, 32}, DisplayMode{1280, 1024, 32}}};

private:
    testsupport::TempDir work_;
    std::string previousDir_;
    std::string previousSettingsRoot_;
    IDisplay* previousDisplay_ = nullptr;
    std::unique_ptr<Headless> ui_;
};

class GameFixture : public ::testing::Test, public GameHarness {};

// A saved career; everything not given as a new game has it.
SaveRecord Career(int money, int tramsBought, int fleet, int selected, int level = 0);
