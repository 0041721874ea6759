#pragma once
// Line and token reading of model text straight from memory, and the one walk over its
// GEOM groups that the extent reader and the top-view drawing share. A line keeps its
// line end; tokens are separated by the blank alone, leading blanks skipped, so a line's
// last token carries its line end.
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
// The longest leading decimal number (whitespace before it skipped); 0 without one and
// for the words "inf" and "nan"; a number beyond the double range is infinite, one too
// small for it 0.
double MeshTokenNumber(std::string_view token);

// One vertex in the order (z, x, y) of the model's coordinates.
struct MeterPoint {
    double z = 0.0;
    double x = 0.0;
    double y = 0.0;
};

// The GEOM groups of a model text, one after the other. A group is its header line (GEOM
// in the first column, any case, then a blank, the vertex count nv and the triangle count
// nt), nv vertex lines (x, y and z first; missing values read as 0) and nt triangle lines.
// A group of zero vertices is a group all the same: its triangle lines belong to it. The
// text is faulty, and the walk ends, at a vertex count below 1 that is not exactly "0", a
// group cut short by the end of the text, or a vertex that is not finite (vertices passed
// over included). Lines between groups are passed over; a TEXTURE line among them is noted.
class MeshGeomReader {
  public:
    explicit MeshGeomReader(std::string_view text) : lines_(text) {}
    // Moves to the next group, passing over what is left of the current one. False at the
    // end of the text and when the text is faulty.
    bool NextGroup();
    // The current group's next vertex; false after its last one and on a fault.
    bool NextVertex(MeterPoint& vertex);
    // The current group's next triangle whose three indices all name vertices of the group;
    // triangle lines with fewer indices or with one outside the group are passed over, and
    // so are vertices not read yet. False after the last one and on a fault.
    bool NextTriangle(int64_t& i0, int64_t& i1, int64_t& i2);
    bool Faulty() const { return faulty_; }
    // A TEXTURE line (TEXTURE and a blank, or TEXTURE ending the text) came between groups.
    bool Textured() const { return textured_; }

  private:
    // The group's next line; a fault when the text has ended.
    bool GroupLine(std::string_view& line);

    MeshTextReader lines_;
    int64_t vertexCount_ = 0;
    int64_t verticesLeft_ = 0;
    int64_t trianglesLeft_ = 0;
    bool faulty_ = false;
    bool textured_ = false;
};

} // namespace pf
