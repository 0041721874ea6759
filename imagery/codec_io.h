#pragma once
// Whole-file input and output of the image codecs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pf {

class MyStream;

// The longest image file or stream the codecs read whole.
constexpr uint64_t kMaxImageFileBytes = uint64_t(1) << 30;

// Reads a whole stream from its beginning; false when it is longer than limit or a read
// falls short.
bool ReadWholeStream(MyStream& stream, std::vector<uint8_t>& bytes,
                     uint64_t limit = kMaxImageFileBytes);

// Reads a whole file; false when it cannot be opened or read, or is longer than limit.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   uint64_t limit = kMaxImageFileBytes);

// Writes the bytes to a temporary file beside the target and renames it over the target;
// on failure the temporary file is removed and the old file stays whole.
bool WriteFileSafely(const std::string& path, const uint8_t* data, size_t size);

} // namespace pf
