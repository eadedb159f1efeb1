// Test helpers for the puzzle generator: a random source that plays back
// written draws, and a check for a complete board.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/board.h"
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

// True when the grid holds 1 to 9 once in every row, column and block.
inline bool IsCompleteBoard(const Grid& g) {
  for (int unit = 0; unit < 9; ++unit) {
    int seen[3] = {};  // digit bits of row, column and block number `unit`
    for (int i = 0; i < 9; ++i) {
      const int cells[3] = {g[unit][i], g[i][unit], g[unit / 3 * 3 + i / 3][unit % 3 * 3 + i % 3]};
      for (int k = 0; k < 3; ++k) {
        if (cells[k] < 1 || cells[k] > 9 || (seen[k] >> cells[k] & 1) != 0) return false;
        seen[k] |= 1 << cells[k];
      }
    }
  }
  return true;
}

}  // namespace lumitile::test
