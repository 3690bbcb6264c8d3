#include <gtest/gtest.h>

#include "common/Variant.h"

namespace aerolune {
namespace {

TEST(Variant, EmptyReadsAsZeroAndAsEmptyText) {
    Variant v;
    EXPECT_TRUE(v.isEmpty());
    EXPECT_EQ(v.toDouble(), 0.0);
    EXPECT_EQ(v.toInt(), 0);
    EXPECT_EQ(v.toText(), "");
    v = 5.0;
    v.clear();
    EXPECT_TRUE(v.isEmpty());
}

TEST(Variant, KeepsItsKindAndConvertsBothWays) {
    EXPECT_EQ(Variant(int16_t{12}).kind(), Variant::Kind::Int16);
    EXPECT_EQ(Variant(int32_t{1000000}).toText(), "1000000");
    EXPECT_EQ(Variant(1.05).toText(), "1.05");
    EXPECT_EQ(Variant(0.007f).toText(), "0.007");  // not 0.00700000021...
    EXPECT_EQ(Variant("0012").toInt(), 12);
    EXPECT_EQ(Variant("  -2.5 Deg.").toDouble(), -2.5);
    EXPECT_EQ(Variant(-7.9).toInt(), -7);
    EXPECT_EQ(Variant(1e300).toInt(), 2147483647);
}

}  // namespace
}  // namespace aerolune
