#pragma once
// The frame of every object dialog: it owns the dialog's logic (the object being edited
// and the members), fills the controls from it, and runs OK, Cancel and the texture
// buttons through it. Also "Add Object", the chooser of a new object's type.
#include "foundation/ui/modal_dialog.h"
#include "objects/logic/object_dialog_logic.h"
#include "objects/object_editing.h"

#include <memory>
#include <vector>

class wxBoxSizer;
class wxSizer;
class wxStaticBoxSizer;
class wxWindow;

namespace pf {

class AddObjectAbstract : public ModalDialog, public ObjectEditDialog {
  public:
    // ObjectEditDialog: a clone of the object goes to the logic (a type this dialog does
    // not edit is refused there and leaves the held object).
    void SetObject(const AstrelObjectHandle& object) override;
    bool RunModal() override { return ShowModal() == wxID_OK; }
    void GetObject(AstrelObject& result) override;

    ObjectDialogLogic& Logic() { return *logic_; }

    // Every control from the logic: texts, then the look (RefreshLook).
    virtual void RefreshControls();
    // Shown or hidden, enabled or not, labels; the texts stay as typed.
    void RefreshLook();

  protected:
    AddObjectAbstract(wxWindow* parent, const wxString& title,
                      std::unique_ptr<ObjectDialogLogic> logic);

    // Layout helpers; the controls are made children of `parent`.
    void AddEditRow(wxWindow* parent, wxSizer* grid, int labelId, const wxString& label,
                    int editId);
    // An edit with its "..." button; the label gets labelId (wxID_ANY for none).
    void AddTextureRow(wxWindow* parent, wxSizer* grid, int labelId, const wxString& label,
                       int editId, int buttonId);
    // OK and Cancel at the bottom, OK the default button; then the sizer is set.
    void FinishLayout(wxBoxSizer* top);

    // The ids of the controls that the logic exchanges.
    std::vector<int> FieldIds();
    // The texts OK and the texture buttons read: the text controls and check boxes; a
    // dialog with another kind of control adds its text.
    virtual ControlTexts CollectFieldTexts();

    virtual void OnInitDialog(wxInitDialogEvent& event);

  private:
    void OnOk(wxCommandEvent& event);
    void OnTextureButton(wxCommandEvent& event);

    std::unique_ptr<ObjectDialogLogic> logic_;
};

class AddObjectDlg : public ModalDialog {
  public:
    explicit AddObjectDlg(wxWindow* parent);

    // The chosen type code; 0 unless a type button ended the dialog.
    int32_t GetCode() const { return logic_.GetCode(); }

  private:
    void OnTypeButton(wxCommandEvent& event);

    AddObjectLogic logic_;
};

} // namespace pf
