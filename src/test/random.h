// The engine's own pseudo-random generator. The draw formulas depend on its
// exact rule and range, so it never defers to the C library's rand().
#pragma once

#include <cstdint>

namespace lcg {

void srand(std::uint32_t seed);
// 0..32767.
int rand();

}  // namespace lcg
