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
  ApplyOrFinishEntry,  // Enter: 入力終了 while a puzzle is being entered, else as ApplyPick
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
  CopyPuzzle,   // the givens on the clipboard as the one 81-character line
  PastePuzzle,  // a puzzle from the clipboard, checked and played
  Print,
  SayTime,      // the time, told to a screen reader
  OpenMenu,     // the first menu opened, for the arrows to walk on
  PaletteStep,  // Number -1 or 1: the previous or next palette item takes the focus
  PressItem,    // the palette item with the focus, as clicked
  CloseWindow,  // the side window closed
  NextStep,     // 次の一手
};

// Where the focus is: a key can mean one thing on the board and another on
// the palette or in a side window. The palette falls back on the board's
// keys, so a digit still plays at the board's cursor from there.
enum class KeyPlace { Board, Palette, SideWindow };

struct KeyAction {
  KeyCommand Command;
  int Number = 0;
  int Rows = 0;
  int Columns = 0;
  bool operator==(const KeyAction&) const = default;
};

// Keypad keys count as the main row's; nothing for a key the game leaves alone.
std::optional<KeyAction> KeyActionFor(int key, Qt::KeyboardModifiers modifiers,
                                      KeyPlace place = KeyPlace::Board);
// Every key the table gives a command with no number, as a menu entry's
// shortcuts, in the table's order.
QList<QKeySequence> KeysFor(KeyCommand command);
// Every key of the table, once each, in its order; of the digits only the
// first and the last (1 and 9, Ctrl+1 and Ctrl+9), as the documents give a
// range. What the manuals are held to.
QList<QKeySequence> EveryKey();

}  // namespace lumitile
