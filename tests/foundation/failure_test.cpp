#include "foundation/failure.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(ShowFailureMessage, OptOutStopsLaterCallsAndEveryCallIsFalse) {
    test::ScriptedUi ui;
    ui.TickOptOutOnNextFailure();
    EXPECT_FALSE(ShowFailureMessage("first\r\n"));
    EXPECT_FALSE(GetShowFailures());
    EXPECT_FALSE(ShowFailureMessage("second\r\n"));
    ASSERT_EQ(ui.Failures().size(), 1u);
    EXPECT_EQ(ui.Failures()[0], "first\r\n");
}

TEST(ShowFailureMessage, NullTextCountsAsEmpty) {
    test::ScriptedUi ui;
    EXPECT_FALSE(ShowFailureMessage(static_cast<const char*>(nullptr)));
    ASSERT_EQ(ui.Failures().size(), 1u);
    EXPECT_EQ(ui.Failures()[0], "");
}

TEST(ShowFailureMessage, ScriptedUiRestoresTheFlag) {
    {
        test::ScriptedUi ui;
        ui.TickOptOutOnNextFailure();
        ShowFailureMessage("x");
    }
    EXPECT_TRUE(GetShowFailures());
    EXPECT_EQ(GetUiHooks(), nullptr);
}

} // namespace
} // namespace pf
