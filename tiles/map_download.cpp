#include "tiles/map_download.h"

#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/lat_lon.h"
#include "foundation/name_safety.h"
#include "foundation/text.h"
#include "foundation/timing.h"
#include "foundation/ui_hooks.h"
#include "imagery/bitmap_data.h"
#include "imagery/geo_map.h"
#include "imagery/jpeg_file.h"
#include "platform/clock.h"
#include "tiles/client_socket.h"
#include "tiles/map_service.h"
#include "tiles/map_zoom.h"
#include "workspace/folders.h"

#include <algorithm>
#include <functional>

namespace pf {

namespace {

const char kReplyFileName[] = "temp.jpg";
const char kRetryQuestion[] =
    "Unable to download map. Sometimes this is the result of too many\r\n"
    "map downloads in a short period of times (throttling at the server).\r\n\r\n"
    "Would you like to try again?";

// A map type is a word of the map service ("satellite", "hybrid"): letters, digits, '_' and
// '-' name every type the service knows, and nothing else belongs in a cache file name.
bool IsMapTypeWord(const std::string& map_type) {
    return std::all_of(map_type.begin(), map_type.end(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-';
    });
}

bool CachedMapPath(const std::string& map_type, int zoom, const LatLon& centre, std::string& path) {
    std::string folder;
    if (!IsSafePathComponent(map_type) || !IsMapTypeWord(map_type) || !GetMapCachePath(folder)) {
        return false;
    }
    path = folder + CachedMapName(map_type, zoom, centre);
    return true;
}

// Steps 3 to 7 and 9 of a download, shared by both services: connect, ask, read the
// reply into "temp.jpg", decode it. The cache copy happens between decode and delete.
bool FetchMap(const MapHost& host, const std::function<bool(ClientSocket&)>& request,
              BitmapData& decoded, std::string& reply_file) {
    ClientSocket socket;
    if (!ConnectToMapHost(socket, host)) {
        return false;
    }
    if (!request(socket)) {
        return false;
    }
    std::string folder;
    if (!GetAppDataPath(folder)) {
        return ShowFailureMessage("Couldn't get application data path\r\n");
    }
    reply_file = folder + kReplyFileName;
    if (!ReadHttpResponse(socket, reply_file)) {
        return false;
    }
    if (!LoadJpegToBitmap(reply_file, decoded)) {
        DeleteTempMapFile(reply_file);
        return false;
    }
    return true;
}

bool IsWholePiece(const BitmapData& piece) {
    return piece.HasPixels() && piece.Width() == kMapPieceSize && piece.Height() == kMapPieceSize &&
           piece.BitsPerPixel() == 24;
}

} // namespace

std::string CachedMapName(const std::string& map_type, int zoom, const LatLon& centre) {
    return FormatString("%.6f_%.6f_%d_%s.jpg", centre.GetLatitude(), centre.GetLongitude(), zoom,
                        map_type.c_str());
}

bool LoadCachedMap(const std::string& map_type, int zoom, const LatLon& centre, BitmapData& image) {
    std::string path;
    if (!CachedMapPath(map_type, zoom, centre, path)) {
        return false;
    }
    BitmapData cached;
    if (!LoadJpegToBitmap(path, cached)) {
        return false;
    }
    image.Swap(cached);
    return true;
}

bool SaveCachedMap(const std::string& reply_file, const std::string& map_type, int zoom,
                   const LatLon& centre) {
    std::string path;
    if (!CachedMapPath(map_type, zoom, centre, path)) {
        return false;
    }
    int result = 0;
    return CopyFileStream(path, reply_file, result);
}

void DeleteTempMapFile(const std::string& path) { SafeDeleteFile(path); }

bool DownloadStaticMap(const MapZoom& view, const std::string& map_type, BitmapData& image) {
    const LatLon centre = view.GetCentre();
    const int zoom = view.GetZoom();
    if (LoadCachedMap(map_type, zoom, centre, image)) {
        return true;
    }
    clock::SleepMs(kStaticMapPauseMs);
    BitmapData decoded;
    std::string reply_file;
    const auto request = [&](ClientSocket& socket) {
        return RequestStaticMap(socket, centre.GetLatitude(), centre.GetLongitude(), zoom,
                                map_type);
    };
    if (!FetchMap(GetStaticMapHost(), request, decoded, reply_file)) {
        return false;
    }
    if (decoded.Width() > 0) {
        SaveCachedMap(reply_file, map_type, zoom, centre);
    }
    DeleteTempMapFile(reply_file);
    image.Swap(decoded);
    return image.Width() != 0;
}

bool DownloadMapView(MapZoom view, const std::string& map_type, BitmapData& image) {
    return DownloadStaticMap(view, map_type, image);
}

bool DownloadWmsMap(const GeoMap& target) {
    if (target.GetImage() == nullptr || target.GetRect() == nullptr) {
        return false;
    }
    const LatLonRect rect = *target.GetRect();
    BitmapData decoded;
    std::string reply_file;
    const auto request = [&](ClientSocket& socket) { return RequestWmsMap(socket, rect); };
    if (!FetchMap(GetWmsHost(), request, decoded, reply_file)) {
        return false;
    }
    DeleteTempMapFile(reply_file);
    target.GetImage()->Swap(decoded);
    return target.GetImage()->Width() != 0;
}

std::vector<int> MapPieceOffsets(int extent, int step) {
    std::vector<int> offsets;
    if (step <= 0) {
        return offsets;
    }
    for (int offset = 0; offset < extent; offset += step) {
        offsets.push_back(offset);
    }
    return offsets;
}

bool BuildMapImage(const GeoMap& target, const std::string& map_type, uint32_t largest_pause_ms) {
    if (target.GetImage() == nullptr || target.GetRect() == nullptr) {
        return false;
    }
    int32_t zoom = 0;
    if (!MapZoom::FindZoomForExtent(target, zoom)) {
        return false;
    }
    IntRect plan;
    if (!MapZoom::PlanMapTiles(zoom, target, plan)) {
        return false;
    }
    const int width = plan.right;
    const int height = plan.bottom;
    // Near the poles the plan grows without bound; such a canvas is refused.
    if (width <= 0 || height <= 0 || width > kMaxMapCanvas || height > kMaxMapCanvas) {
        return ShowFailureMessage("Problems finding correct map size\r\n");
    }
    BitmapData canvas;
    if (!canvas.Create24(width, height)) {
        return false;
    }

    MapZoom view;
    view.SetZoom(zoom);
    view.SetCentre(target.GetRect()->northWest);
    view.ShiftCentreSouth(kMapPieceSize / 2);
    const double degrees_per_pixel = view.GetDegreesPerPixel();
    LatLon row_start = view.GetCentre();
    row_start.AddLongitude(kMapPieceSize / 2 * degrees_per_pixel);

    Delay delay;
    delay.Set(4000, 4000, largest_pause_ms);
    int failures = 1;

    for (int row : MapPieceOffsets(height, kMapRowStep)) {
        view.SetCentre(row_start);
        if (row > 0) {
            view.ShiftCentreSouth(row);
        }
        for (int column : MapPieceOffsets(width, kMapPieceSize)) {
            for (;;) {
                delay.SleepAboveMinimum();
                BitmapData piece;
                const bool fetched = DownloadMapView(view, map_type, piece);
                // A piece of another size would leave a hole: it counts as a failure, and
                // its cache copy goes so that the retry asks the service again.
                if (fetched && !IsWholePiece(piece)) {
                    std::string cached;
                    if (CachedMapPath(map_type, view.GetZoom(), view.GetCentre(), cached)) {
                        SafeDeleteFile(cached);
                    }
                }
                if (fetched && IsWholePiece(piece)) {
                    delay.Divide(1.5);
                    BitmapData::Blit24(
                        canvas, piece,
                        PixelRect{column, row, column + kMapPieceSize, row + kMapPieceSize},
                        PixelRect{0, 0, kMapPieceSize, kMapPieceSize});
                    LatLon centre = view.GetCentre();
                    centre.AddLongitude(kMapPieceSize * degrees_per_pixel);
                    view.SetCentre(centre);
                    break;
                }
                const bool ask = failures > 1;
                if (ask && ShowMessageBox(kRetryQuestion, "Error", MessageButtons::YesNo,
                                          MessageIcon::None) == MessageAnswer::No) {
                    return false;
                }
                ++failures;
                if (!ask) {
                    delay.Sleep();
                }
                delay.Scale(2.0);
            }
        }
    }
    return BitmapData::Resample24(*target.GetImage(), canvas);
}

} // namespace pf
