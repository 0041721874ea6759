#include "workspace/file_manager.h"

#include "foundation/failure.h"
#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "platform/fs.h"
#include "workspace/astrel_body.h"
#include "workspace/config_reader.h"
#include "workspace/folders.h"
#include "workspace/settings.h"
#include "workspace/simulator_config.h"
#include "workspace/simulator_tree.h"

#include <cstdint>

namespace pf {

namespace {

bool ReadInt32(MyStream& stream, int32_t& value) {
    unsigned char bytes[4];
    if (!stream.Read(bytes, 4))
        return false;
    value = static_cast<int32_t>(
        static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
        (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24));
    return true;
}

bool WriteInt32(MyStream& stream, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    return stream.Write(bytes, 4);
}

// Every element of a list takes at least 4 bytes, so a count beyond the bytes left is
// damage: refusing it at once keeps a huge count from looping through the whole range.
bool ReadCount(MyStream& stream, int32_t& count) {
    if (!ReadInt32(stream, count))
        return false;
    if (count <= 0) {
        count = 0;
        return true;
    }
    const uint64_t length = stream.GetLength();
    const uint64_t position = stream.GetPosition();
    const uint64_t left = length > position ? length - position : 0;
    return static_cast<uint64_t>(count) <= left / 4;
}

bool ReadStrings(MyStream& stream, int32_t count, StringArray& out) {
    for (int32_t i = 0; i < count; ++i) {
        std::string text;
        if (!ReadString(text, stream))
            return false;
        out.push_back(text);
    }
    return true;
}

using KeyReader = bool (*)(std::string&, const std::string&);

bool GetFolder(const Astrel2010& installation, KeyReader reader, std::string& out) {
    out.clear();
    std::string value;
    reader(value, installation.GetMainConfigPath());
    if (!ResolveDirectory(out, installation.root, value)) {
        out.clear();
        return ShowFailureMessage("Unable to find path\r\n");
    }
    return true;
}

} // namespace

// ---- LegacyBaseFileList -------------------------------------------------------------

bool LegacyBaseFileList::Read(MyStream& stream) {
    files.clear();
    if (!ReadString(version, stream))
        return false;
    bool nameFromFiles = false;
    std::string reserved;
    if (version == "1.1.3") {
        if (!ReadString(name, stream))
            return false;
        if (name.empty())
            nameFromFiles = true;
        if (!ReadString(reserved, stream))
            return false;
    } else if (version == "1.0.8") {
        version = "1.1.3";
        if (!ReadString(reserved, stream))
            return false;
        nameFromFiles = true;
    } else {
        // The oldest form holds no tag: its first string is the base's file stem.
        name = "Config\\Earth\\Base\\" + version + ".cfg";
        files.push_back(name);
        version.clear();
    }
    int32_t count = 0;
    if (!ReadCount(stream, count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        std::string file;
        if (!ReadString(file, stream))
            return false;
        if (nameFromFiles && CStringEndsWithNoCase(file, ".cfg")) {
            name = file;
            nameFromFiles = false;
        }
        if (version == "1.1.3")
            files.push_back(file);
        else
            files.push_back("Textures\\" + file);
    }
    version = "1.1.3";
    return true;
}

// ---- BaseFileList -------------------------------------------------------------------

BaseFileList::BaseFileList(const std::string& root, MyStream& stream) {
    readOk = Read(root, stream);
}

BaseFileList::BaseFileList(const BaseFileList& other) : name(other.name), files(other.files) {}

BaseFileList& BaseFileList::operator=(const BaseFileList& other) {
    if (this != &other) {
        name = other.name;
        files = other.files;
    }
    version = kBaseFileListVersion;
    return *this;
}

bool BaseFileList::Read(const std::string& root, MyStream& stream) {
    files.clear();
    const uint64_t start = stream.GetPosition();
    std::string tag;
    if (!ReadString(tag, stream))
        return false;
    if (tag != kBaseFileListVersion) {
        stream.Seek(static_cast<int64_t>(start), SeekOrigin::Begin);
        LegacyBaseFileList legacy;
        if (!legacy.Read(stream))
            return false;
        return ConvertFromLegacy(root, legacy);
    }
    if (!ReadString(name, stream) || name.empty())
        return false;
    std::string reserved;
    if (!ReadString(reserved, stream))
        return false;
    int32_t count = 0;
    if (!ReadCount(stream, count) || !ReadStrings(stream, count, files))
        return false;
    version = kBaseFileListVersion;
    return true;
}

bool BaseFileList::ConvertFromLegacy(const std::string& root, const LegacyBaseFileList& legacy) {
    if (!CStringStartsWith(legacy.name, "config\\")) {
        name.clear();
        return false;
    }
    name = legacy.name.substr(7);
    files.clear();
    for (const std::string& file : legacy.files)
        files.push_back(root + file);
    version = kBaseFileListVersion;
    return true;
}

bool BaseFileList::Write(MyStream& stream) const {
    if (!WriteString(version, stream) || !WriteString(name, stream) ||
        !WriteString(std::string(), stream) ||
        !WriteInt32(stream, static_cast<int32_t>(files.size())))
        return false;
    for (const std::string& file : files) {
        if (!WriteString(file, stream))
            return false;
    }
    return true;
}

// ---- Astrel2010 ---------------------------------------------------------------------

bool Astrel2010::Read(MyStream& stream) {
    bases.clear();
    if (!ReadString(root, stream))
        return false;
    int32_t count = 0;
    if (!ReadCount(stream, count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        BaseFileList base(root, stream);
        if (!base.readOk)
            return false;
        AddBase(base);
    }
    return true;
}

bool Astrel2010::Write(MyStream& stream) const {
    if (!WriteString(root, stream) || !WriteInt32(stream, static_cast<int32_t>(bases.size())))
        return false;
    for (const BaseFileList& base : bases) {
        if (!base.Write(stream))
            return false;
    }
    return true;
}

bool Astrel2010::GetBaseFiles(BaseFileList& out, const std::string& name) const {
    out.files.clear();
    for (const BaseFileList& base : bases) {
        if (CStringEqualsNoCase(base.name, name)) {
            out = base;
            return true;
        }
    }
    return false;
}

void Astrel2010::AddBase(const BaseFileList& base) { bases.push_back(base); }

bool Astrel2010::AddFile(const std::string& path, const std::string& name) {
    for (BaseFileList& base : bases) {
        if (CStringEqualsNoCase(base.name, name)) {
            base.files.push_back(path);
            return true;
        }
    }
    BaseFileList base;
    base.name = name;
    base.files.push_back(path);
    bases.push_back(base);
    return true;
}

// ---- Astrel2010: the folder tree ----------------------------------------------------

std::string Astrel2010::GetMainConfigPath() const { return root + "Astrel.cfg"; }

bool Astrel2010::GetConfigDir(std::string& out) const {
    return GetFolder(*this, &pf::GetConfigDir, out);
}

bool Astrel2010::GetMeshesDir(std::string& out) const {
    return GetFolder(*this, &pf::GetMeshDir, out);
}

bool Astrel2010::GetTexturesDir(std::string& out) const {
    return GetFolder(*this, &pf::GetTextureDir, out);
}

bool Astrel2010::GetTextures2Dir(std::string& out) const {
    return GetFolder(*this, &pf::GetHightexDir, out);
}

bool Astrel2010::GetScenariosDir(std::string& out) const {
    return GetFolder(*this, &pf::GetScenarioDir, out);
}

bool Astrel2010::GetBaseDirectories(std::vector<BodyBaseDirectory>& out,
                                    const std::string& body) const {
    std::string configFolder;
    if (!GetConfigDir(configFolder))
        return ShowFailureMessage("Unable to find astrel config directory path\r\n");
    StringArray values;
    if (!IsSafePathComponent(body))
        return false;
    if (!ReadSurfBaseDirs(configFolder + body + ".cfg", values, body))
        return false;
    for (const std::string& value : values) {
        BodyBaseDirectory entry;
        SplitBaseDirectory(value, entry);
        // A directory that would lead out of the configuration folder is not offered.
        if (IsSafeRelativePath(entry.directory))
            out.push_back(entry);
    }
    return true;
}

bool Astrel2010::ListBaseFiles(const std::string& body) const {
    std::vector<BodyBaseDirectory> directories;
    if (!GetBaseDirectories(directories, body))
        return false;
    for (const BodyBaseDirectory& entry : directories) {
        std::string configFolder;
        GetConfigDir(configFolder);
        StringArray names;
        if (ListFolderFiles(configFolder, entry.directory, "*.cfg", names) && !names.empty())
            return true;
    }
    return false;
}

bool Astrel2010::GetBodyList(StringArray& out) const {
    out.clear();
    std::string configFolder;
    StringArray names;
    if (!GetConfigDir(configFolder) || !ReadBodyNames(configFolder + "sol.cfg", names)) {
        out.clear();
        out.push_back("Earth");
        return false;
    }
    for (const std::string& name : names) {
        AstrelBody body;
        body.Load(name);
        if (!body.loaded)
            continue;
        if (body.radius > 50000.0 || GetDetectSmallBodies())
            out.push_back(name);
    }
    if (out.empty())
        out.push_back("Earth");
    return true;
}

// ---- FileManager --------------------------------------------------------------------

FileManager& FileManager::Instance() {
    static FileManager instance;
    return instance;
}

void FileManager::Clear() {
    installations_.clear();
    keepOldFile_ = false;
}

void FileManager::Load() {
    Clear();
    std::string folder;
    if (!GetAppDataPath(folder))
        return;
    const std::string path = folder + kFileManagerFileName;
    SysFileStream file;
    if (!file.Open(path, kOpenRead)) {
        keepOldFile_ = fs::Exists(path);
        return;
    }
    if (!Read(file))
        keepOldFile_ = true;
    file.Close();
}

bool FileManager::Save() {
    std::string folder;
    if (!GetAppDataPath(folder))
        return false;
    MemStream memory;
    if (!Write(memory))
        return false;
    const uint64_t length = memory.GetLength();
    std::string bytes(static_cast<size_t>(length), '\0');
    memory.SeekToBegin();
    if (length > 0 && !memory.Read(bytes.data(), static_cast<uint32_t>(length)))
        return false;

    const std::string path = folder + kFileManagerFileName;
    fs::TempFileWriter writer;
    if (!writer.Open(path))
        return false;
    if (!writer.Write(bytes.data(), bytes.size())) {
        writer.Discard();
        return false;
    }
    if (keepOldFile_ && fs::Exists(path)) {
        // Entries the last load could not read are kept beside the new file.
        if (!fs::Rename(path, path + ".bak")) {
            writer.Discard();
            return false;
        }
    }
    if (!writer.Commit())
        return false;
    keepOldFile_ = false;
    return true;
}

bool FileManager::Read(MyStream& stream) {
    int32_t count = 0;
    if (!ReadCount(stream, count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        Astrel2010 installation;
        if (!installation.Read(stream))
            return false;
        AddInstallation(installation);
    }
    return true;
}

bool FileManager::Write(MyStream& stream) const {
    if (!WriteInt32(stream, static_cast<int32_t>(installations_.size())))
        return false;
    for (const Astrel2010& installation : installations_) {
        if (!installation.Write(stream))
            return false;
    }
    return true;
}

Astrel2010* FileManager::FindInstallation(const std::string& root) {
    for (Astrel2010& installation : installations_) {
        if (CStringEqualsNoCase(installation.root, root))
            return &installation;
    }
    return nullptr;
}

bool FileManager::FindOrCreateInstallation(const std::string& root, Astrel2010*& out) {
    out = FindInstallation(root);
    if (out == nullptr) {
        Astrel2010 installation;
        installation.root = root;
        installations_.push_back(installation);
        out = &installations_.back();
    }
    return true;
}

bool FileManager::GetCurrentInstallation(Astrel2010*& out) {
    out = nullptr;
    std::string root;
    if (!EnsureAstrelPath(root))
        return false;
    out = FindInstallation(root);
    if (out == nullptr) {
        unrecorded_ = Astrel2010();
        unrecorded_.root = root;
        out = &unrecorded_;
    }
    return true;
}

bool FileManager::IsBaseInstalledAt(const std::string& root, const std::string& name) {
    const Astrel2010* installation = FindInstallation(root);
    if (installation == nullptr)
        return false;
    for (const BaseFileList& base : installation->bases) {
        if (CStringEqualsNoCase(base.name, name))
            return true;
    }
    return false;
}

bool FileManager::IsBaseInstalled(const std::string& name) {
    std::string root;
    if (!FindAstrelPath(root))
        return false;
    return IsBaseInstalledAt(root, name);
}

bool FileManager::GetInstallations(std::vector<Astrel2010>& out) const {
    out.clear();
    for (const Astrel2010& installation : installations_)
        out.push_back(installation);
    return true;
}

void FileManager::AddInstallation(const Astrel2010& installation) {
    installations_.push_back(installation);
}

// ---- FileManager: the current installation's tree -----------------------------------

namespace {

template <typename Operation> bool WithCurrentInstallation(Operation operation) {
    Astrel2010* installation = nullptr;
    if (!FileManager::Instance().GetCurrentInstallation(installation) || installation == nullptr)
        return false;
    return operation(*installation);
}

} // namespace

bool FileManager::GetConfigDir(std::string& out) {
    return WithCurrentInstallation([&](Astrel2010& a) { return a.GetConfigDir(out); });
}

bool FileManager::GetMeshesDir(std::string& out) {
    return WithCurrentInstallation([&](Astrel2010& a) { return a.GetMeshesDir(out); });
}

bool FileManager::GetTexturesDir(std::string& out) {
    return WithCurrentInstallation([&](Astrel2010& a) { return a.GetTexturesDir(out); });
}

bool FileManager::GetTextures2Dir(std::string& out) {
    return WithCurrentInstallation([&](Astrel2010& a) { return a.GetTextures2Dir(out); });
}

bool FileManager::GetScenariosDir(std::string& out) {
    return WithCurrentInstallation([&](Astrel2010& a) { return a.GetScenariosDir(out); });
}

bool FileManager::GetBaseDirectories(std::vector<BodyBaseDirectory>& out, const std::string& body) {
    return WithCurrentInstallation([&](Astrel2010& a) { return a.GetBaseDirectories(out, body); });
}

bool FileManager::ListBaseFiles(const std::string& body) {
    return WithCurrentInstallation([&](Astrel2010& a) { return a.ListBaseFiles(body); });
}

bool FileManager::GetBodyList(StringArray& out) {
    out.clear();
    return WithCurrentInstallation([&](Astrel2010& a) { return a.GetBodyList(out); });
}

// ---- FileManagerSession -------------------------------------------------------------

FileManagerSession::FileManagerSession() { FileManager::Instance().Load(); }

FileManagerSession::~FileManagerSession() { FileManager::Instance().Save(); }

} // namespace pf
