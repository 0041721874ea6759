#pragma once
// The configuration dialog: the simulator folder, the installed-bases viewer, the image
// editor, clearing the caches, small bodies and the map source. Every handler stores its
// setting at once; OK, Esc and the close box only close it.
#include "foundation/ui/modal_dialog.h"
#include "workspace/logic/configuration_logic.h"

class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

namespace pf {

class ConfigurationDlg : public ModalDialog {
  public:
    enum {
        ID_SMALL_BODIES = 1091,
        ID_PATH = 1112,
        ID_BROWSE = 1113,
        ID_LOADED_BASES = 1118,
        ID_CLEAR_CACHE = 1137,
        ID_IMAGE_EDITOR = 1145,
        ID_STATIC_MAP = 1152,
        ID_WMS_MAP = 1153,
    };

    explicit ConfigurationDlg(wxWindow* parent);

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnBrowse(wxCommandEvent& event);
    void OnLoadedBaseViewer(wxCommandEvent& event);
    void OnClearCache(wxCommandEvent& event);
    void OnSetImageEditor(wxCommandEvent& event);
    void OnUseStaticMap(wxCommandEvent& event);
    void OnUseWmsMap(wxCommandEvent& event);
    void OnSmallBodiesClicked(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void ShowMapSource();

    ConfigurationLogic logic_;
    wxTextCtrl* path_ = nullptr;
    wxCheckBox* smallBodies_ = nullptr;
    wxRadioButton* staticMap_ = nullptr;
    wxRadioButton* wmsMap_ = nullptr;
};

} // namespace pf
