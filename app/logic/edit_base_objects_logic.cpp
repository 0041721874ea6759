// The Base Structure Editor dialog's commands: opening, zoom and pan buttons, the setting
// popups, tools, keys, sizing, saving and the close question.
#include "app/logic/edit_base_objects_logic.h"

#include "app/logic/structure_editor_model.h"
#include "document/base_document.h"
#include "foundation/choice_menu.h"
#include "foundation/geometry.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "workspace/settings.h"

#include <algorithm>
#include <cstddef>

namespace pf {

namespace {

constexpr int kMinimumClientWidth = 400;

struct SettingOption {
    const char* text;    // in the popup
    int value;           // stored
    const char* caption; // on the button
};

constexpr SettingOption kSnapOptions[] = {{"Off", 0, "Snap To: Off"},
                                          {"1 Meter", 1, "Snap To: 1M"},
                                          {"10 Meters", 10, "Snap To: 10M"},
                                          {"100 Meters", 100, "Snap To: 100M"},
                                          {"1000 Meters", 1000, "Snap To: 1000M"}};
constexpr SettingOption kGridOptions[] = {{"No Grid", 0, "Grid: Off"},
                                          {"1 Meter", 1, "Grid: 1M"},
                                          {"10 Meters", 10, "Grid: 10M"},
                                          {"100 Meters", 100, "Grid: 100M"},
                                          {"1000 Meters", 1000, "Grid: 1000M"}};
constexpr SettingOption kRotateOptions[] = {{"Freely Rotate", 0, "Rotate: Continuous"},
                                            {"Rotate By: 1\xB0", 1, "Rotate By: 1\xB0"},
                                            {"Rotate By: 15\xB0", 15, "Rotate By: 15\xB0"}};

template <std::size_t N>
std::optional<std::string> CaptionFor(const SettingOption (&options)[N], double value) {
    for (const SettingOption& option : options) {
        if (value == option.value) {
            return std::string(option.caption);
        }
    }
    return std::nullopt;
}

template <std::size_t N> StringArray TextsOf(const SettingOption (&options)[N]) {
    StringArray texts;
    for (const SettingOption& option : options) {
        texts.push_back(option.text);
    }
    return texts;
}

template <std::size_t N> std::vector<int> ValuesOf(const SettingOption (&options)[N]) {
    std::vector<int> values;
    for (const SettingOption& option : options) {
        values.push_back(option.value);
    }
    return values;
}

int ViewSide(int available, int maximum) { return std::clamp(available, 100, maximum) / 4 * 4; }

} // namespace

EditorSize DecideEditorSize(int clientWidth, int clientHeight, const ClientPoint& viewOrigin,
                            int minimumHeight) {
    EditorSize size;
    if (minimumHeight > 0) {
        if (clientWidth < kMinimumClientWidth) {
            size.resize = ClientPoint{kMinimumClientWidth, std::max(clientHeight, minimumHeight)};
            return size;
        }
        if (clientHeight < minimumHeight) {
            size.resize = ClientPoint{clientWidth, minimumHeight};
            return size;
        }
    }
    size.viewWidth = ViewSide(clientWidth - viewOrigin.x - 10, 3000);
    size.viewHeight = ViewSide(clientHeight - viewOrigin.y - 10, 2000);
    return size;
}

std::optional<std::string> SnapToCaption(double step) { return CaptionFor(kSnapOptions, step); }
std::optional<std::string> GridCaption(double size) { return CaptionFor(kGridOptions, size); }
std::optional<std::string> RotateCaption(double step) { return CaptionFor(kRotateOptions, step); }

// ---- opening ----

void StructureEditorModel::ShowStartState() {
    window_.SetShowParametersChecked(GetShowObjectParameters());
    window_.SetShowObjectsVisible(false);
    ShowSettingCaptions();
    SetTool(0);
}

void StructureEditorModel::ShowSettingCaptions() {
    if (auto caption = GridCaption(gridSize)) {
        window_.SetCaption(kIdDrawGrid, *caption);
    }
    if (auto caption = SnapToCaption(snapStep)) {
        window_.SetCaption(kIdSnapTo, *caption);
    }
    if (auto caption = RotateCaption(rotateStep)) {
        window_.SetCaption(kIdRotateBy, *caption);
    }
}

void StructureEditorModel::OpenView(int clientWidth, int clientHeight) {
    WaitCursor wait;
    zoom = 13.0;
    const EditorSize size = DecideEditorSize(clientWidth, clientHeight, viewOrigin, 0);
    viewWidth = size.viewWidth;
    viewHeight = size.viewHeight;
    background_.Create24(viewWidth, viewHeight);
    window_.SetTitle(FormatString("Edit Structures: %s", document_.GetName().c_str()));
    FullRefresh();
    PushUndo("start");
}

// ---- zoom and pan ----

void StructureEditorModel::ZoomStep(int step) {
    if (step == 0 || (zoom >= 20.0 && step > 0) || (zoom <= 6.0 && step < 0)) {
        return;
    }
    WaitCursor wait;
    zoom += step;
    if (zoom > 20.0) {
        zoom = 20.0;
    }
    if (zoom <= 6.0) {
        // Zoomed all the way out: the base is in the middle again.
        longitudeOffset = 0.0;
        latitudeOffset = 0.0;
    }
    if (zoom < 6.0) {
        zoom = 6.0;
    }
    FullRefresh();
    if (mouseInside) {
        OnMouseMove(lastMouse.x, lastMouse.y, ctrlDown);
    }
}

void StructureEditorModel::OnMouseWheel(int delta) { ZoomStep(delta > 0 ? 1 : -1); }

void StructureEditorModel::PanButton(int id) {
    const int w = view_.Width();
    const int h = view_.Height();
    switch (id) {
    case kIdPanLeft:
        ShiftView(w / 4, 0);
        break;
    case kIdPanRight:
        ShiftView(-(w / 4), 0);
        break;
    case kIdPanUp:
        ShiftView(0, h / 4);
        break;
    case kIdPanDown:
        ShiftView(0, -(h / 4));
        break;
    default:
        break;
    }
}

void StructureEditorModel::ShiftView(int columns, int rows) {
    // The offsets move as a pan by these pixels would move them, and the whole map is
    // drawn anew, so that no layer keeps the old ground.
    longitudeOffset -= columns * displayMap_.GetDegreesPerPixelX();
    latitudeOffset += rows * displayMap_.GetDegreesPerPixelY();
    FullRefresh();
}

// ---- settings and tools ----

std::optional<int> StructureEditorModel::ChooseSetting(int id, const char* title,
                                                       const StringArray& options,
                                                       const std::vector<int>& values) {
    const ClientPoint centre = window_.ButtonCentre(id);
    ChoiceMenu menu(options, centre.x, centre.y, window_.MenuOwner());
    if (!menu.Show(title)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (menu.GetChoice() == options[i]) {
            return values[i];
        }
    }
    return std::nullopt;
}

void StructureEditorModel::ChooseSnapTo() {
    if (auto value =
            ChooseSetting(kIdSnapTo, "Snap To:", TextsOf(kSnapOptions), ValuesOf(kSnapOptions))) {
        snapStep = *value;
        SetSnapTo(*value);
        ShowSettingCaptions();
    }
}

void StructureEditorModel::ChooseGridSize() {
    if (auto value = ChooseSetting(kIdDrawGrid, "Grid Size:", TextsOf(kGridOptions),
                                   ValuesOf(kGridOptions))) {
        gridSize = *value;
        SetGridSize(*value);
        ShowSettingCaptions();
        Render();
        window_.Blit();
    }
}

void StructureEditorModel::ChooseRotateBy() {
    if (auto value = ChooseSetting(kIdRotateBy, "Rotation Snap", TextsOf(kRotateOptions),
                                   ValuesOf(kRotateOptions))) {
        rotateStep = WrapAngle360(*value);
        SetRotateBy(*value);
        ShowSettingCaptions();
    }
}

void StructureEditorModel::ShowParametersClicked(bool checked) {
    SetShowObjectParameters(checked);
    Render();
    window_.Blit();
}

void StructureEditorModel::SetTool(int newTool) {
    tool = newTool;
    window_.ShowTool(newTool);
}

// ---- keys ----

void StructureEditorModel::OnKeyDown(EditorKey key, bool ctrl, EditorFocus focus) {
    ctrlDown = ctrl;
    // Keys typed into the list, a check box or a push button are theirs.
    if (focus == EditorFocus::List || focus == EditorFocus::OtherControl) {
        return;
    }
    switch (key) {
    case EditorKey::Escape:
        canvas_.ClearSelection();
        if (mode_ != kModeIdle) {
            SetMode(kModeIdle, -1.0, -1.0);
        }
        canvas_.Redraw();
        Render();
        window_.Blit();
        break;
    case EditorKey::Left:
    case EditorKey::Up:
    case EditorKey::Right:
    case EditorKey::Down:
        if (!listHasFocus) {
            Nudge(key == EditorKey::Left    ? -1
                  : key == EditorKey::Right ? 1
                                            : 0,
                  key == EditorKey::Up     ? 1
                  : key == EditorKey::Down ? -1
                                           : 0);
        }
        break;
    case EditorKey::Delete:
        DeleteObject();
        break;
    default:
        if (!ctrl) {
            break;
        }
        if (key == EditorKey::A) {
            canvas_.SelectAll();
            FullRefresh();
        } else if (key == EditorKey::C) {
            CopySelection();
        } else if (key == EditorKey::V) {
            Paste();
        } else if (key == EditorKey::Z) {
            Undo();
        } else if (key == EditorKey::Y) {
            Redo();
        } else if (key == EditorKey::T) {
            Benchmark();
        }
        break;
    }
}

void StructureEditorModel::OnKeyUp(EditorKey, bool ctrl) { ctrlDown = ctrl; }

// ---- saving and closing ----

void StructureEditorModel::ClearAndShowAll() {
    window_.SetListCurrent(-1);
    canvas_.ClearSelection();
    Render();
    window_.Blit();
    canvas_.ShowAll();
    Render();
    window_.Blit();
    // Nothing stays hidden: the list and "Show Objects" say so.
    RebuildObjectList();
    window_.SetShowObjectsVisible(false);
}

void StructureEditorModel::Save() {
    ClearAndShowAll();
    document_.SetObjects(List().Objects());
    document_.SaveToDocuments();
}

void StructureEditorModel::SaveAndExit() {
    changed = HasChanges();
    document_.SetObjects(List().Objects());
    window_.EndDialog(EditorEnd::Ok);
}

bool StructureEditorModel::HasChanges() {
    ClearAndShowAll();
    List().SortByTopHeight();
    ObjectArray saved(document_.GetObjects());
    saved.SortByTopHeight();
    return !(List().Objects() == saved);
}

void StructureEditorModel::Close() {
    if (!HasChanges()) {
        window_.EndDialog(EditorEnd::Cancel);
        return;
    }
    Beep();
    switch (ShowMessageBox("DO YOU WANT TO SAVE YOUR CHANGES?", "Watch Out!",
                           MessageButtons::YesNoCancel, MessageIcon::Warning)) {
    case MessageAnswer::Yes:
        SaveAndExit();
        break;
    case MessageAnswer::No:
        window_.EndDialog(EditorEnd::Cancel);
        break;
    default:
        break;
    }
}

// ---- size ----

std::optional<ClientPoint> StructureEditorModel::OnSize(int clientWidth, int clientHeight,
                                                        int minimumHeight) {
    if (initialising) {
        return std::nullopt;
    }
    const EditorSize size =
        DecideEditorSize(clientWidth, clientHeight, viewOrigin, layoutReady ? minimumHeight : 0);
    if (size.resize) {
        return size.resize;
    }
    viewWidth = size.viewWidth;
    viewHeight = size.viewHeight;
    if (view_.HasPixels()) {
        // Until the map is drawn for the new size, the old picture stretched stands in.
        BitmapData resized;
        resized.Create24(viewWidth, viewHeight);
        if (display_.HasPixels()) {
            BitmapData::Resample24(resized, display_);
        }
        view_.Swap(resized);
    }
    return std::nullopt;
}

void StructureEditorModel::OnMaximizeChanged(bool isMaximized) {
    if (isMaximized == maximized) {
        return;
    }
    maximized = isMaximized;
    SetMaximizeObjectEdit(isMaximized);
    window_.Blit();
    FullRefresh();
}

} // namespace pf
