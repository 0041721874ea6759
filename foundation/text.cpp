#include "foundation/text.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace pf {

namespace {

// The "C" locale, made once: numbers never follow the process locale.
locale_t CLocale() {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c_locale;
}

// Switches the calling thread to the "C" locale for the life of the object.
class ScopedCLocale {
  public:
    ScopedCLocale() {
        if (locale_t c = CLocale()) {
            previous_ = uselocale(c);
        }
    }
    ~ScopedCLocale() {
        if (previous_) {
            uselocale(previous_);
        }
    }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

  private:
    locale_t previous_ = static_cast<locale_t>(0);
};

std::string VFormat(const char* format, va_list args) {
    if (!format) {
        return std::string();
    }
    ScopedCLocale c_locale;
    va_list sizing;
    va_copy(sizing, args);
    const int needed = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (needed <= 0) {
        return std::string();
    }
    std::string out(static_cast<size_t>(needed) + 1, '\0');
    const int written = std::vsnprintf(out.data(), out.size(), format, args);
    if (written < 0) {
        return std::string();
    }
    out.resize(static_cast<size_t>(written) < out.size() ? static_cast<size_t>(written)
                                                         : out.size() - 1);
    return out;
}

bool IsNumberByte(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

// The strict test, then atof's reading (longest leading number, 0 when none) in the
// "C" locale. An overflow to infinity is refused: nothing downstream can use it.
bool ParseStrictDouble(const char* text, size_t length, double& out) {
    if (!text || length == 0) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        if (!IsNumberByte(text[i])) {
            return false;
        }
    }
    const std::string copy(text, length);
    const double value = strtod_l(copy.c_str(), nullptr, CLocale());
    if (!std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

bool ParseStrictFloat(const char* text, size_t length, float& out) {
    double value = 0.0;
    if (!ParseStrictDouble(text, length, value) || std::fabs(value) > FLT_MAX) {
        return false;
    }
    out = static_cast<float>(value);
    return true;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(const char* a, const char* b, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWithLongerImpl(const char* a, size_t a_len, const char* b, size_t b_len) {
    return a_len > b_len && EqualNoCase(a, b, b_len);
}

bool EqualsImpl(const char* a, size_t a_len, const char* b, size_t b_len) {
    return a_len == b_len && EqualNoCase(a, b, a_len);
}

const char* OrEmpty(const char* text) { return text ? text : ""; }

} // namespace

std::string FormatString(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = VFormat(format, args);
    va_end(args);
    return out;
}

std::string FormatLine(const std::string& text) { return text + "\r\n"; }

std::string FormatNumber(float value, int decimals) {
    if (decimals < 0) {
        decimals = 0;
    }
    std::string text = FormatString("%.*f", decimals, static_cast<double>(value));
    // Only digits after a point may go; without a point they are the integer's own.
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') {
            text.pop_back();
        }
        while (!text.empty() && text.back() == '.') {
            text.pop_back();
        }
    }
    if (text == "-0" || text.empty()) {
        return std::string(1, '0');
    }
    return text;
}

bool NumberAsRead(float value, int decimals, float& out) {
    if (!std::isfinite(value)) {
        return false;
    }
    // "%.Nf" and to_chars with a precision both round the exact binary value, ties to
    // even; the strict reader takes the nearest double, then the float nearest to that.
    char text[128];
    const auto written = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                       std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    double read = 0.0;
    if (written.ec != std::errc() || std::from_chars(text, written.ptr, read).ec != std::errc() ||
        std::fabs(read) > FLT_MAX) {
        return false;
    }
    // The written text never says "-0".
    out = read == 0.0 ? 0.0f : static_cast<float>(read);
    return true;
}

bool ParseFloatText(const char* text, float& out) {
    return text && ParseStrictFloat(text, std::strlen(text), out);
}

bool ParseDoubleText(const char* text, double& out) {
    return text && ParseStrictDouble(text, std::strlen(text), out);
}

bool ParseFloat(const std::string& text, float& out) {
    return ParseStrictFloat(text.data(), text.size(), out);
}

bool ParseDoubleCString(const std::string& text, double& out) {
    return ParseStrictDouble(text.data(), text.size(), out);
}

double ReadLeadingDouble(const std::string& text) {
    return strtod_l(text.c_str(), nullptr, CLocale());
}

bool StartsWithLonger(const char* a, const char* b) {
    a = OrEmpty(a);
    b = OrEmpty(b);
    return StartsWithLongerImpl(a, std::strlen(a), b, std::strlen(b));
}

bool CStringStartsWith(const std::string& a, const char* b) {
    b = OrEmpty(b);
    return StartsWithLongerImpl(a.data(), a.size(), b, std::strlen(b));
}

bool CStringStartsWithCString(const std::string& a, const std::string& b) {
    return StartsWithLongerImpl(a.data(), a.size(), b.data(), b.size());
}

bool CStringEndsWithNoCase(const std::string& a, const std::string& b) {
    return b.size() <= a.size() &&
           EqualNoCase(a.data() + (a.size() - b.size()), b.data(), b.size());
}

bool StrEquals(const char* a, const char* b) {
    a = OrEmpty(a);
    b = OrEmpty(b);
    return EqualsImpl(a, std::strlen(a), b, std::strlen(b));
}

bool CStringEqualsNoCase(const std::string& a, const std::string& b) {
    return EqualsImpl(a.data(), a.size(), b.data(), b.size());
}

bool CStringEqualsText(const std::string& a, const char* b) {
    b = OrEmpty(b);
    return EqualsImpl(a.data(), a.size(), b, std::strlen(b));
}

std::string& TrimRightChars(std::string& s, const std::string& set) {
    if (set.empty() || s.empty()) {
        return s;
    }
    const size_t last_kept = s.find_last_not_of(set);
    s.erase(last_kept == std::string::npos ? 0 : last_kept + 1);
    return s;
}

std::string UpperCaseCp1252(std::string text) {
    for (char& c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        unsigned char upper = byte;
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
            upper = static_cast<unsigned char>(byte - 0x20);
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
            upper = static_cast<unsigned char>(byte - 0x10);
        } else if (byte == 0xFF) {
            upper = 0x9F;
        }
        c = static_cast<char>(upper);
    }
    return text;
}

std::string ConcatStrings(const std::string& a, const std::string& b) { return a + b; }

int ReplaceAllText(std::string& text, std::string find, std::string replacement) {
    if (find.empty()) {
        return 0;
    }
    int count = 0;
    for (size_t at = text.find(find); at != std::string::npos;
         at = text.find(find, at + replacement.size())) {
        text.replace(at, find.size(), replacement);
        ++count;
    }
    return count;
}

} // namespace pf
