// Which key asks for which command: the one table of the game's keys. The
// main window looks a pressed key up here, and its menu entries take their
// shortcuts from here, so a key is bound in one place only. Nothing here
// knows the rules.
#pragma once

#include <QKeySequence>
#include <QList>
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
  ZoomIn,
  ZoomOut,
  ZoomReset,
  NextStep,     // 次の一手
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
// Every key the table gives a command with no number, as a menu entry's
// shortcuts, in the table's order.
QList<QKeySequence> KeysFor(KeyCommand command);

}  // namespace lumitile
