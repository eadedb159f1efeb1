#include "core/puzzle/solution_builder.h"

#include <cmath>

namespace lumitile {

int16_t DrawOneTo(RandomSource& random, int16_t n) {
  // In double the product of a 24-bit fraction and a 16-bit count is exact,
  // so r < 1 can never round up to n.
  const double scaled = static_cast<double>(random.Next()) * n;
  if (n < 1) return static_cast<int16_t>(std::floor(scaled + 1.0));
  // A source that broke its promise (r outside [0, 1)) must not push a
  // number off the board. Inside the range truncation is the floor.
  if (!(scaled >= 0.0)) return 1;
  if (scaled >= n) return n;
  return static_cast<int16_t>(static_cast<int>(scaled) + 1);
}

namespace {

using Bits = uint32_t;

constexpr Bits Bit(int16_t number) { return Bits{1} << number; }

// Bit k set when k stands in the column in one of the rows above.
Bits ColumnAbove(const Grid& grid, int row, int column) {
  Bits above = 0;
  for (int m = 0; m < row; ++m) above |= Bit(grid[m][column]);
  return above;
}

// The block's cells in earlier rows that lie outside the current column.
bool ClashesInBlock(const Grid& grid, int row, int column, int16_t number) {
  const int rm = row % 3;
  const int cm = column % 3;
  int left = 0;
  int right = 0;
  switch (cm) {
    case 0: left = column + 1; right = column + 2; break;
    case 1: left = column - 1; right = column + 1; break;
    default: left = column - 2; right = column - 1; break;
  }
  for (int back = 1; back <= rm; ++back) {
    const auto& cells = grid[row - back];
    if (cells[left] == number || cells[right] == number) return true;
  }
  return false;
}

}  // namespace

int16_t CheckCell(const Grid& grid, int16_t row, int16_t column, int16_t& clashCount) {
  const int16_t v = grid[row][column];

  const Bits above = ColumnAbove(grid, row, column);
  const bool clash = (above & Bit(v)) != 0 || ClashesInBlock(grid, row, column, v);
  if (!clash) return kCellFits;

  ++clashCount;
  if (clashCount > kClashLimit) return kBoardGiveUp;

  // The candidate table as a set: numbers 1..9 that do not stand in the row
  // up to and including this cell.
  Bits inRow = 0;
  for (int m = 0; m <= column; ++m) inRow |= Bit(grid[row][m]);
  Bits candidates = ~inRow & 0x3FEu;
  int free = 8 - column;

  // Dead end: every number still missing from the row already stands higher
  // up in this column. Numbers only the block excludes are not counted. The
  // scan goes up from 1 and stops at the first missing number that could
  // still come.
  for (; candidates != 0; candidates &= candidates - 1) {
    const Bits lowest = candidates & (~candidates + 1);
    if ((above & lowest) == 0) break;
    --free;
  }
  return free == 0 ? kRowDeadEnd : kCellClash;
}

void MakeSolution(Grid& grid, RandomSource& random) {
  int16_t row = 0;
  int16_t column = 0;
  int16_t clashCount = 0;
  // The row string: the numbers accepted so far in the current row. Only
  // whether a number is in it matters, never its place, so it is kept as a
  // set of digits.
  Bits rowString = 0;

  while (row != 9) {
    while (column != 9) {
      const int16_t d = DrawOneTo(random, 9);
      grid[row][column] = d;
      // A repeat within the row is drawn again; it is no clash and counts nothing.
      if ((rowString & Bit(d)) != 0) continue;
      if (row > 0) {
        const int16_t outcome = CheckCell(grid, row, column, clashCount);
        if (outcome == kBoardGiveUp) {
          // Back to the top-left cell; the board keeps its numbers until overwritten.
          rowString = 0;
          row = 0;
          column = 0;
          clashCount = 0;
          continue;
        }
        if (outcome == kRowDeadEnd) {
          for (int c = 0; c < 9; ++c) grid[row][c] = 0;
          rowString = 0;
          column = 0;
          clashCount = 0;
          continue;
        }
        if (outcome != kCellFits) continue;
      }
      rowString |= Bit(d);
      ++column;
      clashCount = 0;
    }
    ++row;
    column = 0;
    rowString = 0;
  }
}

}  // namespace lumitile
