// Reading parameter values from token lists, and the shared parser of the object types.
#include "objects/value_readers.h"

#include "object_fakes.h"
#include "objects/astrel_object.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(ValueReaders, PositionVectorAndColourOrder) {
    OptionalVector3Double pos;
    ASSERT_TRUE(ReadPositionParam(pos, {"POS", "10", "20", "30"}));
    EXPECT_EQ(pos.Get().x, 30.0);
    EXPECT_EQ(pos.Get().y, -10.0);
    EXPECT_EQ(pos.Get().z, 20.0);
    EXPECT_TRUE(pos.IsSet());

    OptionalVector3Double scale;
    ASSERT_TRUE(ReadVectorParam(scale, {"SCALE", "10", "20", "30", "extra"}));
    EXPECT_EQ(scale.Get().x, 30.0);
    EXPECT_EQ(scale.Get().y, 10.0);
    EXPECT_EQ(scale.Get().z, 20.0);

    OptionalVector3Float col;
    ASSERT_TRUE(ReadColorParam(col, {"COL", "0.1", "0.2", "0.3"}));
    EXPECT_FLOAT_EQ(col[0].value, 0.3f);
    EXPECT_FLOAT_EQ(col[1].value, 0.1f);
    EXPECT_FLOAT_EQ(col[2].value, 0.2f);

    // Values carry single precision.
    OptionalVector3Double precise;
    ASSERT_TRUE(ReadPositionParam(precise, {"END1", "0.1", "0", "0"}));
    EXPECT_EQ(precise[1].value, -static_cast<double>(0.1f));
}

TEST(ValueReaders, TooFewTokensAndPartialFills) {
    OptionalVector3Double pos;
    EXPECT_FALSE(ReadPositionParam(pos, {"POS", "1", "2"}));
    EXPECT_FALSE(pos[0].given || pos[1].given || pos[2].given);

    // The first non-number stops the reader with the earlier components set.
    EXPECT_FALSE(ReadPositionParam(pos, {"POS", "1", "x", "3"}));
    EXPECT_TRUE(pos[1].given);
    EXPECT_EQ(pos[1].value, -1.0);
    EXPECT_FALSE(pos[2].given);
    EXPECT_FALSE(pos[0].given);

    OptionalFloat spacing[2];
    EXPECT_FALSE(ReadSpacingParam(spacing, {"SPACING", "2"}));
    EXPECT_FALSE(spacing[0].given);
    EXPECT_TRUE(ReadSpacingParam(spacing, {"SPACING", "2", "3.5"}));
    EXPECT_FLOAT_EQ(spacing[1].value, 3.5f);

    OptionalFloat f;
    EXPECT_FALSE(ReadFloatParam(f, {"ROOFH"}));
    EXPECT_FALSE(ReadFloatParam(f, {"ROOFH", "1,5"}));
    EXPECT_FALSE(f.given);
    EXPECT_TRUE(ReadFloatParam(f, {"ROOFH", "4.5"}));
    EXPECT_FLOAT_EQ(f.value, 4.5f);

    OptionalDouble d;
    EXPECT_TRUE(ReadDoubleParam(d, {"WIDTH", "30"}));
    EXPECT_EQ(d.value, 30.0);
}

TEST(ValueReaders, Integers) {
    OptionalInt count;
    count.Set(7);
    const struct {
        const char* text;
        bool ok;
        int32_t value;
    } cases[] = {
        {"12.9", true, 12},  {"-2.9", true, -2}, {"1,5", false, 7},   {"1e10", false, 7},
        {"-1e10", false, 7}, {"0x10", false, 7}, {"1e3", true, 1000},
    };
    for (const auto& c : cases) {
        count.Set(7);
        EXPECT_EQ(ReadCountParam(count, {"COUNT", c.text}), c.ok) << c.text;
        EXPECT_EQ(count.value, c.value) << c.text;
    }

    OptionalInt grid[2];
    EXPECT_FALSE(ReadGridParam(grid, {"GRID", "4"}));
    EXPECT_FALSE(ReadGridParam(grid, {"GRID", "4", "1e12"}));
    EXPECT_TRUE(grid[0].given);
    EXPECT_EQ(grid[0].value, 4);
    EXPECT_FALSE(grid[1].given);
    EXPECT_TRUE(ReadGridParam(grid, {"GRID", "3.7", "5"}));
    EXPECT_EQ(grid[0].value, 3);
    EXPECT_EQ(grid[1].value, 5);
}

TEST(ValueReaders, PapiFifthToken) {
    OptionalFloat values[3];
    OptionalInt mode;
    ASSERT_TRUE(ReadPapiParam(values, mode, {"PAPI", "3", "0.5", "100"}));
    EXPECT_FALSE(mode.given);
    EXPECT_FLOAT_EQ(values[2].value, 100.0f);
    ASSERT_TRUE(ReadPapiParam(values, mode, {"PAPI", "3", "0.5", "100", "2.8"}));
    EXPECT_EQ(mode.value, 2);
    OptionalFloat fresh[3];
    OptionalInt freshMode;
    EXPECT_FALSE(ReadPapiParam(fresh, freshMode, {"PAPI", "4", "1", "50", "x"}));
    EXPECT_TRUE(fresh[0].given && fresh[1].given && fresh[2].given);
    EXPECT_FALSE(freshMode.given);
    EXPECT_FALSE(ReadPapiParam(fresh, freshMode, {"PAPI", "1", "2"}));
}

TEST(ValueReaders, TextureTokenRule) {
    TextureSpec t;
    EXPECT_TRUE(ReadTextureParam(t, {"TEX1"}));
    EXPECT_EQ(t, TextureSpec{});
    EXPECT_TRUE(ReadTextureParam(t, {"TEX1", "Fcd01"}));
    EXPECT_EQ(t.name, "Fcd01");
    EXPECT_FALSE(t.u.given);

    TextureSpec three;
    EXPECT_FALSE(ReadTextureParam(three, {"TEX1", "Wall", "2"}));
    EXPECT_EQ(three, TextureSpec{});

    EXPECT_TRUE(ReadTextureParam(t, {"TEX1", "Roof", "1", "2", "9"}));
    EXPECT_EQ(t.name, "Roof");
    EXPECT_FLOAT_EQ(t.u.value, 1.0f);
    EXPECT_FLOAT_EQ(t.v.value, 2.0f);
    EXPECT_TRUE(t.IsComplete());

    TextureSpec partial;
    EXPECT_FALSE(ReadTextureParam(partial, {"TEX1", "Roof", "1", "y"}));
    EXPECT_EQ(partial.name, "Roof");
    EXPECT_TRUE(partial.u.given);
    EXPECT_FALSE(partial.v.given);
}

TEST(ValueReaders, AngleUniformScaleAndFrequency) {
    OptionalDouble rot;
    ASSERT_TRUE(ReadAngleParam(rot, {"ROT", "725"}));
    EXPECT_DOUBLE_EQ(rot.value, 5.0);
    ASSERT_TRUE(ReadAngleParam(rot, {"ROT", "-90"}));
    EXPECT_DOUBLE_EQ(rot.value, -90.0);

    OptionalVector3Double scale;
    ASSERT_TRUE(ReadUniformScaleParam(scale, {"SCALE", "40"}));
    EXPECT_TRUE(scale.IsSet());
    EXPECT_EQ(scale.Get().x, 40.0);
    EXPECT_EQ(scale.Get().z, 40.0);

    NavFrequency nav;
    nav.Set(110.0f);
    EXPECT_TRUE(ReadFrequencyParam(nav, {"NAV", "150"}));
    EXPECT_FALSE(nav.valid);
    EXPECT_FLOAT_EQ(nav.value, 110.0f);
    EXPECT_FALSE(nav.present);
    EXPECT_TRUE(ReadFrequencyParam(nav, {"NAV", "112.5"}));
    EXPECT_TRUE(nav.valid);
    EXPECT_FALSE(ReadFrequencyParam(nav, {"NAV"}));
}

// The shared parser over a fake block with the keywords POS, SCALE and ROT.
bool ParseFakeBlock(AstrelObject& holder, const StringArray& group) {
    test::FakeBlock local;
    local.rot.Set(0.0);
    return ReadObjectParameters(
        holder, group, "BLOCK", local,
        {{"POS", [&](const StringArray& t) { return ReadPositionParam(local.pos, t); }},
         {"SCALE", [&](const StringArray& t) { return ReadVectorParam(local.scale, t); }},
         {"ROT", [&](const StringArray& t) { return ReadAngleParam(local.rot, t); }}});
}

TEST(ObjectParser, SharedContract) {
    test::ScopedFakeTypes fakes;
    AstrelObject holder;
    ASSERT_TRUE(ParseFakeBlock(
        holder, {"block", "pos 1 2 3", "COLOUR 1 2 3", "SCALE 4 5 6", "POS 7 8 9", "ROT"}));
    ASSERT_EQ(holder.GetType(), kTypeBlock);
    const auto* block = dynamic_cast<const test::FakeBlock*>(holder.Get());
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->pos.Get().x, 9.0); // the later POS line wins
    EXPECT_EQ(block->pos.Get().y, -7.0);
    EXPECT_EQ(block->scale.Get().x, 6.0);
    EXPECT_TRUE(block->rot.given); // the default survives a line without a value

    AstrelObject untouched(*block);
    const std::string before = untouched.GetParameterText();
    EXPECT_FALSE(ParseFakeBlock(untouched, {"TANK", "POS 0 0 0"}));
    EXPECT_FALSE(ParseFakeBlock(untouched, {"BLOCKS"}));
    EXPECT_FALSE(ParseFakeBlock(untouched, {}));
    EXPECT_EQ(untouched.GetParameterText(), before);

    // A keyword is matched as a whole word only.
    AstrelObject other;
    ASSERT_TRUE(ParseFakeBlock(other, {"BLOCK", "POSITION 1 2 3"}));
    EXPECT_FALSE(dynamic_cast<const test::FakeBlock*>(other.Get())->pos.IsSet());
}

} // namespace
} // namespace pf
