// The game's levels as the player reads them, in one list: the level menu
// and the printed puzzles take their words from here, so a level added to
// the game is named once and shows in both.
#pragma once

#include <QString>

namespace lumitile {

// "初級" to "達人" in the player's language; empty for no level.
QString LevelName(int level);
// The level menu entry's object name, "beg_game" to "mas_game".
QString LevelEntryName(int level);

}  // namespace lumitile
