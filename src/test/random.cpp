#include "test/random.h"

namespace lcg {

namespace {

// Before the first seeding the generator behaves as if seeded with 1.
std::uint32_t state = 1;

}  // namespace

void srand(std::uint32_t seed) {
    state = seed;
}

int rand() {
    // Unsigned arithmetic wraps modulo 2^32, which is exactly the rule.
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

}  // namespace lcg
