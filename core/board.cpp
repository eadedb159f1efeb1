#include "core/board.h"

#include <bitset>

#include "core/peers.h"

namespace lumitile {

CellView ViewOf(const Board& board, Cell cell) {
  if (!OnBoard(cell)) return {};
  if (const int given = board.Given(cell); given != 0) return {CellKind::Given, given};
  if (const int placed = board.Entry(cell); placed != 0) return {CellKind::Placed, placed};
  return {};
}

namespace {

// The grid as a number per cell; true when each row, column and block
// holds 1 to 9 once.
template <typename NumberAt>
bool EachUnitOnce(NumberAt numberAt) {
  std::bitset<10> rows[kBoardSize], columns[kBoardSize], blocks[kBoardSize];
  for (int r = 0; r < kBoardSize; ++r) {
    for (int c = 0; c < kBoardSize; ++c) {
      const int n = numberAt(Cell{r, c});
      if (n < 1 || n > 9) return false;
      const int b = BlockOf(r, c);
      if (rows[r][n] || columns[c][n] || blocks[b][n]) return false;
      rows[r][n] = columns[c][n] = blocks[b][n] = true;
    }
  }
  return true;
}

}  // namespace

bool IsSolved(const Board& board) {
  return EachUnitOnce([&](Cell cell) { return ViewOf(board, cell).Number; });
}

bool IsCompleteGrid(const Grid& grid) {
  return EachUnitOnce([&](Cell cell) { return static_cast<int>(grid[cell.Row][cell.Column]); });
}

bool IsFull(const Board& board) {
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
    if (ViewOf(board, {i / kBoardSize, i % kBoardSize}).Number == 0) return false;
  }
  return true;
}

CellSet Clashes(const Board& board) {
  CellSet clashes;
  constexpr int kCells = kBoardSize * kBoardSize;
  for (int i = 0; i < kCells; ++i) {
    const Cell a{i / kBoardSize, i % kBoardSize};
    const int n = ViewOf(board, a).Number;
    if (n == 0) continue;
    for (int j = i + 1; j < kCells; ++j) {
      const Cell b{j / kBoardSize, j % kBoardSize};
      if (ViewOf(board, b).Number == n && SharesUnit(a, b)) clashes.set(i).set(j);
    }
  }
  return clashes;
}

}  // namespace lumitile
