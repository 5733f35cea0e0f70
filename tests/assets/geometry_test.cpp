// The sizes the game's geometry depends on: tile widths for seamless
// streaming, door and person sizes for the walking arithmetic, parking
// limits, fixed-size widgets, and nothing of the scene reaching the
// dashboard (y 538) or the top strip (y 50).
#include <gtest/gtest.h>

#include <string>

#include "assets/form_artwork.h"
#include "tests/assets/asset_reader.h"

namespace {

using asset_test::kTiles;
using asset_test::N;
using asset_test::Picture;
using asset_test::ReadPicture;

TEST(AssetGeometry, StreamedTilesCoverTheScreenAndStayBetweenTopStripAndDashboard) {
    for (int n : kTiles) {
        const Picture map = ReadPicture("Textures/Maps/Map" + N(n) + ".bmp");
        EXPECT_GE(map.width, 1299) << n;           // leading tile alone covers 0..1023 after a change
        EXPECT_GE(50 + map.height, 338) << n;      // reaches the road
        EXPECT_LE(50 + map.height, 538) << n;
        const Picture road = ReadPicture("Textures/Silnice/Silnice" + N(n) + ".bmp");
        EXPECT_GE(road.width, 1169) << n;
        EXPECT_LE(338 + road.height, 538) << n;
    }
}

TEST(AssetGeometry, TramPicturesFitTheirLayouts) {
    for (int m = 0; m <= 6; ++m) {
        const Picture body = ReadPicture("Textures/Vozy/TKaroserie" + N(m) + ".bmp");
        const Picture inside = ReadPicture("Textures/Vozy/TInterier" + N(m) + ".bmp");
        EXPECT_LE(body.width, 1024) << m;
        const Picture open = ReadPicture("Textures/Dvere/" + N(m) + "10.bmp");
        // Boarding (x + W/2 + 2) and alighting (x + W/2 - 18) must land on a floor strip.
        EXPECT_GE(open.width, 42) << m;
        EXPECT_LE(open.width, 55) << m;
        for (int f = 0; f <= 10; ++f) {
            const Picture door = ReadPicture("Textures/Dvere/" + N(m) + N(f) + ".bmp");
            EXPECT_EQ(door.width, open.width) << m << " frame " << f;
            EXPECT_EQ(door.height, open.height) << m << " frame " << f;
        }
        const Picture wheel0 = ReadPicture("Textures/Kola/" + N(m) + "0.bmp");
        EXPECT_LE(wheel0.width, 200) << m;  // absent sets are parked at -200
        for (int f = 1; f <= 3; ++f) {
            const Picture wheel = ReadPicture("Textures/Kola/" + N(m) + N(f) + ".bmp");
            EXPECT_EQ(wheel.width, wheel0.width);
            EXPECT_EQ(wheel.height, wheel0.height);
        }
        EXPECT_GT(inside.width, 0);
    }
}

TEST(AssetGeometry, FiguresCarsAndStreetFurnitureRespectTheirParkingLimits) {
    for (const char* dir : {"Textures/LidePohyb1/0/", "Textures/LidePohyb1/3/", "Textures/LidePohyb2/"}) {
        for (int v = 0; v <= 3; ++v)
            for (int w = 0; w <= 3; ++w) {
                const Picture p = ReadPicture(std::string(dir) + N(v) + N(w) + ".bmp");
                EXPECT_EQ(p.width, 15);
                EXPECT_EQ(p.height, 55);
            }
    }
    for (int a = 0; a <= 3; ++a) {
        const Picture p = ReadPicture("Textures/LideStatic/2/" + N(a) + "15.bmp");
        EXPECT_EQ(p.width, 15);
        EXPECT_EQ(p.height, 55);
    }
    for (const char* dir : {"Textures/Doprava/AutaDoleva/", "Textures/Doprava/AutaDoprava/"}) {
        for (int u = 0; u <= 9; ++u) {
            const Picture first = ReadPicture(std::string(dir) + N(u) + "0.bmp");
            EXPECT_LE(first.width, 220) << dir << u;
            EXPECT_LE(first.height, 441 - 50) << dir << u;  // the top is bottom-aligned from its height
            for (int v = 1; v <= 3; ++v) {
                const Picture frame = ReadPicture(std::string(dir) + N(u) + N(v) + ".bmp");
                EXPECT_EQ(frame.height, first.height) << dir << u << v;  // Top is set once, at spawn
                EXPECT_EQ(frame.width, first.width) << dir << u << v;
            }
        }
    }
    for (int limit : {30, 45, 60}) {
        const Picture sign = ReadPicture("Textures/Znacky/Znacka" + N(limit) + ".bmp");
        EXPECT_LE(sign.width, 40);
        EXPECT_EQ(354 + sign.height, 478);
    }
    for (int phase = 0; phase <= 2; ++phase) {
        const Picture light = ReadPicture("Textures/Semafory/Semafor" + N(phase) + ".bmp");
        EXPECT_LE(light.width, 250);
        EXPECT_EQ(228 + light.height, 478);
    }
    for (int n = 0; n <= 6; ++n) {
        const Picture platform = ReadPicture("Textures/Stanice/Stanice" + N(n) + ".bmp");
        EXPECT_GT(platform.width, 150) << n;  // waiting people stand at Left + 150 + random(Width - 150)
        EXPECT_LE(platform.width, 1300) << n;
        EXPECT_LE(457 + platform.height, 538) << n;
        EXPECT_GE(platform.height, 22) << n;  // feet rows 10..21 lie on it
    }
    const Picture board = ReadPicture("Textures/Stanice2/Stanice40.bmp");
    EXPECT_LE(353 + board.height, 538);
    EXPECT_LE(board.width, 1300);
    const Picture pole = ReadPicture("Textures/Form/imgSloup1.bmp");
    EXPECT_LE(pole.width, 20);
    EXPECT_EQ(269 + pole.height, 420);
    EXPECT_LE(ReadPicture("Textures/Form/imgPrechodProChodce.bmp").width, 160);
}

TEST(AssetGeometry, FixedSizeWidgetsGetPicturesOfTheirSize) {
    const struct {
        std::string path;
        int w, h;
    } fixed[] = {
        {"Textures/Panely/Upozorneni.bmp", 600, 75},   {"Textures/Panely/UPpanel.bmp", 1024, 50},
        {"Textures/Panely/DOWNpanel.bmp", 407, 230},   {"Textures/Panely/PanelPrestavka.bmp", 1025, 490},
        {"Textures/MainMenu/Logo.bmp", 1024, 768},     {"Textures/MainMenu/Intro.bmp", 1024, 768},
        {"Textures/MainMenu/MainMenu.bmp", 1024, 768}, {"Textures/Displeje/Displej7.bmp", 30, 30},
        {"Textures/Nahledy/Tramvaje/-1.bmp", 120, 120}, {"Textures/Nahledy/Linky/10.bmp", 120, 120},
        {"Textures/Schemata/Schema4.bmp", 613, 230},   {"Textures/Semafory/MalySemafor1.bmp", 39, 89},
    };
    for (const auto& f : fixed) {
        const Picture p = ReadPicture(f.path);
        EXPECT_EQ(p.width, f.w) << f.path;
        EXPECT_EQ(p.height, f.h) << f.path;
    }
    const Picture bar = ReadPicture("Textures/MainMenu/Loading.bmp");
    EXPECT_GE(bar.width, 550);
    EXPECT_GE(bar.height, 16);
    for (const auto& art : form_artwork::kPictures) {
        const Picture p = ReadPicture(form_artwork::PathOf(art.name));
        EXPECT_EQ(p.width, art.width) << art.name;
        EXPECT_EQ(p.height, art.height) << art.name;
    }
}

}  // namespace
