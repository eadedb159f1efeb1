// A set of new puzzles for paper. It is dealt off the window's thread, as a
// hard level's game is, from a seed the session hands out without drawing
// from the game's source.
#pragma once

#include <cstdint>
#include <vector>

#include "core/board.h"
#include "core/command.h"
#include "core/puzzle/unique_puzzle.h"

namespace lumitile {

// The order's puzzles from one stream seeded by the order, so the same order
// deals the same set: at the first three levels as a new game deals them,
// above them through DealUniquePuzzle. Fewer, maybe none, once given up;
// none for a level or count out of range.
std::vector<DealtPuzzle> DealPrintSet(const PrintOrder& order, const GiveUp* givenUp = nullptr);

// The seed of a print: the source's side seed, stirred with the print's
// number so that two prints between the same two games differ.
uint64_t PrintSeed(uint64_t sideSeed, uint64_t printNumber);

// The puzzle on a board: its givens and the solution they were dealt from.
DealtPuzzle PuzzleOf(const Board& board);

}  // namespace lumitile
