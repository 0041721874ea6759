#include "support/mesh_files.h"

#include "platform/fs.h"
#include "support/fake_astrel_tree.h"
#include "support/test_paths.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <cstdint>
#include <cstring>
#include <filesystem>

namespace pf::test {

std::string MshLines(const std::vector<std::string>& lines, const char* end) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += end;
    }
    return out;
}

void WriteMsh(const TempDir& root, const std::string& relative, const std::string& text) {
    root.WriteFile("Meshes/" + relative, text);
}

std::string MeshRecordBytes(double left, double right, double top, double bottom, double highest,
                            double lowest, unsigned char flag) {
    std::string out;
    for (double v : {left, right, top, bottom, highest, lowest}) {
        uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
        }
    }
    out.push_back(static_cast<char>(flag));
    return out;
}

MeshSandbox::MeshSandbox() {
    root_ = WriteFakeAstrelTree(home_.Dir(), "Sim");
    SetAstrelPath(root_);
    WriteRegistryValue("Documents Path", home_.Dir().InternalPath("Docs\\"));
    WriteRegistryValue("Install Path", fs::ToInternal(test::BinaryDir() + "/share/padforge/"));
    std::filesystem::create_directories(home_.Dir().NativePath("Docs"));
}

std::string MeshSandbox::CacheDir() const {
    return home_.Dir().InternalPath("Docs\\cache\\Meshes\\");
}

void MeshSandbox::WriteModel(const std::string& relative, const std::string& text) const {
    home_.Dir().WriteFile("Sim/Meshes/" + relative, text);
}

std::string MeshSandbox::CacheNative(const std::string& relative) const {
    return home_.Dir().NativePath("Docs/cache/Meshes/" + relative);
}

std::string MeshSandbox::ModelNative(const std::string& relative) const {
    return home_.Dir().NativePath("Sim/Meshes/" + relative);
}

void MeshSandbox::ForgetInstallation() const { WriteRegistryValue("Astrel 2010 Path", ""); }

} // namespace pf::test
