#include "support/simulator_sandbox.h"

#include "document/base_document.h"
#include "workspace/astrel_body.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <stdexcept>

namespace pf::test {

SimulatorSandbox::SimulatorSandbox() {
    BodyCache::Clear();
    FileManager::Instance().Clear();
    root_ = WriteFakeAstrelTree(home_.Dir());
    if (!SetAstrelPath(root_)) {
        throw std::runtime_error("cannot make the fake simulator tree current");
    }
}

SimulatorSandbox::~SimulatorSandbox() {
    BodyCache::Clear();
    FileManager::Instance().Clear();
}

std::string SimulatorSandbox::SimNative(const std::string& relative) const {
    return home_.Dir().NativePath("Sim/" + relative);
}

std::string SimulatorSandbox::CacheFolder() const {
    std::string folder;
    GetCachePath(folder);
    return folder;
}

std::string SimulatorSandbox::SaveAsInstalled(const BaseDocument& base) const {
    Astrel2010* installation = nullptr;
    if (!base.SaveToDocuments() || !base.WriteWorkConfig() ||
        !FileManager::Instance().FindOrCreateInstallation(root_, installation)) {
        throw std::runtime_error("cannot save the base as installed");
    }
    const std::string key = base.GetConfigRelativePath();
    installation->AddFile(root_ + "Config\\" + key, key);
    if (!FileManager::Instance().Save()) {
        throw std::runtime_error("cannot save the installed-bases record");
    }
    return key;
}

} // namespace pf::test
