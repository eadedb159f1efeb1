// The 超上級 and 達人 deals over many seeds: one solution, counted by a plain
// search of the test's own rather than the deal's counter, the open count of
// the level, and the level's rule of what the logic solver may need.
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

// Solutions up to 2: fill the open cell with the fewest fitting digits, try each.
int NaiveCount(Digits& board) {
  std::size_t best = 81;
  int fewest = 10;
  for (std::size_t cell = 0; cell < 81 && fewest > 1; ++cell) {
    int fitting = 0;
    for (int digit = 1; digit <= 9 && board[cell] == 0; ++digit) fitting += Fits(board, cell, digit);
    if (board[cell] == 0 && fitting < fewest) { fewest = fitting; best = cell; }
  }
  if (best == 81) return 1;
  int found = 0;
  for (uint8_t digit = 1; digit <= 9 && found < 2; ++digit) {
    if (!Fits(board, best, digit)) continue;
    board[best] = digit;
    found += NaiveCount(board);
    board[best] = 0;
  }
  return found;
}

// What every dealt puzzle owes: a complete solution, givens taken from it,
// one solution, and the open count of the level.
void ExpectSoundPuzzle(const DealtPuzzle& puzzle, int openMin, int openMax, uint64_t seed) {
  for (std::size_t cell = 0; cell < 81; ++cell) {
    const uint8_t digit = puzzle.solution[cell], given = puzzle.givens[cell];
    ASSERT_TRUE(digit >= 1 && digit <= 9 && Fits(puzzle.solution, cell, digit) && (given == 0 || given == digit))
        << "seed " << seed << ", cell " << cell;
  }
  Digits board = puzzle.givens;
  ASSERT_EQ(NaiveCount(board), 1) << "seed " << seed;
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
