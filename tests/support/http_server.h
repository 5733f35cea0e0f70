// A small HTTP server on 127.0.0.1 for the statistics tests: records the
// request line of every connection and answers with a fixed status, or
// never answers at all, or answers without end.
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
    // After the status line: headers and a short body, or headers that
    // never end, or a body that never ends (sent until the client closes).
    enum class Answer { Short, EndlessHeaders, EndlessBody };

    // status 0: accept and read the request, then say nothing.
    explicit TestHttpServer(int status = 200, Answer answer = Answer::Short);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    int Port() const { return port_; }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // Request lines received so far ("GET /path HTTP/1.1").
    std::vector<std::string> Requests() const;
    // Waits until `count` requests have arrived; false on time-out.
    bool WaitForRequests(std::size_t count, std::chrono::milliseconds limit) const;
    // Waits until `count` answers have ended (sent whole, or cut off by the
    // client's close); false on time-out.
    bool WaitForAnswers(std::size_t count, std::chrono::milliseconds limit) const;
    // Bytes of all answers the client's side accepted so far: what it read
    // and what its socket took in besides.
    std::size_t BytesSent() const { return sent_; }

private:
    void AcceptLoop();
    void Serve(int client);

    void SendEndless(int client);

    int status_;
    Answer answer_;
    std::atomic<std::size_t> sent_{0};
    std::size_t answered_ = 0;
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
