#pragma once
// What installing found in a simulator tree and must give back on removal: the files it
// replaced, kept aside until the last base recording their path is removed, and the
// folders it made, removed again when they are empty. FileManagerV2.dat keeps its
// layout; all of this lives in a side folder of the program's own data beside it:
//
//   <application data>\Kept Files\<16 hex digits>\   one folder per installation root,
//                                                     named by a hash of the root (ASCII
//                                                     case ignored, as roots compare)
//       Files\<full path without its leading '\'>     a file that stood at that path in the
//                                                     tree before an install replaced it
//       Made folders.txt                              the full path of every folder that
//                                                     installing made, one a line
//
//       Files\<full path>.1, .2, …                    earlier copies for that path, kept when
//                                                     no base recorded it and the tree held
//                                                     another file by the next install
//
// A kept file is never overwritten or lost. Empty folders of the side folder are removed as
// it empties.
#include <string>
#include <vector>

namespace pf {

class KeptFiles {
  public:
    explicit KeptFiles(const std::string& root);

    // Keeps the existing file at path aside before an install replaces it. newlyKept says
    // whether this call made the copy (one was not kept already). False, with a message,
    // when it cannot be kept: the file must then stay as it is.
    bool KeepAside(const std::string& path, bool& newlyKept);
    // Drops a copy that KeepAside just made, when the install then did not replace the file.
    void Discard(const std::string& path);

    enum class PutBackResult { NothingKept, PutBack, Failed };
    // Copies the file kept for path back over it and drops the kept copy. Failed, with a
    // message naming where the kept file stays, when the copy back fails.
    PutBackResult PutBack(const std::string& path);

    // Notes folders that an install has just made.
    void RecordMadeFolders(const std::vector<std::string>& folders);
    // Removes, deepest first, every noted folder that holds one of the paths and is empty;
    // a noted folder that is gone is forgotten.
    void RemoveEmptyMadeFolders(const std::vector<std::string>& paths);

    // The kept copy's path for path; empty when path is not a full path of safe parts.
    std::string KeptPath(const std::string& path) const;

  private:
    std::vector<std::string> ReadMadeFolders() const;
    void WriteMadeFolders(const std::vector<std::string>& folders) const;
    // Removes folder and its parents while they are empty, up to the data folder.
    void RemoveEmptyUpwards(std::string folder) const;

    // Finds the side folder on first use; false when the data folder is unknown.
    bool Ready() const;

    std::string root_;
    mutable bool asked_ = false;
    mutable std::string dataFolder_; // the application-data folder, empty when unknown
    mutable std::string folder_;     // this root's side folder, empty when unknown
};

} // namespace pf
