#include "core/puzzle/puzzle_setup.h"

#include "core/puzzle/solution_builder.h"

namespace lumitile {

void NewPuzzle(Board& board, LevelParameters level, RandomSource& random) {
  MakeSolution(board.Solution, random);
  OpenCells(board, level, random);
}

void OpenCells(Board& board, LevelParameters level, RandomSource& random) {
  int16_t remaining = level.OpenQuota;
  int16_t odds = level.OpenOdds;
  // The thresholds are compared as single-precision quotients, so a quota
  // of 10 moves the odds at row 3 from 4 remaining up and 3 down.
  const float third = static_cast<float>(level.OpenQuota) / 3.0f;
  const float twoThirds = 2.0f * static_cast<float>(level.OpenQuota) / 3.0f;

  for (int r = 0; r < kBoardSize; ++r) {
    if (r == 3) {
      if (static_cast<float>(remaining) > third && odds > 2) {
        --odds;
      } else if (static_cast<float>(remaining) < third) {
        ++odds;
      }
    } else if (r == 6) {
      if (static_cast<float>(remaining) > twoThirds && odds > 2) --odds;
    }
    for (int c = 0; c < kBoardSize; ++c) {
      int16_t d = DrawOneTo(random, odds);  // drawn for every cell, even with no quota left
      if (remaining <= 0) d = 0;
      board.Entries[r][c] = 0;
      if (d == 1) {
        board.Givens[r][c] = 0;
        --remaining;
      } else {
        board.Givens[r][c] = board.Solution[r][c];
      }
    }
  }
}

}  // namespace lumitile
