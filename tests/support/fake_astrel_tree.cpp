#include "support/fake_astrel_tree.h"

#include <filesystem>

namespace pf::test {

std::string WriteFakeAstrelTree(const TempDir& dir, const std::string& relative,
                                const std::string& astrelCfg) {
    const std::string base = relative.empty() ? std::string() : relative + "/";
    dir.WriteFile(base + "astrel.exe", "");
    dir.WriteFile(base + "Astrel.cfg", astrelCfg);
    dir.WriteFile(base + "Config/sol.cfg",
                  "Name = Sol\r\nPlanet3 = Earth\r\nEarth1 = Moon\r\nPlanet4 = Mars\r\n"
                  "Planet5 = Tiny\r\nPLANET6 = earth\r\nplanet\r\n");
    dir.WriteFile(base + "Config/Earth.cfg",
                  "Name = Earth\r\nSize = 6371010\r\nMass = 5.973698968e24\r\n"
                  "BEGIN_SURFBASE\r\n  dir Earth\\Base\r\n"
                  "  dir Earth\\Historic CONTEXT Apollo PERIOD 40000 41000\r\nEND_SURFBASE\r\n");
    dir.WriteFile(base + "Config/Moon.cfg", "Name = Moon\r\nSize = 1737400\r\nMass = 7.347e22\r\n");
    dir.WriteFile(base + "Config/Mars.cfg", "Name = Mars\r\nSize = 3389500\r\n");
    dir.WriteFile(base + "Config/Tiny.cfg", "Name = Tiny\r\nSize = 10000\r\nMass = 1e15\r\n");
    dir.WriteFile(base + "Config/Earth/Base/Pad.cfg",
                  "BASE-V2.0\r\nName = Test Pad\r\nLocation = -80.6 28.6\r\n");
    for (const char* folder :
         {"Config/Earth/Historic", "Meshes", "Textures", "Textures2", "Scenarios"})
        std::filesystem::create_directories(dir.NativePath(base + folder));
    return dir.Internal() + (relative.empty() ? std::string() : relative + "\\");
}

} // namespace pf::test
