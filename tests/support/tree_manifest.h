#pragma once
// Every file below a folder with its bytes (and, when asked, every folder), so that a test
// can say exactly which files and folders an operation added, removed or changed.
#include <map>
#include <set>
#include <string>

namespace pf::test {

class TreeManifest {
  public:
    // The regular files below a native folder (links are neither followed nor listed),
    // keyed by their path relative to it, with '/'; with_folders also lists the folders
    // below it, each ending in '/'.
    static TreeManifest Of(const std::string& native_folder, bool with_folders = false);

    // "added X", "removed X" and "changed X" lines from this to later, skipping the
    // relative paths in ignore; empty when the trees hold the same files (and folders,
    // when both were listed with them).
    std::string DifferencesTo(const TreeManifest& later,
                              const std::set<std::string>& ignore = {}) const;

    std::map<std::string, std::string> files;
    std::set<std::string> folders;
};

} // namespace pf::test
