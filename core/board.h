// The 9 x 9 board of one game: the solution, the givens and the player's
// entries, each indexed [row][column].
#pragma once

#include <array>
#include <cstdint>

#include "core/game_types.h"

namespace lumitile {

using Grid = std::array<std::array<int16_t, kBoardSize>, kBoardSize>;

struct Board {
  Grid Solution{};  // the complete solution, 1..9
  Grid Givens{};    // the given number, or 0 for an open cell
  Grid Entries{};   // the player's number in an open cell, or 0

  int16_t& Entry(Cell cell) { return Entries[cell.Row][cell.Column]; }
  int16_t Entry(Cell cell) const { return Entries[cell.Row][cell.Column]; }
  int16_t Given(Cell cell) const { return Givens[cell.Row][cell.Column]; }
  int16_t SolutionAt(Cell cell) const { return Solution[cell.Row][cell.Column]; }
};

// What a cell shows: its given, else the player's number, else nothing.
CellView ViewOf(const Board& board, Cell cell);

// True when every cell holds a number and every row, column and block holds
// 1 to 9 once. The givens may admit more than one filling; any valid one
// counts, not only the solution the puzzle was built from.
bool IsSolved(const Board& board);

}  // namespace lumitile
