#include "objects/mesh_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace pf {

bool MeshTextReader::NextLine(std::string_view& line) {
    if (pos_ >= text_.size()) {
        line = std::string_view();
        return false;
    }
    const size_t end = text_.find('\n', pos_);
    const size_t next = end == std::string_view::npos ? text_.size() : end + 1;
    line = text_.substr(pos_, next - pos_);
    pos_ = next;
    return true;
}

std::string_view MeshTokens::Next() {
    while (pos_ < line_.size() && line_[pos_] == ' ') {
        ++pos_;
    }
    const size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ') {
        ++pos_;
    }
    return line_.substr(start, pos_ - start);
}

int MeshTokens::Count() const {
    MeshTokens copy(line_);
    int count = 0;
    while (!copy.Next().empty()) {
        ++count;
    }
    return count;
}

bool IsMeshKeywordLine(std::string_view line, std::string_view keyword, bool atEnd) {
    if (line.size() < keyword.size()) {
        return false;
    }
    for (size_t i = 0; i < keyword.size(); ++i) {
        char c = line[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (c != keyword[i]) {
            return false;
        }
    }
    if (line.size() == keyword.size()) {
        return atEnd;
    }
    return line[keyword.size()] == ' ';
}

int64_t MeshTokenInteger(std::string_view token) {
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        value = value * 10 + (token[i] - '0');
        if (value > kLimit) {
            value = kLimit + (negative ? 1 : 0);
            break;
        }
    }
    return negative ? -value : value;
}

double MeshTokenNumber(std::string_view token) {
    size_t i = 0;
    while (i < token.size() && std::strchr(" \t\r\n\v\f", token[i]) != nullptr &&
           token[i] != '\0') {
        ++i;
    }
    if (i < token.size() && token[i] == '+') {
        ++i;
        if (i < token.size() && token[i] == '-') {
            return 0.0;
        }
    }
    if (i >= token.size()) {
        return 0.0;
    }
    // Only a plain decimal number: no "inf", "nan" or hexadecimal forms.
    const char first = token[i];
    if (!(first == '-' || first == '.' || (first >= '0' && first <= '9'))) {
        return 0.0;
    }
    double value = 0.0;
    const char* begin = token.data() + i;
    const auto result =
        std::from_chars(begin, token.data() + token.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

} // namespace pf
