#include "objects/ui/runway_dlg.h"

#include "controls/ui/my_bitmap_button.h"
#include "objects/ui/object_dialogs.h"
#include "platform/settings_store.h"
#include "support/bmp_fixture.h"
#include "support/sandbox_home.h"
#include "support/temp_dir.h"
#include "support/ui/expect_script.h"
#include "workspace/config_reader.h"

#include <wx/choice.h>
#include <wx/msgdlg.h>

namespace pf {
namespace {

using test::EditText;
using test::ExpectMessageBox;
using test::ExpectScript;
using test::PressButton;
using test::PressEscape;
using test::SetEditText;

// A click on a check box: its value flips and the dialog hears of it.
void Tick(wxWindow* dlg, int id) {
    auto* box = dynamic_cast<wxCheckBox*>(dlg->FindWindow(id));
    ASSERT_NE(box, nullptr) << id;
    box->SetValue(!box->GetValue());
    wxCommandEvent click(wxEVT_CHECKBOX, id);
    click.SetEventObject(box);
    click.SetInt(box->GetValue() ? 1 : 0);
    box->ProcessWindowEvent(click);
}

bool Shown(wxWindow* dlg, int id) {
    wxWindow* window = dlg->FindWindow(id);
    EXPECT_NE(window, nullptr) << id;
    return window != nullptr && window->IsShown();
}

std::string SolidBmp(uint8_t value) {
    test::BmpFixture f;
    f.width = 4;
    f.height = 4;
    f.rows.assign(4, std::vector<uint8_t>(12, value));
    return test::MakeBmp(f);
}

class RunwayDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterObjectDialogs();
        // Runway2's picture is missing: its button shows its caption.
        install_.WriteFile("Buttons/runway0.bmp", SolidBmp(40));
        ASSERT_TRUE(settings_store::Write("Install Path", install_.Internal()));
        StringArray lines;
        SplitTextIntoLines(lines, "RUNWAY\nEND1 0 0 0\nEND2 0 0 1000\nWIDTH 40\n"
                                  "NRWSEG 1\nRWSEG1 1 1 0 1 0 1\nRWTEX Mine\n");
        ASSERT_TRUE(ParseRunway(runway_, lines));
        original_ = runway_.GetParameterText();
    }

    test::SandboxHome home_;
    test::TempDir install_;
    AstrelObject runway_;
    std::string original_;
};

TEST_F(RunwayDialogTest, OkTakesTheChangedWidth) {
    bool ok = false;
    wxTEST_DIALOG(ok = runway_.EditInDialog(), ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Runway");
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kWidth), "40");
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kLength), "1000");
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kDirection), "270");
                      SetEditText(dlg, AddRunwayLogic::kWidth, "55");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    const auto& runway = dynamic_cast<const Runway&>(*runway_.Get());
    EXPECT_EQ(runway.width.value, 55.0);
    EXPECT_EQ(runway.segments.texture, "Mine"); // the layout was not touched
    EXPECT_EQ(runway.lightsOn.value, 0);
}

TEST_F(RunwayDialogTest, EscapeAndCloseBoxLeaveTheRunway) {
    const std::function<void(AddRunwayDlg*)> escape = [](AddRunwayDlg* dlg) {
        SetEditText(dlg, AddRunwayLogic::kWidth, "55");
        PressEscape(dlg);
    };
    const std::function<void(AddRunwayDlg*)> close = [](AddRunwayDlg* dlg) {
        SetEditText(dlg, AddRunwayLogic::kWidth, "55");
        dlg->Close();
    };
    for (const auto& act : {escape, close}) {
        bool ok = true;
        wxTEST_DIALOG(ok = runway_.EditInDialog(), ExpectScript<AddRunwayDlg>(act));
        EXPECT_FALSE(ok);
        EXPECT_EQ(runway_.GetParameterText(), original_);
    }
}

TEST_F(RunwayDialogTest, CheckBoxesShowAndHideTheLightControls) {
    wxTEST_DIALOG(runway_.EditInDialog(), ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
                      // The runway had no lights.
                      EXPECT_FALSE(dlg->FindWindow(AddRunwayLogic::kNumberOfLights)->IsEnabled());
                      EXPECT_FALSE(Shown(dlg, AddRunwayLogic::kUseD3D9));
                      EXPECT_FALSE(Shown(dlg, AddRunwayLogic::kMode));
                      EXPECT_FALSE(Shown(dlg, AddRunwayLogic::kUseIls1));
                      EXPECT_FALSE(dlg->FindWindow(AddRunwayLogic::kIls1)->IsEnabled());
                      Tick(dlg, AddRunwayLogic::kUseLights);
                      EXPECT_TRUE(dlg->FindWindow(AddRunwayLogic::kVasiOffset)->IsEnabled());
                      EXPECT_TRUE(Shown(dlg, AddRunwayLogic::kUseD3D9));
                      EXPECT_FALSE(Shown(dlg, AddRunwayLogic::kApproachLightsLabel));
                      Tick(dlg, AddRunwayLogic::kUseD3D9);
                      EXPECT_TRUE(Shown(dlg, AddRunwayLogic::kMode));
                      EXPECT_TRUE(Shown(dlg, AddRunwayLogic::kSingleEnded));
                      EXPECT_TRUE(Shown(dlg, AddRunwayLogic::kApproachLightsLabel));
                      auto* mode = dynamic_cast<wxChoice*>(dlg->FindWindow(AddRunwayLogic::kMode));
                      EXPECT_EQ(mode->GetCount(), 4u);
                      EXPECT_EQ(mode->GetSelection(), 1);
                      mode->SetSelection(3);
                      // Picture of Runway1 loaded, Runway2's missing; Runway1 is chosen.
                      auto* r1 =
                          dynamic_cast<MyBitmapButton*>(dlg->FindWindow(AddRunwayLogic::kRunway1));
                      auto* r2 =
                          dynamic_cast<MyBitmapButton*>(dlg->FindWindow(AddRunwayLogic::kRunway2));
                      EXPECT_TRUE(r1->Faces().Picture().HasPixels());
                      EXPECT_FALSE(r2->Faces().Picture().HasPixels());
                      PressButton(dlg, wxID_OK);
                  }));
    const auto& runway = dynamic_cast<const Runway&>(*runway_.Get());
    EXPECT_EQ(runway.lightsOn.value, 1);
    EXPECT_EQ(runway.lights.papiMode.value, 3);
    EXPECT_TRUE(runway.lights.approachStart.given);
}

TEST_F(RunwayDialogTest, TypeButtonsAndCheckBoxesKeepTypedTexts) {
    wxTEST_DIALOG(runway_.EditInDialog(), ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
                      SetEditText(dlg, AddRunwayLogic::kWidth, "77");
                      PressButton(dlg, AddRunwayLogic::kRunway2);
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kWidth), "77");
                      Tick(dlg, AddRunwayLogic::kUseLights);
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kWidth), "77");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(dynamic_cast<const Runway&>(*runway_.Get()).width.value, 77.0f);
}

TEST_F(RunwayDialogTest, RefusedWidthKeepsTheDialogOpen) {
    wxTEST_DIALOG(runway_.EditInDialog(), ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
                      SetEditText(dlg, AddRunwayLogic::kWidth, "0.1");
                      PressButton(dlg, wxID_OK);
                      EXPECT_EQ(dlg->GetReturnCode(), 0);
                      PressButton(dlg, wxID_CANCEL);
                  }),
                  ExpectMessageBox("Enter a number between 0.1 and 20000.", "Padforge"));
    EXPECT_EQ(runway_.GetParameterText(), original_);
}

TEST_F(RunwayDialogTest, StandAloneLightsHaveNoDialog) {
    StringArray lines;
    SplitTextIntoLines(lines, "RUNWAYLIGHTS\nEND1 0 0 0\nEND2 0 0 10\n");
    AstrelObject lights;
    ASSERT_TRUE(ParseRunwayLights(lights, lines));
    // No dialog is made, so none can be shown.
    EXPECT_EQ(lights.Get()->CreateDialog(), nullptr);
    EXPECT_FALSE(lights.EditInDialog());
}

} // namespace
} // namespace pf
