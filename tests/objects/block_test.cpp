#include "objects/block.h"

#include "objects/placement_families.h"
#include "support/object_fixtures.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::GroupOf;
using test::ParsedText;

TEST(TextureRepeatFactorTest, HalfPerFifteenMetresAtLeastHalf) {
    struct Case {
        double size;
        float factor;
    };
    for (const Case& c : {Case{14.9, 0.5f}, Case{15, 0.5f}, Case{30, 1.0f}, Case{44.9, 1.0f},
                          Case{45, 1.5f}, Case{80, 2.5f}, Case{-45, 1.5f}, Case{0, 0.5f}}) {
        EXPECT_EQ(TextureRepeatFactor(c.size), c.factor) << c.size;
    }
}

Block DialogDefaultBlock() {
    Block block;
    block.rot.Set(0.0);
    block.scale.Set(80.0, 80.0, 40.0);
    block.tex1 = TextureSpec{"Fcd06", {}, {}};
    block.tex1.u.Set(4.0f);
    block.tex1.v.Set(2.0f);
    block.tex2 = block.tex1;
    block.tex3.name = "Wall01";
    block.tex3.u.Set(2.0f);
    block.tex3.v.Set(2.0f);
    return block;
}

TEST(BlockTest, WritesTheDialogDefaults) {
    const Block block = DialogDefaultBlock();
    EXPECT_EQ(block.GetParameterText(),
              "\tPOS 0 0 0\r\n\tSCALE 80 40 80\r\n\tROT 0\r\n\tTEX1 Fcd06 2.5 1\r\n"
              "\tTEX2 Fcd06 2.5 1\r\n\tTEX3 Wall01 2 2\r\n\tPFG_SCALEUV\r\n");
    // Writing computes the wall scales and leaves the held ones alone.
    EXPECT_EQ(block.tex1.u.value, 4.0f);
    EXPECT_EQ(block.tex2.v.value, 2.0f);
}

TEST(BlockTest, ParserRefusesAnotherTypeWord) {
    AstrelObject holder;
    EXPECT_FALSE(ParseBlock(holder, GroupOf("HANGAR", "\tPOS 1 2 3\r\n")));
    EXPECT_TRUE(holder.IsEmpty());
    EXPECT_TRUE(ParseBlock(holder, GroupOf("block", "\tPOS 1 2 3\r\n")));
    EXPECT_EQ(holder.GetType(), kTypeBlock);
}

TEST(BlockTest, CopyFromTakesEveryParameter) {
    AstrelObject parsed;
    ASSERT_FALSE(ParsedText(ParseBlock, "BLOCK",
                            "\tPOS 1 2 3\r\n\tSCALE 4 5 6\r\n\tROT 7\r\n\tTEX2 A 1 2\r\n", &parsed)
                     .empty());
    Block copy;
    copy.CopyFrom(*parsed.Get());
    EXPECT_EQ(copy.GetParameterText(), parsed.GetParameterText());
    EXPECT_FALSE(copy.scaleUV);
    EXPECT_EQ(copy.GetType(), kTypeBlock);
}

} // namespace
} // namespace pf
