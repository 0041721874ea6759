#include "tiles/client_socket.h"

#include "support/fake_clock.h"
#include "support/loopback_server.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pf {
namespace {

using test::FakeClock;
using test::LoopbackServer;

// Counts every lookup and answers none, so no test sends a name query.
class CountingLookup {
  public:
    CountingLookup()
        : previous_(socket::SetLookupFunction([this](const std::string&, uint32_t&) {
              ++calls;
              return false;
          })) {}
    ~CountingLookup() { socket::SetLookupFunction(previous_); }
    int calls = 0;

  private:
    socket::LookupFunction previous_;
};

// A listening socket on 127.0.0.1 with the given backlog.
class RawListener {
  public:
    explicit RawListener(int backlog) {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof(address);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        EXPECT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size), 0);
        port = ntohs(address.sin_port);
        if (backlog >= 0) {
            EXPECT_EQ(listen(fd, backlog), 0);
        }
    }
    ~RawListener() { Close(); }
    void Close() {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
    int fd = -1;
    int port = 0;
};

TEST(ClientSocketConnect, DottedAddressSkipsLookup) {
    CountingLookup lookup;
    FakeClock clock;
    LoopbackServer server(1);
    server.AddReply({LoopbackServer::Reply::Mode::Whole, "pong", 1, 0});
    ClientSocket client;
    const int handle = client.Connect("127.0.0.1", server.Port());
    ASSERT_GE(handle, 0);
    EXPECT_EQ(handle, client.GetHandle());
    EXPECT_TRUE(client.IsConnected());
    EXPECT_EQ(client.GetRemotePort(), server.Port());
    EXPECT_EQ(client.GetRemoteAddress(), htonl(INADDR_LOOPBACK));
    EXPECT_EQ(lookup.calls, 0);
    const std::string request = "ping\r\n\r\n";
    EXPECT_EQ(client.Send(request.data(), static_cast<long>(request.size())),
              static_cast<long>(request.size()));
    char reply[4] = {};
    EXPECT_EQ(client.RecvExact(reply, 4), 4);
    EXPECT_EQ(std::string(reply, 4), "pong");
    client.Close();
    EXPECT_EQ(client.GetHandle(), -1);
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(client.GetRemotePort(), 0);
    EXPECT_TRUE(server.WaitForRequests(1));
    server.Stop();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], request);
}

TEST(ClientSocketConnect, UnknownNameMakesNoAttempt) {
    CountingLookup lookup;
    ClientSocket client;
    EXPECT_EQ(client.Connect("no-such-host.invalid", 80), -1);
    EXPECT_EQ(lookup.calls, 1);
    EXPECT_EQ(client.GetHandle(), -1);
    EXPECT_FALSE(client.IsConnected());
}

TEST(ClientSocketConnect, ClosedPortIsRefused) {
    FakeClock clock;
    RawListener closed(-1); // bound, never listening: nothing accepts on that port
    ClientSocket client;
    EXPECT_EQ(client.Connect("127.0.0.1", closed.port), -1);
    EXPECT_EQ(client.GetLastError(), ECONNREFUSED);
    EXPECT_EQ(client.GetHandle(), -1);
    EXPECT_FALSE(client.IsConnected());
    // The error outlives the close the failure caused; only Close clears it.
    client.Close();
    EXPECT_EQ(client.GetLastError(), 0);
}

TEST(ClientSocketConnect, SilentPeerEndsAfterTheRoundsOfTheClock) {
    FakeClock clock;
    RawListener listener(0);
    // The one queue place of a backlog-0 listener is taken: the next SYN is dropped.
    const int first = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(listener.port));
    ASSERT_EQ(::connect(first, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

    ClientSocket client;
    EXPECT_EQ(client.Connect("127.0.0.1", listener.port), -1);
    EXPECT_EQ(client.GetHandle(), -1);
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(client.GetLastError(), ETIMEDOUT);
    ASSERT_EQ(clock.Sleeps().size(), static_cast<size_t>(ClientSocket::kConnectRounds));
    for (uint32_t ms : clock.Sleeps()) {
        ASSERT_EQ(ms, 1u);
    }
    ::close(first);
}

TEST(ClientSocketConnect, ConnectedSocketRefusesSecondConnect) {
    FakeClock clock;
    LoopbackServer server(2);
    server.AddReply({LoopbackServer::Reply::Mode::Whole, "ok", 1, 0});
    ClientSocket client;
    const int handle = client.Connect("127.0.0.1", server.Port());
    ASSERT_GE(handle, 0);
    EXPECT_EQ(client.Connect("127.0.0.1", server.Port()), -1);
    EXPECT_EQ(client.GetHandle(), handle);
    EXPECT_TRUE(client.IsConnected());
    EXPECT_EQ(client.Send("a\r\n\r\n", 5), 5);
    char reply[2] = {};
    EXPECT_EQ(client.RecvExact(reply, 2), 2);
    EXPECT_EQ(std::string(reply, 2), "ok");
}

TEST(ClientSocketReceive, ExactCountsAndShortPeers) {
    FakeClock clock;
    LoopbackServer server(2);
    LoopbackServer::Reply cut{LoopbackServer::Reply::Mode::CutShort, "0123456789", 1, 3};
    server.AddReply(cut);
    server.AddReply({LoopbackServer::Reply::Mode::Fragments, "0123456789", 3, 0});

    ClientSocket client;
    ASSERT_GE(client.Connect("127.0.0.1", server.Port()), 0);
    char buffer[10] = {};
    EXPECT_EQ(client.RecvExact(buffer, 0), 0);
    EXPECT_EQ(client.RecvExact(buffer, -1), -1);
    EXPECT_TRUE(client.IsConnected());
    ASSERT_EQ(client.Send("r\r\n\r\n", 5), 5);
    EXPECT_EQ(client.RecvExact(buffer, 10), -1);
    EXPECT_EQ(std::string(buffer, 3), "012");
    client.Close();

    ASSERT_GE(client.Connect("127.0.0.1", server.Port()), 0);
    ASSERT_EQ(client.Send("r\r\n\r\n", 5), 5);
    char whole[10] = {};
    EXPECT_EQ(client.RecvExact(whole, 10), 10);
    EXPECT_EQ(std::string(whole, 10), "0123456789");
}

TEST(ClientSocketReceive, NonBlockingReceiveWithoutDataKeepsTheSocket) {
    FakeClock clock;
    LoopbackServer server(1);
    server.AddReply({LoopbackServer::Reply::Mode::Never, "", 1, 0});
    ClientSocket client;
    const int handle = client.Connect("127.0.0.1", server.Port());
    ASSERT_GE(handle, 0);
    ASSERT_EQ(client.SetNonBlocking(), 1);
    EXPECT_FALSE(client.IsBlocking());
    char byte = 0;
    EXPECT_EQ(client.Recv(&byte, 1), -1);
    EXPECT_TRUE(client.GetLastError() == EAGAIN || client.GetLastError() == EWOULDBLOCK);
    EXPECT_EQ(client.GetHandle(), handle);
    EXPECT_TRUE(client.IsConnected());
    EXPECT_EQ(client.SetBlocking(), 1);
    EXPECT_TRUE(client.IsBlocking());
}

TEST(ClientSocketReceive, StalledServerTimesOut) {
    FakeClock clock;
    LoopbackServer server(1);
    server.AddReply({LoopbackServer::Reply::Mode::Never, "", 1, 0});
    ClientSocket client;
    EXPECT_EQ(client.GetReceiveTimeout(), 20000);
    client.SetReceiveTimeout(100); // the one real wait of these tests
    ASSERT_GE(client.Connect("127.0.0.1", server.Port()), 0);
    ASSERT_EQ(client.Send("r\r\n\r\n", 5), 5);
    char byte = 0;
    EXPECT_EQ(client.Recv(&byte, 1), -1);
    EXPECT_EQ(client.GetLastError(), ETIMEDOUT);
    EXPECT_EQ(client.GetHandle(), -1);
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(client.Recv(&byte, 1), -1);
}

TEST(ClientSocketSend, ClosedPeerGivesErrorNotSignal) {
    FakeClock clock;
    LoopbackServer server(1);
    server.AddReply({LoopbackServer::Reply::Mode::Reset, "", 1, 0});
    ClientSocket client;
    ASSERT_GE(client.Connect("127.0.0.1", server.Port()), 0);
    ASSERT_EQ(client.Send("r\r\n\r\n", 5), 5);
    ASSERT_TRUE(server.WaitForRequests(1));
    server.Stop(); // the reset has been sent once the server thread is done
    const std::string chunk(1024, 'x');
    long result = 0;
    for (int i = 0; i < 100 && result >= 0; ++i) {
        result = client.Send(chunk.data(), static_cast<long>(chunk.size()));
    }
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(client.GetLastError() == EPIPE || client.GetLastError() == ECONNRESET)
        << client.GetLastError();
    EXPECT_EQ(client.GetHandle(), -1);
    EXPECT_EQ(client.Send("a", 1), -1);
}

TEST(ClientSocketModes, SwitchingNeedsAnOpenSocket) {
    ClientSocket client;
    EXPECT_EQ(client.SetBlocking(), 1); // already blocking: nothing to switch
    EXPECT_EQ(client.SetNonBlocking(), -1);
    EXPECT_TRUE(client.IsBlocking());
    char byte = 0;
    EXPECT_EQ(client.Send(&byte, 1), -1);
    EXPECT_EQ(client.Recv(&byte, 1), -1);
}

TEST(MillisecondClockTest, FollowsTheInstalledClock) {
    FakeClock clock;
    const int64_t start = MillisecondClock();
    clock.AdvanceNs(2500000); // 2.5 ms
    EXPECT_EQ(MillisecondClock() - start, 2);
    clock.Advance(10000);
    EXPECT_EQ(MillisecondClock() - start, 10002);
}

} // namespace
} // namespace pf
