#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core_test.h"
#include "test/random.h"
#include "test/test_engine.h"

namespace {

std::vector<int> draws(int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(lcg::rand());
    }
    return values;
}

TEST(Random, FollowsTheGeneratorRule) {
    struct Case {
        std::uint32_t seed;
        std::vector<int> values;
    };
    const Case cases[] = {
        {1, {41, 18467, 6334, 26500, 19169}},
        {7, {61, 17422, 15215}},
        // The state wraps modulo 2^32 and bit 31 never reaches the result.
        {0xFFFFFFFFu, {35, 29739, 3374}},
    };
    for (const Case& c : cases) {
        lcg::srand(c.seed);
        EXPECT_EQ(draws(static_cast<int>(c.values.size())), c.values) << "seed " << c.seed;
    }
}

TEST(Random, StaysWithinItsRange) {
    lcg::srand(12345);
    for (int value : draws(100000)) {
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

using ShowTestControls = CoreTest;

TEST_F(ShowTestControls, SwitchesTheControlsThenSeedsWithTheLow32BitsOfTheClock) {
    struct Case {
        std::int64_t clock;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {1700000000, 1700000000u},
        {(std::int64_t{1} << 32) + 7, 7u},
        {-1, 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        for (bool show : {true, false}) {
            fake.calls.clear();
            fake.clock = c.clock;
            showTestControls(show);
            EXPECT_EQ(fake.calls,
                      (std::vector<std::string>{show ? "show controls" : "hide controls", "time"}));
            const std::vector<int> seeded = draws(3);
            lcg::srand(c.seed);
            EXPECT_EQ(seeded, draws(3)) << "clock " << c.clock;
        }
    }
}

}  // namespace
