// A player for whole-game tests: the menu and the depot by clicks, the
// driving by the autopilot's keys, time by the virtual clock.
//
//   Player player(*this);           // a GameHarness / GameFixture
//   player.StartGame();             // the loading sequence to the main menu
//   player.NewGame();
//   player.BuyTram();
//   player.StartRun();
//   RunLog run = player.DriveToTerminus();
#pragma once

#include <functional>
#include <string>

#include "tests/e2e/autopilot.h"
#include "tests/support/game_fixture.h"

namespace e2e {

class Player {
public:
    explicit Player(GameHarness& game) : game_(game), autopilot_(game) {}

    // --- screens -----------------------------------------------------------
    void StartGame();                 // the loading sequence to the main menu
    void NewGame();                   // NEW GAME, then yes
    void ContinueGame();              // CONTINUE GAME
    void Tutorial();                  // TUTORIAL
    void BuyTram();                   // the depot's buy button
    void ChooseLine(int line);        // the line arrows until `line` shows
    void ChooseTram(int tram);        // the tram arrows until `tram` shows
    void StartRun();                  // the depot's start button
    void LeaveToMenu();               // BitBtn1
    void NextTutorialPage();          // btnTutorial

    // Drives the run on the screen until the depot or the menu comes back
    // or `maxTicks` ticks have passed; `stopWhen` (if given) ends the drive
    // early when it returns true, asked before every tick.
    RunLog DriveToTerminus(long maxTicks = 200000, const std::function<bool(const RunLog&)>& stopWhen = {});

    // --- what the screen shows -------------------------------------------------
    int Money() const;                // labKasa
    bool InDepot() const;
    bool InMenu() const;

private:
    GameHarness& game_;
    Autopilot autopilot_;
};

}  // namespace e2e
