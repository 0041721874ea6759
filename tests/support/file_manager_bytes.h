#pragma once
// Builds the bytes of an installed-bases record file by hand: int32 little-endian
// numbers and length-prefixed strings, so tests can write every form, damaged ones too.
#include <cstdint>
#include <string>

namespace pf::test {

class RecordBytes {
  public:
    RecordBytes& Int32(int32_t value) {
        const uint32_t v = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            bytes_ += static_cast<char>((v >> (8 * i)) & 0xFF);
        return *this;
    }
    RecordBytes& UInt32(uint32_t value) { return Int32(static_cast<int32_t>(value)); }
    // int32 count, then the bytes.
    RecordBytes& String(const std::string& text) {
        Int32(static_cast<int32_t>(text.size()));
        bytes_ += text;
        return *this;
    }
    RecordBytes& Raw(const std::string& bytes) {
        bytes_ += bytes;
        return *this;
    }
    // One base entry in the current form.
    RecordBytes& CurrentBase(const std::string& key, std::initializer_list<std::string> files) {
        String("1.1.15").String(key).String("").Int32(static_cast<int32_t>(files.size()));
        for (const std::string& file : files)
            String(file);
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

  private:
    std::string bytes_;
};

} // namespace pf::test
