#include "foundation/stream.h"

#include "foundation/stream_seek.h"

#include "platform/fs.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pf {

namespace {

constexpr size_t kBufferSize = 64 * 1024;

} // namespace

FileStream::FileStream() = default;

FileStream::~FileStream() { Close(); }

bool FileStream::Open(const std::string& path, uint32_t flags) {
    Close();
    const uint32_t access = flags & 0x3;
    if (access == 0x3 || path.empty()) {
        return false;
    }
    // Everything that can fail to allocate comes before the file is opened, so no
    // exception escapes and no descriptor leaks.
    std::string kept_path;
    std::vector<unsigned char> buffer;
    std::unique_ptr<fs::TempFileWriter> temp;
    std::string native;
    try {
        kept_path = path;
        buffer.resize(kBufferSize);
        if (flags & kOpenCreate) {
            temp = std::make_unique<fs::TempFileWriter>();
        }
        if (!fs::Resolve(path, native)) {
            return false;
        }
    } catch (const std::exception&) {
        return false;
    }
    int fd = -1;
    if (temp) {
        if (fs::IsDirectory(path) || !temp->Open(path)) {
            return false;
        }
        fd = temp->Fd();
    } else {
        const int mode = access == kOpenRead ? O_RDONLY : access == kOpenWrite ? O_WRONLY : O_RDWR;
        do {
            fd = ::open(native.c_str(), mode | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            return false;
        }
        // open(2) takes a folder for reading; a stream never works on one.
        struct stat st;
        if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
            ::close(fd);
            return false;
        }
    }
    fd_ = fd;
    temp_ = std::move(temp);
    buffer_.swap(buffer);
    path_.swap(kept_path);
    can_read_ = access != kOpenWrite;
    can_write_ = access != kOpenRead;
    failed_ = false;
    position_ = 0;
    buffer_offset_ = 0;
    buffer_used_ = 0;
    buffer_dirty_ = false;
    return true;
}

bool FileStream::OpenCreatingFolders(const std::string& path, uint32_t flags) {
    if (flags & kOpenCreate) {
        // Every prefix ending before a '\' is a folder; the empty one before a leading
        // '\' is the root. A folder that cannot be made shows up as Open's failure.
        for (size_t i = path.find('\\'); i != std::string::npos; i = path.find('\\', i + 1)) {
            if (i == 0) {
                continue;
            }
            const std::string prefix = path.substr(0, i);
            if (!fs::Exists(prefix)) {
                fs::CreateDirectory(prefix);
            }
        }
    }
    return Open(path, flags);
}

bool FileStream::Commit() {
    if (fd_ < 0) {
        return false;
    }
    bool ok = FlushWrites() && !failed_;
    if (temp_) {
        if (ok) {
            ok = temp_->Commit();
        } else {
            temp_->Discard();
        }
        temp_.reset();
    } else if (::close(fd_) != 0 && errno != EINTR) {
        ok = false;
    }
    fd_ = -1;
    can_read_ = false;
    can_write_ = false;
    failed_ = false;
    path_.clear();
    position_ = 0;
    buffer_offset_ = 0;
    buffer_used_ = 0;
    buffer_dirty_ = false;
    std::vector<unsigned char>().swap(buffer_);
    return ok;
}

void FileStream::Close() {
    if (fd_ >= 0) {
        Commit();
    }
}

void FileStream::Seek(int64_t offset, SeekOrigin origin) {
    if (fd_ < 0) {
        return;
    }
    uint64_t target = 0;
    if (detail::SeekTarget(offset, origin, position_, GetLength(), target)) {
        position_ = target;
    }
}

void FileStream::SeekToBegin() { Seek(0, SeekOrigin::Begin); }

bool FileStream::ReadAt(uint64_t offset, void* bytes, size_t count, size_t& delivered) {
    delivered = 0;
    auto* out = static_cast<unsigned char*>(bytes);
    while (delivered < count) {
        const ssize_t n = ::pread(fd_, out + delivered, count - delivered,
                                  static_cast<off_t>(offset + delivered));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            break; // end of file
        }
        delivered += static_cast<size_t>(n);
    }
    return true;
}

bool FileStream::WriteAt(uint64_t offset, const void* bytes, size_t count) {
    const auto* in = static_cast<const unsigned char*>(bytes);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd_, in + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool FileStream::FlushWrites() {
    if (!buffer_dirty_) {
        return true;
    }
    const bool ok = WriteAt(buffer_offset_, buffer_.data(), buffer_used_);
    buffer_dirty_ = false;
    buffer_used_ = 0;
    if (!ok) {
        failed_ = true;
    }
    return ok;
}

void FileStream::DropReadBuffer() {
    if (!buffer_dirty_) {
        buffer_used_ = 0;
    }
}

bool FileStream::Read(void* bytes, uint32_t count) {
    // The common case of line reading: the bytes are already in the read-ahead buffer.
    if (count != 0 && !buffer_dirty_ && position_ >= buffer_offset_ &&
        position_ - buffer_offset_ + count <= buffer_used_) {
        std::memcpy(bytes, buffer_.data() + (position_ - buffer_offset_), count);
        position_ += count;
        last_read_ = static_cast<int32_t>(count);
        return true;
    }
    if (fd_ < 0 || !can_read_ || !FlushWrites()) {
        last_read_ = 0;
        return false;
    }
    auto* out = static_cast<unsigned char*>(bytes);
    size_t done = 0;
    while (done < count) {
        if (position_ >= buffer_offset_ && position_ < buffer_offset_ + buffer_used_) {
            const size_t at = static_cast<size_t>(position_ - buffer_offset_);
            const size_t n = std::min<size_t>(buffer_used_ - at, count - done);
            std::memcpy(out + done, buffer_.data() + at, n);
            done += n;
            position_ += n;
            continue;
        }
        const size_t wanted = count - done;
        size_t got = 0;
        if (wanted >= kBufferSize) {
            // Large reads go straight to the caller's memory.
            ReadAt(position_, out + done, wanted, got);
            done += got;
            position_ += got;
            break;
        }
        if (!ReadAt(position_, buffer_.data(), kBufferSize, got)) {
            buffer_used_ = 0;
            break;
        }
        buffer_offset_ = position_;
        buffer_used_ = got;
        if (got == 0) {
            break;
        }
    }
    last_read_ = static_cast<int32_t>(std::min<size_t>(done, INT32_MAX));
    return done == count;
}

bool FileStream::Write(const void* bytes, uint32_t count) {
    if (fd_ < 0 || !can_write_) {
        return false;
    }
    if (count == 0) {
        return true;
    }
    // Read-ahead bytes may be about to change; pending writes must stay contiguous.
    DropReadBuffer();
    if (buffer_dirty_ &&
        (position_ != buffer_offset_ + buffer_used_ || buffer_used_ + count > kBufferSize)) {
        if (!FlushWrites()) {
            return false;
        }
    }
    if (count >= kBufferSize) {
        if (!WriteAt(position_, bytes, count)) {
            failed_ = true;
            return false;
        }
        position_ += count;
        return true;
    }
    if (!buffer_dirty_) {
        buffer_offset_ = position_;
        buffer_used_ = 0;
        buffer_dirty_ = true;
    }
    std::memcpy(buffer_.data() + buffer_used_, bytes, count);
    buffer_used_ += count;
    position_ += count;
    return true;
}

uint64_t FileStream::GetLength() const {
    if (fd_ < 0) {
        return 0;
    }
    struct stat st;
    uint64_t length = 0;
    if (::fstat(fd_, &st) == 0 && st.st_size > 0) {
        length = static_cast<uint64_t>(st.st_size);
    }
    if (buffer_dirty_) {
        length = std::max<uint64_t>(length, buffer_offset_ + buffer_used_);
    }
    return length;
}

void FileStream::SetLength(uint64_t length) {
    if (fd_ < 0 || !can_write_) {
        return;
    }
    if (!FlushWrites()) {
        return;
    }
    buffer_used_ = 0;
    if (length > static_cast<uint64_t>(INT64_MAX)) {
        failed_ = true;
        return;
    }
    int rc;
    do {
        rc = ::ftruncate(fd_, static_cast<off_t>(length));
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        failed_ = true;
    }
}

uint64_t FileStream::GetPosition() const { return position_; }

std::string FileStream::GetFileName() const {
    const size_t slash = path_.rfind('\\');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

std::string FileStream::GetFilePath() const { return path_; }

bool OpenStreamByPath(FileStream& stream, std::string path, uint32_t flags) {
    return stream.Open(path, flags);
}

bool OpenStreamCreatingFolders(FileStream& stream, std::string base, std::string relative,
                               uint32_t flags) {
    return stream.OpenCreatingFolders(base + relative, flags);
}

} // namespace pf
