#pragma once
// A stand-in for the structure editor's window: records what the model asks of it and
// answers from fields a test sets.
#include "app/logic/structure_editor_window.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pf::test {

class RecordingEditorWindow : public StructureEditorWindow {
  public:
    void Blit() override { ++blits; }
    void SetListEntries(const std::vector<ObjectListEntry>& list) override {
        entries = list;
        ++listResets;
    }
    int ListCurrent() const override { return listCurrent; }
    void SetListCurrent(int index) override { listCurrent = index; }
    void SetShowObjectsVisible(bool visible) override { showObjectsVisible = visible; }
    bool ShowParametersChecked() const override { return showParameters; }
    void SetCursor(EditorCursor kind) override { cursors.push_back(kind); }
    // Every button's centre is (id, id + 1).
    ClientPoint ButtonCentre(int id) const override { return ClientPoint{id, id + 1}; }
    UiOwner MenuOwner() const override { return nullptr; }
    int PanDownButtonBottom() const override { return panDownBottom; }
    void SetStatusLine(const std::string& text) override { statusLine = text; }
    IntRect ListRect() const override { return listRect; }
    void FocusZoomIn() override { ++zoomInFocused; }
    void SetCaption(int id, const std::string& text) override { captions[id] = text; }
    void ShowTool(int shown) override { tool = shown; }
    void SetTitle(const std::string& text) override { title = text; }
    void SetShowParametersChecked(bool checked) override { showParameters = checked; }
    void EndDialog(EditorEnd end) override { ended = end; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ObjectListEntry& entry : entries) {
            texts.push_back(entry.text);
        }
        return texts;
    }

    int blits = 0;
    std::vector<ObjectListEntry> entries;
    int listResets = 0;
    int listCurrent = -1;
    bool showObjectsVisible = false;
    bool showParameters = true;
    std::vector<EditorCursor> cursors;
    int panDownBottom = 200;
    std::string statusLine;
    IntRect listRect{10, 20, 180, 400};
    int zoomInFocused = 0;
    std::map<int, std::string> captions;
    int tool = -1;
    std::string title;
    std::optional<EditorEnd> ended;
};

} // namespace pf::test
