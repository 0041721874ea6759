#pragma once
// Lets files grow only to a given size while the object lives, with SIGXFSZ ignored, so
// that writes fail part way even for a privileged user (permissions cannot do that).
#include <csignal>
#include <sys/resource.h>

namespace pf::test {

class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        if (getrlimit(RLIMIT_FSIZE, &saved_) != 0) {
            return;
        }
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~ScopedFileSizeLimit() {
        if (handler_ != SIG_ERR) {
            setrlimit(RLIMIT_FSIZE, &saved_);
            std::signal(SIGXFSZ, handler_);
        }
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    // False when the limit could not be set: the writes would then not fail.
    bool IsSet() const { return set_; }

  private:
    rlimit saved_{};
    void (*handler_)(int) = SIG_ERR;
    bool set_ = false;
};

} // namespace pf::test
