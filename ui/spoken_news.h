// What a screen reader is told after a command, in a few words a listener
// can act on: what the command did to the cells, the pick, the hint tokens,
// the pause and the game's end. The cursor cell's change is said too: its
// own change of name keeps a client's copy right, but readers let a list
// item's change of name go by (Orca drops it as web-page noise).
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

QString SpokenNews(const Command& command, const Outcome& outcome, const GameSession& game,
                   const SpokenBefore& before);
// Whether the command put a new board up: every cell reads anew.
bool NewBoard(const Command& command, const Outcome& outcome);

}  // namespace lumitile
