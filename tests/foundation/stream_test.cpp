#include "foundation/stream.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace pf {
namespace {

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
    }
    return bytes;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

MyStream& Fill(MyStream& stream, const std::string& bytes) {
    stream.SetLength(0);
    stream.SeekToBegin();
    EXPECT_TRUE(stream.Write(bytes.data(), static_cast<uint32_t>(bytes.size())));
    stream.SeekToBegin();
    return stream;
}

std::string Content(MyStream& stream) {
    const uint64_t position = stream.GetPosition();
    std::string bytes(stream.GetLength(), '\0');
    stream.SeekToBegin();
    EXPECT_TRUE(stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
    stream.Seek(static_cast<int64_t>(position), SeekOrigin::Begin);
    return bytes;
}

// The contract every stream keeps, run over memory and over a file opened to create.
template <typename S> class StreamContract : public ::testing::Test {
  protected:
    StreamContract() { Open(stream, "s.bin"); }
    void Open(S& s, const std::string& name) {
        if constexpr (std::is_same_v<S, FileStream>) {
            EXPECT_TRUE(s.Open(dir.InternalPath(name), kOpenCreate | kOpenReadWrite));
        }
    }
    test::TempDir dir;
    S stream;
};
using StreamTypes = ::testing::Types<MemStream, FileStream>;
TYPED_TEST_SUITE(StreamContract, StreamTypes);

TYPED_TEST(StreamContract, WritesReadsSeeksAndResizes) {
    MyStream& m = this->stream;
    ASSERT_TRUE(m.Write("hello world", 11));
    EXPECT_EQ(m.GetLength(), 11u);
    EXPECT_EQ(m.GetPosition(), 11u);
    char buf[8] = {};
    m.Seek(-5, SeekOrigin::End);
    ASSERT_TRUE(m.Read(buf, 5));
    EXPECT_EQ(std::string(buf, 5), "world");
    m.Seek(-11, SeekOrigin::Current);
    EXPECT_EQ(m.GetPosition(), 0u);
    m.Seek(-1, SeekOrigin::Begin); // before the start: ignored
    m.Seek(-1, SeekOrigin::Current);
    EXPECT_EQ(m.GetPosition(), 0u);
    m.Seek(6, SeekOrigin::Begin);
    EXPECT_FALSE(m.Read(buf, 8)); // only 5 bytes left, and they came
    EXPECT_EQ(std::string(buf, 5), "world");
    EXPECT_EQ(m.GetPosition(), 11u);
    EXPECT_TRUE(m.Read(buf, 0));

    m.Seek(2, SeekOrigin::End); // writing past the end leaves zeros in the gap
    ASSERT_TRUE(m.Write("!", 1));
    EXPECT_EQ(Content(m), std::string("hello world\0\0!", 14));
    m.SetLength(5);
    EXPECT_EQ(m.GetLength(), 5u);
    EXPECT_EQ(Content(m), "hello");
    m.SetLength(7);
    EXPECT_EQ(Content(m), std::string("hello\0\0", 7));
}

TYPED_TEST(StreamContract, ReadLineKeepsLineEndings) {
    const struct {
        std::string content;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a\r\n", "b\r\n"}},
        {"a\r\nlast", {"a\r\n", "last"}},
        {"", {}},
        {"\n\n", {"\n", "\n"}},
        {std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
        {std::string(70000, 'x') + "\n" + "y", {std::string(70000, 'x') + "\n", "y"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.substr(0, 10));
        MyStream& m = Fill(this->stream, c.content);
        std::string line;
        uint64_t consumed = 0;
        for (const std::string& expected : c.lines) {
            ASSERT_TRUE(m.ReadLine(line));
            EXPECT_EQ(line, expected);
            consumed += expected.size();
            EXPECT_EQ(m.GetPosition(), consumed); // just after the line
        }
        line = "stale";
        EXPECT_FALSE(m.ReadLine(line));
        EXPECT_EQ(line, "");
    }
}

TYPED_TEST(StreamContract, StringsAreCountThenBytes) {
    const struct {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"", Bytes({0, 0, 0, 0})},
        {"AB", Bytes({2, 0, 0, 0, 'A', 'B'})},
        {"\xB0", Bytes({1, 0, 0, 0, 0xB0})},
        {std::string(300, 'z'), Bytes({0x2C, 0x01, 0, 0}) + std::string(300, 'z')},
        {std::string(70000, '\xB0'), Bytes({0x70, 0x11, 1, 0}) + std::string(70000, '\xB0')},
    };
    MyStream& m = this->stream;
    std::string all;
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteString(c.text, m));
        all += c.bytes;
    }
    EXPECT_TRUE(Content(m) == all);
    m.SeekToBegin();
    for (const auto& c : cases) {
        std::string read = "x";
        ASSERT_TRUE(ReadString(read, m));
        EXPECT_TRUE(read == c.text);
    }
    std::string text = "kept";
    EXPECT_FALSE(ReadString(text, m)); // at the end
    EXPECT_EQ(text, "kept");
}

TYPED_TEST(StreamContract, CopyFromAndIsSameContent) {
    for (size_t size : {size_t{0}, size_t{1}, size_t{4096}, size_t{4097}, size_t{100000}}) {
        SCOPED_TRACE(size);
        TypeParam source;
        this->Open(source, "src.bin");
        Fill(source, Pattern(size));
        source.Seek(3, SeekOrigin::Begin);
        MyStream& target = Fill(this->stream, std::string(200000, 'o'));
        EXPECT_FALSE(target.IsSameContent(source));
        ASSERT_TRUE(target.CopyFrom(source)); // longer content is replaced whole
        EXPECT_EQ(target.GetPosition(), 0u);
        EXPECT_TRUE(Content(target) == Pattern(size));
        target.Seek(1, SeekOrigin::End); // both are rewound first
        EXPECT_TRUE(target.IsSameContent(source));
        MemStream other;
        Fill(other, Pattern(size) + "\x01");
        EXPECT_FALSE(source.IsSameContent(other));
        other.SetLength(size);
        if (size > 0) {
            other.Seek(-1, SeekOrigin::End);
            other.Write("\x7F", 1); // only the last byte differs
            EXPECT_FALSE(other.IsSameContent(source));
        }
    }
    MyStream& self = Fill(this->stream, Pattern(9000));
    self.Seek(100, SeekOrigin::Begin);
    EXPECT_TRUE(self.CopyFrom(self));
    EXPECT_EQ(self.GetPosition(), 0u);
    EXPECT_TRUE(Content(self) == Pattern(9000));
    EXPECT_TRUE(self.IsSameContent(self));
}

// A memory stream that fails writes or reads after a number of successful ones.
class ProbeStream : public MemStream {
  public:
    bool Write(const void* bytes, uint32_t count) override {
        ++writes;
        return writes_left-- != 0 && MemStream::Write(bytes, count);
    }
    bool Read(void* bytes, uint32_t count) override {
        return reads_left-- != 0 && MemStream::Read(bytes, count);
    }
    int writes = 0;
    int writes_left = -1; // negative: never fail
    int reads_left = -1;
};

TEST(ReadString, RefusesCountsBeyondTheLimitOrTheData) {
    const struct {
        const char* name;
        std::string bytes;
        bool ok;
        std::string text;
        uint64_t position_after;
    } cases[] = {
        {"count 100, 10 bytes", Bytes({100, 0, 0, 0}) + "0123456789", false, "", 4},
        {"count 10,000,001", Bytes({0x81, 0x96, 0x98, 0x00}) + "xyz", false, "", 4},
        {"count 0xFFFFFFFF", Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "xyz", false, "", 4},
        {"count -5", Bytes({0xFB, 0xFF, 0xFF, 0xFF}) + "abcde", false, "", 4},
        {"short prefix", Bytes({1, 0}), false, "", 2},
        {"text up to the NUL", Bytes({5, 0, 0, 0, 'a', 'b', 0, 'c', 'd', 'E'}), true, "ab", 9},
        {"exactly ten million", Bytes({0x80, 0x96, 0x98, 0x00}) + std::string(10'000'000, 'q'),
         true, std::string(10'000'000, 'q'), 10'000'004},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemStream m;
        Fill(m, c.bytes);
        std::string text = "unchanged";
        EXPECT_EQ(ReadString(text, m), c.ok);
        EXPECT_TRUE(text == (c.ok ? c.text : "unchanged"));
        EXPECT_EQ(m.GetPosition(), c.position_after);
    }
}

TEST(Streams, FailedReadsAndWritesAreReported) {
    ProbeStream p;
    p.writes_left = 1; // the prefix goes, the text does not
    EXPECT_FALSE(WriteString("abc", p));
    p.writes_left = 0;
    EXPECT_FALSE(WriteString("", p));

    MemStream source;
    Fill(source, Pattern(10000));
    ProbeStream refusing_target;
    refusing_target.writes_left = 1;
    EXPECT_FALSE(refusing_target.CopyFrom(source));
    ProbeStream failing_source;
    Fill(failing_source, Pattern(10000));
    failing_source.reads_left = 1; // the second chunk cannot be read
    MemStream target;
    EXPECT_FALSE(target.CopyFrom(failing_source));

    for (int failing = 0; failing < 2; ++failing) { // either side of a comparison
        ProbeStream broken;
        MemStream good;
        Fill(broken, "same");
        Fill(good, "same");
        broken.reads_left = 0;
        EXPECT_FALSE(failing == 0 ? broken.IsSameContent(good) : good.IsSameContent(broken));
    }
}

TEST(CopyBytes, CopiesFromTheSourcePositionOnlyWhatIsThere) {
    MemStream source;
    Fill(source, "0123456789");
    source.Seek(2, SeekOrigin::Begin);
    ProbeStream target;
    ASSERT_TRUE(target.CopyBytes(source, 5));
    EXPECT_EQ(Content(target), "23456");
    EXPECT_EQ(source.GetPosition(), 7u);
    EXPECT_TRUE(target.CopyBytes(source, 0));
    EXPECT_FALSE(target.CopyBytes(source, 4));
    EXPECT_FALSE(target.CopyBytes(source, 0xFFFFFFFFu));
    EXPECT_EQ(source.GetPosition(), 7u); // nothing read
    EXPECT_EQ(target.writes, 2);
    ASSERT_TRUE(target.CopyBytes(source, 3)); // exactly what is left
    EXPECT_EQ(Content(target), "23456789");
    source.Seek(8, SeekOrigin::Begin);
    target.writes_left = 0;
    EXPECT_FALSE(target.CopyBytes(source, 2)); // the write fails
}

} // namespace
} // namespace pf
