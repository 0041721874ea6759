#pragma once
// Switches the process to a locale with a decimal comma (de_DE.UTF-8) for the life of
// the object and restores the previous one afterwards. Tests skip when it is missing.
#include <clocale>
#include <string>

namespace pf::test {

class CommaLocale {
  public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool Active() const { return active_; }

  private:
    std::string previous_;
    bool active_ = false;
};

} // namespace pf::test

// Ends the test as skipped when the comma locale could not be set.
#define PF_SKIP_WITHOUT(locale)                                                                    \
    if (!(locale).Active())                                                                        \
    GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/bootstrap makes it)"
