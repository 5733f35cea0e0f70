#include "tests/support/game_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "game/state.h"
#include "platform/settings_store.h"

namespace fs = std::filesystem;

namespace {

// "Textures//Maps//Map3.bmp" -> "Textures/Maps/Map3.bmp"
fs::path Normalised(const std::string& gamePath) {
    fs::path p;
    for (const auto& part : fs::path(gamePath))
        if (!part.empty() && part != "/") p /= part;
    return p;
}

// Turns a linked folder into a real folder of links to its entries, so
// one entry can be taken away without touching the built asset tree.
void Materialise(const fs::path& dir) {
    if (!fs::is_symlink(dir)) return;
    const fs::path target = fs::read_symlink(dir);
    fs::remove(dir);
    fs::create_directory(dir);
    for (const auto& entry : fs::directory_iterator(target))
        fs::create_symlink(entry.path(), dir / entry.path().filename());
}

}  // namespace

GameHarness::GameHarness() {
    ResetGameState();
    testsupport::LinkAssetFolders(work_.path());
    previousDir_ = fs::current_path().string();
    fs::current_path(work_.path());
    previousSettingsRoot_ = SettingsRoot();
    SetSettingsRoot(work_.path() + "/settings");
    previousDisplay_ = Services().display;
    Services().display = &display;
    ui_ = std::make_unique<Headless>();
    Application->ClearReports();
    Form1 = nullptr;
}

GameHarness::~GameHarness() {
    ui_.reset();  // destroys the form
    Form1 = nullptr;
    Services().display = previousDisplay_;
    SetSettingsRoot(previousSettingsRoot_);
    std::error_code ec;
    fs::current_path(previousDir_, ec);
    ResetGameState();
}

TForm1& GameHarness::CreateForm() {
    if (!Form1) {
        Application->Initialize();
        Application->Title = "Korvalo";
        Application->CreateForm(Form1);
    }
    return *Form1;
}

void GameHarness::Show() {
    CreateForm();
    if (!Application->Scheduler().Started()) ui_->Show();
}

TForm1& GameHarness::StartToMenu() {
    Show();
    const int left = 44 - g_startupStep;
    if (left > 0) ui_->AdvanceFires("tStart", left, 100 * 1000);
    if (g_startupStep != 44 || Form1->tStart->Enabled())
        throw std::runtime_error("the loading sequence stopped at step " + std::to_string(g_startupStep) +
                                 "; reports:\n" + ReportsText());
    return *Form1;
}

TForm1& GameHarness::form() const {
    if (!Form1) throw std::logic_error("no form yet: call CreateForm or StartToMenu first");
    return *Form1;
}

void GameHarness::HideAsset(const std::string& path) {
    const fs::path rel = Normalised(path);
    fs::path dir = work_.path();
    for (auto it = rel.begin(); std::next(it) != rel.end(); ++it) {
        dir /= *it;
        Materialise(dir);
    }
    if (!fs::remove(dir / rel.filename())) throw std::logic_error("no asset " + path + " to hide");
}

void GameHarness::RestoreAsset(const std::string& path) {
    const fs::path rel = Normalised(path);
    const fs::path here = fs::path(work_.path()) / rel;
    if (fs::exists(here)) return;
    fs::create_symlink(fs::path(testsupport::GameDir()) / rel, here);
}

void GameHarness::WriteSave(const SaveRecord& record) {
    unsigned char bytes[kSaveFileSize];
    EncodeSaveRecord(record, bytes);
    WriteSaveBytes(std::vector<unsigned char>(bytes, bytes + kSaveFileSize));
}

void GameHarness::WriteSaveBytes(const std::vector<unsigned char>& bytes) {
    std::ofstream out(fs::path(work_.path()) / kSaveFileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write the saved game of the test");
}

SaveRecord Career(int money, int tramsBought, int fleet, int selected, int level) {
    SaveRecord rec{};
    SetNewCareer(rec);
    rec.moneyHi = SplitHi(money);
    rec.moneyLo = SplitLo(money);
    rec.tramsBought = tramsBought;
    rec.fleetSize = fleet;
    rec.selectedTram = selected;
    rec.level = level;
    return rec;
}

std::string GameHarness::ReportsText() const {
    std::string text;
    for (const ErrorReport& r : Application->Reports()) text += r.message + "\n";
    return text;
}
