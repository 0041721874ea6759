#include "app/ui/edit_base_objects_dlg.h"

#include "app/edit_base_fixture.h"
#include "app/ui/edit_base_dlg.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "imagery/object_icons.h"
#include "objects/logic/block_logic.h"
#include "objects/ui/add_object_abstract.h"
#include "objects/ui/block_dlg.h"
#include "platform/fs.h"
#include "support/test_paths.h"
#include "support/ui/expect_script.h"
#include "workspace/settings.h"

#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pf::test {
namespace {

class EditObjectsTest : public ::testing::Test, public EditBaseSandbox {
  protected:
    EditObjectsTest() : previous_(SetUiHooks(&hooks_)) {
        // The program's own icons and button pictures.
        WriteRegistryValue("Install Path", fs::ToInternal(SourceDir() + "/resources/install/"));
        ClearIconBitmapCache();
    }
    ~EditObjectsTest() override { SetUiHooks(previous_); }

    WxUiHooks hooks_;
    UiHooks* previous_;
};

// The editor's one line of plain text: what it waits for, once brought up to date as idle
// time does (the script runs before the dialog is shown, when idle time skips it).
wxString Prompt(wxWindow* editor) {
    editor->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    for (wxWindow* child : editor->GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            return text->GetLabel();
        }
    }
    return "(none)";
}

TEST_F(EditObjectsTest, ABlockAddedInTheEditorIsInTheBaseFileAfterSaveAndExit) {
    int blockButton = 0;
    for (const AddObjectLogic::Button& button : AddObjectLogic::Buttons()) {
        blockButton = button.code == kTypeBlock ? button.id : blockButton;
    }
    EditBaseDlg dlg(base_, nullptr);
    wxTEST_DIALOG(
        dlg.ShowModal(), ExpectScript<EditBaseDlg>([&](EditBaseDlg* d) {
            PressButton(d, EditBaseLogic::kLoadBase);
            PressButton(d, EditBaseLogic::kEditObjects);
            PressEscape(d);
        }),
        ExpectMessageBox("Base successfully loaded into Astrel 2010", "Success", wxICON_NONE),
        ExpectScript<EditBaseObjectsDlg>([](EditBaseObjectsDlg* editor) {
            EXPECT_EQ(editor->GetTitle(), "Edit Structures: Port");
            PressButton(editor, kIdAddObject);
            // The new block follows the pointer until a click places it, and says so
            // beside the cursor read-out.
            StructureEditorModel& model = editor->Model();
            const ClientPoint at{model.viewOrigin.x + 500, model.viewOrigin.y + 300};
            model.OnMouseMove(at.x, at.y, false);
            EXPECT_EQ(Prompt(editor), "Click on map to add object at that point.");
            auto* status = dynamic_cast<wxTextCtrl*>(editor->FindWindow(kIdStatusLine));
            EXPECT_TRUE(status->GetValue().StartsWith("Cursor position - Longitude:"));
            model.OnLButtonDown(at.x, at.y, false);
            model.OnLButtonUp(at.x, at.y, false);
            EXPECT_EQ(model.List().Objects().GetCount(), 1);
            EXPECT_EQ(Prompt(editor), "");
            PressButton(editor, wxID_OK);
            EXPECT_EQ(ActiveStructureEditor, nullptr);
        }),
        ExpectScript<AddObjectDlg>([&](AddObjectDlg* d) { PressButton(d, blockButton); }),
        ExpectScript<AddBlockDlg>([](AddBlockDlg* d) {
            SetEditText(d, AddBlockLogic::kWidth, "30");
            SetEditText(d, AddBlockLogic::kLength, "40");
            SetEditText(d, AddBlockLogic::kHeight, "10");
            PressButton(d, wxID_OK);
        }),
        ExpectMessageBox(EditBaseLogic::kReloadNotice, "Notification", wxICON_NONE));
    EXPECT_NE(OwnFile().find("BLOCK\r\n\tPOS "), std::string::npos) << OwnFile();
    EXPECT_NE(OwnFile().find("\tSCALE 30 10 40\r\n"), std::string::npos) << OwnFile();
}

} // namespace
} // namespace pf::test
