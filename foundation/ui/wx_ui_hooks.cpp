#include "foundation/ui/wx_ui_hooks.h"

#include "foundation/ui/message_opt_out_dlg.h"
#include "foundation/ui/wx_text.h"

#include <wx/msgdlg.h>

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

} // namespace

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
