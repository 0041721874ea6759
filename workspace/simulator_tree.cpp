#include "workspace/simulator_tree.h"

#include "foundation/text.h"
#include "workspace/config_reader.h"
#include "workspace/file_utils.h"

#include <algorithm>

namespace pf {

namespace {

void AppendSeparator(std::string& folder) {
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
}

std::string Join(std::string base, const std::string& rest) {
    AppendSeparator(base);
    return base + rest;
}

// Position of the first occurrence of word as a whole blank-separated word, or npos.
size_t FindWord(const std::string& upper, const std::string& word) {
    size_t pos = upper.find(word);
    while (pos != std::string::npos) {
        const bool startOk = pos == 0 || upper[pos - 1] == ' ';
        const size_t after = pos + word.size();
        const bool endOk = after == upper.size() || upper[after] == ' ';
        if (startOk && endOk)
            return pos;
        pos = upper.find(word, pos + 1);
    }
    return std::string::npos;
}

std::string TokenAt(const StringArray& tokens, size_t index) {
    return index < tokens.size() ? tokens[index] : std::string();
}

} // namespace

bool ResolveDirectory(std::string& out, const std::string& base, const std::string& value) {
    if (value.empty())
        return false;
    if (value.find(':') != std::string::npos || value.front() == '\\') {
        out = value;
        return true;
    }
    if (CStringStartsWith(value, ".\\")) {
        if (base.empty())
            return false;
        const std::string rest = value.substr(2);
        if (rest.front() == '.')
            return ResolveDirectory(out, base, rest);
        out = Join(base, rest);
        return true;
    }
    if (CStringStartsWith(value, "..\\")) {
        std::string parent = base;
        if (!GetParentFolder(parent) || parent.empty())
            return false;
        const std::string rest = value.substr(3);
        if (rest.front() == '.')
            return ResolveDirectory(out, parent, rest);
        out = Join(parent, rest);
        return true;
    }
    // A relative value is below the root, never the program's current folder.
    if (base.empty())
        return false;
    if (value == ".\\") {
        out = base;
        AppendSeparator(out);
        return true;
    }
    out = Join(base, value);
    return true;
}

bool SplitBaseDirectory(const std::string& value, BodyBaseDirectory& out) {
    std::string upper = value;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    size_t context = FindWord(upper, "CONTEXT");
    size_t period = FindWord(upper, "PERIOD");
    if (context == 0)
        context = std::string::npos;
    if (period == 0)
        period = std::string::npos;

    StringArray tokens;
    if (context != std::string::npos) {
        SplitBySpace(tokens, value.substr(context));
        out.context = TokenAt(tokens, 0) + " " + TokenAt(tokens, 1);
    }
    if (period != std::string::npos) {
        SplitBySpace(tokens, value.substr(period));
        out.periodBegin = TokenAt(tokens, 1);
        out.periodEnd = TokenAt(tokens, 2);
    }
    std::string directory = value;
    const size_t cut = std::min(context, period);
    if (cut != std::string::npos) {
        directory = value.substr(0, cut);
        while (!directory.empty() && (directory.back() == ' ' || directory.back() == '\t' ||
                                      directory.back() == '\r' || directory.back() == '\n'))
            directory.pop_back();
    }
    std::replace(directory.begin(), directory.end(), '/', '\\');
    if (!directory.empty())
        AppendSeparator(directory);
    out.directory = directory;
    return true;
}

bool ListDirectoryFiles(const std::string& folder, const std::string& pattern, StringArray& out) {
    out.clear();
    std::vector<std::string> names;
    if (!ListFiles(folder, pattern, names))
        return false;
    for (const std::string& name : names)
        out.push_back(name);
    return true;
}

bool ListFolderFiles(const std::string& folder, const std::string& subfolder,
                     const std::string& pattern, StringArray& out) {
    return ListDirectoryFiles(folder + subfolder, pattern, out);
}

} // namespace pf
