#pragma once
// TEMPORARY stand-in until the foundation's text helpers land; removed before merging.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <vector>

namespace pf {

using StringArray = std::vector<std::string>;

inline bool PendingParseDouble(const std::string& text, double& out) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'))
            return false;
    }
    static locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    double v = strtod_l(text.c_str(), nullptr, c_locale);
    if (!std::isfinite(v))
        return false;
    out = v;
    return true;
}
inline bool ParseFloat(const std::string& text, float& out) {
    double d = 0;
    if (!PendingParseDouble(text, d))
        return false;
    out = static_cast<float>(d);
    return true;
}
inline bool ParseDoubleCString(const std::string& text, double& out) {
    return PendingParseDouble(text, out);
}

} // namespace pf
