#include "document/nav_beacon.h"

namespace pf {

namespace {

// The base-file reader splits lines at blanks, TABs and '=', and cuts them at ';'.
std::string LineWord(const std::string& word) {
    if (word.empty()) {
        return "-";
    }
    std::string out = word;
    for (char& c : out) {
        if (c == ' ' || c == '\t' || c == '=' || c == ';' || c == '\r' || c == '\n') {
            c = '_';
        }
    }
    return out;
}

} // namespace

std::string NavBeacon::FormatLine() const {
    std::string line = LineWord(type) + " " + LineWord(identifier) + " " + FormatFloat4(longitude) +
                       " " + FormatFloat4(latitude) + " " + FormatFloat4(frequency);
    if (sixth.given) {
        line += " " + FormatDouble3(sixth.value);
    }
    return line + "\r\n";
}

} // namespace pf
