// What a screen reader is told after a command, in a few words a listener
// can act on: what the command did to the cells, the pick, the hint tokens,
// the pause and the game's end. A change to the cursor cell alone goes
// unsaid here, since that cell's own change of name tells it.
#pragma once

#include <QString>

#include "core/command.h"

namespace lumitile {

class GameSession;
struct Outcome;

// The game as it was before the command.
struct SpokenBefore {
  bool Paused = false;
  int Tokens = 0;
  Cell Cursor;
};
SpokenBefore BeforeCommand(const GameSession& game);

// cursorHeard: the board has the focus, so a reader hears its cursor cell
// change and, when the cursor moved, the cell it moved to.
QString SpokenNews(const Command& command, const Outcome& outcome, const GameSession& game,
                   const SpokenBefore& before, bool cursorHeard);
// Whether the command put a new board up: every cell reads anew.
bool NewBoard(const Command& command, const Outcome& outcome);

}  // namespace lumitile
