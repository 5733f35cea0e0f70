// A small HTTP server on 127.0.0.1 for the statistics tests: records the
// request line of every connection and answers with a fixed status, or
// never answers at all.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TestHttpServer {
public:
    // status 0: accept and read the request, then say nothing.
    explicit TestHttpServer(int status = 200);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    int Port() const { return port_; }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // Request lines received so far ("GET /path HTTP/1.1").
    std::vector<std::string> Requests() const;
    // Waits until `count` requests have arrived; false on time-out.
    bool WaitForRequests(std::size_t count, std::chrono::milliseconds limit) const;

private:
    void AcceptLoop();
    void Serve(int client);

    int status_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;
    std::mutex workersMutex_;
    std::vector<std::thread> workers_;
    std::vector<int> clients_;
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<std::string> requests_;
};

// A port on 127.0.0.1 with nothing listening on it.
int ClosedPort();
