#include "document/logic/tile_progress_logic.h"

#include "document/base_document.h"
#include "imagery/texture_codec.h"
#include "support/simulator_sandbox.h"
#include "tiles/tile_attributes.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(TileProgressLogic, RunsOnceAndNeverAfterACancel) {
    test::SimulatorSandbox sim;
    BaseDocument document;
    document.SetName("Port Alpha");
    const int usesBefore = DDSRenderer::UseCount();
    {
        TileProgressLogic logic(&document, sim.Dir().Internal());
        EXPECT_EQ(DDSRenderer::UseCount(), usesBefore + 1) << "the dialog holds a use";
        EXPECT_TRUE(logic.IsStartPending());
        EXPECT_EQ(logic.GetTileCount(), 0);
        EXPECT_TRUE(logic.RunOnFirstTick()) << "an empty base finishes at once";
        EXPECT_FALSE(logic.IsStartPending());
        EXPECT_TRUE(document.GetNeedsLoading());
        EXPECT_FALSE(logic.RunOnFirstTick()) << "later ticks do nothing";
    }
    EXPECT_EQ(DDSRenderer::UseCount(), usesBefore);

    BaseDocument other;
    other.AddTileSorted(TileAttributes("Earth", 12, 1, 1));
    TileProgressLogic cancelled(&other, sim.Dir().Internal());
    EXPECT_EQ(cancelled.GetTileCount(), 1);
    cancelled.Cancel();
    EXPECT_FALSE(cancelled.RunOnFirstTick());
    EXPECT_FALSE(other.GetNeedsLoading()) << "nothing ran";
    EXPECT_TRUE(sim.Ui().Calls().empty());
    EXPECT_EQ(TileProgressLogic(nullptr, "").GetTileCount(), 0);
}

} // namespace
} // namespace pf
