#include "workspace/simulator_config.h"

#include "foundation/stream.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "workspace/astrel_body.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pf {
namespace {

using Getter = bool (*)(std::string&, const std::string&);

struct FolderCase {
    const char* file; // main configuration text
    Getter getter;
    const char* expected;
    bool message; // "Error parsing .cfg file\r\n" shown
};

TEST(MainConfigFolders, GettersTable) {
    const FolderCase cases[] = {
        {"ConfigDir = .\\Config\\", &GetConfigDir, ".\\Config\\", false},
        {"ConfigDir=Cfg", &GetConfigDir, "Cfg\\", false},
        {"configdir \"D:\\Astrel 2010\\Config\" ", &GetConfigDir, "D:\\Astrel 2010\\Config\\",
         false},
        {"ConfigDirectory x", &GetConfigDir, "ectory x\\", false},
        {"TextureDir = Textures/hi", &GetTextureDir, "Textures\\hi\\", false},
        {"TextureDir = Textures/hi/", &GetTextureDir, "Textures\\hi\\", false},
        {"TextureDir\t\"/opt/sim/tex\"", &GetTextureDir, "\\opt\\sim\\tex\\", false},
        {"MeshDir", &GetMeshDir, ".\\Meshes\\", false},
        {"MeshDir =", &GetMeshDir, ".\\Meshes\\", false},
        {"MeshDir = \"\"", &GetMeshDir, ".\\Meshes\\", true},
        {"ScenarioDir \"\"", &GetScenarioDir, ".\\Scenarios\\", true},
        {"ScenarioDir = My Scenarios ; comment", &GetScenarioDir, "My Scenarios\\", false},
        {"HightexDir = ..\\Shared\\Tex2", &GetHightexDir, "..\\Shared\\Tex2\\", false},
        {"OtherKey = x", &GetHightexDir, ".\\Textures2\\", false},
        {"ScenarioDir = A\r\nScenarioDir = B", &GetScenarioDir, "A\\", false},
    };
    test::TempDir dir;
    for (const FolderCase& c : cases) {
        test::ScriptedUi ui;
        dir.WriteFile("Astrel.cfg", c.file);
        std::string folder = "stale";
        EXPECT_TRUE(c.getter(folder, dir.InternalPath("Astrel.cfg"))) << c.file;
        EXPECT_EQ(folder, c.expected) << c.file;
        const std::vector<std::string> expected =
            c.message ? std::vector<std::string>{"Error parsing .cfg file\r\n"}
                      : std::vector<std::string>{};
        EXPECT_EQ(ui.Failures(), expected) << c.file;
    }
}

TEST(MainConfigFolders, UnreadableFileGivesDefaultsSilently) {
    test::ScriptedUi ui;
    test::TempDir dir;
    const std::string path = dir.InternalPath("missing.cfg");
    std::string a, b, c, d, e;
    EXPECT_TRUE(GetConfigDir(a, path));
    EXPECT_TRUE(GetMeshDir(b, path));
    EXPECT_TRUE(GetTextureDir(c, path));
    EXPECT_TRUE(GetHightexDir(d, path));
    EXPECT_TRUE(GetScenarioDir(e, path));
    EXPECT_EQ(std::vector<std::string>({a, b, c, d, e}),
              std::vector<std::string>({".\\Config\\", ".\\Meshes\\", ".\\Textures\\",
                                        ".\\Textures2\\", ".\\Scenarios\\"}));
    EXPECT_TRUE(ui.Failures().empty());
    std::string line = "stale";
    EXPECT_FALSE(FindConfigValue(line, "ConfigDir", path));
    EXPECT_EQ(line, "stale");
}

TEST(BodyFiles, ReadBodyFileCases) {
    test::TempDir dir;
    struct Case {
        const char* text;
        bool result;
        const char* name;
        double radius;
        double mass;
        bool message;
    };
    const Case cases[] = {
        {"Name = Moon\r\nSize = 1.738e6\r\nMass = 7.347e22\r\n", true, "Moon", 1.738e6, 7.347e22,
         false},
        {"Name = Moon\r\nSize = 1.738e6\r\n", false, "Moon", 1.738e6, 1.0, false},
        {"Name = Moon\r\nMass = heavy\r\nSize 5\r\n", true, "Moon", 5.0, 1.0, false},
        {"Name = Sun Spot\r\nMass 2\r\nSize 3\r\nName Other", true, "Sun", 3.0, 2.0, false},
        {"NAME\tMars\r\nSIZE=4\r\nmass=6\r\n", true, "Mars", 4.0, 6.0, false},
        {"Size 1\r\nMassive\r\n", false, "old", 1.0, 1.0, true},
        {"Mass 7\r\nMass 8\r\nSize 9\r\nName N", true, "N", 9.0, 7.0, false},
    };
    for (const Case& c : cases) {
        test::ScriptedUi ui;
        dir.WriteFile("body.cfg", c.text);
        AstrelBody body("old", 1.0, 1.0);
        EXPECT_EQ(ReadBodyFile(body, dir.InternalPath("body.cfg")), c.result) << c.text;
        EXPECT_EQ(body.name, c.name) << c.text;
        EXPECT_DOUBLE_EQ(body.radius, c.radius) << c.text;
        EXPECT_DOUBLE_EQ(body.mass, c.mass) << c.text;
        EXPECT_FALSE(body.loaded);
        EXPECT_EQ(ui.Failures().size(), c.message ? 1u : 0u) << c.text;
        if (c.message) {
            EXPECT_EQ(ui.Failures()[0], "Error parsing body file\r\n");
        }
    }
    test::ScriptedUi ui;
    AstrelBody body;
    EXPECT_FALSE(ReadBodyFile(body, dir.InternalPath("none.cfg")));
    EXPECT_TRUE(ui.Failures().empty());
}

TEST(BaseFileNames, ReadCfgName) {
    test::ScriptedUi ui;
    test::TempDir dir;
    dir.WriteFile("pad.cfg", "BASE-V2.0\r\nNAME = Cape Pad\r\n");
    std::string name;
    EXPECT_TRUE(ReadCfgName(name, dir.InternalPath("pad.cfg")));
    EXPECT_EQ(name, "Cape Pad");
    dir.WriteFile("noname.cfg", "BASE-V2.0\r\n");
    EXPECT_FALSE(ReadCfgName(name, dir.InternalPath("noname.cfg")));
    EXPECT_TRUE(ui.Failures().empty());
    EXPECT_FALSE(ReadCfgName(name, dir.InternalPath("missing.cfg")));
    EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Couldn't parse .cfg file"});
}

TEST(BaseFileNames, ReadBodyAndName) {
    auto stream = [](const std::string& text) {
        auto memory = std::make_unique<MemStream>();
        memory->Write(text.data(), static_cast<uint32_t>(text.size()));
        return memory;
    };
    {
        test::ScriptedUi ui;
        std::string body, name;
        EXPECT_TRUE(ReadBodyAndName(body, name, *stream("PFG_BODY_NAME Moon\r\nname Crater\r\n")));
        EXPECT_EQ(body, "Moon");
        EXPECT_EQ(name, "Crater");
        // An empty body value still counts as present.
        EXPECT_TRUE(ReadBodyAndName(body, name, *stream("PFG_BODY_NAME\r\nName x\r\n")));
        EXPECT_EQ(body, "");
        EXPECT_FALSE(ReadBodyAndName(body, name, *stream("PFG_BODY_NAME Moon\r\n")));
        EXPECT_TRUE(ui.Failures().empty());
    }
    {
        test::ScriptedUi ui;
        std::string body, name;
        EXPECT_FALSE(ReadBodyAndName(body, name, *stream("name Crater\r\n")));
        EXPECT_EQ(ui.Failures(), std::vector<std::string>{"Couldn't find body name"});
    }
    {
        test::ScriptedUi ui;
        std::string body, name;
        auto big = stream(std::string(1000001, 'a'));
        EXPECT_FALSE(ReadBodyAndName(body, name, *big));
        EXPECT_EQ(ui.Failures(),
                  (std::vector<std::string>{"MEM is too big\r\n", "Couldn't parse file"}));
    }
}

} // namespace
} // namespace pf
