#include "core/board.h"

#include <bitset>

namespace lumitile {

CellView ViewOf(const Board& board, Cell cell) {
  if (!OnBoard(cell)) return {};
  if (const int given = board.Given(cell); given != 0) return {CellKind::Given, given};
  if (const int placed = board.Entry(cell); placed != 0) return {CellKind::Placed, placed};
  return {};
}

bool IsSolved(const Board& board) {
  std::bitset<10> rows[kBoardSize], columns[kBoardSize], blocks[kBoardSize];
  for (int r = 0; r < kBoardSize; ++r) {
    for (int c = 0; c < kBoardSize; ++c) {
      const int n = ViewOf(board, {r, c}).Number;
      if (n < 1 || n > 9) return false;
      const int b = r / 3 * 3 + c / 3;
      if (rows[r][n] || columns[c][n] || blocks[b][n]) return false;
      rows[r][n] = columns[c][n] = blocks[b][n] = true;
    }
  }
  return true;
}

}  // namespace lumitile
