#pragma once
// The frame of every object dialog: it owns the dialog's logic (the object being edited
// and the members), fills the controls from it, and runs OK, Cancel, the kind buttons and
// the texture buttons through it. Also "Add Object", the chooser of a new object's type.
#include "foundation/ui/modal_dialog.h"
#include "objects/logic/object_dialog_logic.h"
#include "objects/object_editing.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class wxBoxSizer;
class wxFlexGridSizer;
class wxButton;
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
    // Shown or hidden, enabled or not, labels, the kind buttons' states; the texts stay as
    // typed.
    void RefreshLook();

  protected:
    AddObjectAbstract(wxWindow* parent, const wxString& title,
                      std::unique_ptr<ObjectDialogLogic> logic);

    // Layout helpers; the controls are made children of `parent`.
    void AddEditRow(wxWindow* parent, wxSizer* grid, int labelId, const wxString& label,
                    int editId);
    // A label (its id, wxID_ANY for none) and an edit.
    struct EditRow {
        int labelId;
        const char* label;
        int editId;
    };
    void AddEditRows(wxWindow* parent, wxSizer* grid, std::initializer_list<EditRow> rows);
    // A two-column grid whose second column grows.
    static wxFlexGridSizer* NewGrid();
    // A titled box holding a new grid, added to `top` with the flags and a border of 8.
    // Rows go into `grid`, their controls are children of `box`.
    struct GridBox {
        wxStaticBoxSizer* sizer;
        wxWindow* box;
        wxFlexGridSizer* grid;
    };
    GridBox AddGridBox(wxSizer* top, const wxString& title, int flags);
    // An edit with its "..." button that opens the texture chooser; the label gets labelId
    // (wxID_ANY for none).
    void AddTextureRow(wxWindow* parent, wxSizer* grid, int labelId, const wxString& label,
                       int editId, int buttonId);
    // A "..." button at the end of a row; the dialog binds what it does.
    wxButton* AddBrowseButton(wxWindow* parent, wxSizer* row, int buttonId);

    // A picture button that switches the object's kind: id, caption and picture (a file of
    // the install folder, loaded when the dialog starts).
    struct KindButton {
        int id;
        const char* caption;
        const char* picture;
    };
    // After a kind click: every text shown again (the kind brings texts of its own), or
    // only the look, so that what was typed stays.
    enum class AfterKind { ShowTexts, KeepTexts };
    // A box of kind buttons under `title`, added to `top`; clicks go to the logic.
    void AddKindButtons(wxSizer* top, const wxString& title,
                        std::initializer_list<KindButton> buttons, AfterKind after);
    // OK and Cancel at the bottom, OK the default button; then the sizer is set.
    void FinishLayout(wxBoxSizer* top);

    // The ids of the controls that the logic exchanges.
    std::vector<int> FieldIds();
    // The texts OK and the texture buttons read: the text controls and check boxes; a
    // dialog with another kind of control adds its text.
    virtual ControlTexts CollectFieldTexts();

    // Loads the kind pictures, starts the logic and fills the controls.
    virtual void OnInitDialog(wxInitDialogEvent& event);
    // OK through the logic: a refused field is shown; the dialog ends when accepted.
    virtual void OnOk(wxCommandEvent& event);

  private:
    void OnTextureButton(wxCommandEvent& event);

    std::unique_ptr<ObjectDialogLogic> logic_;
    std::vector<std::pair<int, std::string>> kindPictures_;
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
