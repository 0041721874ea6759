#include "support/comma_locale.h"
#include "tiles/map_service.h"

#include "foundation/lat_lon.h"
#include "support/sandbox_home.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace pf {
namespace {

using test::ScopedEnv;

const char kHeaderTail[] =
    "Connection: keep-alive\r\n"
    "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/535.2 (KHTML, like Gecko) "
    "Chrome/15.0.874.121 Safari/535.2\r\n"
    "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
    "Accept-Encoding: identity\r\n"
    "Accept-Language: en-US,en;q=0.8\r\n"
    "Accept-Charset: ISO-8859-1,utf-8;q=0.7,*;q=0.3\r\n"
    "\r\n";

const char kStaticPath[] = "/staticmap?center=45.000000,-90.000000&zoom=12&size=512x512"
                           "&maptype=satellite&format=jpg-baseline&sensor=false";
const char kWmsPath[] = "/wms?service=WMS&request=GetMap&version=1.3&srs=EPSG:4326&layers=esat"
                        "&styles=&transparent=TRUE&format=image/jpeg&width=512&height=512"
                        "&bbox=-3.500000,10.250000,-2.750000,11.125000";

LatLonRect WmsRect() {
    LatLonRect rect;
    rect.Set(-3.5, 11.125, -2.75, 10.25); // west, north, east, south
    return rect;
}

void ExpectRequests() {
    EXPECT_EQ(StaticMapPath(45.0, -90.0, 12, "satellite"), kStaticPath);
    EXPECT_EQ(WmsMapPath(WmsRect()), kWmsPath);
    EXPECT_EQ(BuildMapRequest(kStaticPath, "maps.test:8080"),
              std::string("GET ") + kStaticPath + " HTTP/1.1\r\nHost: maps.test:8080\r\n" +
                  kHeaderTail);
}

TEST(MapRequest, ExactBytes) {
    ExpectRequests();
    EXPECT_EQ(StaticMapPath(-0.0, 0.0, 5, "roadmap"), // minus zero makes its own text
              "/staticmap?center=-0.000000,0.000000&zoom=5&size=512x512&maptype=roadmap"
              "&format=jpg-baseline&sensor=false");
}

TEST(MapRequest, ExactBytesUnderCommaLocale) {
    test::CommaLocale comma;
    PF_SKIP_WITHOUT(comma);
    ExpectRequests();
}

TEST(MapHosts, ConstantsAndOverrides) {
    {
        ScopedEnv a(kStaticMapHostVariable, std::nullopt);
        ScopedEnv b(kWmsHostVariable, "");
        EXPECT_EQ(GetStaticMapHost().header, kStaticMapHost);
        EXPECT_EQ(GetStaticMapHost().port, 80);
        EXPECT_EQ(GetWmsHost().name, kWmsHost);
        EXPECT_EQ(GetWmsHost().port, 80);
    }
    struct Case {
        const char* value;
        const char* name;
        int port;
        bool valid;
    };
    const Case cases[] = {
        {"127.0.0.1:8080", "127.0.0.1", 8080, true},   {"127.0.0.1", "127.0.0.1", 80, true},
        {"maps.test:65535", "maps.test", 65535, true}, {"maps.test:0", "maps.test", 0, false},
        {"maps.test:65536", "maps.test", 0, false},    {"maps.test:", "maps.test", 0, false},
        {"maps.test:8o", "maps.test", 0, false},       {":8080", "", 0, false},
    };
    for (const Case& c : cases) {
        ScopedEnv env(kWmsHostVariable, c.value);
        const MapHost host = GetWmsHost();
        EXPECT_EQ(host.header, c.value);
        EXPECT_EQ(host.name, c.name) << c.value;
        EXPECT_EQ(host.valid, c.valid) << c.value;
        if (c.valid) {
            EXPECT_EQ(host.port, c.port) << c.value;
        }
    }
}

TEST(ContentLength, ReadsTheHeaderValue) {
    struct Case {
        const char* header;
        int32_t length;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: 4567\r\n\r\n", 4567},
        {"HTTP/1.1 200 OK\r\nX-Content-Length: 99\r\n\r\n", 0},
        {"HTTP/1.1 200 OK\r\nContent-Length : 99\r\n\r\n", 0},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", 0},
        {"Content-Length: 123456789012345678901234567890", 5000001},
        {"Content-Length: 000000000000000000000000000042", 42},
        {"Content-Length: 123", 123},
        {"Content-Length:123", 123},
        {"content-length:\t123", 123},
        {"CONTENT-LENGTH:  \t 123\r\n", 123},
        {"Content-Length: x", 0},
        {"Content-Length:", 0},
        {"", 0},
        {"Content-Length: 12ab", 12},
        {"Content-Length: 5000000", 5000000},
        {"Content-Length: 5000001", 5000001},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetContentLength(c.header), c.length) << c.header;
    }
}

} // namespace
} // namespace pf
