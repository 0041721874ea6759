#include "document/base_document.h"

#include "foundation/name_safety.h"
#include "foundation/text.h"
#include "platform/fs.h"

namespace pf {

bool IsValidBaseName(const std::string& name) {
    return IsSafePathComponent(name) && name.find_first_of("=;") == std::string::npos &&
           name.front() != ' ' && name.back() != ' ' && name.find("  ") == std::string::npos;
}

BaseDocument::BaseDocument() : position_(0.0, 0.0) {}

BaseDocument::BaseDocument(const std::string& name, const std::string& bodyName,
                           const LatLon& position)
    : BaseDocument() {
    body_.Load(bodyName);
    origin_ = "User Created";
    configSuffix_ = bodyName + "\\Base\\";
    name_ = name;
    position_ = position;
    needsRendering_ = true;
    needsLoading_ = true;
}

BaseDocument::BaseDocument(const BaseDocument& other) : BaseDocument() { *this = other; }

BaseDocument& BaseDocument::operator=(const BaseDocument& other) {
    // Self-assignment would empty the lists it is about to copy from.
    if (this == &other) {
        return *this;
    }
    context_ = other.context_;
    configSuffix_ = other.configSuffix_;
    periodBegin_ = other.periodBegin_;
    periodEnd_ = other.periodEnd_;
    origin_ = other.origin_;
    originalPath_ = other.originalPath_;
    loaded_ = other.loaded_;
    unreadable_ = other.unreadable_;
    sourceFile_ = other.sourceFile_;
    body_.Assign(other.body_);
    name_ = other.name_;
    fileName_ = other.fileName_.empty() ? other.name_ : other.fileName_;
    position_ = other.position_;
    other.GetTiles(tiles_);
    objects_.RemoveAll();
    objects_.Copy(other.objects_);
    needsRendering_ = other.needsRendering_;
    needsLoading_ = other.needsLoading_;
    beacons_ = other.beacons_;
    return *this;
}

bool BaseDocument::SetFileNameFromName(const std::string& text) {
    fileName_ = text;
    ReplaceAllText(fileName_, " ", "_");
    return true;
}

std::string BaseDocument::GetConfigFileName() const {
    return (fileName_.empty() ? name_ : fileName_) + ".cfg";
}

std::string BaseDocument::GetConfigRelativePath() const {
    return configSuffix_ + GetConfigFileName();
}

std::string BaseDocument::BuildSaveFileName(std::string name, std::string bodyName,
                                            std::string suffix) {
    if (CStringEqualsNoCase(suffix, bodyName + "\\Base\\")) {
        return name + ".txt";
    }
    std::string fileName = suffix + name + ".txt";
    // A '/' is a separator to the file system too: the save name stays one file name.
    ReplaceAllText(fileName, "\\", "_");
    ReplaceAllText(fileName, "/", "_");
    return fileName;
}

bool BaseDocument::NamesFitFileSystem(const std::string& name, const std::string& bodyName,
                                      const std::string& suffix, const std::string& context) {
    const size_t written = fs::kMaxNameBytes - fs::kTempFileSuffixBytes;
    // The longest scenario title BuildScenarios makes, and its file's extension.
    const std::string scenario =
        name + " on Landing Pad" + (context.empty() ? std::string() : " " + context) + ".scn";
    // The configuration file's name is the name with blanks turned: as long as name.cfg.
    return name.size() <= fs::kMaxNameBytes && name.size() + 4 <= written &&
           BuildSaveFileName(name, bodyName, suffix).size() <= written &&
           scenario.size() <= written;
}

std::string BaseDocument::GetSaveFileName() const {
    return BuildSaveFileName(name_, body_.name, configSuffix_);
}

bool BaseDocument::SetName(const std::string& name) {
    name_ = name;
    return true;
}

bool BaseDocument::SetFileName(const std::string& fileName) {
    fileName_ = fileName;
    return true;
}

bool BaseDocument::AddTileSorted(const TileAttributes& tile) {
    needsRendering_ = true;
    tiles_.InsertAt(tiles_.SortedIndex(tile), tile);
    return true;
}

} // namespace pf
