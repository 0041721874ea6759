#pragma once
// Small numeric helpers shared by geometry, imagery and the dialogs.
#include <cstdint>

namespace pf {

// 2^x for 0 <= x < 20, else 0.0 (NaN included).
double Pow2(double x);
// 2^n from the table for n <= 19, else 0.0.
double Pow2Table(uint32_t n);
double AbsDouble(double x);
// Rounds v to the nearest multiple of step, halves away from zero. Leaves v unchanged
// when |step| <= 1e-6.
void RoundToStep(double& v, double step);

} // namespace pf
