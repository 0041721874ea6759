#include "objects/logic/select_texture_logic.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pf {
namespace {

TEST(SelectTextureLogicTest, ListsPerKind) {
    EXPECT_EQ(SelectTextureLogic(12).Entries(), (std::vector<std::string>{"Lpad01", "Lpad02"}));
    EXPECT_EQ(SelectTextureLogic(13).Entries(), (std::vector<std::string>{"Lpad01", "Lpad02"}));
    EXPECT_EQ(SelectTextureLogic(14).Entries(), (std::vector<std::string>{"Lpad02a"}));
    const std::vector<std::string> general = {
        "**NONE**", "Door01", "Fcd01", "Fcd02", "Fcd03", "Fcd04",  "Fcd05",  "Fcd06", "Fcd07",
        "Fcd08",    "Fcd10",  "Fcd11", "Fcd12", "Fcd13", "Roof01", "Roof02", "Wall01"};
    for (int32_t kind : {0, 1, 2, 5, 11, 15}) {
        EXPECT_EQ(SelectTextureLogic(kind).Entries(), general) << kind;
    }
    EXPECT_EQ(std::count(general.begin(), general.end(), "Fcd09"), 0);
    for (int32_t kind : {12, 13, 14}) {
        EXPECT_FALSE(SelectTextureLogic(kind).AreScalesShown());
    }
    EXPECT_TRUE(SelectTextureLogic(2).AreScalesShown());
}

TEST(SelectTextureLogicTest, SelectionFollowsTheNameWithoutCase) {
    struct Case {
        const char* name;
        int selection;
        const char* preview;
    };
    for (const Case& c :
         {Case{"Fcd06", 7, "Fcd06"}, Case{"fcd06", 7, "fcd06"}, Case{"**NONE**", 0, ""},
          Case{"", -1, ""}, Case{"MyOwn", -1, "MyOwn"}, Case{"Fcd09", -1, "Fcd09"}}) {
        SelectTextureLogic logic(2);
        logic.name = c.name;
        EXPECT_EQ(logic.InitialSelection(), c.selection) << c.name;
        EXPECT_EQ(logic.PreviewName(), c.preview) << c.name;
    }
}

TEST(SelectTextureLogicTest, SelectingAnEntrySetsTheName) {
    SelectTextureLogic logic(2);
    logic.name = "Fcd06";
    ASSERT_TRUE(logic.Select(0));
    EXPECT_EQ(logic.name, "");
    ASSERT_TRUE(logic.Select(16));
    EXPECT_EQ(logic.name, "Wall01");
    EXPECT_FALSE(logic.Select(17));
    EXPECT_FALSE(logic.Select(-1));
    EXPECT_EQ(logic.name, "Wall01");
}

TEST(SelectTextureLogicTest, OkIsRefusedWhileAScaleIsZero) {
    SelectTextureLogic logic(2);
    ControlTexts texts = logic.ShowFields();
    EXPECT_EQ(texts.Get(SelectTextureLogic::kUScale), "0");
    std::optional<FieldRefusal> refusal = logic.Accept(texts);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->control, SelectTextureLogic::kUScale);
    EXPECT_EQ(refusal->message, "Enter a number between 0.1 and 400.");
    texts.Set(SelectTextureLogic::kUScale, "0.1");
    refusal = logic.Accept(texts);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->control, SelectTextureLogic::kVScale);
    texts.Set(SelectTextureLogic::kVScale, "400");
    EXPECT_FALSE(logic.Accept(texts));
    EXPECT_EQ(logic.u, 0.1f);
    EXPECT_EQ(logic.v, 400.0f);
}

TEST(SelectTextureLogicTest, DoubleClickTakesTheEntryOnlyWhenScalesPass) {
    SelectTextureLogic logic(2);
    logic.name = "Fcd01";
    ControlTexts texts = logic.ShowFields();
    EXPECT_TRUE(logic.DoubleClick(texts, 5));
    EXPECT_EQ(logic.name, "Fcd01");
    texts.Set(SelectTextureLogic::kUScale, "2");
    texts.Set(SelectTextureLogic::kVScale, "3");
    EXPECT_FALSE(logic.DoubleClick(texts, 5));
    EXPECT_EQ(logic.name, "Fcd04");
}

TEST(SelectTextureLogicTest, PlaceholderIsBlackWithWhiteText) {
    BitmapData image;
    ASSERT_TRUE(SelectTextureLogic::MakePlaceholder("No Texture", 160, 120, image));
    ASSERT_EQ(image.Width(), 160);
    ASSERT_EQ(image.Height(), 120);
    ASSERT_EQ(image.BitsPerPixel(), 24);
    const std::uint8_t* corner = image.PixelAddress(159, 119);
    EXPECT_EQ(corner[0] + corner[1] + corner[2], 0);
    int lit = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            lit += image.PixelAddress(x, y)[1] > 128 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 20);
    EXPECT_EQ(SelectTextureLogic::LoadPreview("", image), SelectTextureLogic::Preview::NoTexture);
}

} // namespace
} // namespace pf
