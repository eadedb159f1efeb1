// Deals a new puzzle: builds a solution, then decides cell by cell which
// cells open, by the level's OpenOdds and OpenQuota.
#pragma once

#include "core/board.h"
#include "core/level_table.h"
#include "core/random_source.h"

namespace lumitile {

// Builds a new solution, fills the givens (0 for an open cell, otherwise the
// solution's number) and empties the entries. Makes exactly 81 draws for the
// open cells after the build and opens at most OpenQuota cells.
void NewPuzzle(Board& board, LevelParameters level, RandomSource& random);

// The open-cell decision alone, over the solution already in place.
void OpenCells(Board& board, LevelParameters level, RandomSource& random);

}  // namespace lumitile
