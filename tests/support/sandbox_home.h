#pragma once
// Points HOME, XDG_CONFIG_HOME and XDG_DATA_HOME at a fresh temporary folder and
// restores them afterwards, so no test reads or writes the real account's files.
#include "support/temp_dir.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pf::test {

class ScopedEnv {
  public:
    // Sets (or, with nullopt, unsets) one variable for the life of the object.
    ScopedEnv(std::string name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

class SandboxHome {
  public:
    SandboxHome();
    ~SandboxHome();

    const TempDir& Dir() const { return dir_; }
    // The home folder, native form without trailing '/'.
    const std::string& Home() const { return dir_.Native(); }
    std::string ConfigHome() const { return Home() + "/.config"; }
    std::string DataHome() const { return Home() + "/.local/share"; }

  private:
    TempDir dir_;
    std::vector<std::unique_ptr<ScopedEnv>> env_;
};

} // namespace pf::test
