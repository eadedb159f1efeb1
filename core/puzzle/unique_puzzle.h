// The two hard levels' deal: puzzles with exactly one solution, opened from
// a full board of the game's own builder and graded by the logic solver.
// 超上級 falls to the singles alone; 達人 needs more than singles but nothing
// beyond the solver's technique set.
#pragma once

#include <atomic>
#include <optional>

#include "core/puzzle/logic_solver.h"
#include "core/random_source.h"

namespace lumitile {

inline constexpr int kSuperAdvancedLevel = 3;  // 超上級
inline constexpr int kMasterLevel = 4;         // 達人
inline constexpr int kGrandMasterLevel = 5;    // 名人 (Grandmaster)
inline constexpr int kSuperAdvancedOpenMin = 50;
inline constexpr int kSuperAdvancedOpenMax = 56;
inline constexpr int kMasterOpenMin = 54;
inline constexpr int kGrandMasterOpenMin = 54;

struct DealtPuzzle {
  Digits solution{};  // the full board
  Digits givens{};    // the solution's digit, or 0 for an open cell
};

// A full board from MakeSolution, drawing from `random` exactly as a deal
// at the first three levels does.
Digits BuildFullGrid(RandomSource& random);

// Solutions of the givens, counting stops at `limit` (at least 1). Givens
// that clash, or a value above 9, have none.
int CountSolutions(const Digits& givens, int limit = 2);

// A deal that is no longer wanted stops at its next try, when givenUp turns
// true, and gives back whatever it holds by then.
using GiveUp = std::atomic<bool>;

// 超上級: a full board, then an open-cell target drawn in 50..56, then the
// cells in a random order, each opened when the singles still solve the
// puzzle, until the target is met; another order or board otherwise.
DealtPuzzle DealSuperAdvanced(RandomSource& random, const GiveUp* givenUp = nullptr);

// 達人: a full board, the cells in a random order, each opened when the
// technique set still solves the puzzle, until no given can be opened; kept
// when at least 54 cells are open and the singles alone do not solve it,
// otherwise another order or board.
DealtPuzzle DealMaster(RandomSource& random, const GiveUp* givenUp = nullptr);

// 名人: a full board, the cells in a random order, each opened when the
// puzzle keeps exactly one solution; kept when at least 54 cells are open,
// 達人's set does not solve it and the whole set does, otherwise another
// order or board.
DealtPuzzle DealGrandMaster(RandomSource& random, const GiveUp* givenUp = nullptr);

// A random minimal puzzle: a full board, then the cells in a random order,
// each opened when the puzzle keeps exactly one solution. No given is left
// that could open. For checking the solver on puzzles it did not shape.
DealtPuzzle DealMinimal(RandomSource& random);

// The deal of level 3, 4 or 5; nothing for any other level, or once given up.
std::optional<DealtPuzzle> DealUniquePuzzle(int level, RandomSource& random, const GiveUp* givenUp = nullptr);

// Open cells of a puzzle.
int OpenCount(const Digits& givens);

}  // namespace lumitile
