// From process start to the main menu, as the player sees it.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "game/random.h"
#include "game/save.h"
#include "game/state.h"
#include "tests/support/game_fixture.h"

namespace {

class StartupTest : public GameFixture {};

TEST_F(StartupTest, ReachesTheMainMenuWithFiveBlackEntriesAndTheMusic) {
    StartToMenu();
    TForm1& f = form();
    EXPECT_EQ(g_startupStep, 44);
    EXPECT_FALSE(f.tStart->Enabled());
    EXPECT_TRUE(f.panMainMenu->IsShowing());
    const std::pair<const char*, int> entries[] = {
        {"TUTORIAL", 420}, {"NEW GAME", 410}, {"CONTINUE GAME", 360}, {"PLAY ANOTHER GAMES", 296}, {"QUIT GAME", 410}};
    const TLabel* labels[] = {f.labMenu1, f.labMenu2, f.labMenu3, f.labMenu4, f.labMenu5};
    for (int i = 0; i < 5; ++i) {
        const TLabel* entry = labels[i];
        EXPECT_TRUE(entry->IsShowing()) << entry->Name;
        EXPECT_EQ(entry->Caption(), entries[i].first);
        EXPECT_EQ((std::array{entry->Left, entry->Top}), (std::array{entries[i].second, 290 + 50 * i})) << entry->Name;
        EXPECT_EQ(entry->Font().Color, clBlack) << entry->Name;
    }
    for (TControl* hidden : std::initializer_list<TControl*>{f.imgLoading, f.labLoading, f.imgAutoMenuDoprava,
                                                              f.imgAutoMenuDoleva, f.panUpozorneni, f.panPrestavka})
        EXPECT_FALSE(hidden->Visible) << hidden->Name;
    EXPECT_EQ(f.imgMainMenu->Picture->FileName(), "Textures//MainMenu//MainMenu.bmp");

    // One instance of the music, on channel 7, looping at 0.4.
    ASSERT_EQ(sound.PlayingCount("Zvuky//Hudba//MenuMusic.wav"), 1);
    const auto* music = sound.Find(static_cast<int>(g_soundChannels[7].handle));
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->path, "Zvuky//Hudba//MenuMusic.wav");
    EXPECT_EQ(music->loop, 1);
    EXPECT_FLOAT_EQ(music->volume, 0.4f);
    EXPECT_EQ(sound.CallsBeforeInit(), 0);
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();

    // The speed and door keys do nothing on the menu.
    ui().Key('d');
    ui().Key('t');
    EXPECT_FALSE(f.tDvere->Enabled());
    EXPECT_EQ(g_targetSpeed, 0);
}

TEST_F(StartupTest, WindowCreationTurnsTheBareWindowIntoTheLogoScreen) {
    services.calendar.Set(1234567);
    TForm1& f = CreateForm();
    EXPECT_EQ(f.BorderStyle, bsNone);
    EXPECT_EQ(f.Color, clBlack);
    // The logo alone on the black menu panel, which covers the whole screen.
    EXPECT_TRUE(f.panMainMenu->Left == 0 && f.panMainMenu->Top == -1 && f.panMainMenu->Width == 1152);
    EXPECT_EQ(f.imgMainMenu->Picture->FileName(), "Textures//MainMenu//Logo.bmp");
    EXPECT_FALSE(f.labMenu1->Visible || f.labLoading->Visible || f.imgAutoMenuDoleva->Visible);

    // The sound library is started first; the music is the first sound.
    ASSERT_GE(sound.Calls().size(), 2u);
    EXPECT_EQ(sound.Calls()[0].name, "_SoundInit@4");
    EXPECT_EQ(sound.Calls()[1].name, "_SoundSpust@12");
    EXPECT_EQ(sound.Calls()[1].path, "Zvuky//Hudba//MenuMusic.wav");
    EXPECT_EQ(static_cast<int>(g_soundChannels[7].handle), sound.Calls()[1].handle);

    // The launch is counted and reported on a thread of its own.
    const auto requests = services.libraries.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(requests[0].url.find("/data.php?program=spusten&count=1"), std::string::npos);

    Show();
    // The generator is seeded from the calendar when the scene is laid out
    // (step 42, fired here without letting a tick run after it).
    ui().AdvanceFires("tStart", 42 - g_startupStep);
    ASSERT_EQ(g_startupStep, 42);
    ui().Fire("tStart");
    std::vector<int32> drawn;
    for (int i = 0; i < 8; ++i) drawn.push_back(Random(1000000));
    SeedRandomWith(1234567);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Random(1000000), drawn[i]) << i;
}

TEST_F(StartupTest, HostileSaveGivesANewCareerWithOneReportAndTheMenuStillComes) {
    std::vector<unsigned char> bytes(76, 0xFF);  // every word -1
    WriteSaveBytes(bytes);
    StartToMenu();
    EXPECT_EQ(g_money, 300);
    EXPECT_EQ(g_level, 0);
    EXPECT_EQ(g_selectedTram, 0);
    EXPECT_EQ(Application->Reports().size(), 1u) << ReportsText();
    EXPECT_TRUE(form().labMenu3->IsShowing());
    EXPECT_EQ(std::filesystem::file_size(WorkDir() + "/Save.gqs"), 76u) << "the bad file is left alone";
}

// A picture missing while the window is created ends the creation there:
// the window still comes up, the report names the file, and the loading
// sequence still leads to a working menu.
TEST_F(StartupTest, MissingLogoEndsWindowCreationButTheGameStillStarts) {
    HideAsset("Textures//MainMenu//Logo.bmp");
    TForm1& f = CreateForm();
    ASSERT_EQ(Application->Reports().size(), 1u);
    EXPECT_EQ(Application->Reports()[0].message, "Cannot open file Textures//MainMenu//Logo.bmp");
    EXPECT_TRUE(f.imgMainMenu->Picture->Empty());
    EXPECT_EQ(sound.PlayingCount("Zvuky//Hudba//MenuMusic.wav"), 0) << "the music comes after the logo";
    EXPECT_EQ(f.panMainMenu->Top, -1) << "the steps before the logo are done";

    StartToMenu();
    EXPECT_TRUE(f.labMenu2->IsShowing());
    EXPECT_EQ(f.labMenu2->Left, 410);
    EXPECT_EQ(Application->Reports().size(), 1u) << ReportsText();
}

TEST_F(StartupTest, MissingStatisticsLibraryEndsTheProgramBeforeTheSaveIsRead) {
    services.libraries.SetMode(FakeDynamicLibraries::Missing);
    WriteSave(SaveRecord{});
    EXPECT_THROW(CreateForm(), ProcessExit);
    ASSERT_EQ(services.messageBoxes.Shown().size(), 1u);
    EXPECT_EQ(services.messageBoxes.Shown()[0].title, "Chyba!");
    EXPECT_EQ(services.process.ExitCodes(), std::vector<int>{1});
    EXPECT_EQ(g_money, 500) << "the saved game was not read";
}

}  // namespace
