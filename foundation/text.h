#pragma once
// Text and number helpers for configuration text: printf-style building, shortest
// fixed-point numbers, strict number parsing, ASCII case-insensitive tests, trimming.
// Numbers are always written and read with '.' as the decimal point, whatever the
// process locale is (GTK switches it to the desktop's).
#include <string>

namespace pf {

// printf rules, any length. Arguments are C values (pass .c_str() for strings).
std::string FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));
// text + "\r\n".
std::string FormatLine(const std::string& text);
// "%.Nf" of the value, trailing zeros and point removed, "-0" and "" become "0".
std::string FormatNumber(float value, int decimals);
// The value that FormatNumber(value, decimals) reads back as through ParseFloat, without
// building either text; false when that text would not read (a value that is no number).
bool NumberAsRead(float value, int decimals, float& out);

// Strict parsing: only digits, '.', 'e', 'E', '+' and '-' are allowed, then the longest
// leading number is taken (0 when there is none). False, output untouched, for an empty
// text, any other byte, or a result that does not fit the output type.
bool ParseFloatText(const char* text, float& out);
bool ParseDoubleText(const char* text, double& out);
bool ParseFloat(const std::string& text, float& out);
bool ParseDoubleCString(const std::string& text, double& out);
// Lenient reading, as atof in the "C" locale: leading blanks skipped, the longest leading
// number taken, 0 when there is none.
double ReadLeadingDouble(const std::string& text);

// Case-insensitive tests fold ASCII letters only.
// Starts with: a must be strictly longer than b.
bool StartsWithLonger(const char* a, const char* b);
bool CStringStartsWith(const std::string& a, const char* b);
bool CStringStartsWithCString(const std::string& a, const std::string& b);
// Ends with: a string ends with itself.
bool CStringEndsWithNoCase(const std::string& a, const std::string& b);
// Equality: same length and same letters.
bool StrEquals(const char* a, const char* b);
bool CStringEqualsNoCase(const std::string& a, const std::string& b);
bool CStringEqualsText(const std::string& a, const char* b);

// Upper case in code page 1252: a-z, the accented small letters 0xE0-0xFE (not the
// division sign 0xF7), and the small s, oe and z with caron and y with diaeresis.
std::string UpperCaseCp1252(std::string text);

// Cuts s at the start of its final run of bytes that all belong to the set.
std::string& TrimRightChars(std::string& s, const std::string& set);

// Plain path join: a followed by b, no separator added.
std::string ConcatStrings(const std::string& a, const std::string& b);

// Replaces every occurrence of find, left to right, without searching the inserted text
// again; an empty find replaces nothing. Returns the number of replacements.
int ReplaceAllText(std::string& text, std::string find, std::string replacement);

} // namespace pf
