#include "tests/support/http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

int BoundSocket(int* port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("socket failed");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        close(fd);
        throw std::runtime_error("bind failed");
    }
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    *port = ntohs(addr.sin_port);
    return fd;
}

}  // namespace

TestHttpServer::TestHttpServer(int status, Answer answer) : status_(status), answer_(answer) {
    listener_ = BoundSocket(&port_);
    if (listen(listener_, 16) != 0) throw std::runtime_error("listen failed");
    acceptor_ = std::thread([this] { AcceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
    stopping_ = true;
    shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    {
        std::lock_guard lock(workersMutex_);
        for (int c : clients_) shutdown(c, SHUT_RDWR);
    }
    for (std::thread& t : workers_) t.join();
    close(listener_);
}

void TestHttpServer::AcceptLoop() {
    while (!stopping_) {
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) continue;
        const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        std::lock_guard lock(workersMutex_);
        clients_.push_back(client);
        workers_.emplace_back([this, client] { Serve(client); });
    }
}

void TestHttpServer::Serve(int client) {
    std::string data;
    char buf[1024];
    while (data.find("\r\n\r\n") == std::string::npos && data.size() < 65536) {
        const ssize_t n = recv(client, buf, sizeof buf, 0);
        if (n <= 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(data.substr(0, data.find("\r\n")));
    }
    arrived_.notify_all();
    if (status_ != 0 && answer_ != Answer::Short) {
        SendEndless(client);
    } else if (status_ != 0) {
        const std::string reply = "HTTP/1.1 " + std::to_string(status_) +
                                  " Whatever\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
        const ssize_t n = send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
        if (n > 0) sent_ += static_cast<std::size_t>(n);
    } else {
        // Silent: hold the connection until the client gives up or the
        // server stops.
        while (!stopping_ && recv(client, buf, sizeof buf, 0) > 0) {
        }
    }
    {
        std::lock_guard lock(mutex_);
        ++answered_;
    }
    arrived_.notify_all();
    std::lock_guard lock(workersMutex_);
    close(client);
    std::erase(clients_, client);
}

void TestHttpServer::SendEndless(int client) {
    // A small send buffer, so what the count holds beyond what the client
    // read is little.
    const int buffer = 16384;
    setsockopt(client, SOL_SOCKET, SO_SNDBUF, &buffer, sizeof buffer);
    std::string head = "HTTP/1.1 " + std::to_string(status_) + " Whatever\r\n";
    std::string filler;
    if (answer_ == Answer::EndlessBody) {
        head += "Content-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
        filler.assign(16384, 'x');
    } else {
        while (filler.size() < 16384) filler += "X-Filler: " + std::string(54, 'x') + "\r\n";
    }
    const std::string* piece = &head;
    std::size_t at = 0;
    while (!stopping_) {
        const ssize_t n = send(client, piece->data() + at, piece->size() - at, MSG_NOSIGNAL);
        if (n <= 0) break;  // the client has closed
        sent_ += static_cast<std::size_t>(n);
        at += static_cast<std::size_t>(n);
        if (at == piece->size()) piece = &filler, at = 0;
    }
}

std::vector<std::string> TestHttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

bool TestHttpServer::WaitForRequests(std::size_t count, std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] { return requests_.size() >= count; });
}

bool TestHttpServer::WaitForAnswers(std::size_t count, std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] { return answered_ >= count; });
}

int ClosedPort() {
    int port = 0;
    const int fd = BoundSocket(&port);
    close(fd);  // bound but never listening: connections are refused
    return port;
}
