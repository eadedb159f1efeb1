#include "core/random_source.h"

#include <chrono>

namespace lumitile {

SeededRandom::SeededRandom(uint64_t seed) : engine_(seed) {}

float SeededRandom::Next() {
  // The top 24 bits fill a float's mantissa exactly; (2^24 - 1) / 2^24 < 1.
  const uint64_t bits = engine_() >> 40;
  return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

uint64_t SeededRandom::SideSeed() const {
  auto copy = engine_;
  return copy();
}

uint64_t TimeSeed() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto mono = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<uint64_t>(wall) ^ (static_cast<uint64_t>(mono) << 1);
}

}  // namespace lumitile
