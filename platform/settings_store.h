#pragma once
// The program's settings: text values by name in one file, $XDG_CONFIG_HOME/padforge/settings
// (XDG_CONFIG_HOME counts only when absolute, else ~/.config). Nothing is kept in memory:
// every read and every write reads the file afresh.
//
// Format: one "name=value" line per value, split at the first '=', LF line ends. In values
// '%', CR and LF are written %25, %0D and %0A. The first line of a name counts; a write
// replaces that line in place, drops later lines of the same name and keeps every other
// line (unknown or malformed) as it was.
#include <string>
#include <utility>
#include <vector>

namespace pf::settings_store {

// The settings file (internal form); empty when no home can be had.
std::string FilePath();

// The value stored under `name` (names match exactly). False when the name is not
// stored or the file cannot be read; `value` is then left unchanged.
bool Read(const std::string& name, std::string& value);

// Every stored value in file order, the first line of each name only. False when the
// file cannot be read (a missing file gives true and no values).
bool ReadAll(std::vector<std::pair<std::string, std::string>>& values);

// Stores `value` under `name`, creating the file and its folder when missing. The whole
// file is written to a temporary file and renamed over the old one. False when the name
// holds '=', CR or LF, or the file cannot be read or written (the old file stays whole).
bool Write(const std::string& name, const std::string& value);

// The encoding of values in the file, exposed for tests.
std::string EncodeValue(const std::string& value);
std::string DecodeValue(const std::string& text);

} // namespace pf::settings_store
