// A random source that plays back written draws, for the puzzle generator.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/random_source.h"

namespace lumitile::test {

// The draw r that Int(r * n + 1) turns into d, in the middle of d's share.
inline float DrawFor(int d, int n = 9) { return (static_cast<float>(d) - 0.5f) / static_cast<float>(n); }

struct ScriptEnded {};

// Plays back `draws` in order. Running out throws, so a build on a wrong path
// stops: ScriptEnded when the test means to halt there, otherwise an error
// that fails the test.
struct ScriptedRandom final : RandomSource {
  std::vector<float> draws;
  bool haltAtEnd = false;
  std::size_t used = 0;

  void AddDigits(std::string_view digits) {
    for (char d : digits) draws.push_back(DrawFor(d - '0'));
  }
  float Next() override {
    if (used < draws.size()) return draws[used++];
    if (haltAtEnd) throw ScriptEnded{};
    throw std::out_of_range("the script ran out after " + std::to_string(used) + " draws");
  }
};

}  // namespace lumitile::test
