#pragma once
// Writes a small simulator tree of our own into a temporary folder: "astrel.exe",
// "Astrel.cfg", a planet list, body files with base directories, one base configuration
// and the empty working folders. Used wherever a test needs a simulator installation.
#include "support/temp_dir.h"

#include <string>

namespace pf::test {

// Main configuration variants.
inline constexpr const char* kAstrelCfgDefault =
    "; Main configuration\r\nConfigDir = .\\Config\\\r\nMeshDir = .\\Meshes\\\r\n"
    "TextureDir = .\\Textures\\\r\nHightexDir = .\\Textures2\\\r\nScenarioDir = .\\Scenarios\\\r\n";
inline constexpr const char* kAstrelCfgNoKeys = "; nothing here\r\nWindowWidth = 800\r\n";
inline constexpr const char* kAstrelCfgQuotedSlashes =
    "ConfigDir = \"Config/\"\r\nTextureDir = \"./Textures\"\r\nMeshDir=Meshes/hi\r\n";

// Writes the tree below dir's `relative` folder and returns its root in internal form,
// ending in '\'. The main configuration text is given; the rest is fixed:
// sol.cfg names Earth, Moon (a moon of Earth), Mars (no Mass line: does not load), Tiny
// (radius 10000), "earth" again in other case and a bare "planet" line.
std::string WriteFakeAstrelTree(const TempDir& dir, const std::string& relative = "Sim",
                                const std::string& astrelCfg = kAstrelCfgDefault);

} // namespace pf::test
