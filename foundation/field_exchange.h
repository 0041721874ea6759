#pragma once
// Moving a dialog's members into its controls' texts and back, with the range checks of
// each field. The dialog's logic lists its fields once, in member order, in one routine
// that takes a FieldExchange; the same routine then shows the members or reads them.
// Reading stops at the first refused field: the fields read before it keep their new
// values, the refused one and those after it stay as they were.
//
// Numbers are shown and read with '.' whatever the process locale: a float as "%.6g",
// a double as "%.15g", an int as "%d". A precise float ("%.9g") reads back as the same
// float, for values that must survive being shown and read again (positions).
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace pf {

// The texts of a dialog's controls by control id. Check boxes read "1" or "0". The wx
// edge lists in `unconvertible` the controls whose text holds characters that the
// program's byte text (code page 1252) cannot carry.
struct ControlTexts {
    std::map<int, std::string> text;
    std::set<int> unconvertible;

    // "" when the control has no text.
    const std::string& Get(int id) const;
    void Set(int id, const std::string& value) { text[id] = value; }
    bool Has(int id) const { return text.count(id) != 0; }
};

// Why reading stopped: the refused control and the message for the person.
struct FieldRefusal {
    int control = 0;
    std::string message;
};

class FieldExchange {
  public:
    // Members are written into `texts`.
    static FieldExchange Show(ControlTexts& texts);
    // Members are read from `texts`; a control missing from them leaves its member.
    static FieldExchange Read(const ControlTexts& texts);

    bool IsReading() const { return reading_; }
    // True once a field was refused; every later call then does nothing.
    bool Failed() const { return failed_; }
    const FieldRefusal& Refusal() const { return refusal_; }

    void Text(int id, std::string& member);
    // A texture name: empty, or without blanks, tabs, other control characters, ';' and
    // '=', which the configuration text would cut or split.
    void TextureName(int id, std::string& member);
    void Check(int id, bool& member);
    void Int(int id, int32_t& member);
    void Int(int id, int32_t& member, int32_t low, int32_t high);
    // Rounded to float, then compared with the float bounds.
    void Float(int id, float& member);
    void Float(int id, float& member, float low, float high);
    void PreciseFloat(int id, float& member, float low, float high);
    void Double(int id, double& member);
    void Double(int id, double& member, double low, double high);

  private:
    FieldExchange(bool reading, ControlTexts* out, const ControlTexts* in)
        : reading_(reading), out_(out), in_(in) {}
    // The text to read for the control, or null when there is nothing to read.
    const std::string* Source(int id) const;
    void Refuse(int id, const std::string& message);
    void FloatShown(int id, float& member, float low, float high, std::string (*show)(float));

    bool reading_;
    ControlTexts* out_;
    const ControlTexts* in_;
    bool failed_ = false;
    FieldRefusal refusal_;
};

// Reads the texts through a dialog's exchange routine (a callable taking FieldExchange&);
// the refusal when a field is refused.
template <class Exchange>
std::optional<FieldRefusal> ReadFieldTexts(const ControlTexts& texts, Exchange&& exchange) {
    FieldExchange dx = FieldExchange::Read(texts);
    exchange(dx);
    if (dx.Failed()) {
        return dx.Refusal();
    }
    return std::nullopt;
}

// The texts a field shows.
std::string FieldTextFloat(float value);
std::string FieldTextPreciseFloat(float value);
std::string FieldTextDouble(double value);
std::string FieldTextInt(int32_t value);

// The whole text, blanks around it allowed, as one finite number of the C library's
// decimal and hexadecimal number forms. False, out untouched, otherwise.
bool ParseFieldNumber(const std::string& text, double& out);
// An optional sign and decimal digits, blanks around allowed. A value beyond 64 bits is
// held at the nearest 64-bit limit. False, out untouched, when the text is not such an
// integer.
bool ParseFieldInteger(const std::string& text, int64_t& out);

// The message texts of the checks.
extern const char* const kEnterNumberMessage;
extern const char* const kEnterIntegerMessage;
extern const char* const kTextureNameMessage;
std::string NumberRangeMessage(double low, double high);
std::string IntegerRangeMessage(int64_t low, int64_t high);

} // namespace pf
