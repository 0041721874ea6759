#include "workspace/config_reader.h"

#include "foundation/failure.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "platform/fs.h"

#include <cstring>
#include <new>

namespace pf {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCaseN(const char* a, const char* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// Unlike the strict starts-with test of the text helpers, a text equal to the prefix counts.
bool BeginsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && EqualNoCaseN(text.data(), prefix.data(), prefix.size());
}

} // namespace

void NormaliseText(std::string& text) {
    for (char& c : text) {
        if (c == '\t' || c == '=')
            c = ' ';
        else if (c == '\r')
            c = '\n';
    }
    // One pass that copies the text onto itself: comments dropped up to (not including)
    // the next line feed, and each blank run kept as one blank.
    size_t out = 0;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == ';') {
            while (i < n && text[i] != '\n')
                ++i;
        } else if (c == ' ') {
            text[out++] = ' ';
            while (i < n && text[i] == ' ')
                ++i;
        } else {
            text[out++] = c;
            ++i;
        }
    }
    text.resize(out);
}

void SplitLines(StringArray& lines, const std::string& text) {
    size_t start = 0;
    const size_t n = text.size();
    while (start <= n) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = n;
        size_t b = start;
        size_t e = end;
        while (b < e && text[b] == ' ')
            ++b;
        while (e > b && text[e - 1] == ' ')
            --e;
        if (e > b)
            lines.push_back(text.substr(b, e - b));
        start = end + 1;
    }
}

bool ReadWholeStream(MyStream& stream, std::vector<char>& buffer) {
    buffer.clear();
    stream.SeekToBegin();
    const uint64_t length = stream.GetLength();
    if (length > kMaxTextStreamBytes) {
        const std::string path = stream.GetFilePath();
        return ShowFailureMessage(FormatString("%s is too big\r\n", fs::ToNative(path).c_str()));
    }
    try {
        buffer.assign(static_cast<size_t>(length) + 1, '\0');
    } catch (const std::bad_alloc&) {
        buffer.clear();
        return false;
    }
    if (length > 0 && !stream.Read(buffer.data(), static_cast<uint32_t>(length))) {
        buffer.clear();
        return false;
    }
    return true;
}

bool LoadLinesFromStream(StringArray& lines, MyStream& stream) {
    std::vector<char> buffer;
    if (!ReadWholeStream(stream, buffer))
        return false;
    // The text is a C string: a NUL byte inside the file ends it.
    std::string text(buffer.data());
    NormaliseText(text);
    SplitLines(lines, text);
    return true;
}

bool LoadLinesFromFile(StringArray& lines, const std::string& path) {
    AstrelFileStream file;
    if (!file.Open(path, kOpenRead))
        return false;
    return LoadLinesFromStream(lines, file);
}

bool SplitTextIntoLines(StringArray& lines, const std::string& text) {
    // The text is a C string: whatever follows a NUL byte is not read.
    std::string work(text.c_str());
    NormaliseText(work);
    SplitLines(lines, work);
    return true;
}

bool ExtractSection(StringArray& out, const StringArray& lines, const std::string& begin,
                    const std::string& end) {
    out.clear();
    bool found = false;
    for (const std::string& line : lines) {
        if (!found) {
            found = CStringEqualsNoCase(line, begin);
            continue;
        }
        if (CStringEqualsNoCase(line, end))
            break;
        out.push_back(line);
    }
    return found;
}

bool FindNameLine(std::string& out, const StringArray& lines) {
    static const std::string kName = "name ";
    for (const std::string& line : lines) {
        if (CStringStartsWithCString(line, kName)) {
            out = line.substr(kName.size());
            return true;
        }
    }
    return false;
}

bool FindKeyedLine(std::string& out, const std::string& key, const StringArray& lines) {
    out.clear();
    std::string trimmed = key;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t' ||
                                trimmed.back() == '\r' || trimmed.back() == '\n'))
        trimmed.pop_back();
    for (const std::string& line : lines) {
        // A line equal to the key counts: a new base carries keys with empty values. A
        // longer key that only begins with this one ("PFG_ORIGINAL_PATH" for "PFG_ORIGIN ")
        // is another key.
        if (!BeginsWithNoCase(line, line.size() <= trimmed.size() ? trimmed : key))
            continue;
        if (line.size() > key.size())
            out = line.substr(key.size());
        return true;
    }
    return false;
}

bool SplitBySpace(StringArray& tokens, const std::string& text) {
    tokens.clear();
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        while (i < n && text[i] == ' ')
            ++i;
        size_t start = i;
        while (i < n && text[i] != ' ')
            ++i;
        if (i > start)
            tokens.push_back(text.substr(start, i - start));
    }
    return !tokens.empty();
}

bool SplitLineBySpace(StringArray& tokens, const std::string& line) {
    return SplitBySpace(tokens, line);
}

bool ParseFloatList(std::vector<float>& values, const std::string& line) {
    StringArray tokens;
    if (!SplitBySpace(tokens, line))
        return false;
    for (const std::string& token : tokens) {
        float value = 0.0f;
        if (!ParseFloat(token, value))
            return false;
        values.push_back(value);
    }
    return true;
}

void CollectObjectGroups(ObjectGroupList& groups, const StringArray& lines) {
    StringArray section;
    ExtractSection(section, lines, "BEGIN_OBJECTLIST", "END_OBJECTLIST");
    ObjectGroup current;
    for (const std::string& line : section) {
        if (CStringEqualsNoCase(line, "END")) {
            if (!current.empty())
                groups.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(line);
        }
    }
    // An object whose "END" is missing is dropped.
}

} // namespace pf
