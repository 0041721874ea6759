#include "platform/socket.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace pf::socket {
namespace {

TEST(SocketParseIPv4, TakesOnlyDottedAddresses) {
    struct Case {
        const char* text;
        bool ok;
        const char* canonical;
    };
    const Case cases[] = {
        {"127.0.0.1", true, "127.0.0.1"}, {"255.255.255.255", true, "255.255.255.255"},
        {"0.0.0.0", true, "0.0.0.0"},     {"10.1.2.3", true, "10.1.2.3"},
        {"1.2.3", false, nullptr},        {"1.2.3.256", false, nullptr},
        {" 1.2.3.4", false, nullptr},     {"1.2.3.4 ", false, nullptr},
        {"maps.example", false, nullptr}, {"", false, nullptr},
    };
    for (const Case& c : cases) {
        uint32_t address = 0xDEADBEEF;
        EXPECT_EQ(ParseIPv4(c.text, address), c.ok) << c.text;
        if (c.ok) {
            in_addr parsed{address};
            char text[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &parsed, text, sizeof(text));
            EXPECT_STREQ(text, c.canonical);
        } else {
            EXPECT_EQ(address, 0xDEADBEEFu) << c.text;
        }
    }
    uint32_t address = 0;
    EXPECT_FALSE(ParseIPv4(std::string("1.2.3.4\0", 8), address));
}

TEST(SocketLookup, ReplacedLookupIsAskedAndRestored) {
    int calls = 0;
    LookupFunction previous = SetLookupFunction([&](const std::string& name, uint32_t& out) {
        ++calls;
        if (name != "tiles.test") {
            return false;
        }
        out = htonl(0x7F000001);
        return true;
    });
    uint32_t address = 0;
    EXPECT_TRUE(LookupHost("tiles.test", address));
    EXPECT_EQ(address, htonl(0x7F000001));
    EXPECT_FALSE(LookupHost("other.test", address));
    EXPECT_EQ(calls, 2);
    SetLookupFunction(previous);
}

// A connected pair stands in for a TCP connection: the calls below are the same.
struct Pair {
    int fds[2] = {-1, -1};
    Pair() { EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0); }
    ~Pair() {
        Close(fds[0]);
        Close(fds[1]);
    }
};

TEST(SocketCalls, SendToClosedPeerReportsEpipeWithoutSignal) {
    Pair pair;
    Close(pair.fds[1]);
    pair.fds[1] = -1;
    int error = 0;
    EXPECT_EQ(Send(pair.fds[0], "abc", 3, error), -1);
    EXPECT_EQ(error, EPIPE);
}

TEST(SocketCalls, ReceiveWithoutWaitOnNonBlockingSocketWouldBlock) {
    Pair pair;
    int error = 0;
    ASSERT_TRUE(SetNonBlockingMode(pair.fds[0], true, error));
    char byte = 0;
    EXPECT_EQ(Receive(pair.fds[0], &byte, 1, 0, error), -1);
    EXPECT_TRUE(IsWouldBlock(error));
    ASSERT_EQ(Send(pair.fds[1], "xy", 2, error), 2);
    char bytes[4] = {};
    EXPECT_EQ(Receive(pair.fds[0], bytes, sizeof(bytes), 0, error), 2);
    EXPECT_EQ(std::string(bytes, 2), "xy");
    ASSERT_TRUE(SetNonBlockingMode(pair.fds[0], false, error));
    // Data already waiting comes back at once through the waiting path too.
    ASSERT_EQ(Send(pair.fds[1], "z", 1, error), 1);
    EXPECT_EQ(Receive(pair.fds[0], bytes, sizeof(bytes), 5000, error), 1);
    Close(pair.fds[1]);
    pair.fds[1] = -1;
    EXPECT_EQ(Receive(pair.fds[0], bytes, sizeof(bytes), 5000, error), 0);
}

TEST(SocketCalls, BadHandleGivesErrors) {
    int error = 0;
    EXPECT_FALSE(SetNonBlockingMode(-1, true, error));
    EXPECT_EQ(error, EBADF);
    EXPECT_EQ(Send(-1, "a", 1, error), -1);
    EXPECT_EQ(error, EBADF);
    int pending = 0;
    EXPECT_FALSE(GetPendingError(-1, pending, error));
    EXPECT_FALSE(IsWouldBlock(EPIPE));
    EXPECT_TRUE(IsWouldBlock(EAGAIN));
    EXPECT_TRUE(IsWouldBlock(EWOULDBLOCK));
}

} // namespace
} // namespace pf::socket
