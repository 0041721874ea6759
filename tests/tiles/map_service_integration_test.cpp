#include "tiles/map_service.h"

#include "foundation/lat_lon.h"
#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "tiles/client_socket.h"

#include <gtest/gtest.h>

#include <string>

namespace pf {
namespace {

using test::FakeClock;
using test::LoopbackServer;
using test::ScopedEnv;
using test::ScriptedUi;
using test::TempDir;

using Reply = LoopbackServer::Reply;

Reply Raw(const std::string& bytes) { return Reply{Reply::Mode::Whole, bytes, 1, 0}; }

class ReplyTest : public ::testing::Test {
  protected:
    // Sends a request to a server that answers with the reply and reads the answer into
    // "temp.jpg" of the temporary folder.
    bool Read(const Reply& reply) {
        server_.AddReply(reply);
        client_.Close();
        EXPECT_GE(client_.Connect("127.0.0.1", server_.Port()), 0);
        EXPECT_EQ(client_.Send("GET /\r\n\r\n", 9), 9);
        return ReadHttpResponse(client_, Path());
    }
    std::string Path() const { return dir_.InternalPath("temp.jpg"); }

    FakeClock clock_;
    ScriptedUi ui_;
    TempDir dir_;
    LoopbackServer server_{16};
    ClientSocket client_;
};

TEST_F(ReplyTest, BodyIsWrittenToTheFile) {
    const std::string body = std::string("\xFF\xD8\xFF", 3) + std::string(1000, 'j');
    ASSERT_TRUE(Read(LoopbackServer::HttpReply(body)));
    EXPECT_EQ(dir_.ReadFile("temp.jpg"), body);

    // The same reply in one-byte pieces; the earlier file is replaced.
    Reply pieces = LoopbackServer::HttpReply("abc");
    pieces.mode = Reply::Mode::Fragments;
    pieces.fragment = 1;
    ASSERT_TRUE(Read(pieces));
    EXPECT_EQ(dir_.ReadFile("temp.jpg"), "abc");
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(ReplyTest, RefusalStopsAfterTwelveBytes) {
    EXPECT_FALSE(Read(Raw("HTTP/1.1 403 Forbidden\r\nContent-Length: 4\r\n\r\nabcd")));
    char rest[10] = {};
    ASSERT_EQ(client_.RecvExact(rest, 10), 10);
    EXPECT_EQ(std::string(rest, 10), " Forbidden");
    EXPECT_FALSE(dir_.Exists("temp.jpg"));
}

TEST_F(ReplyTest, UnusableRepliesFail) {
    const std::string long_header =
        "HTTP/1.1 200 OK\r\nX-Pad: " + std::string(4096, 'p') + "\r\nContent-Length: 4\r\n\r\nabcd";
    Reply short_body = LoopbackServer::HttpReply(std::string(100, 'b'));
    short_body.mode = Reply::Mode::CutShort;
    short_body.cut_at = short_body.bytes.size() - 90;
    const Reply cases[] = {
        Raw("HTTP/1.0 403 Forbidden\r\nContent-Length: 4\r\n\r\nabcd"),
        LoopbackServer::HttpReply(std::string("\xFF\xD8\xFF\xE0", 4), "404 Not Found"),
        Raw(long_header),
        Raw("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"),
        Raw("HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\n\r\nabcd"),
        Raw("HTTP/1.1 200 OK\r\nContent-Length: 5000001\r\n\r\nabcd"),
        short_body,
        Raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nabcd\r\n0\r\n\r\n"),
        Raw("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n"), // header cut off
        Raw("SSH-2.0\r\nContent-Length: 4\r\n\r\nabcd"),
    };
    int index = 0;
    for (const Reply& reply : cases) {
        EXPECT_FALSE(Read(reply)) << "case " << index;
        EXPECT_FALSE(dir_.Exists("temp.jpg")) << "case " << index;
        ++index;
    }
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(ReplyTest, LargestBodyIsAccepted) {
    const std::string body(5000000, 'z');
    ASSERT_TRUE(Read(LoopbackServer::HttpReply(body)));
    EXPECT_EQ(dir_.ReadFile("temp.jpg").size(), 5000000u);
}

TEST_F(ReplyTest, FileThatCannotBeCreatedIsReported) {
    dir_.WriteFile("blocker", "a file where a folder should be");
    server_.AddReply(LoopbackServer::HttpReply("abcd"));
    ASSERT_GE(client_.Connect("127.0.0.1", server_.Port()), 0);
    ASSERT_EQ(client_.Send("GET /\r\n\r\n", 9), 9);
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    EXPECT_FALSE(ReadHttpResponse(client_, dir_.InternalPath("blocker\\temp.jpg")));
    ASSERT_EQ(ui_.Calls().size(), 1u);
    EXPECT_EQ(ui_.Calls()[0].kind, "message");
    EXPECT_EQ(ui_.Calls()[0].text, "Could not open file");
    EXPECT_EQ(ui_.Calls()[0].caption, "");
    EXPECT_EQ(ui_.Calls()[0].buttons, MessageButtons::Ok);
}

TEST(MapRequestSend, ReachesTheServerWithTheHostAsGiven) {
    FakeClock clock;
    LoopbackServer server(4);
    server.SetDefaultReply(LoopbackServer::HttpReply("x"));
    const std::string tail =
        "\r\nConnection: keep-alive\r\n"
        "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/535.2 (KHTML, like Gecko) "
        "Chrome/15.0.874.121 Safari/535.2\r\n"
        "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
        "Accept-Encoding: identity\r\n"
        "Accept-Language: en-US,en;q=0.8\r\n"
        "Accept-Charset: ISO-8859-1,utf-8;q=0.7,*;q=0.3\r\n\r\n";
    {
        ScopedEnv env(kStaticMapHostVariable, server.HostText());
        ClientSocket socket;
        ASSERT_TRUE(ConnectToMapHost(socket, GetStaticMapHost()));
        EXPECT_TRUE(RequestStaticMap(socket, 45.0, -90.0, 12, "satellite"));
    }
    {
        // Without a port the Host header carries the bare host.
        ScopedEnv env(kWmsHostVariable, "127.0.0.1");
        ClientSocket socket;
        ASSERT_GE(socket.Connect("127.0.0.1", server.Port()), 0);
        LatLonRect rect;
        rect.Set(-3.5, 11.125, -2.75, 10.25);
        EXPECT_TRUE(RequestWmsMap(socket, rect));
    }
    {
        ScopedEnv env(kWmsHostVariable, "127.0.0.1:notaport");
        ClientSocket socket;
        EXPECT_FALSE(ConnectToMapHost(socket, GetWmsHost()));
    }
    ClientSocket closed;
    EXPECT_FALSE(RequestStaticMap(closed, 45.0, -90.0, 12, "satellite"));
    EXPECT_TRUE(server.WaitForRequests(2));
    server.Stop();
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0],
              "GET /staticmap?center=45.000000,-90.000000&zoom=12&size=512x512&maptype=satellite"
              "&format=jpg-baseline&sensor=false HTTP/1.1\r\nHost: " +
                  server.HostText() + tail);
    EXPECT_EQ(requests[1],
              "GET /wms?service=WMS&request=GetMap&version=1.3&srs=EPSG:4326&layers=esat&styles="
              "&transparent=TRUE&format=image/jpeg&width=512&height=512"
              "&bbox=-3.500000,10.250000,-2.750000,11.125000 HTTP/1.1\r\nHost: 127.0.0.1" +
                  tail);
}

} // namespace
} // namespace pf
