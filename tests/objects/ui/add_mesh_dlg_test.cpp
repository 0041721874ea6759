#include "objects/ui/add_mesh_dlg.h"
#include "objects/ui/object_dialogs.h"

#include "foundation/failure.h"
#include "foundation/ui/wx_ui_hooks.h"
#include "objects/mesh.h"
#include "support/mesh_files.h"
#include "support/ui/expect_choosers.h"
#include "support/ui/expect_script.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include <functional>

namespace {

using Action = std::function<void(pf::AddMeshDlg*)>;

// Runs the person's actions on the hooked "Add Mesh" dialog and answers with the code
// the dialog recorded (Cancel when it recorded none).
class ExpectMeshDialog : public wxExpectModalBase<pf::AddMeshDlg, ExpectMeshDialog> {
  public:
    explicit ExpectMeshDialog(Action act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(pf::AddMeshDlg* dlg) const override {
        dlg->SetReturnCode(0);
        dlg->InitDialog();
        act_(dlg);
        return dlg->GetReturnCode() != 0 ? dlg->GetReturnCode() : wxID_CANCEL;
    }

  private:
    Action act_;
};

void Press(pf::AddMeshDlg* dlg, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(dlg->FindWindow(id));
    dlg->ProcessWindowEvent(click);
}

wxTextCtrl* Edit(pf::AddMeshDlg* dlg, int id) {
    return dynamic_cast<wxTextCtrl*>(dlg->FindWindow(id));
}

void LeaveField(pf::AddMeshDlg* dlg, int id) {
    wxTextCtrl* edit = Edit(dlg, id);
    wxFocusEvent leave(wxEVT_KILL_FOCUS, id);
    leave.SetEventObject(edit);
    edit->GetEventHandler()->ProcessEvent(leave);
    wxTheApp->ProcessPendingEvents();
}

} // namespace

namespace pf {
namespace {

using L = AddMeshLogic;
using test::ExpectChosenFile;
using test::ExpectMessageBox;

class AddMeshDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = SetUiHooks(&hooks_);
        previousFlag_ = GetShowFailures();
        SetShowFailures(true);
        RegisterObjectDialogs();
        tree_.WriteModel("Box.msh", test::kMshBox);
    }
    void TearDown() override {
        SetUiHooks(previous_);
        SetShowFailures(previousFlag_);
    }

    AstrelObject NaturalBox() {
        Mesh mesh;
        mesh.file = "Box";
        uint8_t textured = 0;
        EXPECT_TRUE(mesh.LoadOrComputeMeshData(textured));
        mesh.scale.Set(10.0, 4.0, 5.0);
        mesh.pos.Set(30.0, 40.0, 2.0);
        mesh.rot.Set(0.0);
        return AstrelObject(mesh);
    }

    WxUiHooks hooks_;
    UiHooks* previous_ = nullptr;
    bool previousFlag_ = true;
    test::MeshSandbox tree_;
};

TEST_F(AddMeshDlgTest, ChosenModelAndOkGiveAMeshAtItsNaturalSize) {
    AstrelObject holder{Mesh()};
    bool ok = false;
    wxTEST_DIALOG(ok = holder.EditInDialog(), ExpectMeshDialog([](AddMeshDlg* dlg) {
                      Press(dlg, L::kChooseFile);
                      EXPECT_EQ(Edit(dlg, L::kFile)->GetValue(), "Box");
                      EXPECT_EQ(Edit(dlg, L::kLength)->GetValue(), "10");
                      EXPECT_EQ(Edit(dlg, L::kProperties)->GetValue(),
                                "Mesh Properties:\nOriginal Width: 4\nOriginal Length: 10\n"
                                "Original Height: 5\n");
                      Press(dlg, wxID_OK);
                  }),
                  ExpectChosenFile(tree_.Dir().NativePath("Sim/Meshes/Box.msh")));
    ASSERT_TRUE(ok);
    const auto* mesh = dynamic_cast<const Mesh*>(holder.Get());
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->file, "Box");
    EXPECT_EQ(mesh->scale[0].value, 10.0);
    EXPECT_EQ(mesh->scale[1].value, 4.0);
    EXPECT_EQ(mesh->scale[2].value, 5.0);
    EXPECT_TRUE(mesh->shadow);
    EXPECT_EQ(holder.GetParameterText(),
              "\tFILE Box\r\n\tPOS -2 2 -5\r\n\tSCALE 1 1 1\r\n\tROT 0\r\n\tSHADOW\r\n");
}

TEST_F(AddMeshDlgTest, OkWithoutAModelStaysOpenAfterItsMessage) {
    AstrelObject holder{Mesh()};
    bool ok = true;
    wxTEST_DIALOG(ok = holder.EditInDialog(), ExpectMeshDialog([](AddMeshDlg* dlg) {
                      Press(dlg, wxID_OK);
                      EXPECT_EQ(dlg->GetReturnCode(), 0);
                      Press(dlg, wxID_CANCEL);
                  }),
                  ExpectMessageBox("Please enter a mesh file name.", "Error", 0));
    EXPECT_FALSE(ok);
}

TEST_F(AddMeshDlgTest, WidthLeftWithKeepAspectScalesLengthAndHeight) {
    AstrelObject holder = NaturalBox();
    bool ok = false;
    wxTEST_DIALOG(ok = holder.EditInDialog(), ExpectMeshDialog([](AddMeshDlg* dlg) {
                      Edit(dlg, L::kWidth)->SetValue("8");
                      LeaveField(dlg, L::kWidth);
                      EXPECT_EQ(Edit(dlg, L::kLength)->GetValue(), "20");
                      EXPECT_EQ(Edit(dlg, L::kHeight)->GetValue(), "10");
                      Press(dlg, wxID_OK);
                  }));
    ASSERT_TRUE(ok);
    const auto* mesh = dynamic_cast<const Mesh*>(holder.Get());
    EXPECT_EQ(mesh->scale[0].value, 20.0);
    EXPECT_EQ(mesh->scale[1].value, 8.0);
    EXPECT_EQ(mesh->scale[2].value, 10.0);
    EXPECT_EQ(mesh->pos[0].value, 30.0);
    EXPECT_EQ(mesh->pos[2].value, 2.0);
}

TEST_F(AddMeshDlgTest, SizeTypedJustBeforeOkKeepsTheAspect) {
    AstrelObject holder = NaturalBox();
    bool ok = false;
    wxTEST_DIALOG(ok = holder.EditInDialog(), ExpectMeshDialog([](AddMeshDlg* dlg) {
                      Edit(dlg, L::kLength)->SetValue("5");
                      Press(dlg, wxID_OK);
                  }));
    ASSERT_TRUE(ok);
    const auto* mesh = dynamic_cast<const Mesh*>(holder.Get());
    EXPECT_EQ(mesh->scale[0].value, 5.0);
    EXPECT_EQ(mesh->scale[1].value, 2.0);
    EXPECT_EQ(mesh->scale[2].value, 2.5);
}

TEST_F(AddMeshDlgTest, TypingIntoTheFileFieldIsUndoneWithAMessage) {
    AstrelObject holder = NaturalBox();
    wxTEST_DIALOG(holder.EditInDialog(), ExpectMeshDialog([](AddMeshDlg* dlg) {
                      Edit(dlg, L::kFile)->SetValue("Other");
                      EXPECT_EQ(Edit(dlg, L::kFile)->GetValue(), "Box");
                      wxTheApp->ProcessPendingEvents();
                      Press(dlg, wxID_CANCEL);
                  }),
                  ExpectMessageBox("Sorry, you have to select the mesh file from the \"...\" "
                                   "button to the right",
                                   "Read Only", 0));
}

} // namespace
} // namespace pf
