#pragma once
// The two outside map services and the plain HTTP/1.1 exchange with them: one GET request
// sent whole, and a reply whose body (a JPEG) is written to a file.
#include <cstdint>
#include <string>

namespace pf {

class ClientSocket;
class LatLonRect;

// The services' hosts. PADFORGE_STATICMAP_HOST and PADFORGE_WMS_HOST ("host[:port]")
// replace them, read afresh at each request, so tests can use a server of their own.
constexpr const char* kStaticMapHost = "maps.googleapis.com";
constexpr const char* kWmsHost = "worldwind25.arc.nasa.gov";
constexpr int kMapServicePort = 80;
constexpr const char* kStaticMapHostVariable = "PADFORGE_STATICMAP_HOST";
constexpr const char* kWmsHostVariable = "PADFORGE_WMS_HOST";

struct MapHost {
    std::string header; // the text of the Host header: the host as given, port included
    std::string name;   // what to connect to
    int port = kMapServicePort;
    bool valid = true; // false for an override whose port is not a number in 1..65535
};

MapHost GetStaticMapHost();
MapHost GetWmsHost();
// Connects the socket to the host; false when the host text is unusable or the
// connection fails.
bool ConnectToMapHost(ClientSocket& socket, const MapHost& host);

// The request paths, numbers written with '.' whatever the locale.
std::string StaticMapPath(double latitude, double longitude, int zoom, const std::string& map_type);
std::string WmsMapPath(const LatLonRect& rect);
// The whole request text for a path and Host header.
std::string BuildMapRequest(const std::string& path, const std::string& host);

// Build and send one request; true only when the whole request went out.
bool RequestStaticMap(ClientSocket& socket, double latitude, double longitude, int zoom,
                      const std::string& map_type);
bool RequestWmsMap(ClientSocket& socket, const LatLonRect& rect);

// Largest header, and the one past the largest body, that a reply may have.
constexpr int kMaxReplyHeader = 4095;
constexpr int32_t kMaxReplyBody = 5000000;

// The value of the "Content-Length" header: the name matched without regard to case at
// the start of a line, blanks and tabs after the colon skipped, decimal digits read. 0
// when the name or the digits are missing; any value above the largest body reads as
// kMaxReplyBody + 1.
int32_t GetContentLength(const std::string& header);

// Reads a reply: the header one byte at a time (a refusal "HTTP/1.1 403" stops after its
// 12 bytes), then, for status 200 with a usable length, the body, written to the file.
// A file that cannot be created shows "Could not open file"; a failed write removes it.
bool ReadHttpResponse(ClientSocket& socket, const std::string& path);

} // namespace pf
