#pragma once
// Small ".msh" models of our own, written as text into a temporary simulator tree, and
// byte-exact extent records for the mesh cache.
#include "support/sandbox_home.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace pf::test {

// One group of three vertices (1 2 3), (-1 0 5), (0 4 -2) and one triangle: extents z
// -2..5, x -1..1, y 0..4.
inline constexpr const char* kMshOneGroup =
    "MSHX1\r\nGROUPS 1\r\nMATERIAL 0\r\nGEOM 3 1\r\n1 2 3\r\n-1 0 5\r\n0 4 -2\r\n0 1 2\r\n";
// z 0..10, x 0..4, y -2..3: the placement examples.
inline constexpr const char* kMshBox =
    "MSHX1\r\nGROUPS 1\r\nGEOM 4 2\r\n0 -2 0\r\n4 3 0\r\n0 0 10\r\n4 0 10\r\n0 1 2\r\n1 2 3\r\n";
// (0 0 0), (4 0 0), (0 0 10) with the triangle 0 1 2: the top-view example.
inline constexpr const char* kMshTriangle = "GEOM 3 1\r\n0 0 0\r\n4 0 0\r\n0 0 10\r\n0 1 2\r\n";

// Lines joined with "\r\n" (or "\n"), each ended.
std::string MshLines(const std::vector<std::string>& lines, const char* end = "\r\n");

// Writes bytes as "<root>/Meshes/<relative>" (relative uses '/', folders made).
void WriteMsh(const TempDir& root, const std::string& relative, const std::string& text);

// The 49-byte record of six doubles (left, right, top, bottom, highest, lowest) and the
// flag, in little-endian order.
std::string MeshRecordBytes(double left, double right, double top, double bottom, double highest,
                            double lowest, unsigned char flag);

// A sandboxed home holding a simulator tree "Sim/" (its folder stored as the simulator
// folder), the documents folder "Docs/" (so the mesh cache is "Docs/cache/Meshes/") and
// the built install folder.
class MeshSandbox {
  public:
    MeshSandbox();

    const TempDir& Dir() const { return home_.Dir(); }
    // Internal paths.
    std::string Root() const { return root_; }
    std::string MeshesDir() const { return root_ + "Meshes\\"; }
    std::string CacheDir() const;
    // Writes "Sim/Meshes/<relative>".
    void WriteModel(const std::string& relative, const std::string& text) const;
    // Native path of a file in the mesh cache ("Docs/cache/Meshes/<relative>").
    std::string CacheNative(const std::string& relative) const;
    std::string ModelNative(const std::string& relative) const;
    // Forgets the simulator folder, so that no installation is current.
    void ForgetInstallation() const;

  private:
    SandboxHome home_;
    std::string root_;
};

} // namespace pf::test
