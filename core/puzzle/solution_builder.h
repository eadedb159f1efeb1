// Builds a complete random solution into SolutionGrid, cell by cell, row by
// row, with random draws and local tests instead of a backtracking search: a
// draw that does not fit is drawn again, a cell that cannot be filled sends
// the build back to the start of its row or of the whole board.
#pragma once

#include <cstdint>

#include "core/board.h"
#include "core/random_source.h"

namespace lumitile {

// CheckCell results.
inline constexpr int16_t kCellFits = 0;
inline constexpr int16_t kCellClash = 1;
inline constexpr int16_t kRowDeadEnd = -1;
inline constexpr int16_t kBoardGiveUp = 10;
inline constexpr int16_t kClashLimit = 20;  // the 21st clash at one cell restarts the board

// Fills the grid with a board holding 1 to 9 once in every row, column and
// block. Runs to completion; what the grid held before is overwritten.
void MakeSolution(Grid& grid, RandomSource& random);

// Judges grid(row, column), a number not yet in its row, against its column
// and block (row 1..8, column 0..8). Counts the clash in clashCount, the
// clashes so far at this cell, and returns kCellFits, kCellClash,
// kRowDeadEnd or kBoardGiveUp.
int16_t CheckCell(const Grid& grid, int16_t row, int16_t column, int16_t& clashCount);

// Int(r * n + 1) for a draw r in [0, 1): a whole number from 1 to n.
int16_t DrawOneTo(RandomSource& random, int16_t n);

}  // namespace lumitile
