#include "core/print_set.h"

#include "core/level_table.h"
#include "core/puzzle/puzzle_setup.h"

namespace lumitile {

std::vector<DealtPuzzle> DealPrintSet(const PrintOrder& order, const GiveUp* givenUp) {
  std::vector<DealtPuzzle> set;
  if (order.Level < 0 || order.Level >= kLevelCount || order.Count < 1 || order.Count > kMaxPrintSet) return set;
  SeededRandom random(order.Seed);
  while (static_cast<int>(set.size()) < order.Count && !(givenUp && *givenUp)) {
    if (const auto parameters = LevelParametersFor(order.Level)) {
      Board board;
      NewPuzzle(board, *parameters, random);
      set.push_back(PuzzleOf(board));
    } else if (auto puzzle = DealUniquePuzzle(order.Level, random, givenUp)) {
      set.push_back(*puzzle);
    } else {
      break;
    }
  }
  return set;
}

uint64_t PrintSeed(uint64_t sideSeed, uint64_t printNumber) {
  // SplitMix64's finaliser: neighbouring numbers give unrelated seeds.
  uint64_t z = sideSeed + printNumber * 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

DealtPuzzle PuzzleOf(const Board& board) {
  DealtPuzzle puzzle;
  for (int cell = 0; cell < 81; ++cell) {
    puzzle.solution[static_cast<std::size_t>(cell)] = static_cast<uint8_t>(board.Solution[cell / 9][cell % 9]);
    puzzle.givens[static_cast<std::size_t>(cell)] = static_cast<uint8_t>(board.Givens[cell / 9][cell % 9]);
  }
  return puzzle;
}

}  // namespace lumitile
