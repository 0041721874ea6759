#include "app/ui/edit_base_objects_dlg.h"

#include "controls/ui/extended_list_box.h"
#include "controls/ui/my_bitmap_button.h"
#include "foundation/ui/placement.h"
#include "foundation/ui/wx_text.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "imagery/object_icons.h"
#include "imagery/ui/wx_bitmap.h"
#include "workspace/folders.h"
#include "workspace/settings.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace pf {

namespace {

constexpr int kColumnLeft = 10;
constexpr int kColumnWidth = 180;
constexpr int kListHeight = 300;
constexpr int kGap = 5;

// A 32 x 32 cursor with its hot spot in the middle, drawn black on white.
wxCursor DrawnCursor(bool rotate) {
    wxImage image(32, 32);
    image.InitAlpha();
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            image.SetAlpha(x, y, 0);
        }
    }
    auto dot = [&image](int x, int y, unsigned char grey) {
        if (x >= 0 && x < 32 && y >= 0 && y < 32) {
            image.SetRGB(x, y, grey, grey, grey);
            image.SetAlpha(x, y, 255);
        }
    };
    // A thick black stroke with a white rim, so that it shows on any map.
    auto stroke = [&dot](double x, double y) {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                dot(static_cast<int>(x) + dx, static_cast<int>(y) + dy, 255);
            }
        }
    };
    auto core = [&dot](double x, double y) {
        for (int dy = 0; dy <= 1; ++dy) {
            for (int dx = 0; dx <= 1; ++dx) {
                dot(static_cast<int>(x) + dx, static_cast<int>(y) + dy, 0);
            }
        }
    };
    std::vector<std::pair<double, double>> points;
    if (rotate) {
        // Three quarters of a circle, with an arrow head at its open end.
        for (int a = 0; a <= 270; a += 3) {
            const double r = a * 3.14159265358979 / 180.0;
            points.emplace_back(16 + 10 * std::cos(r), 16 - 10 * std::sin(r));
        }
        for (int i = 0; i <= 6; ++i) {
            points.emplace_back(16 - i, 26 - i);
            points.emplace_back(16 - i, 26 + i);
        }
    } else {
        // An open hand: palm, four fingers and a thumb.
        for (int y = 16; y <= 27; ++y) {
            points.emplace_back(9, y);
            points.emplace_back(23, y);
        }
        for (int x = 9; x <= 23; ++x) {
            points.emplace_back(x, 27);
        }
        for (int finger = 0; finger < 4; ++finger) {
            for (int y = 5; y <= 16; ++y) {
                points.emplace_back(10 + finger * 4, y);
            }
        }
        for (int i = 0; i <= 6; ++i) {
            points.emplace_back(9 - i, 19 - i);
        }
    }
    for (const auto& [x, y] : points) {
        stroke(x, y);
    }
    for (const auto& [x, y] : points) {
        core(x, y);
    }
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 16);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 16);
    return wxCursor(image);
}

const wxCursor& CursorOf(EditorCursor kind) {
    static const wxCursor arrow(wxCURSOR_ARROW);
    static const wxCursor sizing(wxCURSOR_SIZING);
    static const wxCursor rotate = DrawnCursor(true);
    static const wxCursor grab = DrawnCursor(false);
    switch (kind) {
    case EditorCursor::SizeAll:
        return sizing;
    case EditorCursor::Rotate:
        return rotate;
    case EditorCursor::Grab:
        return grab;
    default:
        return arrow;
    }
}

IntRect RectOf(wxWindow* window) {
    const wxPoint position = window->GetPosition();
    const wxSize size = window->GetSize();
    return {position.x, position.y, position.x + size.x, position.y + size.y};
}

} // namespace

// What the model asks of the window.
class EditBaseObjectsDlg::Port : public StructureEditorWindow {
  public:
    explicit Port(EditBaseObjectsDlg& dlg) : dlg_(dlg) {}

    void Blit() override {
        const wxRect view = dlg_.ViewRect();
        if (!view.IsEmpty()) {
            dlg_.RefreshRect(view, false);
            dlg_.Update();
        }
    }
    void SetListEntries(const std::vector<ObjectListEntry>& entries) override {
        std::vector<CExtendedListBox::Entry> rows;
        for (const ObjectListEntry& entry : entries) {
            rows.push_back({entry.text, reinterpret_cast<std::intptr_t>(entry.object)});
        }
        dlg_.list_->SetEntries(std::move(rows));
    }
    int ListCurrent() const override { return dlg_.list_->GetCurrentIndex(); }
    void SetListCurrent(int index) override { dlg_.list_->SetCurrentIndex(index); }
    void SetShowObjectsVisible(bool visible) override { dlg_.showObjects_->Show(visible); }
    bool ShowParametersChecked() const override { return dlg_.showParameters_->GetValue(); }
    void SetCursor(EditorCursor kind) override { dlg_.cursor_ = kind; }
    ClientPoint ButtonCentre(int id) const override {
        const wxPoint centre = GetDlgItemCentre(&dlg_, id);
        return ClientPoint{centre.x, centre.y};
    }
    int PanDownButtonBottom() const override { return RectOf(dlg_.panDown_).bottom; }
    void SetStatusLine(const std::string& text) override { dlg_.status_->ChangeValue(ToWx(text)); }
    IntRect ListRect() const override { return RectOf(dlg_.list_); }
    void FocusZoomIn() override { dlg_.zoomIn_->SetFocus(); }
    UiOwner MenuOwner() const override { return ToUiOwner(&dlg_); }
    void SetCaption(int id, const std::string& text) override {
        if (wxWindow* control = dlg_.FindWindow(id)) {
            control->SetLabel(ToWx(text));
        }
    }
    void ShowTool(int tool) override {
        dlg_.moveTool_->SetChecked(tool == 0, 1);
        dlg_.selectTool_->SetChecked(tool != 0, 1);
    }
    void SetTitle(const std::string& text) override { dlg_.SetTitle(ToWx(text)); }
    void SetShowParametersChecked(bool checked) override {
        dlg_.showParameters_->SetValue(checked);
    }
    void EndDialog(EditorEnd end) override { dlg_.End(end); }

  private:
    EditBaseObjectsDlg& dlg_;
};

EditBaseObjectsDlg::EditBaseObjectsDlg(wxWindow* parent, BaseDocument& document)
    : ModalDialog(parent, "Base Structure Editor",
                  wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMAXIMIZE_BOX | wxMINIMIZE_BOX),
      port_(std::make_unique<Port>(*this)),
      model_(std::make_unique<StructureEditorModel>(document, *port_)), resizeTimer_(this) {
    // No Cancel button: Esc is the editor's own key, and the close box asks first.
    SetEscapeId(wxID_NONE);
    CreateControls();
    PlaceControls();
    // A 768 x 768 view where the display has room for it.
    int width = model_->viewOrigin.x + 768 + 10;
    int height = std::max(model_->viewOrigin.y + 768 + 10, MinimumClientHeight());
    const int display = wxDisplay::GetFromWindow(parent != nullptr ? parent : this);
    const wxRect area =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    const wxSize frame = GetSize() - GetClientSize();
    width = std::max(400, std::min(width, area.width - frame.x));
    height = std::max(MinimumClientHeight(), std::min(height, area.height - frame.y));
    WindowSetClientSize(this, width, height);

    Bind(wxEVT_INIT_DIALOG, &EditBaseObjectsDlg::OnInitDialog, this);
    Bind(wxEVT_PAINT, &EditBaseObjectsDlg::OnPaint, this);
    Bind(wxEVT_SIZE, &EditBaseObjectsDlg::OnSize, this);
    Bind(wxEVT_MAXIMIZE, &EditBaseObjectsDlg::OnMaximize, this);
    Bind(wxEVT_TIMER, &EditBaseObjectsDlg::OnResizeSettled, this);
    for (const auto& type : {wxEVT_MOTION, wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK,
                             wxEVT_RIGHT_DOWN, wxEVT_RIGHT_UP, wxEVT_MOUSEWHEEL}) {
        Bind(type, &EditBaseObjectsDlg::OnMouse, this);
    }
    Bind(wxEVT_BUTTON, &EditBaseObjectsDlg::OnButton, this);
    Bind(wxEVT_CHECKBOX, &EditBaseObjectsDlg::OnButton, this);
    Bind(
        wxEVT_LISTBOX, [this](wxCommandEvent&) { model_->OnListSelChange(); }, kIdObjectList);
    Bind(
        wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { model_->OnListDblClk(); }, kIdObjectList);
    Bind(wxEVT_DESTROY, &EditBaseObjectsDlg::OnDestroy, this);
}

EditBaseObjectsDlg::~EditBaseObjectsDlg() {
    if (ActiveStructureEditor == this) {
        ActiveStructureEditor = nullptr;
    }
    // The editor's icons are drawn for its zoom; the next opening loads them afresh.
    ClearIconBitmapCache();
}

void EditBaseObjectsDlg::CreateControls() {
    auto button = [this](int id, const char* text) {
        return new wxButton(this, id, text, wxDefaultPosition, wxSize(kColumnWidth, -1));
    };
    status_ = new wxTextCtrl(this, kIdStatusLine, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             wxTE_READONLY);
    // What the editor waits for, on a line of its own so that the read-out stays whole.
    prompt_ = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    prompt_->SetFont(prompt_->GetFont().Bold());
    prompt_->Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
        event.SetText(ToWx(model_->PlacementPrompt()));
    });
    list_ = new CExtendedListBox(this, kIdObjectList, wxDefaultPosition,
                                 wxSize(kColumnWidth, kListHeight), wxBORDER_SUNKEN);
    hideObjects_ = new wxButton(this, kIdHideObjects, "Hide Objects", wxDefaultPosition,
                                wxSize((kColumnWidth - kGap) / 2, -1));
    showObjects_ = new wxButton(this, kIdShowObjects, "Show Objects", wxDefaultPosition,
                                wxSize((kColumnWidth - kGap) / 2, -1));
    zoomToObject_ = new wxCheckBox(this, kIdZoomToObject, "Zoom to Object");
    save_ = button(kIdSave, "Save");
    benchmark_ = button(kIdBenchmark, "Benchmark");
    addObject_ = button(kIdAddObject, "Add Object");
    deleteObject_ = button(kIdDeleteObject, "Delete Object");
    drawGrid_ = button(kIdDrawGrid, "Draw Grid");
    snapTo_ = button(kIdSnapTo, "Snap To");
    rotateBy_ = button(kIdRotateBy, "Rotate by");
    showParameters_ = new wxCheckBox(this, kIdShowParameters, "Show Parameters");
    saveAndExit_ = button(wxID_OK, "Save and Exit");

    std::string folder;
    const bool haveFolder = GetInstallPath(folder);
    auto picture = [&](int id, const char* caption, int w, int h, const char* file) {
        auto* b = new MyBitmapButton(this, id, caption, wxSize(w, h));
        if (haveFolder) {
            b->SetImageFile(folder + "Buttons\\" + file);
        }
        return b;
    };
    zoomIn_ = picture(kIdZoomIn, "+", 24, 24, "plus.bmp");
    zoomOut_ = picture(kIdZoomOut, "-", 24, 24, "minus.bmp");
    panRight_ = picture(kIdPanRight, ">", 24, 24, "right.bmp");
    panLeft_ = picture(kIdPanLeft, "<", 24, 24, "left.bmp");
    panUp_ = picture(kIdPanUp, "^", 24, 24, "up.bmp");
    panDown_ = picture(kIdPanDown, "v", 24, 24, "down.bmp");
    moveTool_ = picture(kIdMoveTool, "Move", 40, 29, "move.bmp");
    selectTool_ = picture(kIdSelectTool, "Select", 40, 29, "select.bmp");
    moveTool_->SetBorderColours(0xFF000000, 0xFF00FF00);
    selectTool_->SetBorderColours(0xFF000000, 0xFF00FF00);
}

void EditBaseObjectsDlg::PlaceControls() {
    IntRect r;
    WindowMoveToRect(list_, kColumnLeft, 10, &r);
    const int x0 = RectOf(list_).right + 10;
    int y = RectOf(list_).bottom + kGap;
    WindowMoveToRect(hideObjects_, kColumnLeft, y, &r);
    WindowMoveToRect(showObjects_, kColumnLeft + (kColumnWidth + kGap) / 2, y, &r);
    y = RectOf(hideObjects_).bottom + kGap;
    WindowMoveToRect(zoomToObject_, kColumnLeft, y, &r);
    wxWindow* above = zoomToObject_;
    for (wxWindow* w :
         std::initializer_list<wxWindow*>{save_, benchmark_, addObject_, deleteObject_}) {
        WindowMoveToRect(w, kColumnLeft, RectOf(above).bottom + kGap, &r);
        above = w;
    }
    const int left = RectOf(deleteObject_).left;
    WindowMoveToRect(drawGrid_, left, RectOf(deleteObject_).bottom + 20, &r);
    WindowMoveToRect(snapTo_, left, RectOf(drawGrid_).bottom + kGap, &r);
    WindowMoveToRect(rotateBy_, left, RectOf(snapTo_).bottom + kGap, &r);
    WindowMoveToRect(showParameters_, left, RectOf(rotateBy_).bottom + kGap, &r);

    // The status line and the prompt head the view, which starts right below them.
    WindowMoveToRect(status_, x0, 0, &r);
    prompt_->SetSize(x0 + 4, RectOf(status_).bottom + 2, model_->viewWidth - 4,
                     prompt_->GetCharHeight() + 2);
    const int y0 = RectOf(prompt_).bottom + 1;
    model_->viewOrigin = ClientPoint{x0, y0};
    status_->SetSize(x0, 0, model_->viewWidth, -1);

    WindowMoveToRect(moveTool_, x0 + 8, y0 + 12, &r);
    WindowMoveToRect(selectTool_, RectOf(moveTool_).right, RectOf(moveTool_).top, &r);
    WindowMoveToRect(zoomIn_, x0 + 36, RectOf(moveTool_).bottom + 12, &r);
    const IntRect plus = RectOf(zoomIn_);
    WindowMoveToRect(zoomOut_, plus.left, plus.bottom + 2, &r);
    WindowMoveToRect(panUp_, plus.left, RectOf(zoomOut_).bottom + 10, &r);
    WindowMoveToRect(panDown_, plus.left, RectOf(panUp_).bottom + 28, &r);
    WindowMoveToRect(panLeft_, plus.left - 26, RectOf(panUp_).bottom + 2, &r);
    WindowMoveToRect(panRight_, plus.right + 2, RectOf(panUp_).bottom + 2, &r);

    const int bottom = GetClientSize().y > 0 ? GetClientSize().y : MinimumClientHeight();
    WindowMoveToRect(saveAndExit_, RectOf(addObject_).left, bottom - 10 - saveAndExit_->GetSize().y,
                     &r);
}

int EditBaseObjectsDlg::MinimumClientHeight() const {
    return RectOf(showParameters_).bottom + saveAndExit_->GetSize().y + 20;
}

wxRect EditBaseObjectsDlg::ViewRect() const {
    const BitmapData& view = model_->ViewImage();
    return wxRect(model_->viewOrigin.x, model_->viewOrigin.y, view.Width() / 4 * 4,
                  view.Height() / 4 * 4);
}

void EditBaseObjectsDlg::PaintView(wxDC& dc) {
    const BitmapData& view = model_->ViewImage();
    if (!view.HasPixels() || view.BitsPerPixel() != 24) {
        return;
    }
    const int width = view.Width() / 4 * 4;
    const int height = view.Height() / 4 * 4;
    if (width == view.Width() && height == view.Height()) {
        PaintBitmapData(dc, view, model_->viewOrigin.x, model_->viewOrigin.y);
        return;
    }
    BitmapData part;
    part.Create24(width, height);
    BitmapData::Blit24(part, view, part.GetRect(), part.GetRect());
    PaintBitmapData(dc, part, model_->viewOrigin.x, model_->viewOrigin.y);
}

void EditBaseObjectsDlg::OnInitDialog(wxInitDialogEvent& event) {
    WaitCursor wait;
    if (GetMaximizeObjectEdit()) {
        model_->maximized = true;
        Maximize();
    }
    model_->initialising = false;
    model_->ShowStartState();
    model_->layoutReady = true;
    ActiveStructureEditor = this;
    PlaceControls();
    SetMinClientSize(wxSize(400, MinimumClientHeight()));
    const wxSize client = GetClientSize();
    model_->OpenView(client.x, client.y);
    zoomIn_->SetFocus();
    event.Skip();
}

void EditBaseObjectsDlg::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    PaintView(dc);
}

void EditBaseObjectsDlg::OnSize(wxSizeEvent& event) {
    event.Skip();
    if (model_ == nullptr || model_->initialising) {
        return;
    }
    const wxSize client = GetClientSize();
    const int minimum = model_->layoutReady ? MinimumClientHeight() : 0;
    if (const auto resize = model_->OnSize(client.x, client.y, minimum)) {
        WindowSetClientSize(this, resize->x, resize->y);
        return;
    }
    if (model_->layoutReady) {
        IntRect r;
        WindowMoveToRect(saveAndExit_, RectOf(deleteObject_).left,
                         client.y - 10 - saveAndExit_->GetSize().y, &r);
        status_->SetSize(model_->viewOrigin.x, 0, model_->viewWidth, -1);
        prompt_->SetSize(model_->viewWidth - 4, prompt_->GetSize().y);
    }
    Refresh(false);
    // Restored: only after the window was seen maximized, since the maximizing asked for
    // at the start arrives later than the first sizes.
    if (IsMaximized()) {
        seenMaximized_ = true;
    } else if (seenMaximized_) {
        seenMaximized_ = false;
        model_->OnMaximizeChanged(false);
    }
    // GTK reports no end of a resize: the map is redrawn once the size stays.
    resizeTimer_.StartOnce(200);
}

void EditBaseObjectsDlg::OnMaximize(wxMaximizeEvent& event) {
    event.Skip();
    if (!model_->initialising) {
        seenMaximized_ = true;
        model_->OnMaximizeChanged(true);
    }
}

void EditBaseObjectsDlg::OnResizeSettled(wxTimerEvent&) { model_->FullRefresh(); }

void EditBaseObjectsDlg::OnMouse(wxMouseEvent& event) {
    const int x = event.GetX();
    const int y = event.GetY();
    const bool ctrl = event.ControlDown();
    // As a dialog resets its cursor on every move, only the handler's own choice shows.
    cursor_ = EditorCursor::Arrow;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_MOTION) {
        model_->OnMouseMove(x, y, ctrl);
    } else if (type == wxEVT_LEFT_DOWN) {
        model_->OnLButtonDown(x, y, ctrl);
    } else if (type == wxEVT_LEFT_UP) {
        model_->OnLButtonUp(x, y, ctrl);
    } else if (type == wxEVT_LEFT_DCLICK) {
        model_->OnLButtonDblClk(x, y, ctrl);
    } else if (type == wxEVT_RIGHT_DOWN) {
        model_->OnRButtonDown(x, y, ctrl);
    } else if (type == wxEVT_RIGHT_UP) {
        model_->OnRButtonUp(x, y, ctrl);
    } else if (type == wxEVT_MOUSEWHEEL) {
        model_->OnMouseWheel(event.GetWheelRotation());
    }
    ApplyCursor();
    event.Skip();
}

void EditBaseObjectsDlg::ApplyCursor() {
    if (cursor_ != shownCursor_) {
        shownCursor_ = cursor_;
        wxDialog::SetCursor(CursorOf(cursor_));
    }
}

void EditBaseObjectsDlg::OnButton(wxCommandEvent& event) {
    switch (event.GetId()) {
    case wxID_OK:
        model_->SaveAndExit();
        break;
    case kIdSave:
        model_->Save();
        break;
    case kIdZoomIn:
        model_->ZoomStep(1);
        break;
    case kIdZoomOut:
        model_->ZoomStep(-1);
        break;
    case kIdPanLeft:
    case kIdPanRight:
    case kIdPanUp:
    case kIdPanDown:
        model_->PanButton(event.GetId());
        break;
    case kIdDeleteObject:
        model_->DeleteObject();
        break;
    case kIdBenchmark:
        model_->Benchmark();
        break;
    case kIdAddObject:
        model_->AddObject();
        break;
    case kIdSnapTo:
        model_->ChooseSnapTo();
        break;
    case kIdDrawGrid:
        model_->ChooseGridSize();
        break;
    case kIdRotateBy:
        model_->ChooseRotateBy();
        break;
    case kIdHideObjects:
        model_->HideByType();
        break;
    case kIdShowObjects:
        model_->ShowByType();
        break;
    case kIdShowParameters:
        model_->ShowParametersClicked(showParameters_->GetValue());
        break;
    case kIdMoveTool:
        model_->SetTool(0);
        break;
    case kIdSelectTool:
        model_->SetTool(1);
        break;
    default:
        event.Skip();
        break;
    }
}

EditorFocus EditBaseObjectsDlg::FocusOwner() const {
    wxWindow* focus = wxWindow::FindFocus();
    if (focus == this) {
        return EditorFocus::Dialog;
    }
    if (focus == nullptr || wxGetTopLevelParent(focus) != this) {
        return EditorFocus::Nothing;
    }
    if (focus == list_) {
        return EditorFocus::List;
    }
    if (dynamic_cast<MyBitmapButton*>(focus) != nullptr) {
        return EditorFocus::PictureButton;
    }
    return EditorFocus::OtherControl;
}

void EditBaseObjectsDlg::OnEditorKeyDown(EditorKey key, bool controlDown) {
    model_->OnKeyDown(key, controlDown, FocusOwner());
}

void EditBaseObjectsDlg::OnEditorKeyUp(EditorKey key, bool controlDown) {
    model_->OnKeyUp(key, controlDown);
}

void EditBaseObjectsDlg::OnCancelPressed() { model_->Close(); }

void EditBaseObjectsDlg::End(EditorEnd end) {
    if (ActiveStructureEditor == this) {
        ActiveStructureEditor = nullptr;
    }
    resizeTimer_.Stop();
    EndWith(end == EditorEnd::Ok ? wxID_OK : wxID_CANCEL);
}

void EditBaseObjectsDlg::OnDestroy(wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == this && ActiveStructureEditor == this) {
        ActiveStructureEditor = nullptr;
    }
    event.Skip();
}

EditorResult RunEditBaseObjectsDlg(BaseDocument& document) {
    EditBaseObjectsDlg dialog(nullptr, document);
    const bool ok = dialog.ShowModal() == wxID_OK;
    return EditorResult{ok, ok && dialog.Changed()};
}

} // namespace pf
