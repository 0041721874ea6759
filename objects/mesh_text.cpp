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

namespace {

// from_chars reports numbers too large and too small for a double alike; the decimal
// exponent of the first significant digit tells which it was.
bool IsBeyondDoubleRange(std::string_view number) {
    int64_t exponent = 0;
    bool significant = false;
    bool fraction = false;
    size_t i = number.front() == '-' ? 1 : 0;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (c < '0' || c > '9') {
            break;
        }
        if (fraction && !significant) {
            --exponent; // a fraction digit up to the first significant one
        } else if (!fraction && significant) {
            ++exponent; // an integer digit after the first significant one
        }
        significant = significant || c != '0';
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        exponent += MeshTokenInteger(number.substr(i + 1));
    }
    return significant && exponent >= 0;
}

} // namespace

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
    if (result.ec == std::errc::result_out_of_range) {
        if (!IsBeyondDoubleRange(std::string_view(begin, token.data() + token.size() - begin))) {
            return 0.0;
        }
        const double huge = std::numeric_limits<double>::infinity();
        return first == '-' ? -huge : huge;
    }
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

bool MeshGeomReader::GroupLine(std::string_view& line) {
    if (!lines_.NextLine(line)) {
        faulty_ = true;
        return false;
    }
    return true;
}

bool MeshGeomReader::NextGroup() {
    MeterPoint skipped;
    while (NextVertex(skipped)) {
    }
    std::string_view line;
    for (; trianglesLeft_ > 0 && !faulty_; --trianglesLeft_) {
        GroupLine(line);
    }
    if (faulty_) {
        return false;
    }
    while (lines_.NextLine(line)) {
        if (IsMeshKeywordLine(line, "TEXTURE", lines_.AtEnd())) {
            textured_ = true;
            continue;
        }
        if (!IsMeshKeywordLine(line, "GEOM", false)) {
            continue;
        }
        MeshTokens header(line);
        header.Next(); // GEOM
        const std::string_view countToken = header.Next();
        const int64_t nv = MeshTokenInteger(countToken);
        if (nv < 1 && countToken != "0") {
            faulty_ = true;
            return false;
        }
        vertexCount_ = nv;
        verticesLeft_ = nv;
        trianglesLeft_ = MeshTokenInteger(header.Next());
        return true;
    }
    return false;
}

bool MeshGeomReader::NextVertex(MeterPoint& vertex) {
    std::string_view line;
    if (faulty_ || verticesLeft_ <= 0 || !GroupLine(line)) {
        return false;
    }
    --verticesLeft_;
    MeshTokens tokens(line);
    const double x = MeshTokenNumber(tokens.Next());
    const double y = MeshTokenNumber(tokens.Next());
    const double z = MeshTokenNumber(tokens.Next());
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
        faulty_ = true;
        return false;
    }
    vertex = MeterPoint{z, x, y};
    return true;
}

bool MeshGeomReader::NextTriangle(int64_t& i0, int64_t& i1, int64_t& i2) {
    MeterPoint skipped;
    while (NextVertex(skipped)) {
    }
    std::string_view line;
    while (!faulty_ && trianglesLeft_ > 0 && GroupLine(line)) {
        --trianglesLeft_;
        MeshTokens tokens(line);
        if (tokens.Count() < 3) {
            continue;
        }
        const int64_t a = MeshTokenInteger(tokens.Next());
        const int64_t b = MeshTokenInteger(tokens.Next());
        const int64_t c = MeshTokenInteger(tokens.Next());
        if (a < 0 || a >= vertexCount_ || b < 0 || b >= vertexCount_ || c < 0 ||
            c >= vertexCount_) {
            continue;
        }
        i0 = a;
        i1 = b;
        i2 = c;
        return true;
    }
    return false;
}

} // namespace pf
