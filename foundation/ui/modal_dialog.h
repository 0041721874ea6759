#pragma once
// The base of the program's dialogs. A dialog ends through EndWith, which records the
// code and ends the modal loop only while the dialog runs modally, so that a dialog
// driven by wx's modal-dialog hook in tests ends the same way. Esc and the close box
// press Cancel, also in a dialog without a Cancel button (unless its escape id is
// wxID_NONE: then Esc does nothing). Also the moving of control texts between a dialog and its
// logic.
#include "foundation/field_exchange.h"
#include "foundation/ui_hooks.h" // kProgramCaption

#include <string>
#include <vector>
#include <wx/dialog.h>

namespace pf {

class ModalDialog : public wxDialog {
  public:
    ModalDialog(wxWindow* parent, const wxString& title);

    // Records the code; ends the modal loop when the dialog is modal.
    void EndWith(int code);

    // The texts of the listed controls (text controls and check boxes).
    ControlTexts CollectTexts(const std::vector<int>& ids) const;
    // Puts the texts into their controls without sending change events.
    void ApplyTexts(const ControlTexts& texts);
    // Ends a layout: OK (the default button) and Cancel at the bottom right of top; the
    // dialog then takes top as its sizer and fits to it.
    void FinishWithOkCancel(wxSizer* top);
    // Shows a refused field's message and puts the focus into the field, its text
    // selected. The dialog stays open.
    void ShowRefusal(const FieldRefusal& refusal);

  protected:
    // The Cancel button, Esc and the close box: Cancel.
    virtual void OnCancelPressed();

  private:
    void OnCancelButton(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnCharHook(wxKeyEvent& event);
};

} // namespace pf
