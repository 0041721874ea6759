#include "foundation/math_helpers.h"
#include "foundation/timing.h"
#include "support/comma_locale.h"
#include "support/fake_clock.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace pf {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Pow2, RangeAndTable) {
    EXPECT_EQ(Pow2(0), 1.0);
    EXPECT_EQ(Pow2(19.5), std::pow(2.0, 19.5));
    EXPECT_EQ(Pow2(19.999), std::pow(2.0, 19.999));
    EXPECT_EQ(Pow2(20), 0.0);
    EXPECT_EQ(Pow2(-1), 0.0);
    EXPECT_EQ(Pow2(-0.5), 0.0);
    EXPECT_EQ(Pow2(kNaN), 0.0);
    for (uint32_t n = 0; n <= 19; ++n) {
        EXPECT_EQ(Pow2Table(n), std::ldexp(1.0, static_cast<int>(n))) << n;
    }
    EXPECT_EQ(Pow2Table(20), 0.0);
    EXPECT_EQ(Pow2Table(0xFFFFFFFFu), 0.0);
}

TEST(RoundToStep, HalvesAwayFromZeroAndTinyStepsIgnored) {
    struct Row {
        double v, step, out;
    };
    const Row rows[] = {
        {7.5, 5, 10},
        {-7.5, 5, -10},
        {7.4, 5, 5},
        {-7.4, 5, -5},
        {2.5, 5, 5},
        {2.4, 5, 0},
        {0.26, 0.5, 0.5},
        {7.4, 1e-7, 7.4},
        {7.4, 1e-6, 7.4},
        {7.4, -1e-6, 7.4},
        {0, 5, 0},
        // far beyond 2^63: defined, and already a multiple of the step
        {1e30, 1, 1e30},
        {-1e30, 1, -1e30},
    };
    for (const Row& r : rows) {
        double v = r.v;
        RoundToStep(v, r.step);
        EXPECT_DOUBLE_EQ(v, r.out) << r.v << " step " << r.step;
    }
    double v = kNaN;
    RoundToStep(v, 5);
    EXPECT_TRUE(std::isnan(v));
    v = kInf;
    RoundToStep(v, 5);
    EXPECT_EQ(v, kInf);
}

TEST(Delay, SleepClampsToMaximumThenMinimum) {
    test::FakeClock clock;
    Delay d;
    d.Set(50, 100, 1000);
    d.Sleep();
    EXPECT_EQ(d.ms, 100u);
    d.SleepAboveMinimum();
    EXPECT_EQ(d.ms, 100u);
    EXPECT_EQ(clock.Sleeps(), std::vector<uint32_t>({100}));

    d.Set(5000, 100, 1000);
    d.SleepAboveMinimum();
    EXPECT_EQ(d.ms, 1000u);
    d.Set(300, 100, 1000);
    d.Sleep();
    EXPECT_EQ(clock.Sleeps(), std::vector<uint32_t>({100, 1000, 300}));

    // a minimum above the maximum wins, as the order of the clamps says
    d.Set(500, 200, 100);
    d.Sleep();
    EXPECT_EQ(d.ms, 200u);
}

TEST(Delay, ScaleAndDivide) {
    struct Row {
        uint32_t ms;
        bool divide;
        double factor;
        uint32_t out;
    };
    const Row rows[] = {
        {300, false, 1.5, 450},    {300, false, 1.999, 599}, // truncated
        {300, false, 10.0, 1000},                            // clamped to the maximum
        {300, false, 0.1, 100},                              // clamped to the minimum
        {300, false, -2.0, 100},                             // negative products end at the minimum
        {300, false, 1e300, 1000}, // far beyond uint32: clamped, not converted
        {300, false, kInf, 1000},  {300, false, kNaN, 300}, // unchanged
        {300, true, 2.0, 150},     {301, true, 2.0, 150},
        {300, true, 1e-300, 1000}, {300, true, 0.0, 300}, // unchanged
        {300, true, -1.0, 300},                           // unchanged
        {300, true, kNaN, 300},                           // unchanged
        {300, true, kInf, 100},    {4000000000u, false, 1.0, 1000},
    };
    for (const Row& r : rows) {
        Delay d;
        d.Set(r.ms, 100, 1000);
        if (r.divide) {
            d.Divide(r.factor);
        } else {
            d.Scale(r.factor);
        }
        EXPECT_EQ(d.ms, r.out) << r.ms << (r.divide ? " / " : " * ") << r.factor;
    }
}

// The best of several runs, in milliseconds, with a point under a decimal-comma locale; a
// reset forgets earlier runs.
TEST(TimerFuncs, EndTimerShowsTheBestRunInMilliseconds) {
    test::CommaLocale comma;
    test::FakeClock clock;
    test::ScriptedUi ui;
    ui.AnswerNextMessage(MessageAnswer::Ok);
    ui.AnswerNextMessage(MessageAnswer::Ok);
    TimerFuncs::ResetTimer();
    for (int64_t ns : {5000000, 1234567, 3000000}) {
        TimerFuncs::StartTimer();
        clock.AdvanceNs(ns);
        TimerFuncs::StopTimer();
    }
    TimerFuncs::EndTimer();
    TimerFuncs::ResetTimer();
    TimerFuncs::StartTimer();
    clock.AdvanceNs(2500000000);
    TimerFuncs::StopTimer();
    TimerFuncs::EndTimer();
    ASSERT_EQ(ui.Calls().size(), 2u);
    EXPECT_EQ(ui.Calls()[0].caption, "TimerFuncs::EndTimer()");
    EXPECT_EQ(ui.Calls()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"1.234567\r\n", "2500.000000\r\n"}));
    PF_SKIP_WITHOUT(comma);
}

} // namespace
} // namespace pf
