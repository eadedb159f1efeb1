// What only the player's input needs, kept apart from the game: the picked
// palette item (the mouse pointer), the cell cursor and whether the keyboard
// was used in this game, which brings the cursor out.
#pragma once

#include <optional>

#include "core/game_types.h"

namespace lumitile {

struct InputState {
  std::optional<Pick> Picked;
  Cell Cursor;
  bool KeyboardUsed = false;

  // Each game starts with the cursor top left and hidden; the pick stays.
  void NewGame() {
    Cursor = {};
    KeyboardUsed = false;
  }
  // Moves the cursor, wrapping around at the board's edges.
  void MoveCursor(int rows, int columns) {
    const auto wrap = [](int value) { return ((value % kBoardSize) + kBoardSize) % kBoardSize; };
    Cursor = {wrap(Cursor.Row + rows), wrap(Cursor.Column + columns)};
  }
};

}  // namespace lumitile
