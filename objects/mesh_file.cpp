#include "objects/mesh_file.h"

#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/stream.h"
#include "objects/mesh_text.h"
#include "platform/fs.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace pf {

bool ReadMeshFileText(const std::string& path, std::string& text) {
    text.clear();
    // A FIFO or device would block or never end; only plain files are read.
    if (path.empty() || !fs::IsRegularFile(path)) {
        return false;
    }
    AstrelFileStream file;
    if (!file.Open(path, kOpenRead)) {
        return false;
    }
    const uint64_t length = file.GetLength();
    if (length > kMaxMeshFileBytes) {
        return false;
    }
    if (length == 0) {
        return ShowFailureMessage("Couldn't read file\r\n");
    }
    try {
        text.resize(static_cast<size_t>(length));
    } catch (const std::exception&) {
        text.clear();
        return false;
    }
    if (!file.Read(text.data(), static_cast<uint32_t>(length))) {
        text.clear();
        return false;
    }
    return true;
}

bool ParseMeshExtents(std::string_view text, MeshExtents& out, uint8_t& textured) {
    double leastZ = 1e9, leastX = 1e9, lowestY = 1e9;
    double greatestZ = -1e9, greatestX = -1e9, highestY = -1e9;
    bool anyVertex = false;
    MeshGeomReader geom(text);
    while (geom.NextGroup()) {
        MeterPoint v;
        while (geom.NextVertex(v)) {
            leastX = std::min(leastX, v.x);
            greatestX = std::max(greatestX, v.x);
            lowestY = std::min(lowestY, v.y);
            highestY = std::max(highestY, v.y);
            leastZ = std::min(leastZ, v.z);
            greatestZ = std::max(greatestZ, v.z);
            anyVertex = true;
        }
    }
    if (geom.Textured()) {
        textured = 1;
    }
    // A model without a single vertex has no extents: its sizes would be negative.
    if (geom.Faulty() || !anyVertex) {
        return false;
    }
    MeshExtents read;
    read.rect.left = leastZ;
    read.rect.right = greatestZ;
    read.rect.top = greatestX;
    read.rect.bottom = leastX;
    read.lowestY = lowestY;
    read.highestY = highestY;
    // Vertices beyond the float range, or far apart, give extents the mesh text cannot hold.
    if (!IsSoundMeshExtents(read)) {
        return false;
    }
    out = read;
    return true;
}

bool ReadMeshExtents(const std::string& path, MeshExtents& out, uint8_t& textured) {
    std::string text;
    if (!ReadMeshFileText(path, text)) {
        return false;
    }
    return ParseMeshExtents(text, out, textured);
}

namespace {

void PutDouble(uint8_t* at, double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
        at[i] = static_cast<uint8_t>(bits >> (8 * i));
    }
}

double GetDouble(const uint8_t* at) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits |= static_cast<uint64_t>(at[i]) << (8 * i);
    }
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

MeshRecordBytes EncodeMeshRecord(const MeshExtents& extents, uint8_t textured) {
    MeshRecordBytes bytes{};
    PutDouble(&bytes[0], extents.rect.left);
    PutDouble(&bytes[8], extents.rect.right);
    PutDouble(&bytes[16], extents.rect.top);
    PutDouble(&bytes[24], extents.rect.bottom);
    PutDouble(&bytes[32], extents.highestY);
    PutDouble(&bytes[40], extents.lowestY);
    bytes[48] = textured;
    return bytes;
}

void DecodeMeshRecord(const MeshRecordBytes& bytes, MeshExtents& extents, uint8_t& textured) {
    extents.rect.left = GetDouble(&bytes[0]);
    extents.rect.right = GetDouble(&bytes[8]);
    extents.rect.top = GetDouble(&bytes[16]);
    extents.rect.bottom = GetDouble(&bytes[24]);
    extents.highestY = GetDouble(&bytes[32]);
    extents.lowestY = GetDouble(&bytes[40]);
    textured = bytes[48];
}

bool IsSoundMeshExtents(const MeshExtents& e) {
    // The mesh text is written through floats: a value or size beyond the float range would
    // be written as "inf", which no reader takes back.
    const auto fits = [](double v) { return std::fabs(v) <= FLT_MAX; };
    const double values[] = {e.rect.left,   e.rect.right, e.rect.top,
                             e.rect.bottom, e.lowestY,    e.highestY};
    for (double v : values) {
        if (!fits(v)) {
            return false;
        }
    }
    return e.rect.left <= e.rect.right && e.rect.bottom <= e.rect.top && e.lowestY <= e.highestY &&
           fits(e.rect.right - e.rect.left) && fits(e.rect.top - e.rect.bottom) &&
           fits(e.highestY - e.lowestY);
}

void CreateCacheSubfolders(const std::string& name) {
    const size_t firstSeparator = name.find('\\');
    if (firstSeparator == std::string::npos || firstSeparator == 0) {
        return;
    }
    std::string folder;
    if (!GetMeshCachePath(folder)) {
        return;
    }
    // Every part but the last is a folder.
    size_t start = 0;
    size_t end = name.find('\\');
    while (end != std::string::npos) {
        if (end > start) {
            folder += name.substr(start, end - start);
            folder += '\\';
            if (!fs::Exists(folder)) {
                fs::CreateDirectory(folder);
            }
        }
        start = end + 1;
        end = name.find('\\', start);
    }
}

bool GetFileWriteTimeOf(const std::string& path, uint64_t& time) {
    FileTime stamp;
    if (!GetFileWriteTime(path, stamp)) {
        return false;
    }
    time = stamp.Value();
    return true;
}

bool IsCacheFileCurrent(const std::string& cacheFile, const std::string& modelPath) {
    // Without an installation or without the model nothing can show the cache file old.
    if (modelPath.empty() || !PathExists(modelPath)) {
        return true;
    }
    uint64_t modelTime = 0;
    uint64_t cacheTime = 0;
    const bool current = GetFileWriteTimeOf(modelPath, modelTime) &&
                         GetFileWriteTimeOf(cacheFile, cacheTime) && modelTime <= cacheTime;
    if (!current) {
        SafeDeleteFile(cacheFile);
    }
    return current;
}

} // namespace pf
