#include "support/sandbox_home.h"

#include <cstdlib>

namespace pf::test {

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) {
        previous_ = old;
    }
    if (value) {
        setenv(name_.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedEnv::~ScopedEnv() {
    if (previous_) {
        setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

SandboxHome::SandboxHome() {
    env_.push_back(std::make_unique<ScopedEnv>("HOME", Home()));
    env_.push_back(std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", ConfigHome()));
    env_.push_back(std::make_unique<ScopedEnv>("XDG_DATA_HOME", DataHome()));
}

SandboxHome::~SandboxHome() {
    // Restore in reverse order of setting.
    while (!env_.empty()) {
        env_.pop_back();
    }
}

} // namespace pf::test
