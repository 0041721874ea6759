#include "tiles/map_service.h"

#include "foundation/file_helpers.h"
#include "foundation/lat_lon.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "platform/fs.h"
#include "tiles/client_socket.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace pf {

namespace {

MapHost HostFromVariable(const char* variable, const char* fallback) {
    MapHost host;
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') {
        host.header = fallback;
        host.name = fallback;
        return host;
    }
    host.header = value;
    host.name = value;
    const size_t colon = host.header.rfind(':');
    if (colon == std::string::npos) {
        return host;
    }
    host.name = host.header.substr(0, colon);
    const std::string port = host.header.substr(colon + 1);
    int number = 0;
    bool ok = !port.empty() && port.size() <= 5 && !host.name.empty();
    for (char c : port) {
        if (c < '0' || c > '9') {
            ok = false;
            break;
        }
        number = number * 10 + (c - '0');
    }
    host.valid = ok && number >= 1 && number <= 65535;
    host.port = host.valid ? number : 0;
    return host;
}

bool SendWhole(ClientSocket& socket, const std::string& request) {
    const long length = static_cast<long>(request.size());
    return socket.Send(request.data(), length) == length;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The status code of the reply's first line ("HTTP/1.1 200 OK"), or -1.
int StatusCode(const char* header, int count) {
    const std::string text(header, static_cast<size_t>(count));
    if (text.compare(0, 5, "HTTP/") != 0) {
        return -1;
    }
    const size_t space = text.find(' ');
    const size_t line_end = text.find("\r\n");
    if (space == std::string::npos || space + 4 > line_end) {
        return -1;
    }
    const char* code = text.c_str() + space + 1;
    if (!IsDigit(code[0]) || !IsDigit(code[1]) || !IsDigit(code[2]) ||
        (code[3] != ' ' && code[3] != '\r')) {
        return -1;
    }
    return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

} // namespace

MapHost GetStaticMapHost() { return HostFromVariable(kStaticMapHostVariable, kStaticMapHost); }

MapHost GetWmsHost() { return HostFromVariable(kWmsHostVariable, kWmsHost); }

bool ConnectToMapHost(ClientSocket& socket, const MapHost& host) {
    return host.valid && socket.Connect(host.name, host.port) != -1;
}

std::string StaticMapPath(double latitude, double longitude, int zoom,
                          const std::string& map_type) {
    return FormatString("/staticmap?center=%.6f,%.6f&zoom=%d&size=%dx%d&maptype=%s"
                        "&format=jpg-baseline&sensor=false",
                        latitude, longitude, zoom, 512, 512, map_type.c_str());
}

std::string WmsMapPath(const LatLonRect& rect) {
    return FormatString("/wms?service=WMS&request=GetMap&version=1.3&srs=EPSG:4326"
                        "&layers=esat&styles=&transparent=TRUE&format=image/jpeg"
                        "&width=512&height=512&bbox=%.6f,%.6f,%.6f,%.6f",
                        rect.West(), rect.South(), rect.East(), rect.North());
}

std::string BuildMapRequest(const std::string& path, const std::string& host) {
    // The service gets the body as it stands: no compressed encodings are offered.
    const std::string headers =
        "HTTP/1.1\r\n"
        "Host: " +
        host +
        "\r\n"
        "Connection: keep-alive\r\n"
        "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/535.2 (KHTML, like "
        "Gecko) Chrome/15.0.874.121 Safari/535.2\r\n"
        "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
        "Accept-Encoding: identity\r\n"
        "Accept-Language: en-US,en;q=0.8\r\n"
        "Accept-Charset: ISO-8859-1,utf-8;q=0.7,*;q=0.3\r\n";
    return "GET " + path + " " + headers + "\r\n";
}

bool RequestStaticMap(ClientSocket& socket, double latitude, double longitude, int zoom,
                      const std::string& map_type) {
    return SendWhole(socket, BuildMapRequest(StaticMapPath(latitude, longitude, zoom, map_type),
                                             GetStaticMapHost().header));
}

bool RequestWmsMap(ClientSocket& socket, const LatLonRect& rect) {
    return SendWhole(socket, BuildMapRequest(WmsMapPath(rect), GetWmsHost().header));
}

int32_t GetContentLength(const std::string& header) {
    static const char kName[] = "content-length";
    const size_t name_length = sizeof(kName) - 1;
    for (size_t line = 0; line < header.size();) {
        if (header.size() - line > name_length &&
            CStringEqualsNoCase(header.substr(line, name_length), kName) &&
            header[line + name_length] == ':') {
            size_t at = line + name_length + 1;
            while (at < header.size() && (header[at] == ' ' || header[at] == '\t')) {
                ++at;
            }
            if (at >= header.size() || !IsDigit(header[at])) {
                return 0;
            }
            int32_t value = 0;
            for (; at < header.size() && IsDigit(header[at]); ++at) {
                value = value * 10 + (header[at] - '0');
                if (value > kMaxReplyBody) {
                    return kMaxReplyBody + 1; // out of range, whatever follows
                }
            }
            return value;
        }
        const size_t next = header.find('\n', line);
        if (next == std::string::npos) {
            break;
        }
        line = next + 1;
    }
    return 0;
}

bool ReadHttpResponse(ClientSocket& socket, const std::string& path) {
    char header[kMaxReplyHeader + 1] = {}; // room for one byte past the largest header
    int count = 0;
    while (count < 4 || std::memcmp(header + count - 4, "\r\n\r\n", 4) != 0) {
        if (count == 12 && std::memcmp(header, "HTTP/1.1 403", 12) == 0) {
            return false; // the service refused
        }
        if (socket.Recv(header + count, 1) != 1) {
            return false;
        }
        ++count;
        if (count > kMaxReplyHeader) {
            return false;
        }
    }
    if (StatusCode(header, count) != 200) {
        return false;
    }
    const int32_t length = GetContentLength(std::string(header, static_cast<size_t>(count)));
    if (length <= 0 || length > kMaxReplyBody) {
        return false;
    }
    std::unique_ptr<char[]> body(new (std::nothrow) char[static_cast<size_t>(length)]);
    if (!body) {
        return false;
    }
    if (socket.RecvExact(body.get(), length) != length) {
        return false;
    }
    fs::TempFileWriter writer;
    if (!writer.Open(path)) {
        ShowMessageBox("Could not open file", "", MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    if (!writer.Write(body.get(), static_cast<size_t>(length)) || !writer.Commit()) {
        writer.Discard();
        SafeDeleteFile(path);
        return false;
    }
    return true;
}

} // namespace pf
