#include "core/move.h"

namespace lumitile {

Move SetEntry(const Board& board, Cell cell, int16_t number) {
  const int16_t before = board.Entry(cell);
  if (before == number) return {};
  return Move{{{cell, before, number}}};
}

Move ClearEntries(const Board& board) {
  Move move;
  for (int r = 0; r < kBoardSize; ++r) {
    for (int c = 0; c < kBoardSize; ++c) {
      const Cell cell{r, c};
      if (board.Given(cell) == 0 && board.Entry(cell) != 0) move.Changes.push_back({cell, board.Entry(cell), 0});
    }
  }
  return move;
}

void Apply(Board& board, const Move& move) {
  for (const CellChange& change : move.Changes) board.Entry(change.At) = change.After;
}

void Revert(Board& board, const Move& move) {
  for (const CellChange& change : move.Changes) board.Entry(change.At) = change.Before;
}

}  // namespace lumitile
