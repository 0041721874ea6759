#pragma once
// Counters and sleeping, replaceable so that tests never wait.
#include <cstdint>

namespace pf::clock {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t PerformanceCounter() = 0;   // ticks of PerformanceFrequency()
    virtual int64_t PerformanceFrequency() = 0; // ticks per second
    virtual uint32_t TickCountMs() = 0;         // milliseconds, wraps like a 32-bit counter
    virtual void SleepMs(uint32_t ms) = 0;
};

// The clock in use (the system's steady clock unless replaced).
Clock& GetClock();
// Replaces the clock (nullptr restores the system's) and returns the previous one.
Clock* SetClock(Clock* clock);

inline int64_t PerformanceCounter() { return GetClock().PerformanceCounter(); }
inline int64_t PerformanceFrequency() { return GetClock().PerformanceFrequency(); }
inline uint32_t TickCountMs() { return GetClock().TickCountMs(); }
inline void SleepMs(uint32_t ms) { GetClock().SleepMs(ms); }

} // namespace pf::clock
