#include "support/loopback_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace pf::test {

namespace {

using Clock = std::chrono::steady_clock;

// Waits up to slice_ms for fd to become readable; true when it did.
bool WaitReadable(int fd, int slice_ms) {
    pollfd entry{};
    entry.fd = fd;
    entry.events = POLLIN;
    return poll(&entry, 1, slice_ms) > 0;
}

void SendAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0) {
            if (sent < 0 && errno == EINTR) {
                continue;
            }
            return;
        }
        data += sent;
        size -= static_cast<size_t>(sent);
    }
}

} // namespace

LoopbackServer::Reply LoopbackServer::HttpReply(const std::string& body,
                                                const std::string& status) {
    Reply reply;
    reply.bytes = "HTTP/1.1 " + status +
                  "\r\nContent-Type: image/jpeg\r\nContent-Length: " + std::to_string(body.size()) +
                  "\r\n\r\n" + body;
    return reply;
}

LoopbackServer::LoopbackServer(int max_connections, int lifetime_ms)
    : max_connections_(max_connections), lifetime_ms_(lifetime_ms) {
    // Non-blocking, so that an accept after a connection vanished from the queue cannot hang.
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener_ < 0) {
        throw std::runtime_error("loopback server: no socket");
    }
    const int on = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof(address);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        close(listener_);
        throw std::runtime_error("loopback server: cannot listen");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Run(); });
}

LoopbackServer::~LoopbackServer() { Stop(); }

std::string LoopbackServer::HostText() const { return "127.0.0.1:" + std::to_string(port_); }

void LoopbackServer::AddReply(Reply reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    replies_.push_back(std::move(reply));
}

void LoopbackServer::SetDefaultReply(Reply reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    default_reply_ = std::move(reply);
    has_default_ = true;
}

std::vector<std::string> LoopbackServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LoopbackServer::ForgetRequests() {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.clear();
}

bool LoopbackServer::WaitForRequests(size_t count) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return recorded_.wait_for(lock, std::chrono::seconds(5),
                              [&] { return requests_.size() >= count; });
}

bool LoopbackServer::WaitIdle() const {
    const auto end = Clock::now() + std::chrono::seconds(5);
    std::unique_lock<std::mutex> lock(mutex_);
    // Accepting and marking the connection served happen under the lock, so a connection is
    // always seen: waiting in the listener's queue, or being served.
    while (serving_ || WaitReadable(listener_, 0)) {
        if (Clock::now() >= end) {
            return false;
        }
        served_.wait_for(lock, std::chrono::milliseconds(1));
    }
    return true;
}

void LoopbackServer::Stop() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (listener_ >= 0) {
        close(listener_);
        listener_ = -1;
    }
}

void LoopbackServer::Run() {
    const auto end = Clock::now() + std::chrono::milliseconds(lifetime_ms_);
    int accepted = 0;
    while (!stop_ && accepted < max_connections_ && Clock::now() < end) {
        if (!WaitReadable(listener_, 20)) {
            continue;
        }
        int fd = -1;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            serving_ = fd >= 0;
        }
        if (fd < 0) {
            continue;
        }
        ++accepted;
        ++connections_;
        Serve(fd);
        close(fd);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            serving_ = false;
        }
        served_.notify_all();
    }
}

void LoopbackServer::Serve(int fd) {
    const auto end = Clock::now() + std::chrono::milliseconds(lifetime_ms_);
    auto alive = [&] { return !stop_ && Clock::now() < end; };

    Reply reply;
    bool scripted = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!replies_.empty()) {
            reply = std::move(replies_.front());
            replies_.pop_front();
            scripted = true;
        } else if (has_default_) {
            reply = default_reply_;
            scripted = true;
        }
    }
    if (!scripted) {
        reply.mode = Reply::Mode::CutShort;
        reply.cut_at = 0;
    }

    std::string request;
    while (alive() && request.find("\r\n\r\n") == std::string::npos) {
        if (!WaitReadable(fd, 20)) {
            continue;
        }
        char buffer[1024];
        const ssize_t got = recv(fd, buffer, sizeof(buffer), 0);
        if (got <= 0) {
            break;
        }
        request.append(buffer, static_cast<size_t>(got));
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
    }
    recorded_.notify_all();

    switch (reply.mode) {
    case Reply::Mode::Whole:
        SendAll(fd, reply.bytes.data(), reply.bytes.size());
        break;
    case Reply::Mode::Fragments: {
        const size_t step = reply.fragment > 0 ? reply.fragment : 1;
        for (size_t at = 0; at < reply.bytes.size(); at += step) {
            const size_t size = std::min(step, reply.bytes.size() - at);
            SendAll(fd, reply.bytes.data() + at, size);
        }
        break;
    }
    case Reply::Mode::CutShort:
        SendAll(fd, reply.bytes.data(), std::min(reply.cut_at, reply.bytes.size()));
        break;
    case Reply::Mode::Never:
        // Hold on until the peer gives up.
        while (alive()) {
            if (WaitReadable(fd, 20)) {
                char buffer[256];
                if (recv(fd, buffer, sizeof(buffer), 0) <= 0) {
                    break;
                }
            }
        }
        break;
    case Reply::Mode::Reset: {
        // Reset rather than a polite close, so that the peer's next send fails.
        linger hard{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof(hard));
        return;
    }
    }
    shutdown(fd, SHUT_WR);
    // Let the peer read everything before the socket goes (a close with unread input
    // would reset the connection and could drop the reply).
    const auto drain_end = Clock::now() + std::chrono::milliseconds(2000);
    while (!stop_ && Clock::now() < drain_end) {
        if (WaitReadable(fd, 20)) {
            char buffer[256];
            if (recv(fd, buffer, sizeof(buffer), 0) <= 0) {
                break;
            }
        }
    }
}

} // namespace pf::test
