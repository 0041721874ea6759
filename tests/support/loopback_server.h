#pragma once
// A scripted TCP server on 127.0.0.1 for network tests. It listens on a free port, takes
// connections one after another, reads each request up to its blank line, records it and
// answers with the next scripted reply. It stops by itself after its accept limit or its
// life time, and at destruction.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pf::test {

class LoopbackServer {
  public:
    struct Reply {
        enum class Mode {
            Whole,     // the bytes in one send, then close
            Fragments, // the bytes in pieces of fragment bytes, then close
            CutShort,  // the first cut_at bytes, then close
            Never,     // read the request, then hold the connection open without a word
            Reset      // read the request, then reset the connection without a word
        };
        Mode mode = Mode::Whole;
        std::string bytes;
        size_t fragment = 1;
        size_t cut_at = 0;
    };

    // A reply with a header "HTTP/1.1 <status>" and a Content-Length for the body.
    static Reply HttpReply(const std::string& body, const std::string& status = "200 OK");

    explicit LoopbackServer(int max_connections = 16, int lifetime_ms = 20000);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    uint16_t Port() const { return port_; }
    // "127.0.0.1:<port>", the text for a host override.
    std::string HostText() const;

    // Replies in the order connections arrive; a connection with no reply left is
    // closed without a word after its request was read.
    void AddReply(Reply reply);
    // The same reply for every connection without a scripted one.
    void SetDefaultReply(Reply reply);

    int Connections() const { return connections_.load(); }
    std::vector<std::string> Requests() const;
    void ForgetRequests();
    // Waits until count requests were recorded (at most a few seconds); true when they were.
    bool WaitForRequests(size_t count) const;
    // Waits until every connection made so far was served and none waits to be accepted (at
    // most a few seconds); true when so. A server that lives through many rounds calls it
    // between them, so that a late connection of one round never takes the next one's reply.
    bool WaitIdle() const;
    // Stops accepting and ends the thread.
    void Stop();

  private:
    void Run();
    void Serve(int fd);

    int listener_ = -1;
    uint16_t port_ = 0;
    int max_connections_;
    int lifetime_ms_;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    mutable std::condition_variable recorded_;
    mutable std::condition_variable served_;
    bool serving_ = false; // under mutex_, from accept to close
    std::deque<Reply> replies_;
    bool has_default_ = false;
    Reply default_reply_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace pf::test
