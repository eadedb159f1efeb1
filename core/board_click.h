// A click on the board turned into a move: place the picked panel, erase, or
// reveal the solution's number with a hint token.
#pragma once

#include <cstdint>

#include "core/palette.h"
#include "core/game_clock.h"
#include "core/game_state.h"

namespace lumitile {

// Applies the picked item to the cell under pixel (x, y). Returns 1 when a
// number was placed or revealed (the solved check is due), 0 otherwise: off
// the board, on a given cell, with nothing picked, or after erasing.
// A hint charges the clock 30 seconds, hides its token and is put down.
int16_t BoardClick(GameState& state, HintTokens& tokens, GameClock& clock, int x, int y);

// Empties every open cell; the givens stay.
void ClearPlacedPanels(GameState& state);

}  // namespace lumitile
