#pragma once
// Every file below a folder with its bytes, so that a test can say exactly which files an
// operation added, removed or changed.
#include <map>
#include <set>
#include <string>

namespace pf::test {

class TreeManifest {
  public:
    // The regular files below a native folder (links are neither followed nor listed),
    // keyed by their path relative to it, with '/'.
    static TreeManifest Of(const std::string& native_folder);

    // "added X", "removed X" and "changed X" lines from this to later, skipping the
    // relative paths in ignore; empty when the trees hold the same files.
    std::string DifferencesTo(const TreeManifest& later,
                              const std::set<std::string>& ignore = {}) const;

    std::map<std::string, std::string> files;
};

} // namespace pf::test
