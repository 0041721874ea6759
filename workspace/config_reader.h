#pragma once
// The one reader through which every text file of the simulator and of the program is
// read: a stream or a string becomes a list of clean lines (TAB and '=' read as blanks,
// ';' starts a comment, blank runs collapse, empty lines vanish), from which sections,
// object groups, keyed values and tokens are taken.
#include "foundation/string_array.h"

#include <string>
#include <vector>

namespace pf {

class MyStream;

// One object's lines: its type word, then its parameter lines (no closing "END").
using ObjectGroup = StringArray;
using ObjectGroupList = std::vector<ObjectGroup>;

// Largest text stream the reader takes, in bytes.
inline constexpr unsigned long long kMaxTextStreamBytes = 1000000;

// The whole stream from its beginning into buffer, followed by one NUL byte. A stream
// over kMaxTextStreamBytes shows "<path> is too big\r\n"; a short read fails silently.
bool ReadWholeStream(MyStream& stream, std::vector<char>& buffer);

// ReadWholeStream, normalise, split; the lines are appended.
bool LoadLinesFromStream(StringArray& lines, MyStream& stream);
// Opens the file as a simulator-tree stream; false without a message when it does not open.
bool LoadLinesFromFile(StringArray& lines, const std::string& path);
// The same normalising on text in memory (stops at a NUL byte); always true.
bool SplitTextIntoLines(StringArray& lines, const std::string& text);

// TAB and '=' to blank, CR to LF, ';' comments dropped, blank runs collapsed, in place.
void NormaliseText(std::string& text);
// Normalised text cut at LF into trimmed non-empty lines, appended to lines.
void SplitLines(StringArray& lines, const std::string& text);

// out = the lines between the first line equal to begin and the next line equal to end
// (whole lines, case ignored). A missing end runs to the last line. False without begin.
bool ExtractSection(StringArray& out, const StringArray& lines, const std::string& begin,
                    const std::string& end);
// The rest of the first line beginning with "name " and longer than it.
bool FindNameLine(std::string& out, const StringArray& lines);
// The value of the first line beginning with key (case ignored). A line that only holds
// the key, without its trailing white space, gives "" and true.
bool FindKeyedLine(std::string& out, const std::string& key, const StringArray& lines);

// Blank-separated tokens (empty ones skipped); true when there is at least one.
bool SplitBySpace(StringArray& tokens, const std::string& text);
bool SplitLineBySpace(StringArray& tokens, const std::string& line);
// Every token of the line as a float, appended; false at the first non-number or when
// the line holds no token.
bool ParseFloatList(std::vector<float>& values, const std::string& line);

// The object groups of the BEGIN_OBJECTLIST section, in file order.
void CollectObjectGroups(ObjectGroupList& groups, const StringArray& lines);

} // namespace pf
