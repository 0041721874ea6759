#include "platform/settings_store.h"

#include "platform/fs.h"
#include "platform/known_folders.h"

namespace pf::settings_store {

namespace {

std::string Folder() {
    std::string config = known_folders::ConfigHome();
    return config.empty() ? std::string() : config + "padforge\\";
}

// The file's lines without their LF. False when the file exists but cannot be read.
bool ReadLines(std::vector<std::string>& lines) {
    lines.clear();
    std::string path = FilePath();
    if (path.empty())
        return false;
    std::string text;
    if (!fs::ReadFile(path, text)) {
        // A missing file holds no values; one that is there but unreadable must not be
        // replaced by a file holding only the new value.
        return !fs::Exists(path) && !fs::IsSymlink(path);
    }
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return true;
}

bool NameOf(const std::string& line, std::string& name) {
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    name = line.substr(0, eq);
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string FilePath() {
    std::string folder = Folder();
    return folder.empty() ? std::string() : folder + "settings";
}

std::string EncodeValue(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '%':
            out += "%25";
            break;
        case '\r':
            out += "%0D";
            break;
        case '\n':
            out += "%0A";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::string DecodeValue(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            int hi = HexDigit(text[i + 1]);
            int lo = HexDigit(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                char c = static_cast<char>(hi * 16 + lo);
                // Only the three escapes the writer makes are read as escapes.
                if (c == '%' || c == '\r' || c == '\n') {
                    out += c;
                    i += 2;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

bool ReadAll(std::vector<std::pair<std::string, std::string>>& values) {
    values.clear();
    std::vector<std::string> lines;
    if (!ReadLines(lines))
        return false;
    for (const std::string& line : lines) {
        std::string name;
        if (!NameOf(line, name))
            continue;
        bool seen = false;
        for (const auto& v : values) {
            if (v.first == name) {
                seen = true;
                break;
            }
        }
        if (!seen)
            values.emplace_back(name, DecodeValue(line.substr(name.size() + 1)));
    }
    return true;
}

bool Read(const std::string& name, std::string& value) {
    std::vector<std::string> lines;
    if (!ReadLines(lines))
        return false;
    for (const std::string& line : lines) {
        std::string line_name;
        if (NameOf(line, line_name) && line_name == name) {
            value = DecodeValue(line.substr(name.size() + 1));
            return true;
        }
    }
    return false;
}

bool Write(const std::string& name, const std::string& value) {
    if (name.find_first_of("=\r\n") != std::string::npos)
        return false;
    std::vector<std::string> lines;
    if (!ReadLines(lines))
        return false;
    const std::string new_line = name + "=" + EncodeValue(value);
    std::string text;
    bool placed = false;
    for (const std::string& line : lines) {
        std::string line_name;
        if (NameOf(line, line_name) && line_name == name) {
            if (!placed) {
                text += new_line + "\n";
                placed = true;
            }
            continue;
        }
        text += line + "\n";
    }
    if (!placed)
        text += new_line + "\n";

    std::string folder = Folder();
    if (!fs::IsDirectory(folder) && !fs::CreateDirectories(folder))
        return false;
    fs::TempFileWriter writer;
    return writer.Open(FilePath()) && writer.Write(text.data(), text.size()) && writer.Commit();
}

} // namespace pf::settings_store
