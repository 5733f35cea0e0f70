// Speed of the widget layer: a full frame of the driving scene, a pass of
// raises, and reloading a small picture.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/canvas.h"
#include "platform/headless.h"
#include "platform/vcl.h"
#include "tests/platform/bmp_writer.h"

namespace {

namespace fs = std::filesystem;
using bmpfixture::Bmp24;
using bmpfixture::WriteFile;

// Pictures of the sizes the game uses, written once per run.
class Fixtures {
public:
    Fixtures() {
        dir_ = fs::temp_directory_path() / ("korvalo-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        Write("landscape.bmp", 1450, 300, 0x4080C0, 0.1);
        Write("road.bmp", 1200, 200, 0x505050, 0.2);
        Write("tram.bmp", 1015, 180, 0xE0C020, 0.3);
        Write("person.bmp", 15, 55, 0xA03020, 0.5);
        Write("car.bmp", 57, 41, 0x2040A0, 0.4);
    }
    ~Fixtures() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

private:
    // A picture whose bottom-left colour (white) fills a share of it as
    // background, in patches, like sprites and skies.
    void Write(const char* name, int w, int h, std::uint32_t ink, double background) {
        std::vector<std::uint32_t> px(static_cast<size_t>(w) * h, ink);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (((x / 7 + y / 5) % 10) < background * 10 || (y == h - 1 && x == 0)) px[y * w + x] = 0xFFFFFF;
        WriteFile(Path(name), Bmp24(w, h, px));
    }
    fs::path dir_;
};

Fixtures& Files() {
    static Fixtures files;
    return files;
}

TImage* Picture(TWinControl* parent, const char* name, const char* file, int left, int top, bool transparent) {
    auto* img = new TImage(parent, name);
    img->Left = left;
    img->Top = top;
    img->Transparent = transparent;
    img->Picture->LoadFromFile(Files().Path(file));
    return img;
}

// About 250 widgets: the driving scene with its dashboard.
TForm* BuildScene(std::vector<TControl*>* scene) {
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->Color = clBlack;
    scene->push_back(Picture(form, "imgKrajina2", "landscape.bmp", 600, 50, true));
    scene->push_back(Picture(form, "imgKrajina1", "landscape.bmp", -850, 50, true));
    scene->push_back(Picture(form, "imgSilnice2", "road.bmp", 500, 338, true));
    scene->push_back(Picture(form, "imgSilnice1", "road.bmp", -700, 338, true));
    scene->push_back(Picture(form, "imgTramvaj", "tram.bmp", 5, 315, true));
    for (int i = 0; i < 92; ++i)
        scene->push_back(Picture(form, ("Clovek" + std::to_string(i + 1)).c_str(), "person.bmp", 10 + (i * 37) % 1000,
                                 300 + (i * 13) % 200, true));
    for (int i = 0; i < 20; ++i)
        scene->push_back(Picture(form, ("Kolemjdouci" + std::to_string(i + 1)).c_str(), "person.bmp",
                                 (i * 53) % 1000, 104 + (i % 2) * 30, true));
    for (int i = 0; i < 8; ++i)
        scene->push_back(Picture(form, ("imgAuto" + std::to_string(i)).c_str(), "car.bmp", i * 120, 400 + (i % 2) * 60, true));
    // Doors, wheels, stop, light, sign, poles, displays.
    for (int i = 0; i < 24; ++i)
        scene->push_back(Picture(form, ("imgPart" + std::to_string(i)).c_str(), "car.bmp", 40 + i * 40, 250, true));
    TFont f;
    f.Name = "Arial";
    f.Height = 24;
    f.Bold = true;
    f.Color = clLime;
    for (int i = 0; i < 30; ++i) {
        auto* label = new TLabel(form, "lab" + std::to_string(i));
        label->Left = 620 + (i % 5) * 80;
        label->Top = 544 + (i / 5) * 36;
        label->SetFont(f);
        label->SetCaption(std::to_string(1500 + i));
    }
    auto* prijem = new TLabel(form, "labPrijem");
    prijem->Transparent = false;
    prijem->Color = clNavy;
    prijem->SetFont(f);
    prijem->SetCaption("$125");
    scene->push_back(prijem);
    for (int i = 0; i < 6; ++i) new TBitBtn(form, "btn" + std::to_string(i));
    // The depot, hidden during a run.
    auto* depot = new TPanel(form, "panPrestavka");
    depot->SetBounds(0, 48, 1025, 490);
    depot->Visible = false;
    for (int i = 0; i < 62; ++i) new TLabel(depot, "labDepot" + std::to_string(i));
    auto* cover = new TPanel(form, "panKryti");
    cover->SetBounds(1024, 0, 1200, 1200);
    return form;
}

void BM_PaintFullFrame(benchmark::State& state) {
    Headless h;
    std::vector<TControl*> scene;
    TForm* form = BuildScene(&scene);
    benchmark::DoNotOptimize(form);
    state.counters["widgets"] = static_cast<double>(form->AllControls().size());
    h.Render();  // text rasterised once
    int frame = 0;
    for (auto _ : state) {
        // The tick moves the scenery between frames.
        scene[0]->Left = 600 - (frame % 50);
        scene[1]->Left = -850 - (frame % 50);
        ++frame;
        benchmark::DoNotOptimize(h.Render().pixels.data());
    }
}
BENCHMARK(BM_PaintFullFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RaisePass142(benchmark::State& state) {
    Headless h;
    std::vector<TControl*> scene;
    BuildScene(&scene);
    scene.resize(142);
    for (auto _ : state) {
        for (TControl* c : scene) c->BringToFront();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RaisePass142)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same pass followed by the one re-sort the next paint makes.
void BM_RaisePass142ThenSort(benchmark::State& state) {
    Headless h;
    std::vector<TControl*> scene;
    TForm* form = BuildScene(&scene);
    scene.resize(142);
    for (auto _ : state) {
        for (TControl* c : scene) c->BringToFront();
        benchmark::DoNotOptimize(form->PaintOrder().data());
    }
}
BENCHMARK(BM_RaisePass142ThenSort)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ReloadSmallPicture(benchmark::State& state) {
    Headless h;
    TForm* form = nullptr;
    Application->CreateForm(form);
    auto* person = new TImage(form, "Clovek1");
    const std::string path = Files().Path("person.bmp");
    person->Picture->LoadFromFile(path);
    for (auto _ : state) person->Picture->LoadFromFile(path);
}
BENCHMARK(BM_ReloadSmallPicture)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
