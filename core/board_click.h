// A click on a board cell with the picked palette item, turned into a move:
// place the picked panel, erase, or reveal the solution's number.
#pragma once

#include <optional>

#include "core/move.h"

namespace lumitile {

struct BoardAction {
  Move Change;              // may be empty: the same number again, an empty cell erased
  bool PutNumber = false;   // a number was placed or revealed: the solved check is due
  std::optional<int> Hint;  // the hint token spent (it charges the clock)
};

// Nothing happens on a given cell or with nothing picked (the pointer is
// still the arrow); the cell must be on the board.
std::optional<BoardAction> BoardClick(const Board& board, const std::optional<Pick>& pick, Cell cell);

}  // namespace lumitile
