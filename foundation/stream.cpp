#include "foundation/stream.h"

#include "foundation/stream_seek.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace pf {

namespace {

constexpr uint32_t kCopyChunk = 4096;
constexpr uint32_t kMaxStoredString = 10'000'000;

uint64_t Remaining(const MyStream& stream) {
    const uint64_t length = stream.GetLength();
    const uint64_t position = stream.GetPosition();
    return position < length ? length - position : 0;
}

} // namespace

// The root does nothing and reports nothing.
MyStream::~MyStream() = default;
void MyStream::Seek(int64_t, SeekOrigin) {}
void MyStream::SeekToBegin() {}
bool MyStream::Write(const void*, uint32_t) { return false; }
bool MyStream::Read(void*, uint32_t) { return false; }
uint64_t MyStream::GetLength() const { return 0; }
void MyStream::Close() {}
std::string MyStream::GetFileName() const { return std::string(); }
std::string MyStream::GetFilePath() const { return std::string(); }
void MyStream::SetLength(uint64_t) {}
uint64_t MyStream::GetPosition() const { return 0; }

bool MyStream::ReadLine(std::string& line) {
    line.clear();
    char c = 0;
    if (!Read(&c, 1)) {
        return false;
    }
    line.push_back(c);
    while (c != '\n' && Read(&c, 1)) {
        line.push_back(c);
    }
    return true;
}

bool MyStream::CopyFrom(MyStream& source) {
    if (&source == this) {
        SeekToBegin();
        return true;
    }
    SeekToBegin();
    const uint64_t length = source.GetLength();
    SetLength(length);
    source.SeekToBegin();
    bool ok = true;
    unsigned char chunk[kCopyChunk];
    uint64_t left = length;
    while (left > 0) {
        const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(left, kCopyChunk));
        if (!source.Read(chunk, n)) {
            ok = false;
            break;
        }
        if (!Write(chunk, n)) {
            ok = false;
        }
        left -= n;
    }
    SeekToBegin();
    return ok;
}

bool MyStream::CopyBytes(MyStream& source, uint32_t count) {
    // The count comes from the data: check it against what the source holds before
    // allocating anything.
    if (count > Remaining(source)) {
        return false;
    }
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[count ? count : 1]);
    if (!buffer) {
        return false;
    }
    return source.Read(buffer.get(), count) && Write(buffer.get(), count);
}

bool MyStream::IsSameContent(MyStream& other) {
    SeekToBegin();
    if (&other == this) {
        return true;
    }
    other.SeekToBegin();
    const uint64_t length = GetLength();
    if (length != other.GetLength()) {
        return false;
    }
    unsigned char mine[kCopyChunk];
    unsigned char theirs[kCopyChunk];
    uint64_t left = length;
    while (left > 0) {
        const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(left, kCopyChunk));
        if (!Read(mine, n) || !other.Read(theirs, n) || std::memcmp(mine, theirs, n) != 0) {
            return false;
        }
        left -= n;
    }
    return true;
}

MemStream::~MemStream() = default;

void MemStream::Seek(int64_t offset, SeekOrigin origin) {
    uint64_t target = 0;
    if (detail::SeekTarget(offset, origin, position_, data_.size(), target)) {
        position_ = target;
    }
}

void MemStream::SeekToBegin() { position_ = 0; }

bool MemStream::Write(const void* bytes, uint32_t count) {
    if (count == 0) {
        return true;
    }
    try {
        const uint64_t end = position_ + count;
        if (end > data_.size()) {
            data_.resize(end); // a gap after a seek past the end reads as zeros
        }
        std::memcpy(data_.data() + position_, bytes, count);
        position_ = end;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool MemStream::Read(void* bytes, uint32_t count) {
    const uint64_t available = position_ < data_.size() ? data_.size() - position_ : 0;
    const uint64_t n = std::min<uint64_t>(available, count);
    if (n > 0) {
        std::memcpy(bytes, data_.data() + position_, n);
        position_ += n;
    }
    return n == count;
}

uint64_t MemStream::GetLength() const { return data_.size(); }

void MemStream::Close() {
    std::vector<unsigned char>().swap(data_);
    position_ = 0;
}

std::string MemStream::GetFileName() const { return "MEM"; }
std::string MemStream::GetFilePath() const { return "MEM"; }

void MemStream::SetLength(uint64_t length) {
    try {
        data_.resize(length);
    } catch (const std::exception&) {
        return;
    }
    position_ = std::min<uint64_t>(position_, length);
}

uint64_t MemStream::GetPosition() const { return position_; }

bool WriteString(const std::string& text, MyStream& stream) {
    // A count that does not fit the stored int32 would corrupt everything after it.
    if (text.size() > static_cast<size_t>(INT32_MAX)) {
        return false;
    }
    const uint32_t count = static_cast<uint32_t>(text.size());
    const unsigned char prefix[4] = {static_cast<unsigned char>(count & 0xFF),
                                     static_cast<unsigned char>((count >> 8) & 0xFF),
                                     static_cast<unsigned char>((count >> 16) & 0xFF),
                                     static_cast<unsigned char>((count >> 24) & 0xFF)};
    if (!stream.Write(prefix, 4)) {
        return false;
    }
    return count == 0 || stream.Write(text.data(), count);
}

bool ReadString(std::string& text, MyStream& stream) {
    unsigned char prefix[4];
    if (!stream.Read(prefix, 4)) {
        return false;
    }
    const uint32_t count =
        static_cast<uint32_t>(prefix[0]) | (static_cast<uint32_t>(prefix[1]) << 8) |
        (static_cast<uint32_t>(prefix[2]) << 16) | (static_cast<uint32_t>(prefix[3]) << 24);
    if (count > kMaxStoredString || count > Remaining(stream)) {
        return false;
    }
    std::string bytes;
    try {
        bytes.resize(count);
    } catch (const std::exception&) {
        return false;
    }
    if (count > 0 && !stream.Read(bytes.data(), count)) {
        return false;
    }
    const size_t nul = bytes.find('\0');
    if (nul != std::string::npos) {
        bytes.resize(nul);
    }
    text = std::move(bytes);
    return true;
}

} // namespace pf
