#include "core/solved_check.h"

#include <bitset>

namespace lumitile {

namespace {

int NumberAt(const GameState& state, int r, int c) {
  const int given = state.GivenGrid[r][c];
  return given != 0 ? given : state.EntryGrid[r][c];
}

}  // namespace

bool IsSolved(const GameState& state) {
  std::bitset<10> rows[9], columns[9], blocks[9];
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int n = NumberAt(state, r, c);
      if (n < 1 || n > 9) return false;
      const int b = r / 3 * 3 + c / 3;
      if (rows[r][n] || columns[c][n] || blocks[b][n]) return false;
      rows[r][n] = columns[c][n] = blocks[b][n] = true;
    }
  }
  return true;
}

}  // namespace lumitile
