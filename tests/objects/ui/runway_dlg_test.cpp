#include "objects/ui/runway_dlg.h"

#include "support/ui/object_dialog_fixture.h"

#include <wx/choice.h>

namespace pf::test {
namespace {

const char* const kRunway = "\tEND1 0 0 0\r\n\tEND2 0 0 1000\r\n\tWIDTH 40\r\n\tNRWSEG 1\r\n"
                            "\tRWSEG1 1 1 0 1 0 1\r\n\tRWTEX Mine\r\n";

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

TEST_F(ObjectDialogTest, RunwayOkTakesTheChangedWidth) {
    AstrelObject held = Parsed("RUNWAY", kRunway);
    bool ok = false;
    wxTEST_DIALOG(ok = held.EditInDialog(), ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
                      SetEditText(dlg, AddRunwayLogic::kWidth, "55");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    const auto& runway = dynamic_cast<const Runway&>(*held.Get());
    EXPECT_EQ(runway.width.value, 55.0);
    EXPECT_EQ(runway.segments.texture, "Mine"); // the layout was not touched
    EXPECT_EQ(runway.lightsOn.value, 0);
}

TEST_F(ObjectDialogTest, RunwayCheckBoxesShowAndHideTheLightControls) {
    AstrelObject held = Parsed("RUNWAY", kRunway);
    wxTEST_DIALOG(held.EditInDialog(), ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
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
                      PressButton(dlg, wxID_OK);
                  }));
    const auto& runway = dynamic_cast<const Runway&>(*held.Get());
    EXPECT_EQ(runway.lightsOn.value, 1);
    EXPECT_EQ(runway.lights.papiMode.value, 3);
    EXPECT_TRUE(runway.lights.approachStart.given);
}

TEST_F(ObjectDialogTest, RunwayTypeButtonsAndCheckBoxesKeepTypedTexts) {
    AstrelObject held = Parsed("RUNWAY", kRunway);
    wxTEST_DIALOG(held.EditInDialog(), ExpectScript<AddRunwayDlg>([](AddRunwayDlg* dlg) {
                      SetEditText(dlg, AddRunwayLogic::kWidth, "77");
                      PressButton(dlg, AddRunwayLogic::kRunway2);
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kWidth), "77");
                      Tick(dlg, AddRunwayLogic::kUseLights);
                      EXPECT_EQ(EditText(dlg, AddRunwayLogic::kWidth), "77");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(dynamic_cast<const Runway&>(*held.Get()).width.value, 77.0f);
}

TEST_F(ObjectDialogTest, StandAloneRunwayLightsHaveNoDialog) {
    AstrelObject lights = Parsed("RUNWAYLIGHTS", "\tEND1 0 0 0\r\n\tEND2 0 0 10\r\n");
    ASSERT_FALSE(lights.IsEmpty());
    EXPECT_EQ(lights.Get()->CreateDialog(), nullptr); // none made, so none can be shown
    EXPECT_FALSE(lights.EditInDialog());
}

} // namespace
} // namespace pf::test
