#include "objects/ui/object_dialogs.h"

#include "../object_text_helpers.h"
#include "controls/ui/my_bitmap_button.h"
#include "objects/beacon_array.h"
#include "objects/block.h"
#include "objects/hangars.h"
#include "objects/solar_plant.h"
#include "objects/tank.h"
#include "objects/ui/select_texture_dlg.h"
#include "support/sandbox_home.h"
#include "support/test_paths.h"
#include "support/ui/expect_script.h"
#include "workspace/settings.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>

namespace pf {
namespace {

using test::ExpectMessageBox;
using test::ExpectScript;
using test::ParsedText;
using test::PressButton;
using test::PressEscape;
using test::SetEditText;

enum class Leave { Ok, Escape, CloseBox };

void LeaveDialog(wxDialog* dlg, Leave leave) {
    switch (leave) {
    case Leave::Ok:
        PressButton(dlg, wxID_OK);
        break;
    case Leave::Escape:
        PressEscape(dlg);
        break;
    case Leave::CloseBox:
        dlg->Close();
        break;
    }
}

class ObjectDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string share = test::BinaryDir() + "/share/padforge/";
        for (char& c : share) {
            c = c == '/' ? '\\' : c;
        }
        WriteRegistryValue("Install Path", share);
    }

    template <class Parser>
    static AstrelObject Parsed(Parser parse, const char* word, const std::string& text) {
        AstrelObject holder;
        ParsedText(parse, word, text, &holder);
        EXPECT_FALSE(holder.IsEmpty());
        return holder;
    }

    test::SandboxHome home_;
};

const char* const kBlock = "\tPOS 1 2 3\r\n\tSCALE 30 10 90\r\n\tROT 45\r\n"
                           "\tTEX1 Fcd01 1.25 2\r\n\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n";

TEST_F(ObjectDialogsTest, BlockEditedThroughItsDialog) {
    AstrelObject block = Parsed(ParseBlock, "BLOCK", kBlock);
    bool edited = false;
    wxTEST_DIALOG(edited = block.EditInDialog(), ExpectScript<AddBlockDlg>([](AddBlockDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Block");
                      EXPECT_EQ(test::EditText(dlg, 1069), "30");
                      EXPECT_EQ(test::EditText(dlg, 1071), "Fcd01");
                      SetEditText(dlg, 1069, "50");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_TRUE(edited);
    EXPECT_EQ(block.GetParameterText(),
              "\tPOS 1 2 3\r\n\tSCALE 50 10 90\r\n\tROT 45\r\n"
              "\tTEX1 Fcd01 1.25 2\r\n\tTEX2 Fcd02 3 4\r\n\tTEX3 Roof01 0.5 0.75\r\n");
}

TEST_F(ObjectDialogsTest, EscapeAndCloseBoxLeaveEveryObject) {
    struct Case {
        AstrelObject object;
        const char* name;
    };
    std::vector<Case> cases;
    cases.push_back({Parsed(ParseBlock, "BLOCK", kBlock), "block"});
    cases.push_back({Parsed(ParseHangar2, "HANGAR2", "\tPOS 1 2 3\r\n"), "hangar"});
    cases.push_back({Parsed(ParseTank, "TANK", "\tSCALE 15 10 20\r\n"), "tank"});
    cases.push_back({Parsed(ParseSolarPlant, "SOLARPLANT", "\tGRID 2 3\r\n"), "solar"});
    cases.push_back({Parsed(ParseBeaconArray, "BEACONARRAY", "\tCOUNT 5\r\n"), "beacons"});
    for (Case& c : cases) {
        for (Leave leave : {Leave::Escape, Leave::CloseBox}) {
            const std::string before = c.object.GetParameterText();
            bool edited = true;
            auto script = [leave](wxDialog* dlg) {
                // A change that must not survive.
                for (int id : {1069, 1140}) {
                    if (dynamic_cast<wxTextCtrl*>(dlg->FindWindow(id)) != nullptr) {
                        SetEditText(dlg, id, "0.5");
                    }
                }
                LeaveDialog(dlg, leave);
                EXPECT_EQ(dlg->GetReturnCode(), wxID_CANCEL);
            };
            wxTEST_DIALOG(edited = c.object.EditInDialog(), ExpectScript<wxDialog>(script));
            EXPECT_FALSE(edited) << c.name;
            EXPECT_EQ(c.object.GetParameterText(), before) << c.name;
        }
    }
}

TEST_F(ObjectDialogsTest, RefusedValueShowsItsMessageAndStaysOpen) {
    AstrelObject block = Parsed(ParseBlock, "BLOCK", kBlock);
    const std::string before = block.GetParameterText();
    bool edited = true;
    wxTEST_DIALOG(edited = block.EditInDialog(), ExpectScript<AddBlockDlg>([](AddBlockDlg* dlg) {
                      SetEditText(dlg, 1069, "0.1");
                      PressButton(dlg, wxID_OK);
                      EXPECT_EQ(dlg->GetReturnCode(), 0);
                      PressButton(dlg, wxID_CANCEL);
                  }),
                  ExpectMessageBox("Enter a number between 0.1 and 4000.", "Padforge"));
    EXPECT_FALSE(edited);
    EXPECT_EQ(block.GetParameterText(), before);
}

TEST_F(ObjectDialogsTest, TextureButtonOpensTheChooserNested) {
    AstrelObject block = Parsed(ParseBlock, "BLOCK", kBlock);
    wxTEST_DIALOG(block.EditInDialog(), ExpectScript<AddBlockDlg>([](AddBlockDlg* dlg) {
                      PressButton(dlg, 1073);
                      EXPECT_EQ(test::EditText(dlg, 1071), "Roof02");
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectScript<SelectTextureDlg>([](SelectTextureDlg* chooser) {
                      EXPECT_EQ(chooser->GetTitle(), "Select Texture");
                      auto* list = dynamic_cast<wxListBox*>(chooser->FindWindow(1024));
                      ASSERT_NE(list, nullptr);
                      EXPECT_EQ(list->GetCount(), 17u);
                      EXPECT_EQ(list->GetSelection(), 2); // "Fcd01"
                      EXPECT_EQ(test::EditText(chooser, 1093), "1.25");
                      list->SetSelection(15);
                      wxCommandEvent change(wxEVT_LISTBOX, 1024);
                      change.SetInt(15);
                      chooser->ProcessWindowEvent(change);
                      SetEditText(chooser, 1093, "6");
                      SetEditText(chooser, 1094, "7");
                      PressButton(chooser, wxID_OK);
                  }));
    EXPECT_NE(block.GetParameterText().find("\tTEX1 Roof02 6 7\r\n"), std::string::npos)
        << block.GetParameterText();
}

TEST_F(ObjectDialogsTest, HangarKindButtonsSwitchTheDialog) {
    AstrelObject hangar = Parsed(ParseHangar2, "HANGAR2", "\tPOS 5 10 7\r\n\tROOFH 9\r\n");
    wxTEST_DIALOG(hangar.EditInDialog(), ExpectScript<AddHangerDlg>([](AddHangerDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Hanger");
                      EXPECT_TRUE(dlg->FindWindow(1082)->IsShown());
                      EXPECT_EQ(dlg->FindWindow(1088)->GetLabel(), "Roof Side");
                      EXPECT_EQ(test::EditText(dlg, 1082), "9");
                      auto* picture = dynamic_cast<MyBitmapButton*>(dlg->FindWindow(1084));
                      ASSERT_NE(picture, nullptr);
                      EXPECT_TRUE(picture->Faces().Picture().HasPixels());
                      EXPECT_TRUE(picture->Faces().IsChecked());
                      PressButton(dlg, 1084);
                      EXPECT_FALSE(dlg->FindWindow(1082)->IsShown());
                      EXPECT_EQ(dlg->FindWindow(1088)->GetLabel(), "Door");
                      EXPECT_EQ(dlg->FindWindow(1087)->GetLabel(), "Sides");
                      EXPECT_FALSE(picture->Faces().IsChecked());
                      PressButton(dlg, 1086);
                      EXPECT_FALSE(dlg->FindWindow(1071)->IsShown());
                      EXPECT_FALSE(dlg->FindWindow(1074)->IsShown());
                      EXPECT_EQ(test::EditText(dlg, 1070), "Wall01");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(hangar.GetType(), kTypeHangar3);
    EXPECT_EQ(hangar.GetParameterText().substr(0, 13), "\tPOS 5 10 7\r\n");
}

TEST_F(ObjectDialogsTest, TankSolarAndBeaconsTakeAChangedField) {
    AstrelObject tank = Parsed(ParseTank, "TANK", "\tSCALE 15 10 20\r\n\tNSTEP 30\r\n");
    wxTEST_DIALOG(tank.EditInDialog(), ExpectScript<AddTankDlg>([](AddTankDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Tank");
                      SetEditText(dlg, 1067, "12");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(tank.GetParameterText(),
              "\tPOS 0 0 0\r\n\tSCALE 15 12 20\r\n\tROT 0\r\n\tNSTEP 30\r\n");

    AstrelObject plant = Parsed(ParseSolarPlant, "SOLARPLANT", "\tGRID 2 3\r\n");
    wxTEST_DIALOG(plant.EditInDialog(), ExpectScript<AddSolarArrayDlg>([](AddSolarArrayDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Add Solar Plant");
                      SetEditText(dlg, 1069, "5");
                      PressButton(dlg, wxID_OK);
                  }));
    EXPECT_EQ(plant.GetParameterText(),
              "\tPOS 0 0 0\r\n\tGRID 5 3\r\n\tROT 0\r\n\tTEX Solpanel\r\n");

    AstrelObject beacons = Parsed(ParseBeaconArray, "BEACONARRAY", "\tEND2 0 0 100\r\n");
    wxTEST_DIALOG(beacons.EditInDialog(),
                  ExpectScript<AddBeaconArrayDlg>([](AddBeaconArrayDlg* dlg) {
                      EXPECT_EQ(dlg->GetTitle(), "Beacon Array");
                      SetEditText(dlg, 1127, "1");
                      PressButton(dlg, wxID_OK);
                      SetEditText(dlg, 1127, "20");
                      SetEditText(dlg, 1140, "0.5");
                      PressButton(dlg, wxID_OK);
                  }),
                  ExpectMessageBox("Enter an integer between 2 and 65000.", "Padforge"));
    EXPECT_EQ(beacons.GetParameterText(),
              "\tEND1 0 0 0\r\n\tEND2 0 0 100\r\n\tCOUNT 20\r\n\tSIZE 1\r\n\tCOL 0.5 1 1\r\n");
}

TEST_F(ObjectDialogsTest, AddObjectGivesTheChosenCode) {
    for (const AddObjectLogic::Button& button : AddObjectLogic::Buttons()) {
        AddObjectDlg dlg(nullptr);
        int result = 0;
        wxTEST_DIALOG(
            result = dlg.ShowModal(),
            ExpectScript<AddObjectDlg>([&button](AddObjectDlg* d) { PressButton(d, button.id); }));
        EXPECT_EQ(result, wxID_OK);
        EXPECT_EQ(dlg.GetCode(), button.code);
        EXPECT_EQ(dlg.FindWindow(button.id)->GetLabel(), button.caption);
    }
    for (Leave leave : {Leave::Escape, Leave::CloseBox}) {
        AddObjectDlg dlg(nullptr);
        int result = 0;
        wxTEST_DIALOG(
            result = dlg.ShowModal(),
            ExpectScript<AddObjectDlg>([leave](AddObjectDlg* d) { LeaveDialog(d, leave); }));
        EXPECT_EQ(result, wxID_CANCEL);
        EXPECT_EQ(dlg.GetCode(), 0);
    }
}

} // namespace
} // namespace pf
