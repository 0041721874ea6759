#pragma once
// Small simulator folders of our own making, for the tests that look for one.
#include <string>

namespace pf::test {

enum class AstrelFolderKind {
    ExeAndConfigFolder, // "astrel.exe" and "Config/"
    ExeAndCfg,          // "astrel.exe" and "astrel.cfg"
    CfgOnly,            // "astrel.cfg" alone: not a simulator folder
    OtherCase,          // "Astrel.EXE" and "config/"
};

// Makes the folder (native path) with the kind's markers; the files are empty.
void MakeAstrelFolder(const std::string& native_folder, AstrelFolderKind kind);

} // namespace pf::test
