#include "workspace/simulator_tree.h"

#include "foundation/failure.h"
#include "foundation/name_safety.h"
#include "foundation/text.h"
#include "workspace/astrel_body.h"
#include "workspace/file_utils.h"
#include "workspace/settings.h"
#include "workspace/simulator_config.h"

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

} // namespace pf
