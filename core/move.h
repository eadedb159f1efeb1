// A change to the board as a value: the cells it touches, each with the
// number or the pencil marks before and after. Placing a panel, erasing,
// revealing a hint, clearing all placed panels and marking are all moves, so
// each can be applied and taken back the same way.
#pragma once

#include <vector>

#include "core/board.h"

namespace lumitile {

struct CellChange {
  Cell At;
  int16_t Before = 0;
  int16_t After = 0;
  bool operator==(const CellChange&) const = default;
};

struct MarkChange {
  Cell At;
  uint16_t Before = 0;
  uint16_t After = 0;
  bool operator==(const MarkChange&) const = default;
};

struct Move {
  std::vector<CellChange> Changes;  // only cells whose entry really changes
  std::vector<MarkChange> Marks;    // only cells whose marks really change
  bool Empty() const { return Changes.empty() && Marks.empty(); }
  bool operator==(const Move&) const = default;
};

// The entry of one cell set to number (0 erases); empty when it holds that already.
Move SetEntry(const Board& board, Cell cell, int16_t number);
// A number put into a cell: the entry, and that number's marks taken off
// the cell's row, column and block (the cell's own stay, hidden under it).
Move PutNumber(const Board& board, Cell cell, int16_t number);
// Number 1..9 marked or unmarked in an open, unfilled cell; empty otherwise.
Move ToggleMark(const Board& board, Cell cell, int number);
// Every mark of an open cell taken off.
Move ClearMarks(const Board& board, Cell cell);
// Every placed panel taken off; the givens stay.
Move ClearEntries(const Board& board);
// The numbers a cell's row, column and block still allow, from the givens
// and the player's panels, as marks (MarkBit); none for a cell showing a number.
uint16_t AllowedMarks(const Board& board, Cell cell);
// Every open cell without a panel marked with exactly the numbers it still allows.
Move FillCandidates(const Board& board);
// Every mark taken off, hidden ones under panels too.
Move ClearAllMarks(const Board& board);

// The cells a move touches: those whose number changes, and those whose
// number or marks change, so a view can tell exactly which cells to read
// out again.
struct CellsTouched {
  CellSet Numbers;
  CellSet Any;
};
CellsTouched TouchedBy(const Move& move);

// Writes each change's After (Apply) or Before (Revert) into the entries and marks.
void Apply(Board& board, const Move& move);
void Revert(Board& board, const Move& move);

}  // namespace lumitile
