#include "support/tree_manifest.h"

#include "support/temp_dir.h"

#include <filesystem>

namespace pf::test {

TreeManifest TreeManifest::Of(const std::string& native_folder, bool with_folders) {
    namespace stdfs = std::filesystem;
    TreeManifest manifest;
    for (const auto& entry : stdfs::recursive_directory_iterator(native_folder)) {
        const std::string relative = stdfs::relative(entry.path(), native_folder).generic_string();
        if (entry.is_symlink())
            continue;
        if (entry.is_directory() && with_folders)
            manifest.folders.insert(relative + "/");
        if (!entry.is_regular_file())
            continue;
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
    for (const std::string& folder : folders) {
        if (ignore.count(folder) == 0 && later.folders.count(folder) == 0)
            report += "removed " + folder + "\n";
    }
    for (const std::string& folder : later.folders) {
        if (ignore.count(folder) == 0 && folders.count(folder) == 0)
            report += "added " + folder + "\n";
    }
    return report;
}

} // namespace pf::test
