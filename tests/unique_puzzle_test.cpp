// The 超上級 and 達人 deals over many seeds: one solution, counted by a plain
// search of the test's own rather than the deal's counter, the open count of
// the level, and the level's rule of what the logic solver may need.
#include <gtest/gtest.h>

#include <string>

#include "core/board.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"

namespace lumitile {
namespace {

// Seeds per level; sanitizer builds, many times slower, take fewer.
int Seeds(int count) {
#if defined(__SANITIZE_ADDRESS__)
  return count / 10;
#else
  return count;
#endif
}

bool Fits(const Digits& board, int cell, int digit) {
  const int row = cell / 9;
  const int column = cell % 9;
  for (int i = 0; i < 9; ++i) {
    const int boxCell = (row / 3 * 3 + i / 3) * 9 + column / 3 * 3 + i % 3;
    for (const int other : {row * 9 + i, i * 9 + column, boxCell})
      if (other != cell && board[static_cast<std::size_t>(other)] == digit) return false;
  }
  return true;
}

// Solutions up to 2: fill the open cell with the fewest fitting digits, try each.
int NaiveCount(Digits& board) {
  int best = -1;
  int fewest = 10;
  for (int cell = 0; cell < 81 && fewest > 1; ++cell) {
    if (board[static_cast<std::size_t>(cell)] != 0) continue;
    int fitting = 0;
    for (int digit = 1; digit <= 9; ++digit) fitting += Fits(board, cell, digit);
    if (fitting < fewest) {
      fewest = fitting;
      best = cell;
    }
  }
  if (best < 0) return 1;
  int found = 0;
  for (int digit = 1; digit <= 9 && found < 2; ++digit) {
    if (!Fits(board, best, digit)) continue;
    board[static_cast<std::size_t>(best)] = static_cast<uint8_t>(digit);
    found += NaiveCount(board);
    board[static_cast<std::size_t>(best)] = 0;
  }
  return found;
}

// What every dealt puzzle owes: a complete solution, givens taken from it,
// one solution, and the open count of the level.
void ExpectSoundPuzzle(const DealtPuzzle& puzzle, int openMin, int openMax, uint64_t seed) {
  Board solution;
  std::string givens;
  for (int cell = 0; cell < 81; ++cell) {
    const uint8_t given = puzzle.givens[static_cast<std::size_t>(cell)];
    solution.Givens[cell / 9][cell % 9] = puzzle.solution[static_cast<std::size_t>(cell)];
    ASSERT_TRUE(given == 0 || given == puzzle.solution[static_cast<std::size_t>(cell)]) << "seed " << seed;
    givens += static_cast<char>('0' + given);
  }
  ASSERT_TRUE(IsSolved(solution)) << "seed " << seed;
  Digits board = puzzle.givens;
  ASSERT_EQ(NaiveCount(board), 1) << "seed " << seed << ": " << givens;
  const int open = OpenCount(puzzle.givens);
  ASSERT_TRUE(open >= openMin && open <= openMax) << "seed " << seed << ": " << open << " open";
}

TEST(UniqueDeal, SuperAdvancedHasOneSolutionAndFallsToSinglesAlone) {
  for (uint64_t seed = 1; seed <= static_cast<uint64_t>(Seeds(2000)); ++seed) {
    SeededRandom random(seed);
    const DealtPuzzle puzzle = DealSuperAdvanced(random);
    ExpectSoundPuzzle(puzzle, kSuperAdvancedOpenMin, kSuperAdvancedOpenMax, seed);
    ASSERT_TRUE(SolvesByLogic(puzzle.givens, TechniqueSet::kSinglesOnly)) << "seed " << seed;
  }
}

TEST(UniqueDeal, MasterNeedsMoreThanSinglesAndIsMinimal) {
  for (uint64_t seed = 1; seed <= static_cast<uint64_t>(Seeds(600)); ++seed) {
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
