// Whether the board is solved.
#pragma once

#include "core/game_state.h"

namespace lumitile {

// True when every open cell holds a number and every row, column and block
// holds 1 to 9 once. The givens may admit more than one filling; any valid
// one counts, not only the solution the puzzle was built from.
bool IsSolved(const GameState& state);

}  // namespace lumitile
