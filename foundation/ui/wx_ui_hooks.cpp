#include "foundation/ui/wx_ui_hooks.h"

#include "foundation/ui/message_opt_out_dlg.h"
#include "foundation/ui/wx_text.h"

#include <wx/app.h>
#include <wx/dcscreen.h>
#include <wx/font.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/window.h>

#include <vector>

namespace pf {

namespace {

long ButtonStyle(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return wxOK;
    case MessageButtons::OkCancel:
        return wxOK | wxCANCEL;
    case MessageButtons::YesNo:
        return wxYES_NO;
    case MessageButtons::YesNoCancel:
        return wxYES_NO | wxCANCEL;
    }
    return wxOK;
}

long IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return wxICON_NONE;
    case MessageIcon::Information:
        return wxICON_INFORMATION;
    case MessageIcon::Warning:
        return wxICON_WARNING;
    case MessageIcon::Error:
        return wxICON_ERROR;
    case MessageIcon::Question:
        return wxICON_QUESTION;
    }
    return wxICON_NONE;
}

bool HasCancel(MessageButtons buttons) {
    return buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel;
}

bool HasYesNo(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
}

wxString MenuLabel(const std::string& text) {
    wxString label = ToWx(text);
    label.Replace("&", "&&");
    return label;
}

// Pieces of a word that may end a wrapped line: each ends after a path separator.
std::vector<wxString> BreakablePieces(const wxString& word) {
    std::vector<wxString> pieces;
    wxString piece;
    for (const wxUniChar c : word) {
        piece += c;
        if (c == '/' || c == '\\') {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) {
        pieces.push_back(piece);
    }
    return pieces;
}

} // namespace

wxFont MessageFont() {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetWeight(wxFONTWEIGHT_BOLD);
    return font.Scaled(1.2f);
}

wxString WrapToWidth(const wxString& text, const wxFont& font, int maxWidth) {
    wxScreenDC dc;
    dc.SetFont(font);
    const auto fits = [&](const wxString& s) { return dc.GetTextExtent(s).x <= maxWidth; };
    wxString out;
    wxString word;
    // The toolkit breaks lines at blanks itself: only a word wider than a line is broken.
    const auto flushWord = [&] {
        if (fits(word)) {
            out += word;
            word.clear();
            return;
        }
        wxString current;
        for (wxString piece : BreakablePieces(word)) {
            if (fits(current + piece)) {
                current += piece;
                continue;
            }
            if (!current.empty()) {
                out += current + '\n';
                current.clear();
            }
            // A piece too wide alone is cut where it stops fitting.
            while (!fits(piece)) {
                size_t length = 1;
                while (length < piece.length() && fits(piece.Left(length + 1))) {
                    ++length;
                }
                out += piece.Left(length) + '\n';
                piece = piece.Mid(length);
            }
            current = piece;
        }
        out += current;
        word.clear();
    };
    for (const wxUniChar c : text) {
        if (c == ' ' || c == '\n') {
            flushWord();
            out += c;
        } else {
            word += c;
        }
    }
    flushWord();
    return out;
}

std::unique_ptr<wxMenu> BuildChoiceMenu(const std::string& title, const StringArray& options) {
    auto menu = std::make_unique<wxMenu>();
    if (!title.empty()) {
        // GTK has no bold single items: the title is a plain disabled one.
        wxMenuItem* heading = menu->Append(wxID_ANY, MenuLabel(title));
        heading->Enable(false);
        menu->AppendSeparator();
    }
    for (size_t i = 0; i < options.size(); ++i) {
        menu->Append(kFirstMenuCommand + static_cast<int>(i), MenuLabel(options[i]));
    }
    return menu;
}

UiOwner ToUiOwner(wxWindow* window) { return reinterpret_cast<UiOwner>(window); }

wxWindow* FromUiOwner(UiOwner owner) { return reinterpret_cast<wxWindow*>(owner); }

int WxUiHooks::ChooseFromMenu(UiOwner owner, int x, int y, const std::string& title,
                              const StringArray& options) {
    wxWindow* window = FromUiOwner(owner);
    if (window == nullptr)
        window = wxGetActiveWindow();
    if (window == nullptr && wxTheApp != nullptr)
        window = wxTheApp->GetTopWindow();
    if (window == nullptr || options.empty())
        return 0;
    std::unique_ptr<wxMenu> menu = BuildChoiceMenu(title, options);
    const int id = window->GetPopupMenuSelectionFromUser(*menu, x, y);
    return id == wxID_NONE ? 0 : id;
}

MessageAnswer AnswerFromDialogResult(int result, MessageButtons buttons) {
    switch (result) {
    case wxID_OK:
        if (!HasYesNo(buttons))
            return MessageAnswer::Ok;
        break;
    case wxID_YES:
        if (HasYesNo(buttons))
            return MessageAnswer::Yes;
        break;
    case wxID_NO:
        if (HasYesNo(buttons))
            return MessageAnswer::No;
        break;
    case wxID_CANCEL:
        if (HasCancel(buttons))
            return MessageAnswer::Cancel;
        break;
    default:
        break;
    }
    // Closed without a choice (GTK reports the close box as Cancel).
    return ClosedBoxAnswer(buttons);
}

bool WxUiHooks::ShowFailure(const std::string& text) { return ShowFailureDialog(text); }

MessageAnswer WxUiHooks::MessageBox(const std::string& text, const std::string& caption,
                                    MessageButtons buttons, MessageIcon icon) {
    wxMessageDialog dlg(nullptr, WrapToWidth(ToWx(text), MessageFont(), kMessageLineWidth),
                        ToWx(caption), ButtonStyle(buttons) | IconStyle(icon));
    return AnswerFromDialogResult(dlg.ShowModal(), buttons);
}

} // namespace pf
