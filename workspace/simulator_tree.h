#pragma once
// The rules of the simulator's folder tree that an installation (Astrel2010, in
// file_manager.h) applies: folder values resolved against the root, a body's base
// directories with their CONTEXT and PERIOD qualifiers, and folder listings.
#include "foundation/string_array.h"

#include <string>
#include <vector>

namespace pf {

// One base directory of a body, as its configuration file lists it.
struct BodyBaseDirectory {
    // Relative to the configuration folder, ending in '\' unless empty.
    std::string directory;
    // "" or the word CONTEXT, a blank and the context's name, as written.
    std::string context;
    std::string periodBegin;
    std::string periodEnd;
};

// A folder value of the main configuration against the root: absolute values (holding
// ':' or beginning with '\') stay, ".\" and "..\" climb from the root, anything else is
// below the root. False when the value or a needed root is empty or has no parent.
bool ResolveDirectory(std::string& out, const std::string& base, const std::string& value);
// "dir" value of a body file into its directory, context and period. Always true.
bool SplitBaseDirectory(const std::string& value, BodyBaseDirectory& out);

// Names (no folder) of folder + subfolder's files matching the pattern.
bool ListFolderFiles(const std::string& folder, const std::string& subfolder,
                     const std::string& pattern, StringArray& out);
bool ListDirectoryFiles(const std::string& folder, const std::string& pattern, StringArray& out);

} // namespace pf
