#pragma once
// "Select Texture": the texture list for a kind of object, a preview from the
// simulator's texture folder, and the u and v scales.
#include "foundation/ui/modal_dialog.h"
#include "objects/logic/select_texture_logic.h"

class wxListBox;

namespace pf {

class MyBitmapButton;

class SelectTextureDlg : public ModalDialog {
  public:
    // The preview's fixed client size.
    static constexpr int kPreviewWidth = 160;
    static constexpr int kPreviewHeight = 120;

    SelectTextureDlg(int32_t kind, wxWindow* parent);

    // The caller sets name, u and v before the run and reads them after OK.
    SelectTextureLogic& Logic() { return logic_; }
    MyBitmapButton& Preview() { return *preview_; }
    void ShowTexturePreview(const std::string& name);

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnSelChange(wxCommandEvent& event);
    void OnDoubleClick(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    ControlTexts Fields() const;

    SelectTextureLogic logic_;
    wxListBox* list_ = nullptr;
    MyBitmapButton* preview_ = nullptr;
    BitmapData unavailable_;
    BitmapData no_texture_;
};

} // namespace pf
