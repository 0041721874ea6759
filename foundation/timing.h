#pragma once
// A high-resolution stopwatch that keeps the best of several runs, and a clamped sleep.
// Both go through platform/clock, so tests replace time and never wait.
#include <cstdint>

namespace pf {

// Process-wide stopwatch: ResetTimer, then StartTimer/StopTimer around each run, then
// EndTimer shows the best run in milliseconds.
class TimerFuncs {
  public:
    static void ResetTimer();
    static void StartTimer();
    static void StopTimer();
    // Shows "TimerFuncs::EndTimer()" with the best interval in milliseconds.
    static void EndTimer();
};

struct Delay {
    uint32_t ms = 0;
    uint32_t minimum = 0;
    uint32_t maximum = 0;

    void Set(uint32_t new_ms, uint32_t new_minimum, uint32_t new_maximum);
    // Clamps ms (to the maximum first, then to the minimum), keeps it and sleeps that long.
    void Sleep();
    // Clamps and keeps ms the same way; sleeps only when it differs from the minimum.
    void SleepAboveMinimum();
    // ms := trunc(ms * factor), clamped. A NaN product leaves ms unchanged.
    void Scale(double factor);
    // ms := trunc(ms / factor), clamped. A factor <= 0 or NaN leaves ms unchanged.
    void Divide(double factor);

  private:
    void Clamp();
    void ClampFrom(double value);
};

} // namespace pf
