#include "foundation/file_helpers.h"

#include "foundation/failure.h"
#include "foundation/stream.h"
#include "platform/fs.h"

#include <array>
#include <cctype>

namespace pf {

namespace {

bool HasDeletableExtension(const std::string& path) {
    static constexpr std::array<const char*, 8> kExtensions = {"png", "dds", "jpg", "bmp",
                                                               "cfg", "dat", "txt", "scn"};
    if (path.size() < 4 || path[path.size() - 4] != '.') {
        return false;
    }
    for (const char* ext : kExtensions) {
        bool same = true;
        for (size_t i = 0; i < 3; ++i) {
            const unsigned char c = static_cast<unsigned char>(path[path.size() - 3 + i]);
            if (std::tolower(c) != ext[i] || c >= 0x80) {
                same = false;
                break;
            }
        }
        if (same) {
            return true;
        }
    }
    return false;
}

} // namespace

bool SafeDeleteFile(const std::string& path) {
    try {
        if (path.size() < 10 || !HasDeletableExtension(path)) {
            return false;
        }
        if (!fs::Exists(path) || !fs::IsRegularFile(path)) {
            return false;
        }
        return fs::RemoveFile(path);
    } catch (...) {
        return false;
    }
}

bool SafeDeleteLink(const std::string& path) {
    try {
        return path.size() >= 10 && HasDeletableExtension(path) && fs::IsSymlink(path) &&
               fs::RemoveFile(path);
    } catch (...) {
        return false;
    }
}

bool CopyFileStream(const std::string& dst, const std::string& src, int& result) {
    result = kCopyReplaced;
    FileStream source;
    if (!source.Open(src, kOpenRead)) {
        result = kCopySourceMissing;
        return false;
    }
    // Copying a file onto itself would destroy it if the destination were emptied first.
    if (fs::Equivalent(dst, src)) {
        return true;
    }
    result = fs::Exists(dst) ? kCopyReplaced : kCopyNewFile;
    // The copy goes to a temporary file beside the destination; only a complete copy
    // replaces it, and the writer removes its temporary file on every other path.
    fs::TempFileWriter destination;
    if (fs::IsDirectory(dst) || !destination.Open(dst)) {
        result = kCopyCannotCreate;
        return ShowFailureMessage("Error writing to file: " + fs::ToNative(dst) +
                                  ". Is the directory protected?\r\n");
    }
    std::array<unsigned char, 4096> chunk;
    while (source.Read(chunk.data(), static_cast<uint32_t>(chunk.size()))) {
        if (!destination.Write(chunk.data(), chunk.size())) {
            return false;
        }
    }
    const int32_t tail = source.GetLastReadCount();
    if (tail > 0 && !destination.Write(chunk.data(), static_cast<size_t>(tail))) {
        return false;
    }
    // A short read before the source's end is an error, not the end of the file.
    if (source.GetPosition() != source.GetLength()) {
        return false;
    }
    return destination.Commit();
}

} // namespace pf
