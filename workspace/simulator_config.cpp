#include "workspace/simulator_config.h"

#include "foundation/failure.h"
#include "foundation/text.h"
#include "workspace/astrel_body.h"
#include "workspace/config_reader.h"

#include <algorithm>

namespace pf {

namespace {

bool IsTrimmable(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool ReadFolderKey(std::string& folder, const char* key, const char* fallback,
                   const std::string& configPath) {
    if (!ReadMainConfigDir(folder, key, configPath))
        folder = fallback;
    return true;
}

} // namespace

bool FindConfigValue(std::string& line, const std::string& key, const std::string& path) {
    StringArray lines;
    if (!LoadLinesFromFile(lines, path))
        return false;
    for (const std::string& candidate : lines) {
        if (CStringStartsWithCString(candidate, key)) {
            line = candidate;
            return true;
        }
    }
    return false;
}

bool ReadMainConfigDir(std::string& folder, const std::string& key, const std::string& configPath) {
    std::string line;
    if (!FindConfigValue(line, key, configPath))
        return false;
    size_t pos = key.size();
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '=' || line[pos] == '"'))
        ++pos;
    if (pos >= line.size())
        return ShowFailureMessage("Error parsing .cfg file\r\n");
    std::string value = line.substr(pos);
    while (!value.empty() && IsTrimmable(value.front()))
        value.erase(value.begin());
    while (!value.empty() && IsTrimmable(value.back()))
        value.pop_back();
    while (!value.empty() && value.back() == '"')
        value.pop_back();
    while (!value.empty() && IsTrimmable(value.back()))
        value.pop_back();
    if (value.empty())
        return ShowFailureMessage("Error parsing .cfg file\r\n");
    // Separators first, so that "a/b/" does not end in a doubled backslash.
    std::replace(value.begin(), value.end(), '/', '\\');
    if (value.back() != '\\')
        value += '\\';
    folder = value;
    return true;
}

bool GetConfigDir(std::string& folder, const std::string& configPath) {
    return ReadFolderKey(folder, "ConfigDir", ".\\Config\\", configPath);
}

bool GetMeshDir(std::string& folder, const std::string& configPath) {
    return ReadFolderKey(folder, "MeshDir", ".\\Meshes\\", configPath);
}

bool GetTextureDir(std::string& folder, const std::string& configPath) {
    return ReadFolderKey(folder, "TextureDir", ".\\Textures\\", configPath);
}

bool GetHightexDir(std::string& folder, const std::string& configPath) {
    return ReadFolderKey(folder, "HightexDir", ".\\Textures2\\", configPath);
}

bool GetScenarioDir(std::string& folder, const std::string& configPath) {
    return ReadFolderKey(folder, "ScenarioDir", ".\\Scenarios\\", configPath);
}

bool ReadBodyFile(AstrelBody& body, const std::string& path) {
    StringArray lines;
    if (!LoadLinesFromFile(lines, path))
        return false;
    bool haveName = false;
    bool haveMass = false;
    bool haveSize = false;
    StringArray tokens;
    for (const std::string& line : lines) {
        // Each key once, from its first line; the tests run Name, Mass, Size on a line.
        for (int key = 0; key < 3; ++key) {
            static const char* const kKeys[] = {"Name", "Mass", "Size"};
            bool* have = key == 0 ? &haveName : key == 1 ? &haveMass : &haveSize;
            const std::string keyText = kKeys[key];
            if (*have || !CStringStartsWithCString(line, keyText))
                continue;
            SplitBySpace(tokens, line);
            if (tokens.size() < 2)
                return ShowFailureMessage("Error parsing body file\r\n");
            *have = true;
            if (key == 0) {
                body.name = tokens[1];
            } else {
                double value = 0.0;
                if (ParseDoubleCString(tokens[1], value))
                    (key == 1 ? body.mass : body.radius) = value;
            }
        }
        if (haveName && haveMass && haveSize)
            return true;
    }
    return false;
}

bool ReadCfgName(std::string& name, const std::string& path) {
    StringArray lines;
    if (!LoadLinesFromFile(lines, path))
        return ShowFailureMessage("Couldn't parse .cfg file");
    return FindNameLine(name, lines);
}

bool ReadBodyAndName(std::string& bodyName, std::string& name, MyStream& stream) {
    StringArray lines;
    if (!LoadLinesFromStream(lines, stream))
        return ShowFailureMessage("Couldn't parse file");
    if (!FindKeyedLine(bodyName, "PFG_BODY_NAME ", lines))
        return ShowFailureMessage("Couldn't find body name");
    return FindKeyedLine(name, "name ", lines);
}

} // namespace pf
