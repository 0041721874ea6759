#pragma once
// Shared ground of the structure editor tests: a sandboxed simulator without a planet
// archive (the background is plain green), no object icons, a base at (0, 0) on Earth,
// the recording window, objects made from their base-file text, and fake object dialogs.
#include "app/logic/structure_editor_model.h"
#include "document/base_document.h"
#include "objects/object_editing.h"
#include "support/recording_editor_window.h"
#include "support/simulator_sandbox.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pf::test {

// An object from its base-file group ("BLOCK\nPOS 0 0 0\n..."); empty when refused.
AstrelObject ParseObject(const std::string& text);
ObjectArray ParseObjects(const std::vector<std::string>& texts);
// An object placed by position (BLOCK, HANGAR, TANK, ...) centred on ground (x, y), with
// that top height and SCALE side values.
std::string PlacedText(const char* keyword, double x, double y, double top, double side = 20.0);
inline std::string BlockText(double x, double y, double top, double side = 20.0) {
    return PlacedText("BLOCK", x, y, top, side);
}

class StructureEditorTest : public ::testing::Test {
  protected:
    StructureEditorTest();

    // A model over these base objects, at zoom 13, fully drawn.
    StructureEditorModel& Open(const std::vector<std::string>& objects = {});
    // The working list's objects in list order.
    std::vector<AstrelObject*> Objects() { return model_->List().ObjectPointers(); }

    SimulatorSandbox sandbox_;
    TempDir install_;
    BaseDocument document_;
    RecordingEditorWindow window_;
    std::unique_ptr<StructureEditorModel> model_;
};

// Object dialogs that end as the test says, registered for one test; the makers they
// replace come back when it ends, also after a failed assertion.
class FakeObjectDialogs {
  public:
    FakeObjectDialogs() = default;
    ~FakeObjectDialogs();
    FakeObjectDialogs(const FakeObjectDialogs&) = delete;
    FakeObjectDialogs& operator=(const FakeObjectDialogs&) = delete;

    // The dialog of this code ends with OK and the object, or (nullopt) with Cancel.
    void Answer(int32_t code, std::optional<AstrelObject> result);

  private:
    std::vector<std::pair<int32_t, ObjectDialogMaker>> replaced_;
};

} // namespace pf::test
