#include "foundation/field_exchange.h"

#include "foundation/text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace pf {

const char* const kEnterNumberMessage = "Enter a number.";
const char* const kEnterIntegerMessage = "Enter an integer.";
const char* const kTextureNameMessage = "A texture name cannot contain blanks, tabs, ';' or '='.";

namespace {

locale_t CLocale() {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c_locale;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The text without the blanks around it.
std::string Trimmed(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool IsTextureNameByte(unsigned char c) {
    return c >= 0x20 && c != 0x7F && c != ' ' && c != ';' && c != '=';
}

} // namespace

const std::string& ControlTexts::Get(int id) const {
    static const std::string empty;
    auto found = text.find(id);
    return found == text.end() ? empty : found->second;
}

std::string FieldTextFloat(float value) { return FormatString("%.6g", static_cast<double>(value)); }

std::string FieldTextPreciseFloat(float value) {
    return FormatString("%.9g", static_cast<double>(value));
}

std::string FieldTextDouble(double value) { return FormatString("%.15g", value); }

std::string FieldTextInt(int32_t value) { return FormatString("%d", value); }

bool ParseFieldNumber(const std::string& text, double& out) {
    const std::string body = Trimmed(text);
    if (body.empty() || CLocale() == static_cast<locale_t>(0)) {
        return false;
    }
    const char* begin = body.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(begin, &end, CLocale());
    if (end != begin + body.size() || !std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

bool ParseFieldInteger(const std::string& text, int64_t& out) {
    const std::string body = Trimmed(text);
    size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        negative = body[i] == '-';
        ++i;
    }
    if (i == body.size()) {
        return false;
    }
    // Accumulated as a negative number, which reaches the lowest 64-bit value.
    const int64_t lowest = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    bool saturated = false;
    for (; i < body.size(); ++i) {
        const char c = body[i];
        if (c < '0' || c > '9') {
            return false;
        }
        const int digit = c - '0';
        if (!saturated && (value < (lowest + digit) / 10)) {
            saturated = true;
        }
        if (!saturated) {
            value = value * 10 - digit;
        }
    }
    if (saturated) {
        out = negative ? lowest : std::numeric_limits<int64_t>::max();
    } else if (negative) {
        out = value;
    } else {
        out = value == lowest ? std::numeric_limits<int64_t>::max() : -value;
    }
    return true;
}

std::string NumberRangeMessage(double low, double high) {
    return FormatString("Enter a number between %.6g and %.6g.", low, high);
}

std::string IntegerRangeMessage(int64_t low, int64_t high) {
    return FormatString("Enter an integer between %lld and %lld.", static_cast<long long>(low),
                        static_cast<long long>(high));
}

FieldExchange FieldExchange::Show(ControlTexts& texts) {
    return FieldExchange(false, &texts, nullptr);
}

FieldExchange FieldExchange::Read(const ControlTexts& texts) {
    return FieldExchange(true, nullptr, &texts);
}

const std::string* FieldExchange::Source(int id) const {
    if (failed_ || in_ == nullptr) {
        return nullptr;
    }
    auto found = in_->text.find(id);
    return found == in_->text.end() ? nullptr : &found->second;
}

void FieldExchange::Refuse(int id, const std::string& message) {
    failed_ = true;
    refusal_.control = id;
    refusal_.message = message;
}

void FieldExchange::Text(int id, std::string& member) {
    if (!reading_) {
        out_->Set(id, member);
        return;
    }
    if (const std::string* text = Source(id)) {
        member = *text;
    }
}

void FieldExchange::TextureName(int id, std::string& member) {
    if (!reading_) {
        out_->Set(id, member);
        return;
    }
    const std::string* text = Source(id);
    if (text == nullptr) {
        return;
    }
    bool fits = in_->unconvertible.count(id) == 0;
    for (unsigned char c : *text) {
        fits = fits && IsTextureNameByte(c);
    }
    if (!fits) {
        Refuse(id, kTextureNameMessage);
        return;
    }
    member = *text;
}

void FieldExchange::Check(int id, bool& member) {
    if (!reading_) {
        out_->Set(id, member ? "1" : "0");
        return;
    }
    if (const std::string* text = Source(id)) {
        member = *text == "1";
    }
}

void FieldExchange::Int(int id, int32_t& member) {
    Int(id, member, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

void FieldExchange::Int(int id, int32_t& member, int32_t low, int32_t high) {
    if (!reading_) {
        out_->Set(id, FieldTextInt(member));
        return;
    }
    const std::string* text = Source(id);
    if (text == nullptr) {
        return;
    }
    int64_t value = 0;
    if (!ParseFieldInteger(*text, value)) {
        Refuse(id, kEnterIntegerMessage);
        return;
    }
    if (value < low || value > high) {
        Refuse(id, IntegerRangeMessage(low, high));
        return;
    }
    member = static_cast<int32_t>(value);
}

void FieldExchange::Float(int id, float& member) {
    Float(id, member, -std::numeric_limits<float>::max(), std::numeric_limits<float>::max());
}

void FieldExchange::Float(int id, float& member, float low, float high) {
    FloatShown(id, member, low, high, &FieldTextFloat);
}

void FieldExchange::PreciseFloat(int id, float& member, float low, float high) {
    FloatShown(id, member, low, high, &FieldTextPreciseFloat);
}

void FieldExchange::FloatShown(int id, float& member, float low, float high,
                               std::string (*show)(float)) {
    if (!reading_) {
        out_->Set(id, show(member));
        return;
    }
    const std::string* text = Source(id);
    if (text == nullptr) {
        return;
    }
    double number = 0.0;
    if (!ParseFieldNumber(*text, number)) {
        Refuse(id, kEnterNumberMessage);
        return;
    }
    // A number beyond the float range rounds to infinity and fails the bounds.
    const float value = std::fabs(number) > std::numeric_limits<float>::max()
                            ? std::copysign(std::numeric_limits<float>::infinity(),
                                            static_cast<float>(number > 0 ? 1 : -1))
                            : static_cast<float>(number);
    if (!(value >= low && value <= high)) {
        Refuse(id, NumberRangeMessage(low, high));
        return;
    }
    member = value;
}

void FieldExchange::Double(int id, double& member) {
    Double(id, member, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
}

void FieldExchange::Double(int id, double& member, double low, double high) {
    if (!reading_) {
        out_->Set(id, FieldTextDouble(member));
        return;
    }
    const std::string* text = Source(id);
    if (text == nullptr) {
        return;
    }
    double value = 0.0;
    if (!ParseFieldNumber(*text, value)) {
        Refuse(id, kEnterNumberMessage);
        return;
    }
    if (!(value >= low && value <= high)) {
        Refuse(id, NumberRangeMessage(low, high));
        return;
    }
    member = value;
}

} // namespace pf
