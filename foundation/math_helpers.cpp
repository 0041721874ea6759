#include "foundation/math_helpers.h"

#include <array>
#include <cmath>

namespace pf {

namespace {

constexpr std::array<double, 20> MakePow2Table() {
    std::array<double, 20> table{};
    double v = 1.0;
    for (double& entry : table) {
        entry = v;
        v *= 2.0;
    }
    return table;
}

constexpr std::array<double, 20> kPow2Table = MakePow2Table();

} // namespace

double Pow2(double x) {
    if (x >= 0.0 && x < 20.0) {
        return std::pow(2.0, x);
    }
    return 0.0;
}

double Pow2Table(uint32_t n) { return n < kPow2Table.size() ? kPow2Table[n] : 0.0; }

double AbsDouble(double x) { return std::fabs(x); }

void RoundToStep(double& v, double step) {
    if (std::fabs(step) <= 1e-6) {
        return;
    }
    double sign = 1.0;
    double magnitude = v;
    if (magnitude < 0.0) {
        sign = -1.0;
        magnitude = -magnitude;
    }
    // Truncating in double keeps huge values and NaN defined; wherever a 64-bit integer
    // could hold the quotient the result is the same.
    v = sign * step * std::trunc(magnitude / step + 0.5);
}

} // namespace pf
