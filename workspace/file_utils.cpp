#include "workspace/file_utils.h"

#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "platform/fs.h"
#include "workspace/folders.h"

#include <algorithm>

namespace pf {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsFolderKind(fs::EntryKind kind) {
    return kind == fs::EntryKind::Folder || kind == fs::EntryKind::LinkToFolder;
}

// Lists the entries of one kind whose names match; names holding '\' cannot be
// addressed by an internal path and are left out.
bool ListMatching(const std::string& folder, const std::string& pattern, bool folders,
                  std::vector<std::string>& out) {
    out.clear();
    if (!fs::Exists(folder)) {
        return false;
    }
    std::vector<fs::DirEntry> entries;
    if (!fs::List(folder, entries)) {
        return false;
    }
    for (const fs::DirEntry& entry : entries) {
        if (IsFolderKind(entry.kind) != folders)
            continue;
        if (entry.name.empty() || entry.name.find('\\') != std::string::npos)
            continue;
        if (folders && entry.name[0] == '.')
            continue;
        if (!folders && entry.name == ".")
            continue;
        if (!MatchesWildcard(entry.name, pattern))
            continue;
        out.push_back(entry.name);
    }
    std::sort(out.begin(), out.end(), NameBefore);
    return true;
}

bool HasDotComponent(const std::string& path) {
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        std::string piece = path.substr(start, end - start);
        if (piece == "." || piece == "..")
            return true;
        start = end + 1;
    }
    return false;
}

bool StrictlyInside(const std::string& folder, const std::string& root) {
    return !root.empty() && folder.size() > root.size() &&
           folder.compare(0, root.size(), root) == 0;
}

bool MayDeleteTree(const std::string& folder) {
    return !folder.empty() && folder[0] != '.' &&
           folder.find("\\Padforge\\") != std::string::npos && !HasDotComponent(folder);
}

void DeleteTreeInside(const std::string& folder, const std::vector<std::string>& roots) {
    if (!MayDeleteTree(folder))
        return;
    bool inside = false;
    for (const std::string& root : roots) {
        inside = inside || StrictlyInside(folder, root);
    }
    // A link is neither descended into nor removed: what it points at lies outside.
    std::string self = folder.back() == '\\' ? folder.substr(0, folder.size() - 1) : folder;
    if (!inside || fs::IsSymlink(self))
        return;
    std::vector<std::string> names;
    ListSubfolders(folder, "*.*", names);
    for (const std::string& name : names) {
        DeleteTreeInside(folder + name + "\\", roots);
    }
    ListFilesInFolder(folder, "*.*", names);
    for (const std::string& name : names) {
        std::string file = folder + name;
        if (fs::IsSymlink(file))
            continue;
        SafeDeleteFile(file);
    }
    fs::RemoveEmptyDirectory(folder);
}

} // namespace

bool NameBefore(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(FoldAscii(a[i]));
        unsigned char cb = static_cast<unsigned char>(FoldAscii(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

bool PathExists(const std::string& path) { return fs::Exists(path); }

bool GetFileWriteTime(const std::string& path, FileTime& time) {
    uint64_t value = 0;
    if (!fs::WriteTime(path, value)) {
        return false;
    }
    time = FileTime::FromValue(value);
    return true;
}

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
    if (pattern == "*.*")
        return true;
    size_t n = 0, p = 0;
    size_t star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool ListFilesInFolder(const std::string& folder, const std::string& pattern,
                       std::vector<std::string>& out) {
    return ListMatching(folder, pattern, false, out);
}

bool ListSubfolders(const std::string& folder, const std::string& pattern,
                    std::vector<std::string>& out) {
    return ListMatching(folder, pattern, true, out);
}

bool ListFiles(const std::string& folder, const std::string& pattern,
               std::vector<std::string>& out) {
    return ListFilesInFolder(folder, pattern, out);
}

bool GetFolderPart(std::string& path) {
    size_t last = path.rfind('\\');
    if (last == std::string::npos || last + 1 == path.size()) {
        path.clear();
        return false;
    }
    path.resize(last + 1);
    return true;
}

bool GetParentFolder(std::string& path) {
    size_t last = path.rfind('\\');
    if (last == std::string::npos) {
        return ShowFailureMessage("Error parsing file string\r\n");
    }
    if (last + 1 != path.size()) {
        path.resize(last + 1);
        return true;
    }
    std::string copy = path.substr(0, last);
    if (!GetParentFolder(copy)) {
        return false;
    }
    path = copy;
    return true;
}

bool CreateDirectoryPath(const std::string& base, const std::string& relative) {
    if (!fs::Exists(base)) {
        return false;
    }
    std::string folder_part = relative;
    GetFolderPart(folder_part);
    std::string current = base;
    size_t start = 0;
    while (start < folder_part.size()) {
        size_t end = folder_part.find('\\', start);
        if (end == std::string::npos)
            end = folder_part.size();
        if (end > start) {
            current += folder_part.substr(start, end - start) + "\\";
            if (!fs::Exists(current) && !fs::CreateDirectory(current)) {
                return false;
            }
        }
        start = end + 1;
    }
    return true;
}

void DeleteDirectoryTree(const std::string& folder) {
    if (!MayDeleteTree(folder))
        return;
    // Only the program's own folders may lose trees, and never one of them whole.
    std::vector<std::string> roots;
    std::string root;
    if (GetDocumentsPath(root))
        roots.push_back(root);
    if (GetAppDataPath(root))
        roots.push_back(root);
    DeleteTreeInside(folder, roots);
}

void DeleteFolderTree(std::string folder) { DeleteDirectoryTree(folder); }

bool CopyFileCreatingPath(const std::string& destination_root, const std::string& source_root,
                          const std::string& relative) {
    std::string destination = destination_root + relative;
    std::string source = source_root + relative;
    CreateDirectoryPath(destination_root, relative);
    int status = 0;
    return CopyFileStream(destination, source, status);
}

} // namespace pf
