#include "imagery/codec_io.h"

#include "foundation/stream.h"
#include "platform/fs.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace pf {

bool ReadWholeStream(MyStream& stream, std::vector<uint8_t>& bytes, uint64_t limit) {
    bytes.clear();
    const uint64_t length = stream.GetLength();
    if (length > limit) {
        return false;
    }
    stream.SeekToBegin();
    bytes.resize(size_t(length));
    size_t done = 0;
    while (done < bytes.size()) {
        const uint32_t chunk = uint32_t(std::min<size_t>(bytes.size() - done, 1u << 30));
        if (!stream.Read(bytes.data() + done, chunk)) {
            bytes.clear();
            return false;
        }
        done += chunk;
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, uint64_t limit) {
    bytes.clear();
    FileStream file;
    if (!file.Open(path, kOpenRead)) {
        return false;
    }
    const bool ok = ReadWholeStream(file, bytes, limit);
    file.Close();
    return ok;
}

bool WriteFileSafely(const std::string& path, const uint8_t* data, size_t size) {
    fs::TempFileWriter writer;
    if (!writer.Open(path)) {
        return false;
    }
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(writer.Fd(), data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            writer.Discard();
            return false;
        }
        done += size_t(n);
    }
    return writer.Commit();
}

} // namespace pf
