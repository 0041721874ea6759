#include "foundation/ui/wx_ui_hooks.h"

#include "foundation/ui/message_opt_out_dlg.h"
#include "foundation/ui/wx_text.h"

#include <wx/app.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/window.h>

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

} // namespace

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
    wxMessageDialog dlg(nullptr, ToWx(text), ToWx(caption), ButtonStyle(buttons) | IconStyle(icon));
    return AnswerFromDialogResult(dlg.ShowModal(), buttons);
}

} // namespace pf
