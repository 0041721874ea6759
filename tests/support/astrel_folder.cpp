#include "support/astrel_folder.h"

#include "support/temp_dir.h"

#include <filesystem>

namespace pf::test {

void MakeAstrelFolder(const std::string& native_folder, AstrelFolderKind kind) {
    std::filesystem::create_directories(native_folder);
    switch (kind) {
    case AstrelFolderKind::ExeAndConfigFolder:
        WriteNativeFile(native_folder + "/astrel.exe", "");
        std::filesystem::create_directories(native_folder + "/Config");
        break;
    case AstrelFolderKind::ExeAndCfg:
        WriteNativeFile(native_folder + "/astrel.exe", "");
        WriteNativeFile(native_folder + "/astrel.cfg", "");
        break;
    case AstrelFolderKind::CfgOnly:
        WriteNativeFile(native_folder + "/astrel.cfg", "");
        break;
    case AstrelFolderKind::OtherCase:
        WriteNativeFile(native_folder + "/Astrel.EXE", "");
        std::filesystem::create_directories(native_folder + "/config");
        break;
    }
}

} // namespace pf::test
