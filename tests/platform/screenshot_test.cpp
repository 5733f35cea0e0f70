// A small tree of every widget kind, painted off screen, written as PNG
// and read back.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/headless.h"
#include "platform/vcl.h"
#include "tests/platform/bmp_writer.h"
#include "tests/support/support.h"

namespace {

using bmpfixture::Bmp24;
using bmpfixture::WriteFile;

class DemoTree : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        form->Color = clBlack;
        // Landscape: opaque 200 x 100 sky-blue picture with a grey road.
        std::vector<std::uint32_t> land(200 * 100, 0x87CEEB);
        for (int y = 70; y < 100; ++y)
            for (int x = 0; x < 200; ++x) land[y * 200 + x] = 0x505050;
        WriteFile(dir.path() + "/land.bmp", Bmp24(200, 100, land));
        auto* landscape = new TImage(form, "imgKrajina1");
        landscape->Transparent = false;
        landscape->SetBounds(20, 20, 10, 10);
        landscape->Picture->LoadFromFile(dir.path() + "/land.bmp");
        // A figure: a red body on a white key colour.
        std::vector<std::uint32_t> fig(15 * 55, 0xFFFFFF);
        for (int y = 10; y < 50; ++y)
            for (int x = 4; x < 11; ++x) fig[y * 15 + x] = 0xC00000;
        WriteFile(dir.path() + "/fig.bmp", Bmp24(15, 55, fig));
        auto* person = new TImage(form, "Clovek1");
        person->SetBounds(100, 40, 15, 55);
        person->Picture->LoadFromFile(dir.path() + "/fig.bmp");

        auto* money = new TLabel(form, "labKasa");
        money->SetBounds(240, 20, 0, 0);
        money->SetFont(TFont{.Name = "Arial", .Height = 24, .Bold = true, .Color = clLime});
        money->SetCaption("1500");

        auto* marker = new TShape(form, "Shape1");
        marker->Shape = stCircle;
        marker->BrushColor = clFuchsia;
        marker->SetBounds(240, 80, 15, 15);

        auto* warning = new TPanel(form, "panVystrahaStanice");
        warning->BevelOuter = bvNone;
        warning->Color = clMaroon;
        warning->SetBounds(300, 20, 97, 60);
        auto* gauge = new TCGauge(warning, "cgVystrahaStanice");
        gauge->SetBounds(8, 20, 81, 25);
        gauge->SetProgress(25);
        gauge->Font = TFont{.Name = "Verdana", .Height = 11, .Bold = true};

        auto* button = new TBitBtn(form, "BitBtn1");
        button->SetBounds(420, 20, 105, 32);
        button->Caption = "MAIN MENU";
        button->Font = TFont{.Name = "Arial", .Height = 13, .Bold = true};

        auto* bar = new TPanel(form, "panVarovani");
        bar->Color = clNavy;
        bar->AutoSize = true;
        bar->SetBounds(20, 140, 10, 10);
        auto* text = new TLabel(bar, "labVarovani");
        text->SetBounds(1, 1, 0, 0);
        text->Transparent = false;
        text->ParentColor = true;
        text->SetFont(TFont{.Name = "Arial", .Height = 15, .Bold = true, .Color = clYellow});
        text->SetCaption("You\xB4ve finished the level! \xE8\xF8\xE1");

        auto* memo = new TMemo(form, "memoTutorial");
        memo->SetBounds(20, 170, 300, 60);
        memo->Color = clBlack;
        memo->Font = TFont{.Name = "Arial", .Height = 13, .Bold = true, .Color = clWhite};
        memo->Lines.Add("Q W E R T choose the speed, D opens and closes the doors of the tram.");

        auto* hidden = new TPanel(form, "panPrestavka");
        hidden->SetBounds(0, 0, 1024, 768);
        hidden->Visible = false;
    }
    testsupport::TempDir dir;
    Headless h;
    TForm* form = nullptr;
};

int Distance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int shift : {0, 8, 16}) d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                                            static_cast<int>((b >> shift) & 0xFF)));
    return d;
}

TEST_F(DemoTree, TheScreenshotShowsEveryWidgetWhereItBelongs) {
    const std::string png = testsupport::GameDir() + "/../platform_demo.png";
    ASSERT_TRUE(h.Screenshot(png));
    FrameBuffer read;
    ASSERT_TRUE(ReadPng(png, &read));
    ASSERT_EQ(read.width, 1024);
    ASSERT_EQ(read.height, 768);
    auto at = [&](int x, int y) { return read.At(x, y); };
    // Expected colours at chosen points, within a small tolerance.
    struct Probe {
        int x, y;
        std::uint32_t rgb;
        const char* what;
    } probes[] = {
        {25, 25, 0x87CEEB, "sky"},
        {25, 115, 0x505050, "road"},
        {107, 70, 0xC00000, "figure body"},
        {101, 42, 0x87CEEB, "sky through the figure's key colour"},
        {247, 87, 0xFF00FF, "circle centre"},
        {241, 81, 0x000000, "outside the circle"},
        {302, 22, 0x800000, "maroon warning panel"},
        {355, 45, 0xFF0000, "gauge pie just after 12 o'clock"},
        {318, 57, 0x000000, "gauge empty part"},
        {348, 64, 0xFF0000, "gauge outline"},
        {600, 600, 0x000000, "form background"},
        {22, 142, 0x000080, "message bar"},
        {420, 20, 0xFFFFFF, "button highlight"},
        {424, 24, 0xD4D0C8, "button face"},
    };
    for (const Probe& p : probes) EXPECT_LE(Distance(at(p.x, p.y), p.rgb), 8) << p.what;
    // Text: lime ink in the money label, white ink in the memo.
    auto count = [&](int x0, int y0, int x1, int y1, std::uint32_t rgb) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += Distance(at(x, y), rgb) <= 8;
        return n;
    };
    EXPECT_GT(count(240, 20, 300, 48, 0x00FF00), 60);
    EXPECT_GT(count(20, 170, 320, 230, 0xFFFFFF), 100);
    EXPECT_GT(count(20, 140, 300, 160, 0xFFFF00), 60);
    // The PNG holds exactly the frame.
    const FrameBuffer& fb = h.Render();
    int differ = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) differ += at(x, y) != fb.At(x, y);
    EXPECT_EQ(differ, 0);
}

}  // namespace
