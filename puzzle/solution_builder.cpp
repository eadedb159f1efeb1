#include "puzzle/solution_builder.h"

#include <array>
#include <cmath>

namespace lumitile {

int16_t DrawOneTo(RandomSource& random, int16_t n) {
  // In double the product of a 24-bit fraction and a 16-bit count is exact,
  // so r < 1 can never round up to n.
  const double value = std::floor(static_cast<double>(random.Next()) * n + 1.0);
  if (n >= 1) {
    // A source that broke its promise (r outside [0, 1)) must not push a
    // number off the board.
    if (value < 1.0) return 1;
    if (value > n) return n;
  }
  return static_cast<int16_t>(value);
}

namespace {

// The numbers accepted so far in the current row, in the order of acceptance.
class RowString {
 public:
  void Clear() { length_ = 0; }
  void Append(int16_t number) { digits_[static_cast<std::size_t>(length_++)] = number; }
  // 1-based position of the number, 0 when absent.
  int16_t Find(int16_t number) const {
    for (int16_t i = 0; i < length_; ++i) {
      if (digits_[static_cast<std::size_t>(i)] == number) return static_cast<int16_t>(i + 1);
    }
    return 0;
  }

 private:
  std::array<int16_t, 9> digits_{};
  int16_t length_ = 0;
};

bool StandsAboveInColumn(const Grid& grid, int row, int column, int16_t number) {
  for (int m = 0; m < row; ++m) {
    if (grid[m][column] == number) return true;
  }
  return false;
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

int16_t CheckCell(GameState& state, int16_t row, int16_t column) {
  const Grid& grid = state.SolutionGrid;
  const int16_t v = grid[row][column];

  // Candidate slots 1..9 still non-zero after this are the numbers missing from the row.
  std::array<int16_t, 11> candidates{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
  for (int m = 0; m <= column; ++m) {
    candidates[static_cast<std::size_t>(grid[row][m])] = 0;
  }
  int16_t free = static_cast<int16_t>(9 - (column + 1));

  bool clash = StandsAboveInColumn(grid, row, column, v);
  if (!clash) clash = ClashesInBlock(grid, row, column, v);
  if (!clash) return kCellFits;

  ++state.ClashCount;
  if (state.ClashCount > kClashLimit) return kBoardGiveUp;

  // Dead end: every number still missing from the row already stands higher
  // up in this column. Numbers only the block excludes are not counted.
  for (int16_t k = 0; k <= 9; ++k) {
    if (candidates[static_cast<std::size_t>(k)] == 0) continue;
    if (!StandsAboveInColumn(grid, row, column, k)) break;
    --free;
  }
  return free == 0 ? kRowDeadEnd : kCellClash;
}

void MakeSolution(GameState& state, RandomSource& random) {
  Grid& grid = state.SolutionGrid;
  int16_t row = 0;
  int16_t column = 0;
  state.ClashCount = 0;
  RowString rowString;

  while (row != 9) {
    while (column != 9) {
      const int16_t d = DrawOneTo(random, 9);
      grid[row][column] = d;
      int16_t outcome = rowString.Find(d);
      if (row > 0 && outcome == 0) {
        outcome = CheckCell(state, row, column);
        if (outcome == kBoardGiveUp) {
          // Back to the top-left cell; the board keeps its numbers until overwritten.
          rowString.Clear();
          row = 0;
          column = 0;
          state.ClashCount = 0;
        } else if (outcome == kRowDeadEnd) {
          for (int c = 0; c < 9; ++c) grid[row][c] = 0;
          rowString.Clear();
          column = 0;
          state.ClashCount = 0;
        }
      }
      if (outcome == kCellFits) {
        rowString.Append(d);
        ++column;
        state.ClashCount = 0;
      }
    }
    ++row;
    column = 0;
    rowString.Clear();
  }
}

}  // namespace lumitile
