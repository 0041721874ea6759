#pragma once
// A fresh temporary folder, removed with everything in it when the object ends.
#include <string>
#include <vector>

namespace pf::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder in native form, without a trailing '/'.
    const std::string& Native() const { return native_; }
    // The folder in the program's internal form, ending in '\'.
    std::string Internal() const;
    // native folder + "/" + relative (relative uses '/').
    std::string NativePath(const std::string& relative) const;
    // internal folder + relative (relative uses '\').
    std::string InternalPath(const std::string& relative) const;

    // Writes bytes to a file below the folder, creating its folders.
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    // Reads a whole file below the folder; empty when it cannot be read.
    std::string ReadFile(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

  private:
    std::string native_;
};

// The entry names of a native folder, without "." and "..", in directory order;
// empty when the folder cannot be read.
std::vector<std::string> NativeNames(const std::string& folder);

// Whole-file helpers on native paths.
void WriteNativeFile(const std::string& path, const std::string& bytes);
std::string ReadNativeFile(const std::string& path);

// Makes a folder current for the life of the object.
class ScopedCurrentDir {
  public:
    explicit ScopedCurrentDir(const std::string& native_folder);
    ~ScopedCurrentDir();

  private:
    std::string previous_;
};

} // namespace pf::test
