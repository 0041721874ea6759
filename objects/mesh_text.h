#pragma once
// Line and token reading of model text straight from memory, shared by the extent
// reader and the top-view drawing. A line keeps its line end; tokens are separated by
// the blank alone, leading blanks skipped, so a line's last token carries its line end.
#include <cstdint>
#include <string_view>

namespace pf {

class MeshTextReader {
  public:
    explicit MeshTextReader(std::string_view text) : text_(text) {}
    // The next line up to and including '\n'; false when no byte is left.
    bool NextLine(std::string_view& line);
    bool AtEnd() const { return pos_ >= text_.size(); }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

class MeshTokens {
  public:
    explicit MeshTokens(std::string_view line) : line_(line) {}
    // The next token; empty past the end of the line.
    std::string_view Next();
    // How many tokens the line holds (from the start, whatever was read).
    int Count() const;

  private:
    std::string_view line_;
    size_t pos_ = 0;
};

// The line's first token is the keyword (ASCII case ignored), starting in the first
// column and followed by a blank; at the end of the text (atEnd), also by nothing.
bool IsMeshKeywordLine(std::string_view line, std::string_view keyword, bool atEnd);

// Leading decimal digits after an optional sign; 0 without any; saturated to int32.
int64_t MeshTokenInteger(std::string_view token);
// The longest leading decimal number (whitespace before it skipped); 0 without one, and
// for a value that is not finite.
double MeshTokenNumber(std::string_view token);

} // namespace pf
