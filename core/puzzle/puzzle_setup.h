// Deals a new puzzle: builds a solution, then decides cell by cell which
// cells open, by the level parameters OpenOdds and OpenQuota.
#pragma once

#include "core/game_state.h"
#include "core/random_source.h"

namespace lumitile {

// Builds a new SolutionGrid, fills GivenGrid (0 for an open cell, otherwise
// the solution's number) and empties EntryGrid on the board. Makes exactly 81
// draws for the open cells after the build and opens at most OpenQuota cells.
// Touches neither the clock nor the palette.
void NewPuzzle(GameState& state, RandomSource& random);

// The open-cell decision alone, over the SolutionGrid already in place.
void OpenCells(GameState& state, RandomSource& random);

}  // namespace lumitile
