#include "tests/support/player.h"

#include <stdexcept>

#include "tests/support/career_figures.h"

namespace e2e {

const char* const kLevelDoneMessage =
    "You have fulfilled demands of this level! Congratulations! Now arrive at the home terminal and then try the "
    "newly declassified line. ;-)";
const char* const kGameFinishedMessage =
    "YOU\xB4VE FINISHED PLAYING THE GAME! CONGRATULATIONS! Now you can play another my biger games clicking here.";

namespace {

constexpr int kLoadingEvents = 44;  // start-timer events from the window to the menu
constexpr int kSecondTramPrice = 300;

int Shown(GameHarness& game, const char* label) {
    const std::string& text = game.ui().As<TLabel>(label).Caption();
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        throw std::runtime_error(std::string(label) + " shows \"" + text + "\" where a number belongs");
    }
}

}  // namespace

void Player::Click(const char* name) {
    Step();
    game_.ui().Click(name);
}

void Player::StartGame() {
    Step();
    game_.Show();
    for (int i = 0; i < kLoadingEvents; ++i) Wait(100);
    if (!InMenu() || game_.form().tStart->Enabled())
        throw std::runtime_error("the loading sequence did not reach the menu; reports:\n" + game_.ReportsText());
}

void Player::NewGame() {
    Click("labMenu2");
    Click("btnUpozorneniAno");
}

void Player::ContinueGame() { Click("labMenu3"); }
void Player::Tutorial() { Click("labMenu1"); }
void Player::BuyTram() { Click("btnKoupitNovouTramvaj"); }
void Player::StartRun() { Click("btnNovyKurs"); }
void Player::LeaveToMenu() { Click("BitBtn1"); }
void Player::NextTutorialPage() { Click("btnTutorial"); }

void Player::HoverMenu() {
    for (const char* entry : {"labMenu1", "labMenu2", "labMenu3", "labMenu4", "labMenu5"}) {
        Step();
        game_.ui().MouseMove(entry);
    }
}

void Player::Wait(long ms) {
    for (long done = 0; done < ms; done += 10) {
        Step();
        game_.ui().Advance(10);
    }
}

void Player::ChooseLine(int line) {
    for (int presses = 0; presses <= 11; ++presses) {
        const int shown = Shown(game_, "labZmenitLinku");
        if (shown == line) return;
        Click(shown < line ? "btnLinkaNext" : "btnLinkaPrevious");
    }
    throw std::runtime_error("the depot does not offer line " + std::to_string(line));
}

void Player::ChooseTram(int tram) {
    for (int presses = 0; presses <= 7; ++presses) {
        const int shown = Shown(game_, "labZmenitVuz");
        if (shown == tram) return;
        Click(shown < tram ? "btnTramvajNext" : "btnTramvajPrevious");
    }
    throw std::runtime_error("the depot does not offer tram " + std::to_string(tram));
}

RunLog Player::DriveToTerminus(long maxTicks, const std::function<bool(const RunLog&)>& stopWhen) {
    RunLog log;
    autopilot_.BeginRun(log);
    // The player reacts to what the first tick of the run shows.
    Wait(10);
    while (log.ticks < maxTicks && !(stopWhen && stopWhen(log))) {
        Step();
        if (!autopilot_.Step(log)) break;
    }
    return log;
}

std::vector<Player::CareerRun> Player::PlayCareer(int maxRuns, const std::function<void(const CareerRun&)>& afterRun) {
    std::vector<CareerRun> runs;
    int level = 0, trams = Shown(game_, "labZmenitVuz");
    bool finished = false;
    while (!finished && static_cast<int>(runs.size()) < maxRuns) {
        if (trams < 2 && Money() >= kSecondTramPrice) {
            BuyTram();
            trams += 1;
        }
        ChooseTram(trams);
        ChooseLine(level);
        CareerRun run;
        run.level = level;
        run.trams = trams;
        run.moneyBefore = Money();
        StartRun();
        run.log = DriveToTerminus();
        for (const std::string& m : run.log.messages) finished = finished || m == kGameFinishedMessage;
        run.finished = finished;
        runs.push_back(run);
        if (afterRun) afterRun(runs.back());
        if (!run.log.reachedDepot) break;
        const int shownLevel = LevelOfGoals(ReadDashboard(game_));
        if (!finished && shownLevel >= 0) level = shownLevel;
    }
    return runs;
}

int Player::Money() const { return Shown(game_, "labKasa"); }
bool Player::InDepot() const { return game_.form().panPrestavka->IsShowing(); }
bool Player::InMenu() const { return game_.form().panMainMenu->IsShowing() && game_.form().labMenu1->IsShowing(); }

}  // namespace e2e
