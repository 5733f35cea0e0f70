// Loading the statistics library, the two report calls and the web link.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/statistics.h"
#include "platform/fake_services.h"
#include "platform/form.h"
#include "platform/real_services.h"
#include "platform/settings_store.h"
#include "tests/support/support.h"

namespace {

class Statistics : public ::testing::Test {
protected:
    void TearDown() override {
        g_sendLibrary = nullptr;
        g_sendDataProc = nullptr;
        SetStatisticsEndpoints("", "");
    }
    FakeServices fake_;
};

char* Copy(const char* text) {
    char* c = new char[std::strlen(text) + 1];
    std::strcpy(c, text);
    return c;
}

TEST_F(Statistics, AMissingLibraryOrEntryShowsItsOwnBoxOnlyAndEndsWithCodeOne) {
    const struct {
        FakeDynamicLibraries::Mode mode;
        const char* text;
        std::vector<std::string> lookups;
    } cases[] = {
        {FakeDynamicLibraries::Missing, "Nastala chyba v inicializaci programu, knihovna send.dll nebyla nactena",
         {"send.dll"}},
        {FakeDynamicLibraries::EntryMissing, "Knihovna send.dll neni platna!", {"send.dll", "SendData@8"}},
    };
    for (const auto& c : cases) {
        FakeServices fake;
        fake.libraries.SetMode(c.mode);
        try {
            LoadSendLibrary();
            ADD_FAILURE() << "the start must end: " << c.text;
        } catch (const ProcessExit& e) {
            EXPECT_EQ(e.code, 1);
        }
        ASSERT_EQ(fake.messageBoxes.Shown().size(), 1u);
        const auto& box = fake.messageBoxes.Shown()[0];
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.title, "Chyba!");
        EXPECT_EQ(box.flags, static_cast<unsigned>(MB_OK | MB_ICONERROR));
        EXPECT_EQ(fake.libraries.Lookups(), c.lookups);
        EXPECT_EQ(fake.process.ExitCodes(), std::vector<int>{1});
    }
}

TEST_F(Statistics, RequestsGoThroughTheEntryOrReturnTheirErrorCodes) {
    // Nothing loaded yet.
    EXPECT_EQ(SendRequest("http://x.test/a"), -1);
    EXPECT_EQ(SendRequestThreadProc(Copy("http://x.test/b")), -1);  // copy released all the same
    EXPECT_TRUE(fake_.libraries.Requests().empty());

    LoadSendLibrary();
    EXPECT_TRUE(fake_.messageBoxes.Shown().empty());
    fake_.libraries.SetResult(-7);
    SetStatisticsEndpoints("http://first.test", "http://second.test:81");
    EXPECT_EQ(SendRequest(SecondReportAddress()), -7);
    EXPECT_EQ(SendRequestThreadProc(nullptr), -2);
    fake_.libraries.SetResult(0);
    EXPECT_EQ(SendRequestThreadProc(Copy(LaunchReportAddress(4294967295u).c_str())), 0);
    const auto requests = fake_.libraries.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].url, "http://second.test:81/stats/data.php?program=spusteno");
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[1].url, "http://first.test/data.php?program=spusten&count=4294967295");
}

TEST_F(Statistics, FirstReportRunsOnAThreadOfItsOwn) {
    testsupport::TempDir dir;
    SetSettingsRoot(dir.path());
    RealThreads threads;
    Services().threads = &threads;
    LoadSendLibrary();
    CountLaunchAndReport();
    for (int i = 0; i < 200 && fake_.libraries.Requests().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto requests = fake_.libraries.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_FALSE(requests[0].onCreatorThread);
    SetSettingsRoot("");
}

TEST_F(Statistics, WebLinkOpensTheAddressThenClosesTheForm) {
    TForm form;
    OpenWebLink(WebSiteAddress(), &form);
    ASSERT_EQ(fake_.shell.Opened().size(), 1u);
    EXPECT_TRUE(form.Closed());
    OpenWebLink("http://no.form.test", nullptr);
    EXPECT_EQ(fake_.shell.Opened().back(), "http://no.form.test");

    // The page is the README shipped beside the game.
    const std::string address = fake_.shell.Opened()[0];
    ASSERT_EQ(address.rfind("file:///", 0), 0u) << address;
    EXPECT_EQ(address.substr(address.size() - 10), "/README.md");
    EXPECT_TRUE(std::filesystem::exists(testsupport::GameDir() + "/README.md"));
}

TEST(RealShell, OpensWithoutAShellAndShrugsOffAMissingOpener) {
    testsupport::TempDir dir;
    const std::string script = dir.path() + "/opener";
    const std::string out = dir.path() + "/opened";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > " << out << ".tmp && mv "
                          << out << ".tmp " << out << "\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    // Characters a shell would act on reach the opener as one argument.
    const std::string address = "http://x.test/a b;echo hi&c=$(id)'\"";
    RealShell(script).Open(address);
    for (int i = 0; i < 500 && !std::filesystem::exists(out); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(testsupport::ReadFile(out), "1|" + address);

    RealShell(dir.path() + "/no-such-opener").Open("http://x.test");  // nothing happens
    RealShell("korvalo-no-such-program-anywhere").Open("http://x.test");
}

TEST(RealLibraries, WindowsNamesMapToSharedObjectsBesideTheGame) {
    RealDynamicLibraries game(testsupport::GameDir());
    void* lib = game.Load("send.dll");
    ASSERT_NE(lib, nullptr);
    EXPECT_NE(game.Entry(lib, "SendData@8"), nullptr);
    EXPECT_EQ(game.Entry(lib, "SendMore@8"), nullptr);
    EXPECT_EQ(game.Entry(nullptr, "SendData@8"), nullptr);

    testsupport::TempDir empty;
    EXPECT_EQ(RealDynamicLibraries(empty.path()).Load("send.dll"), nullptr);
}

}  // namespace
