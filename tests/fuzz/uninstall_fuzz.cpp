// The uninstall decisions that "FileManagerV2.dat" drives: the input is the record. Each
// installation's root and recorded paths are moved into the sandbox (their ':' dropped, so
// "C:\Sim\a.dds" becomes "<sandbox>\u\C\Sim\a.dds"), the recorded files that can be are
// made there, with one more file outside "u", and the bases are uninstalled one
// after another. A file may go only when it lies below its installation's root and no
// remaining base records it (case ignored).
#include "fuzz_support.h"

#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace sfs = std::filesystem;

// At most this many recorded files are made per installation, to keep each run short.
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

bool Make(const std::string& path) {
    std::error_code error;
    const sfs::path native = pf::fs::ToNative(path);
    sfs::create_directories(native.parent_path(), error);
    if (error) {
        return false;
    }
    std::ofstream(native) << "x";
    return sfs::is_regular_file(native, error);
}

// Whether the uninstall may have deleted path: below a root of safe parts and recorded by
// no remaining base. Paths of the simulator's tree are matched without regard to case, as
// the program takes them ("c:\Sim" is the root "C:\Sim\").
bool MayHaveGone(const std::string& top, const std::string& path, const pf::Astrel2010& place) {
    std::string root = place.root;
    if (root.empty() || root.back() != '\\') {
        root += '\\';
    }
    const std::string relativeRoot = root.substr(std::min(root.size(), top.size()));
    if (root.compare(0, top.size(), top) != 0 ||
        (!relativeRoot.empty() && !pf::IsSafeRelativePath(relativeRoot)) ||
        Folded(path).compare(0, root.size(), Folded(root)) != 0) {
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
    const std::string top = sandbox.Dir().InternalPath("u\\");
    for (Astrel2010& place : record.Installations()) {
        std::error_code error;
        sfs::remove_all(fs::ToNative(top), error);
        place.root = Moved(top, place.root);
        std::vector<std::string> made;
        for (BaseFileList& base : place.bases) {
            for (std::string& file : base.files) {
                file = Moved(top, file);
                if (made.size() < kMaxFilesMade && !file.empty() && file.back() != '\\' &&
                    IsSafeRelativePath(file.substr(top.size())) && Make(file)) {
                    made.push_back(file);
                }
            }
        }
        const std::string outside = sandbox.Dir().InternalPath("outside\\keep.txt");
        fuzz::Check(Make(outside), "the file outside every root cannot be made");
        made.push_back(outside);

        std::vector<std::string> names;
        for (const BaseFileList& base : place.bases) {
            names.push_back(base.name);
        }
        for (const std::string& name : names) {
            place.UninstallBase(name);
            for (const std::string& file : made) {
                fuzz::Check(fs::Exists(file) || MayHaveGone(top, file, place),
                            "an uninstall deleted a file outside its root or still recorded");
            }
        }
    }
    return 0;
}
