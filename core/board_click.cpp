#include "core/board_click.h"

namespace lumitile {

std::optional<BoardAction> BoardClick(const Board& board, const std::optional<Pick>& pick, Cell cell) {
  if (!pick || !OnBoard(cell) || board.Given(cell) != 0) return std::nullopt;
  switch (pick->What) {
    case Pick::Kind::Panel:
      return BoardAction{PutNumber(board, cell, static_cast<int16_t>(pick->Index + 1)), true, {}};
    case Pick::Kind::Eraser:
      return BoardAction{SetEntry(board, cell, 0), false, {}};
    case Pick::Kind::Hint:
      // Revealing the number already there still costs: the token was spent.
      return BoardAction{PutNumber(board, cell, board.SolutionAt(cell)), true, pick->Index};
  }
  return std::nullopt;
}

}  // namespace lumitile
