#include "foundation/timing.h"

#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "platform/clock.h"

#include <cmath>
#include <limits>

namespace pf {

namespace {

struct TimerState {
    int64_t frequency = 0;
    int64_t start = 0;
    int64_t elapsed = 0;
    int64_t best = std::numeric_limits<int64_t>::max();
};

TimerState g_timer;

} // namespace

void TimerFuncs::ResetTimer() { g_timer.best = std::numeric_limits<int64_t>::max(); }

void TimerFuncs::StartTimer() {
    g_timer.frequency = clock::PerformanceFrequency();
    g_timer.start = clock::PerformanceCounter();
}

void TimerFuncs::StopTimer() {
    g_timer.elapsed = clock::PerformanceCounter() - g_timer.start;
    if (g_timer.elapsed < g_timer.best) {
        g_timer.best = g_timer.elapsed;
    }
}

void TimerFuncs::EndTimer() {
    double ms = static_cast<double>(g_timer.best) / static_cast<double>(g_timer.frequency) * 1000.0;
    ShowMessageBox(FormatString("%f\r\n", ms), "TimerFuncs::EndTimer()", MessageButtons::Ok,
                   MessageIcon::None);
}

void Delay::Set(uint32_t new_ms, uint32_t new_minimum, uint32_t new_maximum) {
    ms = new_ms;
    minimum = new_minimum;
    maximum = new_maximum;
}

void Delay::Clamp() {
    if (ms > maximum)
        ms = maximum;
    if (ms < minimum)
        ms = minimum;
}

void Delay::ClampFrom(double value) {
    // Clamp in double before converting, so that no factor can overflow the uint32.
    if (std::isnan(value)) {
        return;
    }
    value = std::trunc(value);
    if (value > maximum)
        value = maximum;
    if (value < minimum)
        value = minimum;
    ms = static_cast<uint32_t>(value);
}

void Delay::Sleep() {
    Clamp();
    clock::SleepMs(ms);
}

void Delay::SleepAboveMinimum() {
    Clamp();
    if (ms != minimum) {
        clock::SleepMs(ms);
    }
}

void Delay::Scale(double factor) { ClampFrom(static_cast<double>(ms) * factor); }

void Delay::Divide(double factor) {
    if (!(factor > 0.0)) {
        return;
    }
    ClampFrom(static_cast<double>(ms) / factor);
}

} // namespace pf
