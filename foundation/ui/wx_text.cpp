#include "foundation/ui/wx_text.h"

#include "platform/fs.h"

#include <wx/strconv.h>

namespace pf {

namespace {
wxCSConv& Cp1252() {
    static wxCSConv conv(wxFONTENCODING_CP1252);
    return conv;
}
} // namespace

wxString ToWx(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text += bytes[i];
    }
    return wxString(text.data(), Cp1252(), text.size());
}

std::string FromWx(const wxString& text) {
    std::string out;
    FromWxExact(text, out);
    return out;
}

bool FromWxExact(const wxString& text, std::string& out) {
    out.clear();
    out.reserve(text.length());
    bool exact = true;
    for (wxUniChar ch : text) {
        wxString one(ch);
        wxCharBuffer buf = one.mb_str(Cp1252());
        if (buf.length() == 1) {
            out += buf.data()[0];
        } else {
            out += '?';
            exact = false;
        }
    }
    return exact;
}

wxString ToWxPath(const std::string& internal) {
    return wxString(fs::ToNative(internal).c_str(), *wxConvFileName);
}

} // namespace pf
