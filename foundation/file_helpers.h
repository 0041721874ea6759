#pragma once
// The guarded file delete and the file copy with its own failure message.
#include <string>

namespace pf {

// Deletes a file only when it exists, is a regular file (a link is removed itself, never
// followed), its path has at least 10 characters and ends in ".png", ".dds", ".jpg",
// ".bmp", ".cfg", ".dat", ".txt" or ".scn" in any case. True only when it was deleted;
// never shows a message.
bool SafeDeleteFile(const std::string& path);
// Deletes a symbolic link itself, whatever it leads to (nothing, a folder), under the same
// length and extension guard; false for anything that is not a link.
bool SafeDeleteLink(const std::string& path);

// Result codes of CopyFileStream.
constexpr int kCopyNewFile = 0;       // the destination did not exist
constexpr int kCopyReplaced = 1;      // the destination existed (or is the source)
constexpr int kCopyCannotCreate = 2;  // the destination cannot be created (message shown)
constexpr int kCopySourceMissing = 3; // the source does not open (no message)

// Copies src over dst through a temporary file and a rename, so a failed copy leaves the
// old destination whole. Copying a file onto itself changes nothing and is true.
bool CopyFileStream(const std::string& dst, const std::string& src, int& result);

} // namespace pf
