#include "document/base_document.h"

#include "document/base_file_reader.h"
#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "platform/fs.h"
#include "workspace/config_reader.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"
#include "workspace/simulator_config.h"
#include "workspace/simulator_tree.h"

#include <cstring>
#include <utility>

namespace pf {

namespace {

constexpr char kHeader[] = "BASE-V2.0\r\n";
constexpr uint32_t kHeaderLength = sizeof(kHeader) - 1;

void ShowErrorBox(const std::string& text) {
    ShowMessageBox(text, "Error", MessageButtons::Ok, MessageIcon::None);
}

// Whether two file names of the documents folder are one entry of it. A link or a second
// hard link is an entry of its own: deleting or saving through it never reaches the base's
// file. A name that finds an existing file only without regard to case is that file's name,
// as every file call would take it so.
bool SameEntry(const std::string& documents, const std::string& a, const std::string& b) {
    std::string nativeA;
    std::string nativeB;
    return fs::Resolve(documents + a, nativeA) && fs::Resolve(documents + b, nativeB) &&
           nativeA == nativeB;
}

// The first file of the documents folder, other than the entry exceptFile, that matches;
// "" when none does.
template <typename Matches>
std::string FindOtherFile(const std::string& documents, const std::string& exceptFile,
                          Matches matches) {
    StringArray files;
    if (!ListDirectoryFiles(documents, "*.txt", files)) {
        return std::string();
    }
    for (const std::string& file : files) {
        if (!SameEntry(documents, file, exceptFile) && matches(file)) {
            return file;
        }
    }
    return std::string();
}

// FindFileProblem, keeping the lines it read for a caller that goes on with them.
std::string FindProblemReadingLines(const std::string& fileName, bool& hasHeader,
                                    StringArray& lines) {
    hasHeader = false;
    std::string documents;
    PfgFileStream file;
    if (!IsSafePathComponent(fileName) || !GetDocumentsPath(documents) ||
        !file.Open(documents + fileName, kOpenRead)) {
        return "Couldn't open file";
    }
    if (file.GetLength() > kMaxTextStreamBytes) {
        return "File too big";
    }
    char head[kHeaderLength];
    file.SeekToBegin();
    if (file.GetLength() < kHeaderLength) {
        return "Error with base file: it is shorter than the BASE-V2.0 line";
    }
    if (!file.Read(head, kHeaderLength) || std::memcmp(head, kHeader, kHeaderLength) != 0) {
        return "Not a base file: it does not begin with BASE-V2.0";
    }
    hasHeader = true;
    if (!LoadLinesFromStream(lines, file)) {
        return "Couldn't parse file";
    }
    const std::string problem = FindPfgBaseFileProblem(lines);
    // The list names a base, and its work folder and files are named, after its name.
    std::string name;
    FindKeyedLine(name, "name ", lines);
    if (problem.empty() && name.empty()) {
        return "Couldn't find base name: its Name line is empty";
    }
    return problem;
}

// Writes texts until one fails; the writer then stops at the first failure.
class CheckedWriter {
  public:
    explicit CheckedWriter(MyStream& stream) : stream_(stream) {}
    bool Put(const std::string& text) {
        ok_ = ok_ && stream_.Write(text.data(), static_cast<uint32_t>(text.size()));
        return ok_;
    }
    bool Ok() const { return ok_; }

  private:
    MyStream& stream_;
    bool ok_ = true;
};

} // namespace

// The own file and the simulator's text come from this one writer so that they cannot
// drift apart: the simulator's text is the own file without the "PFG_" block.
bool BaseDocument::WriteText(MyStream& stream, bool withPfgKeys) const {
    stream.SetLength(0);
    CheckedWriter out(stream);
    const std::string header = FormatString(
        "BASE-V2.0\r\nName = %s\r\nLocation = %s %s\r\nSize = 1000\r\nObjectSize = 100\r\n"
        "MAPOBJECTSTOSPHERE = TRUE\r\n\r\n",
        name_.c_str(), FormatNumber(static_cast<float>(position_.GetLongitude()), 6).c_str(),
        FormatNumber(static_cast<float>(position_.GetLatitude()), 6).c_str());
    if (!out.Put(header)) {
        return false;
    }
    if (withPfgKeys) {
        const std::pair<const char*, std::string> keys[] = {
            {"PFG_BODY_NAME ", body_.name},
            {"PFG_FILE_NAME ", fileName_},
            {"PFG_CONFIG_SUFFIX ", configSuffix_},
            {"PFG_ORIGIN ", origin_},
            {"PFG_ORIGINAL_PATH ", originalPath_},
            {"PFG_CONTEXT ", context_},
            {"PFG_PERIOD_BEGIN ", periodBegin_},
            {"PFG_PERIOD_END ", periodEnd_},
            {"PFG_NEEDS_LOADING ", needsLoading_ ? "TRUE" : "FALSE"},
            {"PFG_NEEDS_RENDERING ", needsRendering_ ? "TRUE" : "FALSE"},
        };
        for (const auto& [key, value] : keys) {
            out.Put(key);
            out.Put(value);
            out.Put("\r\n");
        }
        out.Put("\r\n");
    }
    out.Put("BEGIN_NAVBEACON\r\n");
    for (const NavBeacon& beacon : beacons_) {
        out.Put(beacon.FormatLine());
    }
    out.Put("END_NAVBEACON\r\n\r\n");
    out.Put("BEGIN_OBJECTLIST\r\n\r\n");
    for (const AstrelObject& object : objects_) {
        if (!out.Ok() || !object.WriteBlock(stream)) {
            return false;
        }
    }
    out.Put("END_OBJECTLIST\r\n\r\n");
    out.Put("BEGIN_SURFTILELIST\r\n");
    for (const TileAttributes& tile : tiles_) {
        out.Put(FormatString("%d %d %d 1\r\n", tile.GetLevel(), tile.GetX(), tile.GetY()));
    }
    return out.Put("END_SURFTILELIST\r\n\r\n");
}

bool BaseDocument::WriteBaseFile(MyStream& stream) const { return WriteText(stream, true); }

bool BaseDocument::WriteSimulatorConfig(MyStream& stream) const { return WriteText(stream, false); }

bool BaseDocument::SaveToDocuments() const {
    std::string documents;
    if (unreadable_) {
        GetDocumentsPath(documents);
        ShowErrorBox("Couldn't save base: its own file could not be read.\r\nFile: " +
                     fs::ToNative(documents + sourceFile_));
        return false;
    }
    if (!IsValidBaseName(name_)) {
        ShowErrorBox("Base name not valid");
        return false;
    }
    if (!GetDocumentsPath(documents)) {
        ShowErrorBox("Couldn't find documents path");
        return false;
    }
    const std::string path = documents + GetSaveFileName();
    // The save name comes from the name inside the file: a copy of a base under another
    // file name would otherwise overwrite the base it was copied from.
    const std::string conflict = SaveNameConflict();
    if (!conflict.empty()) {
        ShowErrorBox((sourceFile_.empty() ? "Couldn't save base: another base's file stands "
                                            "there.\r\n"
                                          : "Couldn't save base over another base's file.\r\n") +
                     conflict);
        return false;
    }
    // The safe writer only: writing in place would leave half a base behind a failure.
    PfgFileStream file;
    if (!file.Open(path, kOpenWrite | kOpenCreate) || !WriteBaseFile(file) || !file.Commit()) {
        ShowErrorBox("Couldn't save base to file. Check Permissions.\r\nFile: " +
                     fs::ToNative(path));
        return false;
    }
    sourceFile_ = GetSaveFileName();
    return true;
}

bool BaseDocument::ReadBaseFile(MyStream& stream) {
    if (stream.GetLength() < kHeaderLength) {
        return ShowFailureMessage("Error with base file");
    }
    stream.SeekToBegin();
    char head[kHeaderLength];
    if (!stream.Read(head, kHeaderLength) || std::memcmp(head, kHeader, kHeaderLength) != 0) {
        return false;
    }
    return LoadPfgBaseFile(*this, stream);
}

BaseDocument::BaseDocument(const std::string& fileName) : BaseDocument() {
    body_.name = "XYZ";
    std::string documents;
    // A bare or climbing name would be opened outside the documents folder.
    if (!IsSafePathComponent(fileName) || !GetDocumentsPath(documents) ||
        !PathExists(documents + fileName)) {
        return;
    }
    sourceFile_ = fileName;
    // A damaged file is not read at all: a half-read base must never be edited or saved.
    bool hasHeader = false;
    const std::string problem = FindFileProblem(fileName, hasHeader);
    PfgFileStream file;
    if (problem.empty() && file.Open(documents + fileName, kOpenRead)) {
        file.SeekToBegin();
        loaded_ = ReadBaseFile(file);
    } else {
        ShowFailureMessage(UnreadableFileMessage(fileName, problem));
    }
    unreadable_ = !loaded_;
}

std::string BaseDocument::FindFileProblem(const std::string& fileName, bool& hasHeader) {
    StringArray lines;
    return FindProblemReadingLines(fileName, hasHeader, lines);
}

bool BaseDocument::OwnsSaveName() const {
    std::string documents;
    return !sourceFile_.empty() && GetDocumentsPath(documents) && SaveNameConflict().empty();
}

std::string BaseDocument::SaveNameConflict() const {
    std::string documents;
    if (!GetDocumentsPath(documents)) {
        return std::string();
    }
    const std::string path = documents + GetSaveFileName();
    if (!PathExists(path) ||
        (!sourceFile_.empty() && SameEntry(documents, sourceFile_, GetSaveFileName()))) {
        return std::string();
    }
    std::string text = "File: " + fs::ToNative(path);
    if (!sourceFile_.empty()) {
        text += "\r\nThis base was read from: " + fs::ToNative(documents + sourceFile_);
    }
    return text;
}

std::string BaseDocument::UnreadableFileMessage(const std::string& fileName,
                                                const std::string& problem) {
    std::string documents;
    GetDocumentsPath(documents);
    return "Couldn't read base file " + fs::ToNative(documents + fileName) + "\r\n" +
           (problem.empty() ? std::string("Couldn't parse file") : problem);
}

bool BaseDocument::BaseFileExists(std::string fileName) {
    std::string documents;
    if (!GetDocumentsPath(documents)) {
        ShowErrorBox("Couldn't find documents path");
        return false;
    }
    if (!IsSafePathComponent(fileName) || !PathExists(documents + fileName)) {
        return false;
    }
    // A file that does not load still exists: a new base must not overwrite it.
    const BaseDocument loaded(fileName);
    return true;
}

bool BaseDocument::LoadBodyName(std::string& bodyName, std::string& name,
                                const std::string& fileName) {
    std::string documents;
    PfgFileStream file;
    StringArray lines;
    // The length is checked first, so that a file too big says nothing either.
    return IsSafePathComponent(fileName) && GetDocumentsPath(documents) &&
           file.Open(documents + fileName, kOpenRead) && file.GetLength() <= kMaxTextStreamBytes &&
           LoadLinesFromStream(lines, file) && FindKeyedLine(bodyName, "PFG_BODY_NAME ", lines) &&
           FindKeyedLine(name, "name ", lines) && !name.empty();
}

bool BaseDocument::LoadNamesAndPlace(BaseDocument& out, const std::string& fileName) {
    bool hasHeader = false;
    StringArray lines;
    if (!FindProblemReadingLines(fileName, hasHeader, lines).empty()) {
        return false;
    }
    ReadPfgNamesAndPlace(out, lines);
    return true;
}

std::string BaseDocument::NameTakenBy(const std::string& name, const std::string& exceptFile) {
    std::string documents;
    if (!GetDocumentsPath(documents)) {
        return std::string();
    }
    const std::string file =
        FindOtherFile(documents, exceptFile, [&](const std::string& candidate) {
            std::string body;
            std::string other;
            return LoadBodyName(body, other, candidate) && CStringEqualsNoCase(other, name);
        });
    return file.empty() ? std::string() : "File: " + fs::ToNative(documents + file);
}

bool BaseDocument::AnotherWholeFileNames(const std::string& fileName, const std::string& name,
                                         const std::string& key) {
    std::string documents;
    if (!GetDocumentsPath(documents)) {
        return false;
    }
    const std::string own = fs::Canonical(documents + fileName);
    return !FindOtherFile(documents, fileName, [&](const std::string& candidate) {
                // A symbolic link to the file leads nowhere once the file goes.
                if (!own.empty() && fs::IsSymlink(documents + candidate) &&
                    fs::Canonical(documents + candidate) == own) {
                    return false;
                }
                BaseDocument other;
                return LoadNamesAndPlace(other, candidate) &&
                       CStringEqualsNoCase(other.GetName(), name) &&
                       (key.empty() || CStringEqualsNoCase(other.GetConfigRelativePath(), key));
            }).empty();
}

bool BaseDocument::IsLinkEntry(const std::string& fileName) {
    std::string documents;
    return IsSafePathComponent(fileName) && GetDocumentsPath(documents) &&
           fs::IsSymlink(documents + fileName);
}

bool BaseDocument::DeleteBase(const std::string& fileName) {
    std::string documents;
    if (!GetDocumentsPath(documents)) {
        return ShowFailureMessage("Couldn't delete file");
    }
    if (IsLinkEntry(fileName)) {
        // A link is an entry of its own: it goes alone, whatever it leads to.
        if (SafeDeleteLink(documents + fileName)) {
            return true;
        }
    } else if (IsSafePathComponent(fileName)) {
        // Without a loaded, valid name the work folder would be the documents folder
        // itself or lie outside it, a damaged copy names the folder of the base it was
        // copied from, and bases of one name in other directories, copies and second names
        // of the file share their folder: then only the file goes. A file that does not
        // read whole keeps nothing: it can never be edited, and once it goes no file would
        // name the folder.
        bool hasHeader = false;
        const bool whole = FindFileProblem(fileName, hasHeader).empty();
        const BaseDocument document = whole ? BaseDocument(fileName) : BaseDocument();
        if (document.IsLoaded() && IsValidBaseName(document.GetName()) && document.OwnsSaveName() &&
            !AnotherWholeFileNames(fileName, document.GetName(), "")) {
            std::string work;
            if (!document.GetWorkFolder(work)) {
                return ShowFailureMessage("Couldn't delete file");
            }
            if (PathExists(work)) {
                DeleteFolderTree(work);
            }
        }
        if (SafeDeleteFile(documents + fileName)) {
            return true;
        }
    }
    ShowErrorBox("Couldn't delete file");
    return false;
}

} // namespace pf
