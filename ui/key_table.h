// Which key asks for which command. The main window looks a key up here and
// sends the command to the session; nothing here knows the rules.
#pragma once

#include <Qt>
#include <optional>

namespace lumitile {

enum class KeyCommand {
  MoveCursor,   // by Rows, Columns, wrapping
  RowEdge,      // Number 0: first cell of the row, 1: last
  PlacePanel,   // Number 1..9, as picking that panel and clicking the cursor cell
  Erase,        // as picking the eraser and clicking the cursor cell
  Hint,         // the first unspent token at the cursor
  ApplyPick,    // the current pick at the cursor
  PutPickDown,  // back to the arrow
  ToggleMark,   // Number 1..9 at the cursor
  NewGame,
  End,
  Help,
  Pause,
  Undo,
  Redo,
};

struct KeyAction {
  KeyCommand Command;
  int Number = 0;
  int Rows = 0;
  int Columns = 0;
  bool operator==(const KeyAction&) const = default;
};

// Keypad keys count as the main row's; nothing for a key the game leaves alone.
std::optional<KeyAction> KeyActionFor(int key, Qt::KeyboardModifiers modifiers);

}  // namespace lumitile
