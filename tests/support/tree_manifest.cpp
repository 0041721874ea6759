#include "support/tree_manifest.h"

#include "support/temp_dir.h"

#include <filesystem>

namespace pf::test {

TreeManifest TreeManifest::Of(const std::string& native_folder) {
    namespace stdfs = std::filesystem;
    TreeManifest manifest;
    for (const auto& entry : stdfs::recursive_directory_iterator(native_folder)) {
        if (entry.is_symlink() || !entry.is_regular_file())
            continue;
        const std::string relative = stdfs::relative(entry.path(), native_folder).generic_string();
        manifest.files[relative] = ReadNativeFile(entry.path().string());
    }
    return manifest;
}

std::string TreeManifest::DifferencesTo(const TreeManifest& later,
                                        const std::set<std::string>& ignore) const {
    std::string report;
    for (const auto& [path, bytes] : files) {
        if (ignore.count(path) != 0)
            continue;
        auto found = later.files.find(path);
        if (found == later.files.end())
            report += "removed " + path + "\n";
        else if (found->second != bytes)
            report += "changed " + path + "\n";
    }
    for (const auto& [path, bytes] : later.files) {
        if (ignore.count(path) == 0 && files.count(path) == 0)
            report += "added " + path + "\n";
    }
    return report;
}

} // namespace pf::test
