#pragma once
// The Base Structure Editor: the object list and buttons in a left column, the map view
// with its status line and picture buttons on the right. Every action goes to the
// StructureEditorModel, which draws the view image that this window paints.
#include "app/logic/dialog_runners.h"
#include "app/logic/structure_editor_model.h"
#include "app/ui/key_filter.h"
#include "foundation/ui/modal_dialog.h"

#include <memory>
#include <wx/timer.h>

class wxButton;
class wxCheckBox;
class wxCursor;
class wxStaticText;
class wxTextCtrl;

namespace pf {

class BaseDocument;
class CExtendedListBox;
class MyBitmapButton;

class EditBaseObjectsDlg : public ModalDialog, public StructureEditorKeyTarget {
  public:
    EditBaseObjectsDlg(wxWindow* parent, BaseDocument& document);
    ~EditBaseObjectsDlg() override;

    StructureEditorModel& Model() { return *model_; }
    // Whether "Save and Exit" found changes.
    bool Changed() const { return model_->changed; }
    // The view's rectangle in client pixels.
    wxRect ViewRect() const;
    // Paints what the view shows now, as a repaint does.
    void PaintView(wxDC& dc);

    // The key filter's target.
    wxWindow* KeyWindow() override { return this; }
    void OnEditorKeyDown(EditorKey key, bool controlDown) override;
    void OnEditorKeyUp(EditorKey key, bool controlDown) override;
    bool ListHasFocus() const override { return model_->listHasFocus; }

  protected:
    // The close box: ask before anything ends.
    void OnCancelPressed() override;

  private:
    class Port;
    friend class Port;

    void CreateControls();
    // Places the left column and the view's buttons; sets the view origin.
    void PlaceControls();
    int MinimumClientHeight() const;
    EditorFocus FocusOwner() const;
    void ApplyCursor();
    void End(EditorEnd end);

    void OnInitDialog(wxInitDialogEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnMaximize(wxMaximizeEvent& event);
    void OnResizeSettled(wxTimerEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnButton(wxCommandEvent& event);
    void OnDestroy(wxWindowDestroyEvent& event);

    std::unique_ptr<Port> port_;
    std::unique_ptr<StructureEditorModel> model_;
    wxTextCtrl* status_ = nullptr;
    wxStaticText* prompt_ = nullptr;
    CExtendedListBox* list_ = nullptr;
    MyBitmapButton* zoomIn_ = nullptr;
    MyBitmapButton* zoomOut_ = nullptr;
    MyBitmapButton* moveTool_ = nullptr;
    MyBitmapButton* selectTool_ = nullptr;
    MyBitmapButton* panUp_ = nullptr;
    MyBitmapButton* panLeft_ = nullptr;
    MyBitmapButton* panRight_ = nullptr;
    MyBitmapButton* panDown_ = nullptr;
    wxButton* hideObjects_ = nullptr;
    wxButton* showObjects_ = nullptr;
    wxCheckBox* zoomToObject_ = nullptr;
    wxButton* save_ = nullptr;
    wxButton* benchmark_ = nullptr;
    wxButton* addObject_ = nullptr;
    wxButton* deleteObject_ = nullptr;
    wxButton* drawGrid_ = nullptr;
    wxButton* snapTo_ = nullptr;
    wxButton* rotateBy_ = nullptr;
    wxCheckBox* showParameters_ = nullptr;
    wxButton* saveAndExit_ = nullptr;
    wxTimer resizeTimer_;
    EditorCursor cursor_ = EditorCursor::Arrow;
    EditorCursor shownCursor_ = EditorCursor::Arrow;
    bool seenMaximized_ = false;
};

// Runs the editor modally on the document: OK with the changes found, or not OK.
EditorResult RunEditBaseObjectsDlg(BaseDocument& document);

} // namespace pf
