#include <gtest/gtest.h>

#include "test/random.h"

// Before the first seeding the generator runs as if seeded with 1.
TEST(UnseededRandom, StartsAsIfSeededWithOne) {
    EXPECT_EQ(lcg::rand(), 41);
    EXPECT_EQ(lcg::rand(), 18467);
    EXPECT_EQ(lcg::rand(), 6334);
}
