// What the highlight aid marks on the board, worked out from the board, the
// cursor and the pick: the cursor's row, column and block, every cell showing
// the number in question with that number's marks, and the numbers already
// standing nine times, whose palette items are done.
#pragma once

#include <cstdint>
#include <optional>

#include "core/board.h"
#include "core/game_types.h"

namespace lumitile {

struct Highlight {
  CellSet Tinted;         // the cursor's row, column and block
  CellSet SameNumber;     // cells showing one of Numbers
  uint16_t Numbers = 0;   // MarkBit of the cursor cell's number and the picked panel's; their marks stand out too
  uint16_t Done = 0;      // MarkBit of each number standing nine times
  bool operator==(const Highlight&) const = default;
};

Highlight HighlightOn(const Board& board, Cell cursor, const std::optional<Pick>& picked);

}  // namespace lumitile
