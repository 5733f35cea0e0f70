#include "tests/e2e/player.h"

#include <stdexcept>

namespace e2e {

namespace {

int Shown(GameHarness& game, const char* label) {
    const std::string& text = game.ui().As<TLabel>(label).Caption();
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        throw std::runtime_error(std::string(label) + " shows \"" + text + "\" where a number belongs");
    }
}

}  // namespace

void Player::StartGame() { game_.StartToMenu(); }

void Player::NewGame() {
    game_.ui().Click("labMenu2");
    game_.ui().Click("btnUpozorneniAno");
}

void Player::ContinueGame() { game_.ui().Click("labMenu3"); }
void Player::Tutorial() { game_.ui().Click("labMenu1"); }
void Player::BuyTram() { game_.ui().Click("btnKoupitNovouTramvaj"); }
void Player::StartRun() { game_.ui().Click("btnNovyKurs"); }
void Player::LeaveToMenu() { game_.ui().Click("BitBtn1"); }
void Player::NextTutorialPage() { game_.ui().Click("btnTutorial"); }

void Player::ChooseLine(int line) {
    for (int presses = 0; presses <= 11; ++presses) {
        const int shown = Shown(game_, "labZmenitLinku");
        if (shown == line) return;
        game_.ui().Click(shown < line ? "btnLinkaNext" : "btnLinkaPrevious");
    }
    throw std::runtime_error("the depot does not offer line " + std::to_string(line));
}

void Player::ChooseTram(int tram) {
    for (int presses = 0; presses <= 7; ++presses) {
        const int shown = Shown(game_, "labZmenitVuz");
        if (shown == tram) return;
        game_.ui().Click(shown < tram ? "btnTramvajNext" : "btnTramvajPrevious");
    }
    throw std::runtime_error("the depot does not offer tram " + std::to_string(tram));
}

RunLog Player::DriveToTerminus(long maxTicks, const std::function<bool(const RunLog&)>& stopWhen) {
    RunLog log;
    autopilot_.BeginRun(log);
    // The player reacts to what the first tick of the run shows.
    game_.ui().Advance(10);
    while (log.ticks < maxTicks && !(stopWhen && stopWhen(log)) && autopilot_.Step(log)) {
    }
    return log;
}

int Player::Money() const { return Shown(game_, "labKasa"); }
bool Player::InDepot() const { return game_.form().panPrestavka->IsShowing(); }
bool Player::InMenu() const { return game_.form().panMainMenu->IsShowing(); }

}  // namespace e2e
