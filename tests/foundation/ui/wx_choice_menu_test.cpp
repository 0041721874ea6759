#include "support/ui/wx_test_hook.h"

#include "foundation/ui/wx_ui_hooks.h"

#include <wx/menu.h>

namespace pf {
namespace {

TEST(WxChoiceMenu, TitleSeparatorThenOptionsWithTheirIds) {
    std::unique_ptr<wxMenu> menu = BuildChoiceMenu("Tiles & more", {"Cut & paste", "Delete"});
    const wxMenuItemList& items = menu->GetMenuItems();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_FALSE(items[0]->IsEnabled());
    EXPECT_EQ(items[0]->GetItemLabelText(), "Tiles & more");
    EXPECT_TRUE(items[1]->IsSeparator());
    EXPECT_EQ(items[2]->GetItemLabelText(), "Cut & paste");
    EXPECT_EQ(items[2]->GetId(), 10001);
    EXPECT_EQ(items[3]->GetId(), 10002);
    EXPECT_EQ(BuildChoiceMenu("", {"Only"})->GetMenuItems()[0]->GetId(), 10001);
}

} // namespace
} // namespace pf
