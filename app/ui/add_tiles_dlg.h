#pragma once
// "Tile List Editor": the wx face of AddTilesLogic. It builds the controls at the places
// the editor's layout rules give, paints the view, preview and legend panels, turns
// mouse points on the view panel into the dialog's client points and hands every event
// to the logic. It ends with OK ("Save and Exit" or Yes to the close question) or Cancel.
#include "app/logic/add_tiles_logic.h"
#include "app/logic/dialog_runners.h"
#include "foundation/ui/modal_dialog.h"

class wxActivateEvent;
class wxCheckBox;
class wxListBox;
class wxMouseCaptureLostEvent;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

namespace pf {

class BaseDocument;

class AddTilesDlg : public ModalDialog, private AddTilesView {
  public:
    // The document is not owned; the editor never changes its tile list.
    AddTilesDlg(BaseDocument* document, wxWindow* parent);
    ~AddTilesDlg() override;

    AddTilesLogic& GetLogic() { return logic_; }
    bool TileListChanged() const { return logic_.TileListChanged(); }
    const TileArray& GetTileList() const { return logic_.GetTileList(); }
    wxPanel* GetViewPanel() const { return view_; }

  protected:
    // Esc and the close box: the close question when the list changed.
    void OnCancelPressed() override;

  private:
    void CreateControls();
    void PlaceControls();
    void PaintView() override;
    void PaintPreview() override;
    void PaintLegend() override;
    void ShowTexts() override;
    wxPanel* MakePanel(int width, int height, const BitmapData& image);
    wxPoint ClientPoint(const wxMouseEvent& event) const;

    void OnInitDialog(wxInitDialogEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnLeftDClick(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnActivateApp(wxActivateEvent& event);

    AddTilesLogic logic_;
    wxListBox* list_ = nullptr;
    wxStaticText* listCaption_ = nullptr;
    wxTextCtrl* status_ = nullptr;
    wxPanel* view_ = nullptr;
    wxPanel* preview_ = nullptr;
    wxPanel* legend_ = nullptr;
};

// Runs the editor on the base: whether it ended with OK, whether the list changed, and
// the editor's list.
TileEditorResult RunAddTilesDlg(BaseDocument& document);

} // namespace pf
