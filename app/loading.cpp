// The loading sequence: one step per start-timer event. Three seconds on
// the logo, the intro with the second launch report, the picture families
// read behind the progress bar, the first layout of the scene, the main
// menu; then the timer stops itself.
//
// A picture that cannot be opened ends the event at that file (the
// application reports it). The step is not run again every 100 ms: it
// waits until the file appears or changes, then reads its family again
// from the start, so the player sees one report and the loading goes on
// as soon as the file is back.
#include <sys/stat.h>

#include <vector>

#include "app/form1.h"
#include "app/statistics.h"
#include "game/depot.h"
#include "game/random.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "stop/stop_service.h"

namespace {

constexpr int kIntroStep = 30;
constexpr int kFirstFamilyStep = 31;
constexpr int kLastFamilyStep = 41;
constexpr int kMenuStep = 42;
constexpr int kStopStep = 43;

struct PictureLoad {
    TImage* image;
    AnsiString path;
};

// Files loaded into `images` in turn: the first file into the first
// image, the next into the second, and so on round.
struct RoundRobin {
    std::vector<TImage*> images;
    std::vector<PictureLoad> loads;
    void Add(const AnsiString& path) { loads.push_back({images[loads.size() % images.size()], path}); }
};

AnsiString N(int n) { return IntToStr(n); }

// The files of a picture family step (31..41), in loading order.
std::vector<PictureLoad> FamilyFiles(TForm1& f, int step) {
    switch (step) {
        case 31:
        case 32: {
            const bool right = step == 31;
            TImage* const* cars = right ? f.imgAutoDoprava : f.imgAutoDoleva;
            RoundRobin r{{cars[0], cars[1], cars[2], cars[3]}, {}};
            const AnsiString folder = right ? "Textures//Doprava//AutaDoprava//" : "Textures//Doprava//AutaDoleva//";
            for (int model = 0; model <= 8; ++model)
                for (int frame = 0; frame <= 2; ++frame) r.Add(folder + N(model) + N(frame) + ".bmp");
            return r.loads;
        }
        case 33:
        case 34: {
            RoundRobin r{{f.imgKrajina1, f.imgKrajina2}, {}};
            if (step == 33)
                for (int n = 0; n <= 10; ++n) r.Add("Textures//Maps//Map" + N(n) + ".bmp");
            else
                for (int n = 0; n <= 3; ++n) r.Add("Textures//Maps//Map50" + N(n) + ".bmp");
            return r.loads;
        }
        case 35:
        case 36: {
            RoundRobin r{{f.imgSilnice1, f.imgSilnice2}, {}};
            if (step == 35)
                for (int n = 0; n <= 36; ++n) r.Add("Textures//Silnice//Silnice" + N(n) + ".bmp");
            else
                for (int n = 0; n <= 3; ++n) r.Add("Textures//Silnice//Silnice50" + N(n) + ".bmp");
            return r.loads;
        }
        case 37: {
            std::vector<PictureLoad> loads;
            for (int n = 0; n <= 5; ++n) loads.push_back({f.imgStanice, "Textures//Stanice//Stanice" + N(n) + ".bmp"});
            return loads;
        }
        case 38: {
            std::vector<PictureLoad> loads;
            for (int n = 0; n <= 11; ++n)
                loads.push_back({f.imgStanice2, "Textures//Stanice2//Stanice" + N(n) + ".bmp"});
            loads.push_back({f.imgStanice2, "Textures//Stanice2//Stanice40.bmp"});
            return loads;
        }
        case 39:
            return {{f.imgUPpanel, "Textures//Panely//UPpanel.bmp"},
                    {f.imgDOWNpanel, "Textures//Panely//DOWNpanel.bmp"},
                    {f.imgPrestavka, "Textures//Panely//PanelPrestavka.bmp"}};
        case 40: {
            // Walking pictures of the first two passenger classes.
            std::vector<PictureLoad> loads;
            for (int facing = 0; facing <= 2; ++facing)
                for (int frame = 0; frame <= 2; ++frame)
                    for (const char* cls : {"0", "1"})
                        loads.push_back({f.Clovek[0], AnsiString("Textures//LidePohyb1//") + cls + "//" + N(facing) +
                                                          N(frame) + ".bmp"});
            return loads;
        }
        case 41: {
            // Standing pictures of the first two passenger classes.
            std::vector<PictureLoad> loads;
            for (int facing = 0; facing <= 2; ++facing)
                for (int pose = 0; pose <= 2; ++pose)
                    for (int frame = 0; frame <= 4; ++frame)
                        for (const char* cls : {"0", "1"})
                            loads.push_back({f.Clovek[0], AnsiString("Textures//LideStatic//") + cls + "//" +
                                                              N(facing) + N(pose) + N(frame) + ".bmp"});
            return loads;
        }
        default:
            return {};
    }
}

const char* FamilyCaption(int step) {
    static const char* const captions[] = {
        "... loading traffic ...",    "... loading cars ...",     "... loading buildings ...",
        "... loading landscapes ...", "... loading streets ...",  "... loading forrest ...",
        "... loading floors ...",     "... loading stations ...", "... loading panels ...",
        "... loading people ...",     "... loading passengers ...",
    };
    return captions[step - kFirstFamilyStep];
}

void ShowIntro(TForm1& f) {
    f.imgMainMenu->Picture->LoadFromFile("Textures//MainMenu//Intro.bmp");
    f.imgLoading->Picture->LoadFromFile("Textures//MainMenu//Loading.bmp");
    f.imgLoading->SetBounds(202, 702, 0, 16);
    f.labLoading->Left = 400;
    f.labLoading->Top = 670;
    f.labLoading->SetCaption("");
    f.labLoading->Visible = true;
    f.imgAutoMenuDoprava->Picture->LoadFromFile("Textures//Doprava//AutaDoprava//90.bmp");
    f.imgAutoMenuDoleva->Picture->LoadFromFile("Textures//Doprava//AutaDoleva//90.bmp");
    // Waits for the answer: the intro stands still meanwhile.
    SendRequest(SecondReportAddress());
}

void LoadFamily(TForm1& f, int step) {
    for (const PictureLoad& load : FamilyFiles(f, step)) load.image->Picture->LoadFromFile(load.path);
    f.imgLoading->Width = 50 * (step - kIntroStep);
    f.labLoading->SetCaption(FamilyCaption(step));
}

// The scene as the first run finds it, and the main menu.
void LayOutSceneAndShowMenu(TForm1& f) {
    f.imgKrajina1->Top = 50;
    f.imgKrajina2->Top = 50;
    f.imgSilnice1->Top = 338;
    f.imgSilnice2->Top = 338;

    // Stop beyond the right edge; light, crossing and sign beyond the left.
    f.imgStanice->Left = 1500;
    f.imgStanice->Top = 457;
    f.imgStanice2->Left = 1500;
    f.imgStanice2->Top = 353;
    f.imgSemafor->Top = 228;
    f.imgPrechodProChodce->Top = 416;
    f.imgZnacka->Top = 354;
    for (TImage* img : {f.imgSemafor, f.imgPrechodProChodce, f.imgZnacka}) img->Left = -100;
    f.imgSloup1->Left = 288;
    f.imgSloup1->Top = 269;
    f.imgSloup2->Left = 864;
    f.imgSloup2->Top = 269;
    for (int i = 0; i < 4; ++i) {
        f.imgAutoDoleva[i]->Left = 1200;
        f.imgAutoDoleva[i]->Top = 381;
        f.imgAutoDoprava[i]->Left = -220;
        f.imgAutoDoprava[i]->Top = 441;
    }

    PlaceTram(f);  // at the current layout

    RefreshSceneZOrder(f);
    SeedRandom();
    f.labPrijem->Top = 296;
    RefreshDepotPanel(f);

    f.imgMainMenu->Picture->LoadFromFile("Textures//MainMenu//MainMenu.bmp");
    for (TLabel* l : {f.labMenu1, f.labMenu2, f.labMenu3, f.labMenu4, f.labMenu5}) l->Visible = true;
    f.labLoading->Visible = false;
    f.imgLoading->Visible = false;

    // The new-game question, hidden until asked.
    f.panUpozorneni->SetBounds(200, 299, 600, 75);
    f.imgUpozorneni->SetBounds(0, 0, 600, 75);
    f.imgUpozorneni->Picture->LoadFromFile("Textures//Panely//Upozorneni.bmp");
    f.btnUpozorneniAno->SetBounds(75, 35, 200, 25);
    f.btnUpozorneniNe->SetBounds(325, 35, 200, 25);

    f.panPrestavka->Left = 0;
    f.panPrestavka->Top = 48;
    f.panVarovani->Left = 8;
    f.panVarovani->Top = 514;
}

void RunStartupStep(TForm1& f, int step) {
    if (step == 0) {
        // The speed and door keys act only in a run, never on the menu
        // screens (loading, main menu, depot).
        Application->AcceleratorBlockers = {f.panMainMenu, f.panPrestavka};
    } else if (step == kIntroStep) {
        ShowIntro(f);
    } else if (step >= kFirstFamilyStep && step <= kLastFamilyStep) {
        LoadFamily(f, step);
    } else if (step == kMenuStep) {
        LayOutSceneAndShowMenu(f);
    } else if (step == kStopStep) {
        f.tStart->SetEnabled(false);
    }
}

// What a file looks like on disk, to notice that a missing or broken one
// has been put back or replaced.
FileSignature SignatureOf(const AnsiString& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {false, 0, 0};
    return {true, static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                                                          st.st_mtim.tv_nsec};
}

}  // namespace

void TForm1::tStartTimer(TObject*) {
    if (!startupBlockedOn_.empty()) {
        if (SignatureOf(startupBlockedOn_) == startupBlockedFile_) return;  // still the file that failed
        startupBlockedOn_.clear();
    }
    try {
        RunStartupStep(*this, g_startupStep);
    } catch (const EFOpenError& e) {
        startupBlockedOn_ = e.Path;
        startupBlockedFile_ = SignatureOf(e.Path);
        throw;
    }
    ++g_startupStep;
    labLoading->Left = 512 - labLoading->Width / 2;
}
