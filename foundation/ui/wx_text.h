#pragma once
// The edge between the program's CP1252 byte strings and wx's Unicode strings.
#include <string>
#include <wx/string.h>

namespace pf {

// CP1252 bytes to a wxString; "\r\n" becomes a plain line break for display.
wxString ToWx(const std::string& bytes);
// A wxString to CP1252 bytes; characters outside CP1252 become '?'.
std::string FromWx(const wxString& text);
// As FromWx; false when a character had no CP1252 byte (it became '?').
bool FromWxExact(const wxString& text, std::string& out);
// An internal path as the OS names it, in the file-name encoding, for display.
wxString ToWxPath(const std::string& internal);

} // namespace pf
