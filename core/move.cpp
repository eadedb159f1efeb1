#include "core/move.h"

#include "core/peers.h"

namespace lumitile {

Move SetEntry(const Board& board, Cell cell, int16_t number) {
  const int16_t before = board.Entry(cell);
  if (before == number) return {};
  return Move{{{cell, before, number}}, {}};
}

Move PutNumber(const Board& board, Cell cell, int16_t number) {
  Move move = SetEntry(board, cell, number);
  const uint16_t bit = MarkBit(number);
  for (const uint8_t peer : kPeers[cell.Row * kBoardSize + cell.Column]) {
    const Cell other{peer / kBoardSize, peer % kBoardSize};
    const uint16_t marks = board.MarksAt(other);
    if (marks & bit) move.Marks.push_back({other, marks, static_cast<uint16_t>(marks & ~bit)});
  }
  return move;
}

CellsTouched TouchedBy(const Move& move) {
  CellsTouched touched;
  for (const CellChange& change : move.Changes) touched.Numbers.set(change.At.Row * kBoardSize + change.At.Column);
  touched.Any = touched.Numbers;
  for (const MarkChange& change : move.Marks) touched.Any.set(change.At.Row * kBoardSize + change.At.Column);
  return touched;
}

Move ToggleMark(const Board& board, Cell cell, int number) {
  if (!OnBoard(cell) || number < 1 || number > 9 || ViewOf(board, cell).Kind != CellKind::Empty) return {};
  const uint16_t marks = board.MarksAt(cell);
  return Move{{}, {{cell, marks, static_cast<uint16_t>(marks ^ MarkBit(number))}}};
}

Move ClearMarks(const Board& board, Cell cell) {
  if (!OnBoard(cell) || board.Given(cell) != 0 || board.MarksAt(cell) == 0) return {};
  return Move{{}, {{cell, board.MarksAt(cell), 0}}};
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

uint16_t AllowedMarks(const Board& board, Cell cell) {
  if (!OnBoard(cell) || ViewOf(board, cell).Kind != CellKind::Empty) return 0;
  uint16_t allowed = 0x3FE;  // MarkBit(1) to MarkBit(9)
  for (const uint8_t peer : kPeers[cell.Row * kBoardSize + cell.Column]) {
    allowed &= static_cast<uint16_t>(~MarkBit(ViewOf(board, {peer / kBoardSize, peer % kBoardSize}).Number));
  }
  return allowed;
}

namespace {

// The marks of every cell set by `marks`, as one move of the cells that change.
template <typename MarksOf>
Move SetAllMarks(const Board& board, MarksOf marks) {
  Move move;
  for (int r = 0; r < kBoardSize; ++r) {
    for (int c = 0; c < kBoardSize; ++c) {
      const Cell cell{r, c};
      if (board.Given(cell) != 0) continue;
      const uint16_t after = marks(cell);
      if (after != board.MarksAt(cell)) move.Marks.push_back({cell, board.MarksAt(cell), after});
    }
  }
  return move;
}

}  // namespace

Move FillCandidates(const Board& board) {
  return SetAllMarks(board, [&](Cell cell) {
    // A cell under a panel keeps its hidden marks.
    return board.Entry(cell) != 0 ? board.MarksAt(cell) : AllowedMarks(board, cell);
  });
}

Move ClearAllMarks(const Board& board) {
  return SetAllMarks(board, [](Cell) { return uint16_t{0}; });
}

void Apply(Board& board, const Move& move) {
  for (const CellChange& change : move.Changes) board.Entry(change.At) = change.After;
  for (const MarkChange& change : move.Marks) board.MarksAt(change.At) = change.After;
}

void Revert(Board& board, const Move& move) {
  for (const CellChange& change : move.Changes) board.Entry(change.At) = change.Before;
  for (const MarkChange& change : move.Marks) board.MarksAt(change.At) = change.Before;
}

}  // namespace lumitile
