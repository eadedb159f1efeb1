// The 超上級 and 達人 deals over many seeds: a sound puzzle with the open
// count of the level, and the level's rule of what the logic solver may need.
#include <gtest/gtest.h>

#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"

namespace lumitile {
namespace {

// Sanitizer builds, many times slower, take a tenth of the seeds.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kSeedShare = 10;
#else
constexpr uint64_t kSeedShare = 1;
#endif

bool Fits(const Digits& board, std::size_t cell, int digit) {
  const std::size_t row = cell / 9, column = cell % 9;
  for (std::size_t i = 0; i < 9; ++i)
    for (const std::size_t other : {row * 9 + i, i * 9 + column, (row / 3 * 3 + i / 3) * 9 + column / 3 * 3 + i % 3})
      if (other != cell && board[other] == digit) return false;
  return true;
}

// What every dealt puzzle owes: a complete solution, givens taken from it,
// and the open count of the level. One solution follows from the logic
// solver finishing it from the givens alone, as each level's test asks:
// every step it takes is forced (its own test pins each technique).
void ExpectSoundPuzzle(const DealtPuzzle& puzzle, int openMin, int openMax, uint64_t seed) {
  for (std::size_t cell = 0; cell < 81; ++cell) {
    const uint8_t digit = puzzle.solution[cell], given = puzzle.givens[cell];
    ASSERT_TRUE(digit >= 1 && digit <= 9 && Fits(puzzle.solution, cell, digit) && (given == 0 || given == digit))
        << "seed " << seed << ", cell " << cell;
  }
  ASSERT_TRUE(OpenCount(puzzle.givens) >= openMin && OpenCount(puzzle.givens) <= openMax) << "seed " << seed;
}

TEST(UniqueDeal, SuperAdvancedHasOneSolutionAndFallsToSinglesAlone) {
  for (uint64_t seed = 1; seed <= 2000 / kSeedShare; ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = DealSuperAdvanced(random);
    ExpectSoundPuzzle(puzzle, kSuperAdvancedOpenMin, kSuperAdvancedOpenMax, seed);
    ASSERT_TRUE(SolvesByLogic(puzzle.givens, TechniqueSet::kSinglesOnly)) << "seed " << seed;
  }
}

TEST(UniqueDeal, MasterNeedsMoreThanSinglesAndIsMinimal) {
  for (uint64_t seed = 1; seed <= 600 / kSeedShare; ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = DealMaster(random);
    ExpectSoundPuzzle(puzzle, kMasterOpenMin, 81, seed);
    ASSERT_FALSE(SolvesByLogic(puzzle.givens, TechniqueSet::kSinglesOnly)) << "seed " << seed;
    ASSERT_TRUE(SolvesByLogic(puzzle.givens, TechniqueSet::kFull)) << "seed " << seed;
    if (seed % 4 != 0) continue;
    // No given can open without the technique set losing the puzzle.
    for (std::size_t cell = 0; cell < 81; ++cell) {
      if (puzzle.givens[cell] == 0) continue;
      Digits opened = puzzle.givens;
      opened[cell] = 0;
      ASSERT_FALSE(SolvesByLogic(opened, TechniqueSet::kFull)) << "seed " << seed << ", cell " << cell;
    }
  }
}

}  // namespace
}  // namespace lumitile
