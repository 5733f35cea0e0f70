// Our statistics library over real HTTP to a server inside the test.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/statistics.h"
#include "platform/fake_services.h"
#include "platform/real_services.h"
#include "platform/settings_store.h"
#include "tests/support/http_server.h"
#include "tests/support/support.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

class SendOverHttp : public ::testing::Test {
protected:
    void SetUp() override {
        // A proxy from the environment must not catch loopback requests.
        setenv("no_proxy", "127.0.0.1", 1);
        setenv("NO_PROXY", "127.0.0.1", 1);
        Services().libraries = &libraries_;
        Services().threads = &threads_;
        LoadSendLibrary();
        ASSERT_TRUE(fake_.messageBoxes.Shown().empty()) << "libsend.so missing from the game folder";
        SetSettingsRoot(dir_.path());
    }
    void TearDown() override {
        SetSettingsRoot("");
        SetStatisticsEndpoints("", "");
        // Report threads of this test have finished (each test waits for its
        // server); the binding stays valid, the library is never unloaded.
    }

    FakeServices fake_;
    RealDynamicLibraries libraries_{testsupport::GameDir()};
    RealThreads threads_;
    testsupport::TempDir dir_;
};

TEST_F(SendOverHttp, BothLaunchReportsArriveWithTheirRequestLines) {
    TestHttpServer first, second;
    SetStatisticsEndpoints(first.Address(), second.Address());

    CountLaunchAndReport();  // on its own thread
    EXPECT_EQ(SendRequest(SecondReportAddress()), 0);

    ASSERT_TRUE(first.WaitForRequests(1, milliseconds(5000)));
    EXPECT_EQ(first.Requests(), std::vector<std::string>{"GET /data.php?program=spusten&count=1 HTTP/1.1"});
    EXPECT_EQ(second.Requests(), std::vector<std::string>{"GET /stats/data.php?program=spusteno HTTP/1.1"});

    CountLaunchAndReport();
    ASSERT_TRUE(first.WaitForRequests(2, milliseconds(5000)));
    EXPECT_EQ(first.Requests()[1], "GET /data.php?program=spusten&count=2 HTTP/1.1");
}

TEST_F(SendOverHttp, ResultIsZeroOnlyForASuccessfulAnswer) {
    TestHttpServer ok(204), missing(404), broken(500);
    EXPECT_EQ(g_sendDataProc((ok.Address() + "/x").c_str(), "GET"), 0);
    EXPECT_EQ(g_sendDataProc((missing.Address() + "/x").c_str(), "GET"), -404);
    EXPECT_EQ(g_sendDataProc((broken.Address() + "/x").c_str(), "GET"), -500);
    const std::string refused = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x";
    EXPECT_LT(g_sendDataProc(refused.c_str(), "GET"), 0);
    EXPECT_LT(g_sendDataProc("file:///etc/passwd", "GET"), 0);
    EXPECT_LT(g_sendDataProc((ok.Address() + "/x").c_str(), "POST"), 0);
    EXPECT_LT(g_sendDataProc(nullptr, "GET"), 0);
    EXPECT_LT(g_sendDataProc((ok.Address() + "/x").c_str(), nullptr), 0);
    EXPECT_EQ(ok.Requests().size(), 1u);
}

TEST_F(SendOverHttp, ServerThatNeverAnswersHoldsTheCallerOnlyUntilTheTimeout) {
    TestHttpServer silent(0);
    SetStatisticsEndpoints(silent.Address(), silent.Address());
    const auto start = Clock::now();
    EXPECT_LT(SendRequest(SecondReportAddress()), 0);
    const auto waited = std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    EXPECT_EQ(silent.Requests().size(), 1u);
    EXPECT_GE(waited.count(), 2500);  // it did wait for an answer ...
    EXPECT_LE(waited.count(), 5000);  // ... but not much longer than its 3 s
}

// A report needs the status line only: a body is cut off at its first
// bytes (a status of success is still a success), and headers that run
// past 64 KiB are no answer. Either way the server gets to send little.
TEST_F(SendOverHttp, AnAnswerWithoutEndIsCutOffAtOnce) {
    using Answer = TestHttpServer::Answer;
    TestHttpServer body(200, Answer::EndlessBody), missing(404, Answer::EndlessBody);
    TestHttpServer headers(200, Answer::EndlessHeaders);
    EXPECT_EQ(g_sendDataProc((body.Address() + "/x").c_str(), "GET"), 0);
    EXPECT_EQ(g_sendDataProc((missing.Address() + "/x").c_str(), "GET"), -404);
    EXPECT_EQ(g_sendDataProc((headers.Address() + "/x").c_str(), "GET"), -1023);
    for (const TestHttpServer* server : {&body, &missing, &headers}) {
        ASSERT_TRUE(server->WaitForAnswers(1, milliseconds(5000))) << "the client never closed";
        EXPECT_LT(server->BytesSent(), 1u << 20);
    }
}

// The player's proxy: a report to this machine (the default endpoints are
// loopback ones) never goes through it; one to a remote endpoint does, as
// other programs' requests do.
TEST_F(SendOverHttp, OnlyAReportOffThisMachineGoesThroughThePlayersProxy) {
    TestHttpServer proxy, here;
    unsetenv("no_proxy");
    unsetenv("NO_PROXY");
    const std::string local[] = {here.Address() + "/a", "http://localhost:" + std::to_string(here.Port()) + "/b"};
    for (const char* variable : {"http_proxy", "ALL_PROXY"}) {
        setenv(variable, proxy.Address().c_str(), 1);
        for (const std::string& url : local) EXPECT_EQ(g_sendDataProc(url.c_str(), "GET"), 0) << variable << url;
        EXPECT_EQ(g_sendDataProc("http://stats.example.test/c", "GET"), 0) << variable;
        unsetenv(variable);
    }
    EXPECT_EQ(here.Requests().size(), 4u);
    EXPECT_EQ(proxy.Requests(), std::vector<std::string>(2, "GET http://stats.example.test/c HTTP/1.1"));
}

TEST_F(SendOverHttp, SeveralThreadsMaySendAtOnce) {
    TestHttpServer server;
    const std::string url = server.Address() + "/data.php?program=spusten&count=5";
    int results[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    std::vector<std::thread> senders;
    for (int& r : results) senders.emplace_back([&r, &url] { r = g_sendDataProc(url.c_str(), "GET"); });
    for (auto& t : senders) t.join();
    for (int r : results) EXPECT_EQ(r, 0);
    EXPECT_EQ(server.Requests().size(), 8u);
}

}  // namespace
