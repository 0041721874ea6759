#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace pf::clock {

namespace {

class SystemClock final : public Clock {
  public:
    int64_t PerformanceCounter() override {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    int64_t PerformanceFrequency() override { return 1000000000; }
    uint32_t TickCountMs() override {
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }
    void SleepMs(uint32_t ms) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};

SystemClock g_system_clock;
Clock* g_clock = &g_system_clock;

} // namespace

Clock& GetClock() { return *g_clock; }

Clock* SetClock(Clock* clock) {
    Clock* previous = g_clock == &g_system_clock ? nullptr : g_clock;
    g_clock = clock != nullptr ? clock : &g_system_clock;
    return previous;
}

} // namespace pf::clock
