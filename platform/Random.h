// The program's pseudo-random numbers.
#pragma once
#include <cstdint>

namespace platform {
// A number from 0 to bound-1; 0 when bound is not positive.
int RandomBelow(int bound);
void SetRandomSeed(uint32_t seed);
}  // namespace platform
