// A player for whole-game tests: the menu and the depot by clicks, the
// driving by the autopilot's keys, time by the virtual clock.
//
//   Player player(game);            // a GameHarness / GameFixture
//   player.StartGame();             // the loading sequence to the main menu
//   player.NewGame();
//   player.BuyTram();
//   player.StartRun();
//   RunLog run = player.DriveToTerminus();
//
// Everything the player does is a step: one click, one key-and-tick of the
// autopilot, or one wait. A step hook (SetStepHook) runs before each one,
// so a test can stop the game between any two steps.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/support/autopilot.h"
#include "tests/support/game_fixture.h"

namespace e2e {

class Player {
public:
    explicit Player(GameHarness& game) : game_(game), autopilot_(game) {}

    void SetStepHook(std::function<void()> hook) { hook_ = std::move(hook); }

    // --- screens -----------------------------------------------------------
    void StartGame();                 // the loading sequence, 100 ms at a time
    void NewGame();                   // NEW GAME, then yes
    void ContinueGame();              // CONTINUE GAME
    void Tutorial();                  // TUTORIAL
    void BuyTram();                   // the depot's buy button
    void ChooseLine(int line);        // the line arrows until `line` shows
    void ChooseTram(int tram);        // the tram arrows until `tram` shows
    void StartRun();                  // the depot's start button
    void LeaveToMenu();               // BitBtn1
    void NextTutorialPage();          // btnTutorial
    void HoverMenu();                 // the pointer over each menu entry
    void Wait(long ms);               // time passes, in steps of 10 ms
    void Cruise(int kmh) { autopilot_.Cruise(kmh); }  // see Autopilot::Cruise

    // Drives the run on the screen until the depot or the menu comes back
    // or `maxTicks` ticks have passed; `stopWhen` (if given) ends the drive
    // early when it returns true, asked before every tick.
    RunLog DriveToTerminus(long maxTicks = 200000, const std::function<bool(const RunLog&)>& stopWhen = {});

    // A career from the depot after NEW GAME to the finished game: a
    // second tram as soon as the money allows, always the newest line,
    // run after run until the game says it is finished (at most `maxRuns`).
    // `afterRun` sees every run as it ends, in the depot.
    struct CareerRun {
        RunLog log;
        int level = 0;          // the level the run was driven at (= its line)
        int trams = 0;          // trams owned
        int moneyBefore = 0;    // in the depot before the start
        bool finished = false;  // the run met the last level's goals
    };
    std::vector<CareerRun> PlayCareer(int maxRuns = 40, const std::function<void(const CareerRun&)>& afterRun = {});

    // --- what the screen shows -------------------------------------------------
    int Money() const;                // labKasa
    bool InDepot() const;
    bool InMenu() const;

private:
    void Click(const char* name);
    void Step() {
        if (hook_) hook_();
    }

    GameHarness& game_;
    Autopilot autopilot_;
    std::function<void()> hook_;
};

// The level-done and game-finished messages.
extern const char* const kLevelDoneMessage;
extern const char* const kGameFinishedMessage;

}  // namespace e2e
