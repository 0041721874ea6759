// The uninstall decisions that "FileManagerV2.dat" drives: the input is the record, then
// bytes that choose the files of others. Each installation's root and recorded paths are
// moved into the sandbox (their ':' dropped, so "C:\Sim\a.dds" becomes
// "<sandbox>\u\C\Sim\a.dds"). A recorded path below the root, of a kind the program
// deletes, is installed from a work folder as the program installs a base's files; before
// that, when the input says so, a file of someone else stands where it will go (spelled in
// the other letter case, when asked, as a tree that ignores case may hold it). Every other
// recorded file that can be is made and recorded as it is, with one more file outside "u",
// and the bases are uninstalled one after another.
//
// A file may go only when it lies below its installation's root and no remaining base
// records it (case ignored). Once every base is gone, each file of others is back byte for
// byte, and the home folder is as it was before installing, but for the record itself and
// the recorded files that were made and could go: no file kept aside is left behind.
#include "fuzz_support.h"

#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "platform/fs.h"
#include "support/tree_manifest.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace sfs = std::filesystem;

// At most this many recorded files are made or installed per installation, to keep each
// run short.
constexpr size_t kMaxFilesMade = 32;

std::string Folded(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// A recorded path below the sandbox folder `top` (internal form, ending in '\').
std::string Moved(const std::string& top, const std::string& path) {
    std::string rest;
    for (char c : path) {
        if (c != ':') {
            rest += c;
        }
    }
    const size_t start = rest.find_first_not_of('\\');
    return top + (start == std::string::npos ? std::string() : rest.substr(start));
}

// Writes a file as a tree that ignores letter case holds it: every existing folder or
// file is found whatever its case, so no second spelling of one is ever made.
bool Make(const std::string& path, const std::string& bytes) {
    std::string folder = path.substr(0, path.rfind('\\') + 1);
    std::string native;
    if (!pf::fs::CreateDirectories(folder) || !pf::fs::Resolve(path, native)) {
        return false;
    }
    std::error_code error;
    if (sfs::exists(native, error)) {
        return false;
    }
    pf::test::WriteNativeFile(native, bytes);
    std::string back;
    return pf::fs::ReadFile(path, back) && back == bytes;
}

// The kinds of file the program deletes on removal.
bool Deletable(const std::string& path) {
    static const std::array<std::string, 8> kExtensions = {"png", "dds", "jpg", "bmp",
                                                           "cfg", "dat", "txt", "scn"};
    return path.size() >= 4 && path[path.size() - 4] == '.' &&
           std::find(kExtensions.begin(), kExtensions.end(),
                     Folded(path.substr(path.size() - 3))) != kExtensions.end();
}

// The root as a folder ending in '\' when it is one of safe parts below `top`; empty
// otherwise (nothing below it may then go, and nothing is installed there).
std::string SafeRoot(const std::string& top, std::string root) {
    if (root.empty() || root.back() != '\\') {
        root += '\\';
    }
    const std::string relative = root.substr(std::min(root.size(), top.size()));
    if (root.compare(0, top.size(), top) != 0 ||
        (!relative.empty() && !pf::IsSafeRelativePath(relative.substr(0, relative.size() - 1)))) {
        return std::string();
    }
    return root;
}

// Whether the uninstall may have deleted path: below a root of safe parts and recorded by
// no remaining base. Paths of the simulator's tree are matched without regard to case, as
// the program takes them ("c:\Sim" is the root "C:\Sim\").
bool MayHaveGone(const std::string& top, const std::string& path, const pf::Astrel2010& place) {
    const std::string root = SafeRoot(top, place.root);
    if (root.empty() || Folded(path).compare(0, root.size(), Folded(root)) != 0) {
        return false;
    }
    const std::string folded = Folded(path);
    for (const pf::BaseFileList& base : place.bases) {
        for (const std::string& file : base.files) {
            if (Folded(file) == folded) {
                return false;
            }
        }
    }
    return true;
}

// The last part of a path with the letter case of its ASCII letters swapped.
std::string OtherCase(std::string path) {
    for (size_t i = path.rfind('\\') + 1; i < path.size(); ++i) {
        char& c = path[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return path;
}

// One recorded file, in the order of the record: installed from the work folder, or only
// recorded (made beforehand when it could be).
struct Step {
    std::string name;
    std::string path;
    std::string destination; // empty: recorded as it is
    std::string relative;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::Get();
    MemStream stream;
    fuzz::Fill(stream, data, size);
    FileManager record;
    if (!record.Read(stream)) {
        return 0;
    }
    // The bytes after the record choose the files of others: the n-th installed path gets
    // one when byte n (taken round) is odd; bit 1 spells it in the other letter case.
    const std::string choices = fuzz::Text(data, size).substr(stream.GetPosition());
    std::string appData;
    fuzz::Check(GetAppDataPath(appData), "the data folder is unknown");
    const std::string home = sandbox.Dir().Native() + "/";
    const std::string recordFile = fs::ToNative(appData) + kFileManagerFileName;
    const std::string top = sandbox.Dir().InternalPath("u\\");
    const std::string work = sandbox.Dir().InternalPath("work\\");
    for (Astrel2010& place : record.Installations()) {
        std::error_code error;
        for (const std::string& folder : {top, work, appData + "Kept Files\\"}) {
            sfs::remove_all(fs::ToNative(folder), error);
        }
        const std::string root = Moved(top, place.root);
        const std::string safeRoot = SafeRoot(top, root);
        if (!safeRoot.empty()) {
            fs::CreateDirectories(safeRoot);
        }

        // What stands in the tree before installing: the files of others, the recorded
        // files that are only recorded, and the work folder's files.
        std::vector<Step> steps;
        std::vector<std::string> made;
        std::set<std::string> installing;
        std::map<std::string, std::string> theirs;
        for (const BaseFileList& base : place.bases) {
            for (const std::string& recorded : base.files) {
                Step step{base.name, Moved(top, recorded), "", ""};
                const std::string& file = step.path;
                const bool below = !safeRoot.empty() && file.size() > safeRoot.size() &&
                                   Folded(file).compare(0, safeRoot.size(), Folded(safeRoot)) == 0;
                if (below && file.back() != '\\' && Deletable(file) &&
                    IsSafeRelativePath(file.substr(safeRoot.size()))) {
                    step.destination = file.substr(0, safeRoot.size());
                    step.relative = file.substr(safeRoot.size());
                    if (installing.count(Folded(file)) != 0) {
                        steps.push_back(step);
                        continue;
                    }
                    // A path past the limit, or without its work file, is left out.
                    if (made.size() >= kMaxFilesMade ||
                        !(fs::Exists(work + step.relative) ||
                          Make(work + step.relative, "ours " + step.relative))) {
                        continue;
                    }
                    const size_t n = installing.size();
                    installing.insert(Folded(file));
                    made.push_back(file);
                    const unsigned char choice =
                        choices.empty() ? 0
                                        : static_cast<unsigned char>(choices[n % choices.size()]);
                    const std::string at = (choice & 2) != 0 ? OtherCase(file) : file;
                    const std::string bytes =
                        "theirs " + std::to_string(n) + '\0' +
                        std::string(1 + choice % 5, static_cast<char>(choice)) + "\r\n";
                    if ((choice & 1) != 0 && !fs::Exists(file) && Make(at, bytes)) {
                        theirs[at] = bytes;
                    }
                } else if (made.size() < kMaxFilesMade && !file.empty() && file.back() != '\\' &&
                           IsSafeRelativePath(file.substr(top.size())) && Make(file, "x")) {
                    made.push_back(file);
                }
                steps.push_back(step);
            }
        }
        const std::string outside = sandbox.Dir().InternalPath("outside\\keep.txt");
        fuzz::Check(fs::Exists(outside) || Make(outside, "x"),
                    "the file outside every root cannot be made");
        made.push_back(outside);
        const test::TreeManifest before = test::TreeManifest::Of(sandbox.Dir().Native(), true);
        // Where each made file lies, relative to the home, as the tree spells it.
        std::map<std::string, std::string> spelled;
        for (const std::string& file : made) {
            std::string native;
            if (fs::Exists(file) && fs::Resolve(file, native)) {
                spelled[file] = native.substr(home.size());
            }
        }

        // Installed in the order of the record; a path that did not come stays unrecorded.
        FileManager installed;
        Astrel2010* tree = nullptr;
        installed.FindOrCreateInstallation(root, tree);
        for (const Step& step : steps) {
            if (std::none_of(tree->bases.begin(), tree->bases.end(), [&](const BaseFileList& b) {
                    return CStringEqualsNoCase(b.name, step.name);
                })) {
                BaseFileList base;
                base.name = step.name;
                tree->AddBase(base);
            }
            if (step.destination.empty()) {
                tree->AddFile(step.path, step.name);
            } else if (!installed.InstallFile(root, step.destination, work, step.relative,
                                              step.name)) {
                made.erase(std::remove(made.begin(), made.end(), step.path), made.end());
            }
        }

        std::vector<std::string> names;
        for (const BaseFileList& base : place.bases) {
            names.push_back(base.name);
        }
        for (const std::string& name : names) {
            tree->UninstallBase(name);
            for (const std::string& file : made) {
                fuzz::Check(fs::Exists(file) || MayHaveGone(top, file, *tree),
                            "an uninstall deleted a file outside its root or still recorded");
            }
        }
        fuzz::Check(tree->bases.empty(), "a base is left after removing every one");

        for (const auto& [path, bytes] : theirs) {
            std::string back;
            fuzz::Check(fs::ReadFile(path, back) && back == bytes,
                        "a file of others is not back byte for byte");
        }
        test::TreeManifest expected = before;
        for (const auto& [file, native] : spelled) {
            if (!fs::Exists(file)) {
                expected.files.erase(native);
            }
        }
        const std::string changes = expected.DifferencesTo(
            test::TreeManifest::Of(sandbox.Dir().Native(), true), {recordFile.substr(home.size())});
        if (!changes.empty()) {
            std::fprintf(stderr, "%s", changes.c_str());
        }
        fuzz::Check(changes.empty(), "installing and removing changed the home folder");
    }
    return 0;
}
