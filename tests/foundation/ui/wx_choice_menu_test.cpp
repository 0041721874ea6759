#include "support/ui/wx_test_hook.h"

#include "foundation/ui/wx_ui_hooks.h"

#include <wx/menu.h>

namespace pf {
namespace {

TEST(WxChoiceMenu, TitleSeparatorThenOptionsWithTheirIds) {
    std::unique_ptr<wxMenu> menu = BuildChoiceMenu("Tiles & more", {"Cut & paste", "Delete"});
    ASSERT_EQ(menu->GetMenuItemCount(), 4u);
    const wxMenuItemList& items = menu->GetMenuItems();
    auto item = [&](size_t i) { return items[i]; };
    EXPECT_FALSE(item(0)->IsEnabled());
    EXPECT_EQ(item(0)->GetItemLabelText(), "Tiles & more");
    EXPECT_TRUE(item(1)->IsSeparator());
    EXPECT_EQ(item(2)->GetId(), 10001);
    EXPECT_EQ(item(2)->GetItemLabelText(), "Cut & paste");
    EXPECT_TRUE(item(2)->IsEnabled());
    EXPECT_EQ(item(3)->GetId(), 10002);

    std::unique_ptr<wxMenu> plain = BuildChoiceMenu("", {"Only"});
    ASSERT_EQ(plain->GetMenuItemCount(), 1u);
    EXPECT_EQ(plain->GetMenuItems()[0]->GetId(), 10001);
}

} // namespace
} // namespace pf
