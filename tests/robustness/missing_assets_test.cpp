// Every file of the generated asset set taken away, one at a time, at the
// moment the game first needs it: the player gets one report naming it and
// the game goes on.
//
// One deterministic play covers everything the game reads: the loading
// sequence, the menu, the tutorial with its pages, NEW GAME, both trams and
// a whole career over lines 0, 1 and 2. A first play records, for every
// file, the step (click, key-and-tick or wait) before which it is first
// read. A second play stops before each such step and forks: the child
// hides the file, plays on for a while and reports what it saw; the parent
// waits and plays on untouched (under the sanitizers every third file of
// each folder, see kEveryNth). Files the play never reads are all taken
// away together in a third play, which must then finish the same career
// without a single message box.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "platform/openal/openal_sound.h"
#include "platform/picture.h"
#include "platform/timer.h"
#include "tests/support/player.h"
#include "tests/support/support.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStepsAfterLoss = 200;  // how long a child plays on without the file

// Each child is a fork of the whole game; under the sanitizers that is
// slow, so there every third file of each folder is taken away (every code
// path still is).
#if defined(__SANITIZE_ADDRESS__)
constexpr int kEveryNth = 3;
#else
constexpr int kEveryNth = 1;
#endif

// "Textures//Maps//Map0.bmp" -> "Textures/Maps/Map0.bmp"
std::string Normalised(const std::string& path) {
    std::string out;
    for (char c : path)
        if (c != '/' || out.empty() || out.back() != '/') out += c;
    return out;
}

bool IsSound(const std::string& path) { return path.rfind("Zvuky/", 0) == 0; }

// Every file of the built asset tree, as the game names it.
std::set<std::string> AssetSet() {
    std::set<std::string> files;
    for (const char* folder : {"Textures", "Zvuky", "Data"})
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(testsupport::GameDir()) / folder))
            if (entry.is_regular_file())
                files.insert(fs::relative(entry.path(), testsupport::GameDir()).string());
    return files;
}

int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// The files each step reads for the first time: pictures and texts from
// the load log, sounds from the sound library's starts.
class FirstUse {
public:
    explicit FirstUse(FakeSoundLibrary& sound) : sound_(sound) {}
    // Call before step `step`: what was read since belongs to the step before.
    void Before(long step) { Collect(step - 1); }
    void After(long lastStep) { Collect(lastStep); }
    const std::map<std::string, long>& Steps() const { return first_; }

private:
    void Collect(long step) {
        const auto& loads = LoadLog();
        for (; loads_ < loads.size(); ++loads_) first_.emplace(Normalised(loads[loads_].path), step);
        const auto& calls = sound_.Calls();
        for (; calls_ < calls.size(); ++calls_)
            if (calls[calls_].name == "_SoundSpust@12") first_.emplace(Normalised(calls[calls_].path), step);
    }
    FakeSoundLibrary& sound_;
    std::size_t loads_ = 0, calls_ = 0;
    std::map<std::string, long> first_;
};

// The play, the same every time.
std::vector<e2e::Player::CareerRun> PlayEverything(e2e::Player& player) {
    player.StartGame();
    player.HoverMenu();
    player.Tutorial();
    for (int page = 2; page <= 6; ++page) player.NextTutorialPage();
    player.DriveToTerminus();
    player.LeaveToMenu();
    player.NewGame();
    player.BuyTram();
    return player.PlayCareer();
}

// Timer events so far (none before the window exists).
long TimerEvents() {
    if (!Form1) return 0;
    long n = 0;
    for (TTimer* t : {Form1->tDvere, Form1->tSemafor, Form1->tMainTimer, Form1->tStart}) n += t->FireCount();
    return n;
}

// Stderr into a file for as long as the object lives.
class StderrCapture {
public:
    explicit StderrCapture(const std::string& file) {
        std::fflush(stderr);
        saved_ = dup(2);
        const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    ~StderrCapture() {
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
    }

private:
    int saved_ = -1;
};

// The child's side: the file is gone from the step on; after the play
// went on for a while (or stopped), what the player saw is judged.
class Loss {
public:
    Loss(GameHarness& game, std::string file, int resultFd, std::string stderrFile)
        : game_(game), file_(std::move(file)), resultFd_(resultFd), stderrFile_(std::move(stderrFile)) {
        capture_ = std::make_unique<StderrCapture>(stderrFile_);
        if (IsSound(file_)) {
            // The real library: it is the one that finds the file missing.
            OpenAlSoundLibrary::Options options;
            options.loopback = true;
            real_ = std::make_unique<OpenAlSoundLibrary>(options);
            UseSoundLibrary(real_.get());
            real_->Init(0);
        }
        game_.HideAsset(file_);
        eventsAtLoss_ = TimerEvents();
    }

    // Called before each step the child plays; ends the child after enough.
    void Step() {
        NoteShown();
        if (++steps_ >= kStepsAfterLoss) Finish("");
    }

    [[noreturn]] void Finish(const std::string& stoppedBy) {
        NoteShown();
        std::string verdict = Judge(stoppedBy);
        game_.RestoreAsset(file_);
        if (write(resultFd_, verdict.data(), verdict.size()) < 0) verdict.clear();
        _exit(0);
    }

private:
    // Every box the player has seen since the loss: a later click of the
    // play on the box's area dismisses it, as a player's click would.
    void NoteShown() {
        for (const AnsiString& message : Application->ShownReports())
            if (std::find(shown_.begin(), shown_.end(), message) == shown_.end()) shown_.push_back(message);
    }

    std::string Judge(const std::string& stoppedBy) {
        capture_.reset();
        const std::string err = testsupport::ReadFile(stderrFile_);
        std::ostringstream problems;
        const std::vector<AnsiString>& shown = shown_;
        if (IsSound(file_)) {
            if (!shown.empty()) problems << "a sound made a message box: " << shown.front() << "; ";
            const int lines = CountOf(err, "cannot play " + file_) + CountOf(err, "cannot play " + Slashes(file_));
            if (lines != 1) problems << lines << " reports of the missing sound on stderr; ";
        } else {
            const bool named = shown.size() == 1 && Normalised(shown.front()).find(file_) != std::string::npos;
            if (!named) {
                problems << shown.size() << " reports shown:";
                for (const auto& s : shown) problems << " [" << s << "]";
                problems << "; ";
            }
        }
        // The game goes on: its timers keep firing (in the depot only the
        // traffic light's does, every 6 to 30 s).
        if (Application->MainForm() && !Application->MainForm()->Closed() && TimerEvents() <= eventsAtLoss_)
            game_.ui().Advance(30000);
        if (Application->MainForm() && Application->MainForm()->Closed())
            problems << "the window closed; ";
        else if (TimerEvents() <= eventsAtLoss_)
            problems << "no timer fired after the loss; ";
        if (!stoppedBy.empty()) problems << "(the play stopped: " << stoppedBy << ") ";
        const std::string p = problems.str();
        return p.empty() || (p.rfind("(the play stopped", 0) == 0) ? "" : p;
    }
    // The game's own spelling of a path, "//" between the parts.
    static std::string Slashes(const std::string& path) {
        std::string out;
        for (char c : path) out += c == '/' ? std::string("//") : std::string(1, c);
        return out;
    }

    GameHarness& game_;
    std::string file_;
    int resultFd_;
    std::string stderrFile_;
    std::unique_ptr<StderrCapture> capture_;
    std::unique_ptr<OpenAlSoundLibrary> real_;
    long eventsAtLoss_ = 0;
    int steps_ = 0;
    std::vector<AnsiString> shown_;
};

class MissingAssets : public ::testing::Test {};

TEST_F(MissingAssets, EachFileTakenAwayWhenFirstNeededGivesOneReportAndTheGameGoesOn) {
    const std::set<std::string> assets = AssetSet();
    ASSERT_GT(assets.size(), 500u);

    // 1. The play as it should be, noting where each file is first read.
    std::map<std::string, long> firstStep;
    {
        GameHarness game;
        EnableLoadLog(true);
        ClearLoadLog();
        FirstUse use(game.sound);
        e2e::Player player(game);
        long step = 0;
        player.SetStepHook([&] { use.Before(step++); });
        PlayEverything(player);
        use.After(step - 1);
        EnableLoadLog(false);
        ASSERT_EQ(game.ReportsText(), "") << "the complete asset set must play without a report";
        firstStep = use.Steps();
    }
    std::map<long, std::vector<std::string>> byStep;
    std::map<std::string, int> perFolder;
    int chosen = 0;
    for (const auto& [file, step] : firstStep) {
        EXPECT_TRUE(assets.count(file)) << "the game reads " << file << ", which the asset set lacks";
        if (!assets.count(file) || perFolder[file.substr(0, file.rfind('/'))]++ % kEveryNth != 0) continue;
        byStep[step].push_back(file);
        ++chosen;
    }

    // 2. The same play, forking a child that loses the file before each
    // first read.
    std::vector<std::string> failures;
    int children = 0;
    {
        GameHarness game;
        testsupport::TempDir scratch;
        e2e::Player player(game);
        std::unique_ptr<Loss> loss;  // set in a child only
        long step = 0;
        player.SetStepHook([&] {
            if (loss) return loss->Step();
            const auto due = byStep.find(step++);
            if (due == byStep.end()) return;
            for (const std::string& file : due->second) {
                int pipeFd[2];
                ASSERT_EQ(pipe(pipeFd), 0);
                std::fflush(nullptr);
                const pid_t pid = fork();
                ASSERT_GE(pid, 0);
                if (pid == 0) {
                    close(pipeFd[0]);
                    try {
                        loss = std::make_unique<Loss>(game, file, pipeFd[1], scratch.path() + "/stderr");
                    } catch (const std::exception& e) {
                        const std::string why = std::string("could not take it away: ") + e.what();
                        if (write(pipeFd[1], why.data(), why.size()) < 0) _exit(2);
                        _exit(0);
                    }
                    return;  // the child plays on from here
                }
                close(pipeFd[1]);
                std::string verdict;
                char buf[512];
                for (ssize_t n; (n = read(pipeFd[0], buf, sizeof buf)) > 0;) verdict.append(buf, static_cast<size_t>(n));
                close(pipeFd[0]);
                int status = 0;
                waitpid(pid, &status, 0);
                game.RestoreAsset(file);  // also after a child that died
                ++children;
                if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
                    failures.push_back(file + ": the game died (status " + std::to_string(status) + ")");
                else if (!verdict.empty())
                    failures.push_back(file + ": " + verdict);
            }
        });
        try {
            PlayEverything(player);
        } catch (const std::exception& e) {
            if (loss) loss->Finish(e.what());
            throw;
        }
        if (loss) loss->Finish("the play ended");
    }
    EXPECT_EQ(children, chosen);
    std::string all;
    for (const auto& f : failures) all += "  " + f + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << children << " files:\n" << all;

    // 3. Everything the play never reads, gone at once: the same career,
    // without a message box. The form's own artwork is read while the window
    // is built; a missing piece of it is said once on stderr.
    std::vector<std::string> unread;
    for (const std::string& f : assets)
        if (!firstStep.count(f)) unread.push_back(f);
    {
        GameHarness game;
        testsupport::TempDir scratch;
        for (const std::string& f : unread) game.HideAsset(f);
        ClearBitmapCache();
        std::string err;
        std::vector<e2e::Player::CareerRun> runs;
        {
            StderrCapture capture(scratch.path() + "/stderr");
            e2e::Player player(game);
            runs = PlayEverything(player);
        }
        err = testsupport::ReadFile(scratch.path() + "/stderr");
        EXPECT_EQ(game.ReportsText(), "");
        ASSERT_FALSE(runs.empty());
        EXPECT_TRUE(runs.back().finished);
        for (const std::string& f : unread)
            EXPECT_LE(CountOf(err, f), 1) << f << " is reported more than once:\n" << err;
    }
    RecordProperty("files", static_cast<int>(assets.size()));
    RecordProperty("read_by_the_play", static_cast<int>(firstStep.size()));
    std::string unreadList;
    for (const auto& f : unread) unreadList += f + " ";
    RecordProperty("never_read", unreadList);
}

}  // namespace
