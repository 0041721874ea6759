#include "workspace/kept_files.h"

#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "platform/fs.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"

#include <algorithm>
#include <cstdint>

namespace pf {

namespace {

constexpr const char* kSideFolder = "Kept Files\\";
constexpr const char* kFilesFolder = "Files\\";
constexpr const char* kMadeFoldersFile = "Made folders.txt";

char FoldedAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// FNV-1a of the root with ASCII folded: roots that the record takes for one share a folder.
std::string RootFolderName(const std::string& root) {
    uint64_t hash = 14695981039346656037ull;
    for (char c : root) {
        hash ^= static_cast<unsigned char>(FoldedAscii(c));
        hash *= 1099511628211ull;
    }
    return FormatString("%016llx", static_cast<unsigned long long>(hash));
}

bool StartsWithNoCase(const std::string& text, const std::string& start) {
    return text.size() >= start.size() && CStringEqualsNoCase(text.substr(0, start.size()), start);
}

bool Contains(const std::vector<std::string>& folders, const std::string& folder) {
    return std::any_of(folders.begin(), folders.end(), [&](const std::string& known) {
        return CStringEqualsNoCase(known, folder);
    });
}

bool SameContent(const std::string& a, const std::string& b) {
    SysFileStream first;
    SysFileStream second;
    return OpenStreamByPath(first, a, kOpenRead) && OpenStreamByPath(second, b, kOpenRead) &&
           first.IsSameContent(second);
}

// "<kept>.1", "<kept>.2", …: the first that does not exist; empty past a thousand.
std::string FreeNumberedName(const std::string& kept) {
    for (int n = 1; n <= 1000; ++n) {
        const std::string name = kept + "." + std::to_string(n);
        if (!fs::Exists(name))
            return name;
    }
    return std::string();
}

} // namespace

KeptFiles::KeptFiles(const std::string& root) : root_(root) {}

bool KeptFiles::Ready() const {
    // The data folder is asked for only when needed: an install over nothing of someone
    // else's never touches it.
    if (!asked_) {
        asked_ = true;
        if (!root_.empty() && GetAppDataPath(dataFolder_) && !dataFolder_.empty())
            folder_ = dataFolder_ + kSideFolder + RootFolderName(root_) + "\\";
        else
            dataFolder_.clear();
    }
    return !folder_.empty();
}

std::string KeptFiles::KeptPath(const std::string& path) const {
    if (!IsSafeAbsolutePath(path) || !Ready())
        return std::string();
    return folder_ + kFilesFolder + path.substr(1);
}

bool KeptFiles::KeepAside(const std::string& path, bool& newlyKept) {
    newlyKept = false;
    const std::string kept = KeptPath(path);
    const std::string refusal =
        "Couldn't keep a copy of " + fs::ToNative(path) + ", so it was not replaced.\r\n";
    // A copy kept earlier while no base records the path (its base was forgotten, or
    // putting it back failed): when the tree holds another file there now, that one is
    // kept as well and the earlier copy moves to a numbered name beside it, never lost.
    std::string earlier;
    if (!kept.empty() && fs::IsRegularFile(kept)) {
        if (SameContent(kept, path))
            return true;
        earlier = FreeNumberedName(kept);
        if (earlier.empty() || !fs::Rename(kept, earlier))
            return ShowFailureMessage(refusal);
    }
    std::string folder = kept;
    int result = 0;
    if (kept.empty() || !GetFolderPart(folder) || !fs::CreateDirectories(folder) ||
        !CopyFileStream(kept, path, result)) {
        if (!earlier.empty())
            fs::Rename(earlier, kept);
        return ShowFailureMessage(refusal);
    }
    newlyKept = true;
    return true;
}

void KeptFiles::Discard(const std::string& path) {
    const std::string kept = KeptPath(path);
    if (kept.empty() || !SafeDeleteFile(kept))
        return;
    std::string folder = kept;
    if (GetFolderPart(folder))
        RemoveEmptyUpwards(folder);
}

KeptFiles::PutBackResult KeptFiles::PutBack(const std::string& path) {
    const std::string kept = KeptPath(path);
    if (kept.empty() || !fs::IsRegularFile(kept))
        return PutBackResult::NothingKept;
    int result = 0;
    if (!CopyFileStream(path, kept, result)) {
        ShowFailureMessage("Couldn't put back the file that " + fs::ToNative(path) +
                           " replaced. It is kept at " + fs::ToNative(kept) + "\r\n");
        return PutBackResult::Failed;
    }
    Discard(path);
    return PutBackResult::PutBack;
}

void KeptFiles::RecordMadeFolders(const std::vector<std::string>& folders) {
    if (folders.empty() || !Ready())
        return;
    std::vector<std::string> known = ReadMadeFolders();
    const size_t before = known.size();
    for (const std::string& folder : folders) {
        if (IsSafeAbsolutePath(folder) && !Contains(known, folder))
            known.push_back(folder);
    }
    if (known.size() != before)
        WriteMadeFolders(known);
}

void KeptFiles::RemoveEmptyMadeFolders(const std::vector<std::string>& paths) {
    if (paths.empty() || !Ready())
        return;
    std::vector<std::string> known = ReadMadeFolders();
    std::vector<std::string> candidates;
    for (const std::string& folder : known) {
        const bool holds = std::any_of(paths.begin(), paths.end(), [&](const std::string& path) {
            return path.size() > folder.size() && StartsWithNoCase(path, folder);
        });
        if (holds)
            candidates.push_back(folder);
    }
    // Deepest first, so a made folder inside another made one goes before its parent.
    std::sort(candidates.begin(), candidates.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    std::vector<std::string> gone;
    for (const std::string& folder : candidates) {
        // rmdir removes only an empty folder and never follows a link.
        if (!fs::Exists(folder) || fs::RemoveEmptyDirectory(folder))
            gone.push_back(folder);
    }
    if (gone.empty())
        return;
    known.erase(std::remove_if(known.begin(), known.end(),
                               [&](const std::string& folder) { return Contains(gone, folder); }),
                known.end());
    WriteMadeFolders(known);
}

std::vector<std::string> KeptFiles::ReadMadeFolders() const {
    std::vector<std::string> folders;
    std::string bytes;
    if (!fs::ReadFile(folder_ + kMadeFoldersFile, bytes))
        return folders;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // A line that is no full folder path is not ours: it is never acted on.
        if (IsSafeAbsolutePath(line) && line.back() == '\\')
            folders.push_back(line);
        start = end + 1;
    }
    return folders;
}

void KeptFiles::WriteMadeFolders(const std::vector<std::string>& folders) const {
    const std::string path = folder_ + kMadeFoldersFile;
    if (folders.empty()) {
        if (SafeDeleteFile(path))
            RemoveEmptyUpwards(folder_);
        return;
    }
    std::string text;
    for (const std::string& folder : folders)
        text += folder + "\r\n";
    // A list that cannot be written keeps its old content (the writer drops its temporary
    // file): folders then stay rather than go.
    fs::TempFileWriter writer;
    if (fs::CreateDirectories(folder_) && writer.Open(path) &&
        writer.Write(text.data(), text.size()))
        writer.Commit();
}

void KeptFiles::RemoveEmptyUpwards(std::string folder) const {
    while (folder.size() > dataFolder_.size() && StartsWithNoCase(folder, dataFolder_) &&
           fs::RemoveEmptyDirectory(folder)) {
        if (!GetParentFolder(folder))
            return;
    }
}

} // namespace pf
