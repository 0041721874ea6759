#pragma once
// What every fuzz target shares: a sandbox of its own for the whole process (HOME and the
// XDG folders inside one temporary folder, removed at exit, with the fake simulator tree
// current and nobody at the screen), and the check that stops a run when a property
// fails.
#include "support/temp_dir.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace pf {
class AstrelObject;
class BaseDocument;
class MemStream;
class ObjectArray;
} // namespace pf

namespace pf::fuzz {

class Sandbox {
  public:
    // Made on first use.
    static Sandbox& Get();

    const test::TempDir& Dir() const { return dir_; }
    // The fake simulator tree's root, internal form ending in '\'.
    const std::string& Root() const { return root_; }
    // Writes bytes to a file below the sandbox ('/' separators), making its folders.
    void Write(const std::string& relative, const uint8_t* data, size_t size) const;
    // Writes bytes to a file at an internal path inside the sandbox.
    static void WriteAt(const std::string& path, const uint8_t* data, size_t size);
    // Removes every file directly in a folder (internal form).
    static void EmptyFolder(const std::string& folder);

  private:
    Sandbox();
    test::TempDir dir_;
    std::string root_;
};

inline std::string Text(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The stream holds the bytes and stands at its beginning.
void Fill(MemStream& stream, const uint8_t* data, size_t size);
// Everything the stream holds; it is left at its beginning.
std::string Bytes(MemStream& stream);

// Stops the run with the text when the condition fails: a property of the reader broke.
void Check(bool condition, const char* what);
// The same for two texts that must be equal; both are printed when they differ.
void CheckSameText(const std::string& first, const std::string& second, const char* what);

// The top height an object works out from its written numbers is the one its written
// block, read back whole, gives.
void CheckHeightAsRead(const AstrelObject& object);
// Text the program wrote reads and writes back byte for byte: object lists written as
// blocks, read again and written again give the same blocks, and no object is lost. Every
// object's height as read is checked as above.
void CheckObjectsSettle(const ObjectArray& objects);
// The same for a whole base through its own base file; a written file must read.
void CheckBaseSettles(const BaseDocument& document);

} // namespace pf::fuzz
