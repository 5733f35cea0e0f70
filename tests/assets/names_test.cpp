// Every file name the game builds, over the full ranges, exactly as the
// game builds it ("/" and "//" both), resolves to a file of the set; and
// the set holds nothing else.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "assets/form_artwork.h"
#include "platform/picture.h"
#include "tests/assets/asset_reader.h"

namespace {

using asset_test::Exists;
using asset_test::N;

// The names, built the way the loading sequence, run set-up, the tick and
// the stop service build them.
std::vector<std::string> PicturesTheGameNames() {
    std::vector<std::string> p;
    for (const char* m : {"Logo", "Intro", "MainMenu", "Loading"}) p.push_back(std::string("Textures//MainMenu//") + m + ".bmp");
    for (const char* m : {"UPpanel", "DOWNpanel", "PanelPrestavka", "Upozorneni"})
        p.push_back(std::string("Textures//Panely//") + m + ".bmp");
    for (int n : asset_test::kTiles) {
        p.push_back("Textures/Maps/Map" + N(n) + ".bmp");
        p.push_back("Textures//Maps//Map" + N(n) + ".bmp");
        p.push_back("Textures/Silnice/Silnice" + N(n) + ".bmp");
        p.push_back("Textures//Silnice//Silnice" + N(n) + ".bmp");
    }
    for (int k = 0; k <= 3; ++k) {
        p.push_back("Textures//Maps//Map50" + N(k) + ".bmp");
        p.push_back("Textures//Silnice//Silnice50" + N(k) + ".bmp");
    }
    for (int line = 0; line <= 10; ++line) {
        p.push_back("Textures/Schemata/Schema" + N(line) + ".bmp");
        p.push_back("Textures//Displeje//Displej" + N(line) + ".bmp");
        p.push_back("Textures//Nahledy//Linky//" + N(line) + ".bmp");
    }
    for (int m = 0; m <= 6; ++m) {
        p.push_back("Textures//Vozy//TKaroserie" + N(m) + ".bmp");
        p.push_back("Textures//Vozy//TInterier" + N(m) + ".bmp");
        p.push_back("Textures//Dvere//" + N(m) + "0.bmp");
        for (int f = 0; f <= 10; ++f) p.push_back("Textures/Dvere/" + N(m) + N(f) + ".bmp");
        for (int f = 0; f <= 3; ++f) p.push_back("Textures//Kola//" + N(m) + N(f) + ".bmp");
    }
    for (int n = 0; n <= 2; ++n) {
        p.push_back("Textures//Semafory//Semafor" + N(n) + ".bmp");
        p.push_back("Textures//Semafory//MalySemafor" + N(n) + ".bmp");
    }
    for (int n : {30, 45, 60}) p.push_back("Textures//Znacky//Znacka" + N(n) + ".bmp");
    for (int n = 0; n <= 6; ++n) p.push_back("Textures//Stanice//Stanice" + N(n) + ".bmp");
    for (int n : {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 14, 17, 18, 19, 20,
                  21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 40, 41})
        p.push_back("Textures//Stanice2//Stanice" + N(n) + ".bmp");
    for (int u = 0; u <= 9; ++u)
        for (int v = 0; v <= 3; ++v) {
            p.push_back("Textures//Doprava//AutaDoleva//" + N(u) + N(v) + ".bmp");
            p.push_back("Textures//Doprava//AutaDoprava//" + N(u) + N(v) + ".bmp");
        }
    for (int u = 0; u <= 3; ++u) {
        for (int v = 0; v <= 3; ++v)
            for (int w = 0; w <= 3; ++w) {
                p.push_back("Textures/LidePohyb1/" + N(u) + "/" + N(v) + N(w) + ".bmp");
                if (u < 2) p.push_back("Textures//LidePohyb1//" + N(u) + "//" + N(v) + N(w) + ".bmp");
            }
        for (int a = 0; a <= 3; ++a)
            for (int b = 0; b <= 3; ++b)
                for (int c = 0; c <= 5; ++c) p.push_back("Textures/LideStatic/" + N(u) + "/" + N(a) + N(b) + N(c) + ".bmp");
    }
    for (int v = 0; v <= 3; ++v)
        for (int w = 0; w <= 3; ++w) p.push_back("Textures/LidePohyb2/" + N(v) + N(w) + ".bmp");
    for (int n = -1; n <= 6; ++n) p.push_back("Textures//Nahledy//Tramvaje//" + N(n) + ".bmp");
    for (const auto& f : form_artwork::kPictures) p.push_back(form_artwork::PathOf(f.name));
    return p;
}

std::vector<std::string> OtherFilesTheGameNames() {
    std::vector<std::string> p = {"Data//Tutorial//1.txt"};
    for (int n = 2; n <= 6; ++n) p.push_back("Data//Tutorial//" + N(n) + ".txt");
    for (int n = -1; n <= 6; ++n) p.push_back("Textures//Nahledy//Tramvaje//" + N(n) + ".txt");
    for (int n = 0; n <= 10; ++n) p.push_back("Textures//Nahledy//Linky//" + N(n) + ".txt");
    for (const char* s : {"Hudba//MenuMusic", "Obecne//Klik", "Obecne//Unklik", "Obecne//Penalizace", "Obecne//Penize0",
                          "Obecne//Penize1", "Obecne//Potlesk", "Tramvaje//DvereOpen", "Tramvaje//DvereClose",
                          "Tramvaje//Tram0", "Tramvaje//Tram1", "Pocasi//Vitr", "Okoli//Voda0", "Okoli//Voda1",
                          "Okoli//Letadlo0", "Okoli//Letadlo1", "Okoli//Lod", "Okoli//Ptaci0", "Okoli//Ptaci1",
                          "Okoli//Zvon"})
        p.push_back(std::string("Zvuky//") + s + ".wav");
    for (int n = 0; n <= 4; ++n) {
        p.push_back("Zvuky//Chodci//Chodci" + N(n) + ".wav");
        p.push_back("Zvuky//Traffic//Doprava" + N(n) + ".wav");
    }
    return p;
}

std::string Canonical(std::string path) {
    for (size_t at; (at = path.find("//")) != std::string::npos;) path.erase(at, 1);
    return path;
}

TEST(AssetNames, EveryPictureTheGameNamesOpensInTheGamesDecoder) {
    for (const std::string& path : PicturesTheGameNames()) {
        ASSERT_TRUE(Exists(path)) << path;
        std::shared_ptr<const Bitmap> bitmap;
        ASSERT_NO_THROW(bitmap = LoadBitmapFile(path)) << path;
        EXPECT_GT(bitmap->width, 0) << path;
    }
}

TEST(AssetNames, EveryTextAndSoundTheGameNamesExists) {
    for (const std::string& path : OtherFilesTheGameNames()) EXPECT_TRUE(Exists(path)) << path;
}

TEST(AssetNames, TheSetHoldsExactlyTheNamedFiles) {
    std::set<std::string> named;
    for (const std::string& p : PicturesTheGameNames()) named.insert(Canonical(p));
    for (const std::string& p : OtherFilesTheGameNames()) named.insert(Canonical(p));
    EXPECT_EQ(named.size(), 905u + std::size(form_artwork::kPictures));
    std::set<std::string> onDisk;
    for (const std::string& p : asset_test::AllAssetFiles()) onDisk.insert(p);
    for (const std::string& p : onDisk) EXPECT_TRUE(named.count(p)) << "stray file " << p;
    EXPECT_EQ(onDisk.size(), named.size());
}

}  // namespace
