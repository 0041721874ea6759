// Putting a base's files into a simulator installation and taking them out again.
#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/name_safety.h"
#include "foundation/text.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"
#include "workspace/kept_files.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace pf {

namespace {

std::string FoldedAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The recorded path lies below folder, which must itself be an absolute path of safe
// components: a record edited to name "\" as a folder opens nothing.
bool LiesInFolder(const std::string& path, std::string folder) {
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    if (!IsSafeAbsolutePath(folder))
        return false;
    return CStringStartsWithCString(path, folder);
}

// Where an uninstall may delete: the installation's root, else one of its folders (the
// configuration folder may lie outside the root). The folders are read from
// "Astrel.cfg" only when a path outside the root needs them, then once.
class InstalledFolders {
  public:
    explicit InstalledFolders(const Astrel2010& installation) : installation_(installation) {}

    // A recorded path is trusted only when it is absolute, has no "..", "." or empty
    // part and lies inside the installation: an edited or foreign record must not turn
    // an uninstall into a delete anywhere.
    bool MayDelete(const std::string& path) {
        if (!IsSafeAbsolutePath(path))
            return false;
        if (LiesInFolder(path, installation_.root))
            return true;
        if (!folders_) {
            folders_.emplace();
            for (auto getter :
                 {&Astrel2010::GetConfigDir, &Astrel2010::GetMeshesDir, &Astrel2010::GetTexturesDir,
                  &Astrel2010::GetTextures2Dir, &Astrel2010::GetScenariosDir}) {
                std::string folder;
                if ((installation_.*getter)(folder))
                    folders_->push_back(folder);
            }
        }
        return std::any_of(folders_->begin(), folders_->end(),
                           [&](const std::string& folder) { return LiesInFolder(path, folder); });
    }

  private:
    const Astrel2010& installation_;
    std::optional<std::vector<std::string>> folders_;
};

std::vector<BaseFileList>::iterator FindBase(std::vector<BaseFileList>& bases,
                                             const std::string& name) {
    return std::find_if(bases.begin(), bases.end(), [&](const BaseFileList& base) {
        return CStringEqualsNoCase(base.name, name);
    });
}

// Runs the operation on the base in root's existing installation (none is made) and
// saves the record whether the base was found or not; false, unsaved, for an unknown root.
bool ChangeInstalledBase(FileManager& manager, const std::string& root, const std::string& name,
                         bool (Astrel2010::*operation)(std::string)) {
    for (Astrel2010& installation : manager.Installations()) {
        if (CStringEqualsNoCase(installation.root, root)) {
            const bool result = (installation.*operation)(name);
            manager.Save();
            return result;
        }
    }
    return false;
}

bool RecordsPath(const FileManager& manager, const std::string& root, const std::string& path) {
    for (const Astrel2010& installation : manager.Installations()) {
        if (!CStringEqualsNoCase(installation.root, root))
            continue;
        for (const BaseFileList& base : installation.bases) {
            for (const std::string& file : base.files) {
                if (CStringEqualsNoCase(file, path))
                    return true;
            }
        }
    }
    return false;
}

// The folders of relative's folder part that do not exist below destination yet: those
// the copy will make, outermost first.
std::vector<std::string> MissingFolders(const std::string& destination,
                                        const std::string& relative) {
    std::vector<std::string> missing;
    std::string folder = destination;
    for (size_t start = 0, end; (end = relative.find('\\', start)) != std::string::npos;
         start = end + 1) {
        folder += relative.substr(start, end - start + 1);
        if (!missing.empty() || !fs::Exists(folder))
            missing.push_back(folder);
    }
    return missing;
}

// What in the path of the folder a file goes into makes the file one that an uninstall
// would not delete.
std::string FolderFault(PathFault fault) {
    switch (fault) {
    case PathFault::NotAbsolute:
        return "has a path that does not start with \"/\"";
    case PathFault::EmptyOrDotPart:
        return "has an empty, \".\" or \"..\" part in its path";
    case PathFault::ForbiddenCharacter:
        return "has a ':', '/' or control character in a part of its path";
    case PathFault::None:
        break;
    }
    return "";
}

std::vector<std::string> ExistingFolders(const std::vector<std::string>& folders) {
    std::vector<std::string> existing;
    for (const std::string& folder : folders) {
        if (fs::IsDirectory(folder))
            existing.push_back(folder);
    }
    return existing;
}

} // namespace

bool CopyFileIntoTree(std::string destination, std::string source, std::string relative) {
    return CopyFileCreatingPath(destination, source, relative);
}

bool Astrel2010::UninstallBase(std::string name) {
    auto base = FindBase(bases, name);
    if (base == bases.end())
        return false;
    // How often each path is recorded in this installation, case ignored: a file goes
    // when its last entry goes, so a file another base installed too stays.
    std::unordered_map<std::string, size_t> entries;
    for (const BaseFileList& other : bases) {
        for (const std::string& file : other.files)
            ++entries[FoldedAscii(file)];
    }
    InstalledFolders folders(*this);
    KeptFiles kept(root);
    // Only folders holding the installation's own files may go.
    std::vector<std::string> inside;
    for (const std::string& file : base->files) {
        size_t& left = entries[FoldedAscii(file)];
        --left;
        if (!folders.MayDelete(file))
            continue;
        inside.push_back(file);
        // A file that installing replaced comes back; one that failed to come back
        // leaves ours in place (the message says where the kept one is).
        if (left == 0 && kept.PutBack(file) == KeptFiles::PutBackResult::NothingKept)
            SafeDeleteFile(file);
    }
    bases.erase(base);
    kept.RemoveEmptyMadeFolders(inside);
    return true;
}

bool Astrel2010::ForgetBase(std::string name) {
    auto base = FindBase(bases, name);
    if (base == bases.end())
        return false;
    bases.erase(base);
    return true;
}

bool FileManager::InstallFile(std::string root, std::string destination, std::string source,
                              std::string relative, std::string name) {
    const auto failed = [&](const std::string& reason = "") {
        std::string text = FormatString("Error copying file: %s", relative.c_str());
        if (!reason.empty())
            text += "\r\n" + reason;
        return ShowFailureMessage(text);
    };
    // The same relative path is used on both sides: it must stay below both folders.
    if (relative.empty() || relative.back() == '\\' || !IsSafeRelativePath(relative))
        return failed();
    // The file must be one that removing the base may delete again, so that it is never left
    // behind in the tree. The relative path is safe, so what breaks the rule is the folder.
    const std::string target = destination + relative;
    if (const PathFault fault = FindAbsolutePathFault(target); fault != PathFault::None)
        return failed("The simulator folder it goes into " + FolderFault(fault) +
                      ": removing the base could not delete the file again.\r\n");
    // A file that no base of ours put there belongs to someone else: it is kept aside
    // before it is replaced, and comes back when the last base recording it goes.
    KeptFiles kept(root);
    bool newlyKept = false;
    if (fs::IsRegularFile(target) && !RecordsPath(*this, root, target) &&
        !kept.KeepAside(target, newlyKept))
        return failed();
    const std::vector<std::string> missing = MissingFolders(destination, relative);
    if (!CopyFileIntoTree(destination, source, relative)) {
        if (newlyKept)
            kept.Discard(target);
        // Folders made for a file that did not come are not left behind.
        for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder)
            fs::RemoveEmptyDirectory(*folder);
        return failed();
    }
    kept.RecordMadeFolders(ExistingFolders(missing));
    Astrel2010* installation = nullptr;
    if (!FindOrCreateInstallation(root, installation))
        return false;
    installation->AddFile(destination + relative, name);
    // A failed save keeps the old file whole; the next file or the exit saves again.
    Save();
    return true;
}

bool FileManager::UninstallBase(std::string root, std::string name) {
    return ChangeInstalledBase(*this, root, name, &Astrel2010::UninstallBase);
}

bool FileManager::ForgetBase(std::string root, std::string name) {
    return ChangeInstalledBase(*this, root, name, &Astrel2010::ForgetBase);
}

bool FileManager::UninstallBaseFromAstrel(std::string name) {
    std::string root;
    if (!FindAstrelPath(root))
        return false;
    return UninstallBase(root, name);
}

bool FileManager::ForgetBaseInAstrel(std::string name) {
    std::string root;
    if (!FindAstrelPath(root))
        return false;
    return ForgetBase(root, name);
}

} // namespace pf
