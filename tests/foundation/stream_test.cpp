#include "foundation/stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace pf {
namespace {

MemStream& Fill(MemStream& stream, const std::string& bytes) {
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

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
    }
    return bytes;
}

// Records the size of every Write; can be told to fail writes or reads after a number
// of successful ones.
class ProbeStream : public MemStream {
  public:
    bool Write(const void* bytes, uint32_t count) override {
        writes.push_back(count);
        if (writes_left == 0) {
            return false;
        }
        if (writes_left > 0) {
            --writes_left;
        }
        return MemStream::Write(bytes, count);
    }
    bool Read(void* bytes, uint32_t count) override {
        if (reads_left == 0) {
            return false;
        }
        if (reads_left > 0) {
            --reads_left;
        }
        return MemStream::Read(bytes, count);
    }
    std::vector<uint32_t> writes;
    int writes_left = -1; // -1: never fail
    int reads_left = -1;
};

TEST(MyStream, TheRootDoesNothing) {
    MyStream root;
    char byte = 'x';
    root.Seek(5, SeekOrigin::Begin);
    root.SetLength(10);
    root.Close();
    EXPECT_FALSE(root.Write(&byte, 1));
    EXPECT_FALSE(root.Read(&byte, 1));
    EXPECT_EQ(root.GetLength(), 0u);
    EXPECT_EQ(root.GetPosition(), 0u);
    EXPECT_EQ(root.GetFileName(), "");
    EXPECT_EQ(root.GetFilePath(), "");
}

TEST(MemStream, WritesReadsAndSeeks) {
    MemStream m;
    EXPECT_EQ(m.GetFileName(), "MEM");
    EXPECT_EQ(m.GetFilePath(), "MEM");
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
    EXPECT_EQ(m.GetPosition(), 0u);
    m.Seek(6, SeekOrigin::Begin);
    EXPECT_FALSE(m.Read(buf, 8)); // only 5 bytes left
    EXPECT_EQ(m.GetPosition(), 11u);
    EXPECT_TRUE(m.Read(buf, 0));

    // Writing past the end leaves zeros in the gap.
    m.Seek(2, SeekOrigin::End);
    ASSERT_TRUE(m.Write("!", 1));
    EXPECT_EQ(Content(m), std::string("hello world\0\0!", 14));

    m.SetLength(5);
    EXPECT_EQ(m.GetPosition(), 5u);
    EXPECT_EQ(Content(m), "hello");
    m.SetLength(7);
    EXPECT_EQ(Content(m), std::string("hello\0\0", 7));

    m.Close();
    EXPECT_EQ(m.GetLength(), 0u);
    EXPECT_EQ(m.GetPosition(), 0u);
}

TEST(ReadLine, LinesKeepTheirEndings) {
    const struct {
        std::string content;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a\r\n", "b\r\n"}},
        {"a\r\nlast", {"a\r\n", "last"}},
        {"", {}},
        {"\n\n", {"\n", "\n"}},
        {"x", {"x"}},
        {"\r\n", {"\r\n"}},
        {std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        MemStream m;
        Fill(m, c.content);
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

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

TEST(WriteString, CountThenBytes) {
    const struct {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"", Bytes({0, 0, 0, 0})},
        {"AB", Bytes({2, 0, 0, 0, 'A', 'B'})},
        {"\xB0", Bytes({1, 0, 0, 0, 0xB0})},
        {std::string(300, 'z'), Bytes({0x2C, 0x01, 0, 0}) + std::string(300, 'z')},
    };
    for (const auto& c : cases) {
        MemStream m;
        ASSERT_TRUE(WriteString(c.text, m));
        EXPECT_EQ(Content(m), c.bytes);
    }
}

TEST(WriteString, FailsWhenTheStreamRefuses) {
    ProbeStream p;
    p.writes_left = 1;
    EXPECT_FALSE(WriteString("abc", p));
    p.writes_left = 0;
    EXPECT_FALSE(WriteString("", p));
}

TEST(ReadString, RoundTrip) {
    MemStream m;
    const std::vector<std::string> texts = {"", "Earth", "a b\r\nc", std::string(5000, '\xB0')};
    for (const std::string& t : texts) {
        ASSERT_TRUE(WriteString(t, m));
    }
    m.SeekToBegin();
    for (const std::string& t : texts) {
        std::string read;
        ASSERT_TRUE(ReadString(read, m));
        EXPECT_EQ(read, t);
    }
    std::string text = "kept";
    EXPECT_FALSE(ReadString(text, m)); // at the end
    EXPECT_EQ(text, "kept");
}

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
        {"empty", Bytes({0, 0, 0, 0}), true, "", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemStream m;
        Fill(m, c.bytes);
        std::string text = "unchanged";
        EXPECT_EQ(ReadString(text, m), c.ok);
        EXPECT_EQ(text, c.ok ? c.text : "unchanged");
        EXPECT_EQ(m.GetPosition(), c.position_after);
    }
}

TEST(ReadString, AcceptsExactlyTenMillionBytes) {
    MemStream m;
    const uint32_t count = 10'000'000;
    ASSERT_TRUE(m.Write(Bytes({0x80, 0x96, 0x98, 0x00}).data(), 4));
    const std::string body(count, 'q');
    ASSERT_TRUE(m.Write(body.data(), count));
    m.SeekToBegin();
    std::string text;
    ASSERT_TRUE(ReadString(text, m));
    EXPECT_EQ(text.size(), count);
    EXPECT_TRUE(text == body);
}

TEST(CopyFrom, CopiesInFourKilobyteChunks) {
    const struct {
        size_t size;
        std::vector<uint32_t> writes;
    } cases[] = {
        {0, {}}, {1, {1}}, {4096, {4096}}, {4097, {4096, 1}}, {10000, {4096, 4096, 1808}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        MemStream source;
        Fill(source, Pattern(c.size));
        source.Seek(3, SeekOrigin::Begin);
        ProbeStream target;
        Fill(target, std::string(20000, 'o')); // longer content is replaced whole
        target.writes.clear();
        ASSERT_TRUE(target.CopyFrom(source));
        EXPECT_EQ(target.writes, c.writes);
        EXPECT_EQ(target.GetPosition(), 0u);
        EXPECT_TRUE(Content(target) == Pattern(c.size));
    }
}

TEST(CopyFrom, ReportsFailedWritesAndReads) {
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
}

TEST(CopyFrom, OntoItselfKeepsTheContent) {
    MemStream m;
    Fill(m, Pattern(9000));
    m.Seek(100, SeekOrigin::Begin);
    EXPECT_TRUE(m.CopyFrom(m));
    EXPECT_EQ(m.GetPosition(), 0u);
    EXPECT_TRUE(Content(m) == Pattern(9000));
}

TEST(CopyBytes, CopiesFromTheSourcePosition) {
    MemStream source;
    Fill(source, "0123456789");
    source.Seek(2, SeekOrigin::Begin);
    MemStream target;
    ASSERT_TRUE(target.CopyBytes(source, 5));
    EXPECT_EQ(Content(target), "23456");
    EXPECT_EQ(source.GetPosition(), 7u);
    EXPECT_TRUE(target.CopyBytes(source, 0));
    ASSERT_TRUE(target.CopyBytes(source, 3)); // exactly what is left
    EXPECT_EQ(Content(target), "23456789");
}

TEST(CopyBytes, RefusesACountBeyondTheSourceData) {
    MemStream source;
    Fill(source, "0123456789");
    source.Seek(8, SeekOrigin::Begin);
    ProbeStream target;
    EXPECT_FALSE(target.CopyBytes(source, 3));
    EXPECT_FALSE(target.CopyBytes(source, 0xFFFFFFFFu));
    EXPECT_EQ(source.GetPosition(), 8u); // nothing read
    EXPECT_TRUE(target.writes.empty());

    target.writes_left = 0;
    EXPECT_FALSE(target.CopyBytes(source, 2)); // the write fails
}

TEST(IsSameContent, ComparesWholeStreams) {
    const struct {
        std::string a;
        std::string b;
        bool same;
    } cases[] = {
        {"", "", true},
        {"abc", "abc", true},
        {"abc", "abd", false}, // only the last byte differs
        {"abc", "abcd", false},
        {"", "x", false},
        {Pattern(9000), Pattern(9000), true},
        {Pattern(9000), Pattern(8999) + "\x01", false},
    };
    for (const auto& c : cases) {
        MemStream a;
        MemStream b;
        Fill(a, c.a);
        Fill(b, c.b);
        a.Seek(1, SeekOrigin::End); // both are rewound first
        EXPECT_EQ(a.IsSameContent(b), c.same);
        EXPECT_EQ(b.IsSameContent(a), c.same);
    }
    MemStream self;
    Fill(self, "abc");
    EXPECT_TRUE(self.IsSameContent(self));
}

TEST(IsSameContent, AFailedReadOfEitherStreamIsADifference) {
    for (int failing = 0; failing < 2; ++failing) {
        ProbeStream broken;
        MemStream good;
        Fill(broken, "same");
        Fill(good, "same");
        broken.reads_left = 0;
        EXPECT_FALSE(failing == 0 ? broken.IsSameContent(good) : good.IsSameContent(broken));
    }
}

} // namespace
} // namespace pf
