// A reply of a map service over a loopback socket: byte 0 chooses how it is asked for
// (bit 0 set: a whole WMS map download, read into a map; bits 0 and 1 as 2: a static map,
// through the map cache; otherwise one request, the reply read into a file and decoded),
// the rest is what the server sends before it closes. One server answers the whole run: a
// listener per input used up the machine's ports within a minute.
#include "fuzz_support.h"

#include "foundation/lat_lon.h"
#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "imagery/jpeg_file.h"
#include "support/fake_clock.h"
#include "support/loopback_server.h"
#include "tiles/client_socket.h"
#include "tiles/map_download.h"
#include "tiles/map_service.h"
#include "tiles/map_zoom.h"
#include "workspace/folders.h"

#include <climits>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    if (size == 0) {
        return 0;
    }
    static test::LoopbackServer server(INT_MAX, INT_MAX);
    // Every connection of the previous input was served before this input's reply is set.
    fuzz::Check(server.WaitIdle(), "the loopback server did not finish the previous input");
    server.ForgetRequests();
    test::LoopbackServer::Reply reply;
    reply.bytes = fuzz::Text(data + 1, size - 1);
    server.SetDefaultReply(reply);
    std::string folder;
    if (!GetAppDataPath(folder)) {
        return 0;
    }
    if ((data[0] & 1) != 0) {
        setenv(kWmsHostVariable, server.HostText().c_str(), 1);
        BitmapData picture;
        LatLonRect rect;
        rect.Set(-80.7, 28.6, -80.5, 28.4);
        DownloadWmsMap(GeoMap(&picture, &rect));
        unsetenv(kWmsHostVariable);
        return 0;
    }
    if ((data[0] & 3) == 2) {
        std::string cache;
        if (GetMapCachePath(cache)) {
            fuzz::Sandbox::EmptyFolder(cache);
        }
        // The pause before every static-map request passes at once.
        test::FakeClock clock;
        setenv(kStaticMapHostVariable, server.HostText().c_str(), 1);
        MapZoom view;
        view.SetZoom(12);
        view.SetCentre(LatLon(-80.6, 28.5));
        BitmapData map;
        const bool downloaded = DownloadStaticMap(view, "satellite", map);
        unsetenv(kStaticMapHostVariable);
        if (downloaded) {
            // What was shown is what the cache gives the next time, without the network.
            BitmapData cached;
            fuzz::Check(LoadCachedMap("satellite", 12, LatLon(-80.6, 28.5), cached) &&
                            cached.Width() == map.Width() && cached.Height() == map.Height(),
                        "a downloaded static map does not come back from the cache");
        }
        return 0;
    }
    ClientSocket socket;
    socket.SetReceiveTimeout(2000);
    if (socket.Connect("127.0.0.1", server.Port()) < 0) {
        return 0;
    }
    const std::string request = BuildMapRequest("/", "127.0.0.1");
    socket.Send(request.data(), static_cast<long>(request.size()));
    const std::string path = folder + "reply.jpg";
    if (ReadHttpResponse(socket, path)) {
        BitmapData image;
        LoadJpegToBitmap(path, image);
    }
    return 0;
}
