// A change to the board as a value: the cells it touches, each with the
// number before and after. Placing a panel, erasing, revealing a hint and
// clearing all placed panels are all moves, so each can be applied and
// taken back the same way.
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

struct Move {
  std::vector<CellChange> Changes;  // only cells whose entry really changes
  bool Empty() const { return Changes.empty(); }
  bool operator==(const Move&) const = default;
};

// The entry of one cell set to number (0 erases); empty when it holds that already.
Move SetEntry(const Board& board, Cell cell, int16_t number);
// Every placed panel taken off; the givens stay.
Move ClearEntries(const Board& board);

// Writes each change's After (Apply) or Before (Revert) into the entries.
void Apply(Board& board, const Move& move);
void Revert(Board& board, const Move& move);

}  // namespace lumitile
