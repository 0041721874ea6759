#include "support/simulator_sandbox.h"

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

} // namespace pf::test
