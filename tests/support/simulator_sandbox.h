#pragma once
// A sandboxed account whose simulator folder is a fresh fake tree (see fake_astrel_tree.h),
// with a scripted person at the screen and empty process-wide caches.
#include "support/fake_astrel_tree.h"
#include "support/sandbox_home.h"
#include "support/scripted_ui.h"

#include <string>

namespace pf {
class BaseDocument;
}

namespace pf::test {

class SimulatorSandbox {
  public:
    SimulatorSandbox();
    ~SimulatorSandbox();

    // The tree's root in internal form, ending in '\'.
    const std::string& Root() const { return root_; }
    // A native path below the tree ('/' separators).
    std::string SimNative(const std::string& relative) const;
    // The tile cache folder ("cache\" under the documents folder), internal form.
    std::string CacheFolder() const;
    const TempDir& Dir() const { return home_.Dir(); }
    ScriptedUi& Ui() { return ui_; }
    // Saves the base, writes its work configuration and records that configuration as
    // installed into the tree; gives the record's key.
    std::string SaveAsInstalled(const BaseDocument& base) const;

  private:
    SandboxHome home_;
    ScriptedUi ui_;
    std::string root_;
};

} // namespace pf::test
