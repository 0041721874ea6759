#pragma once
// Byte streams: every file the program reads or writes, and every in-memory byte image
// it builds, goes through MyStream. No operation throws to its caller.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pf {

namespace fs {
class TempFileWriter;
}

enum class SeekOrigin { Begin, Current, End };

// Open flags, as callers pass them: 0 read, 1 write, 2 read-write, plus the create bit.
constexpr uint32_t kOpenRead = 0x0000;
constexpr uint32_t kOpenWrite = 0x0001;
constexpr uint32_t kOpenReadWrite = 0x0002;
constexpr uint32_t kOpenCreate = 0x1000;

class MyStream {
  public:
    MyStream() = default;
    MyStream(const MyStream&) = delete;
    MyStream& operator=(const MyStream&) = delete;

    virtual ~MyStream();
    // A seek that would end before the start leaves the position unchanged.
    virtual void Seek(int64_t offset, SeekOrigin origin);
    virtual void SeekToBegin();
    // True only when every byte was stored.
    virtual bool Write(const void* bytes, uint32_t count);
    // True only when all count bytes came.
    virtual bool Read(void* bytes, uint32_t count);
    virtual uint64_t GetLength() const;
    virtual void Close();
    virtual std::string GetFileName() const;
    virtual std::string GetFilePath() const;
    virtual void SetLength(uint64_t length);
    virtual uint64_t GetPosition() const;

    // One line, its bytes up to and including '\n' ("\r\n" stays). False, with the line
    // empty, only when not even one byte could be read. Leaves the stream after the line.
    bool ReadLine(std::string& line);
    // Replaces this stream's whole content by the source's; both end rewound. False when
    // a write fails or a read fails before the source's end.
    bool CopyFrom(MyStream& source);
    // Copies count bytes from the source's position. False, nothing read, when the
    // source holds fewer than count bytes from its position.
    bool CopyBytes(MyStream& source, uint32_t count);
    // Whole-content comparison from the start; a failed read of either stream is false.
    bool IsSameContent(MyStream& other);
};

// A file on disk. Reads and writes are buffered, so a one-byte Read is no system call.
// Opening with the create bit writes a temporary file beside the target, which Close(),
// Commit() or the destructor rename over the target only when every write succeeded;
// otherwise the temporary file is removed and the old file stays whole.
class FileStream : public MyStream {
  public:
    FileStream();
    ~FileStream() override;

    void Seek(int64_t offset, SeekOrigin origin) override;
    void SeekToBegin() override;
    bool Write(const void* bytes, uint32_t count) override;
    bool Read(void* bytes, uint32_t count) override;
    uint64_t GetLength() const override;
    void Close() override;
    // The target's name (after the last '\'), never the temporary file's.
    std::string GetFileName() const override;
    // The target's path as opened.
    std::string GetFilePath() const override;
    void SetLength(uint64_t length) override;
    uint64_t GetPosition() const override;

    // Flags: 0 read, 1 write, 2 read-write, each optionally with the create bit 0x1000.
    // Without the create bit a missing file fails. A folder never opens.
    bool Open(const std::string& path, uint32_t flags);
    // With the create bit, first creates every missing folder of the path; then Open.
    bool OpenCreatingFolders(const std::string& path, uint32_t flags);
    // Closes and reports whether the new content is now in place.
    bool Commit();

    bool IsOpen() const { return fd_ >= 0; }
    // Bytes the last Read delivered; -1 before the first Read.
    int32_t GetLastReadCount() const { return last_read_; }

  private:
    bool FlushWrites();
    bool ReadAt(uint64_t offset, void* bytes, size_t count, size_t& delivered);
    bool WriteAt(uint64_t offset, const void* bytes, size_t count);
    void DropReadBuffer();

    int fd_ = -1;
    int32_t last_read_ = -1;
    bool can_read_ = false;
    bool can_write_ = false;
    bool failed_ = false; // a write or length change was lost
    std::unique_ptr<fs::TempFileWriter> temp_;
    std::string path_;
    uint64_t position_ = 0;

    // One buffer, holding either bytes read ahead or bytes waiting to be written.
    std::vector<unsigned char> buffer_;
    uint64_t buffer_offset_ = 0; // file offset of buffer_[0]
    size_t buffer_used_ = 0;
    bool buffer_dirty_ = false;
};

// Files of the program's own bookkeeping in its application-data folder.
class SysFileStream : public FileStream {};
// Files inside the simulator's installation tree.
class AstrelFileStream : public FileStream {};
// The user's documents and caches.
class PfgFileStream : public FileStream {};

// stream.Open(path, flags).
bool OpenStreamByPath(FileStream& stream, std::string path, uint32_t flags);
// stream.OpenCreatingFolders(base + relative, flags).
bool OpenStreamCreatingFolders(FileStream& stream, std::string base, std::string relative,
                               uint32_t flags);

// Bytes in memory. GetFileName and GetFilePath are both "MEM".
class MemStream : public MyStream {
  public:
    MemStream() = default;
    ~MemStream() override;

    void Seek(int64_t offset, SeekOrigin origin) override;
    void SeekToBegin() override;
    bool Write(const void* bytes, uint32_t count) override;
    bool Read(void* bytes, uint32_t count) override;
    uint64_t GetLength() const override;
    void Close() override;
    std::string GetFileName() const override;
    std::string GetFilePath() const override;
    void SetLength(uint64_t length) override;
    uint64_t GetPosition() const override;

  private:
    std::vector<unsigned char> data_;
    uint64_t position_ = 0;
};

// Length-prefixed string: int32 little-endian byte count, then the bytes, no terminator.
bool WriteString(const std::string& text, MyStream& stream);
// Refuses counts above 10,000,000 (as unsigned) and counts beyond the stream's remaining
// bytes; the text is the bytes up to the first NUL and is unchanged on failure.
bool ReadString(std::string& text, MyStream& stream);

} // namespace pf
