#pragma once
// A clock whose sleeps advance time at once, so no test waits. Installed while it lives.
#include "platform/clock.h"

#include <vector>

namespace pf::test {

class FakeClock : public clock::Clock {
  public:
    FakeClock() : previous_(clock::SetClock(this)) {}
    ~FakeClock() override { clock::SetClock(previous_); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    int64_t PerformanceCounter() override { return counter_ns_; }
    int64_t PerformanceFrequency() override { return 1000000000; }
    uint32_t TickCountMs() override { return static_cast<uint32_t>(counter_ns_ / 1000000); }
    void SleepMs(uint32_t ms) override {
        sleeps_.push_back(ms);
        Advance(ms);
    }

    void Advance(uint32_t ms) { counter_ns_ += static_cast<int64_t>(ms) * 1000000; }
    void AdvanceNs(int64_t ns) { counter_ns_ += ns; }
    const std::vector<uint32_t>& Sleeps() const { return sleeps_; }

  private:
    clock::Clock* previous_;
    int64_t counter_ns_ = 0;
    std::vector<uint32_t> sleeps_;
};

} // namespace pf::test
