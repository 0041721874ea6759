#pragma once
// Single values taken from the simulator's configuration files and the program's own
// base files without loading a whole base: the folder keys of the main configuration,
// a body's name, radius and mass, a base's "name" and an own base file's body.
#include <string>

namespace pf {

class AstrelBody;
class MyStream;

// The whole first line of the file that begins with key (case ignored) and is longer.
bool FindConfigValue(std::string& line, const std::string& key, const std::string& path);
// The folder value of key in the main configuration file: quotes and '=' skipped, '/'
// turned into '\', a trailing '\' ensured. False without a message when the key is absent.
bool ReadMainConfigDir(std::string& folder, const std::string& key, const std::string& configPath);

// Each gives the key's folder value, or its default (".\Config\", ".\Meshes\",
// ".\Textures\", ".\Textures2\", ".\Scenarios\"), as written: relative or absolute.
bool GetConfigDir(std::string& folder, const std::string& configPath);
bool GetMeshDir(std::string& folder, const std::string& configPath);
bool GetTextureDir(std::string& folder, const std::string& configPath);
bool GetHightexDir(std::string& folder, const std::string& configPath);
bool GetScenarioDir(std::string& folder, const std::string& configPath);

// Name, Size (radius) and Mass of a body file; the loaded flag is left alone.
bool ReadBodyFile(AstrelBody& body, const std::string& path);
// The "name" value of a base configuration file.
bool ReadCfgName(std::string& name, const std::string& path);
// "PFG_BODY_NAME" and "name" of an own base file.
bool ReadBodyAndName(std::string& bodyName, std::string& name, MyStream& stream);

} // namespace pf
