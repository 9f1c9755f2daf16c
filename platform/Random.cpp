#include "platform/Random.h"

#include <random>

namespace platform {
namespace {
std::mt19937& Engine() {
  static std::mt19937 engine{std::random_device{}()};
  return engine;
}
}  // namespace

int RandomBelow(int bound) {
  if (bound <= 0) return 0;
  return std::uniform_int_distribution<int>(0, bound - 1)(Engine());
}

void SetRandomSeed(uint32_t seed) { Engine().seed(seed); }
}  // namespace platform
