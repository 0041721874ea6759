#pragma once
// "Rendering Tile DDS files": renders every tile of a base into DDS files inside its first
// timer tick, showing the tile being written and a progress bar; Cancel stops before the
// next tile. While it exists it is the current tile progress dialog.
#include "document/logic/tile_progress_logic.h"
#include "foundation/ui/modal_dialog.h"
#include "imagery/bitmap_data.h"
#include "tiles/tile_dds.h"

#include <string>
#include <wx/timer.h>

class wxTextCtrl;

namespace pf {

class BaseDocument;
class MyBitmapButton;

class TileProgressDlg : public ModalDialog, public TileProgress {
  public:
    static constexpr int kIdPreview = 1109;
    static constexpr int kIdBar = 1015;
    static constexpr int kIdNotice = 1110;
    static constexpr int kTimerId = 550;

    TileProgressDlg(BaseDocument* document, const std::string& folder, wxWindow* parent);
    ~TileProgressDlg() override;

    bool IsCancelled() const override { return logic_.IsCancelled(); }
    void SetProgress(int done, int total) override;
    // Shows the tile and lets waiting events through (a Cancel click among them).
    void ShowPreview(const BitmapData& image) override;

    // What the first timer tick does: the whole rendering, then OK when it ran to its end.
    void OnFirstTick();
    const BitmapData& GetBarImage() const { return bar_image_; }
    MyBitmapButton* GetPreviewButton() const { return preview_; }

  protected:
    void OnCancelPressed() override;

  private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnTimer(wxTimerEvent& event);

    TileProgressLogic logic_;
    MyBitmapButton* preview_ = nullptr;
    MyBitmapButton* bar_ = nullptr;
    wxTextCtrl* notice_ = nullptr;
    wxTimer timer_;
    BitmapData bar_image_;
};

} // namespace pf
