// Checks the logic solver from outside on many puzzles, more than the suite
// runs:
//
//   solver_survey minimal COUNT SEED
//     random minimal puzzles (opened while one solution is left): every step
//     the whole technique set takes keeps the solution's digits, and a search
//     of the tool's own finds one solution; prints the share of puzzles by
//     the hardest technique they needed.
//   solver_survey deal LEVEL COUNT SEED
//     deals of a level (3 to 5), checked likewise; 名人 (5) deals also to
//     have at least 54 open cells, to need more than 達人's
//     set and to fall to the whole set; prints the share by hardest
//     technique and the deal time's median, 99th percentile and maximum.
//
// Exits 1 when any puzzle fails its check.
#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

#include "core/puzzle/logic_solver.h"
#include "core/puzzle/step.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"

namespace {

using namespace lumitile;

constexpr const char* kNames[kTechniqueCount] = {
    "naked single",  "hidden single",   "locked candidates", "naked pair/triple", "hidden pair/triple",
    "x-wing",        "naked quad",      "hidden quad",       "swordfish",         "jellyfish",
    "finned x-wing", "finned swordfish", "skyscraper",       "two-string kite",   "simple colouring",
    "x-chain",       "xy-wing",         "xyz-wing",          "w-wing",            "xy-chain",
    "unique rectangle"};

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
  const auto* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

bool Fits(const Digits& board, int cell, int digit) {
  const int row = cell / 9, column = cell % 9;
  for (int i = 0; i < 9; ++i) {
    for (const int other : {row * 9 + i, i * 9 + column, (row / 3 * 3 + i / 3) * 9 + column / 3 * 3 + i % 3})
      if (other != cell && board[static_cast<std::size_t>(other)] == digit) return false;
  }
  return true;
}

// Solutions up to two by a plain search of the tool's own, so that the
// game's counter, which the deals use, is not also their judge.
int CountByHand(Digits& board) {
  int best = -1, fewest = 10;
  for (int cell = 0; cell < 81; ++cell) {
    if (board[static_cast<std::size_t>(cell)] != 0) continue;
    int fits = 0;
    for (int digit = 1; digit <= 9; ++digit) fits += Fits(board, cell, digit);
    if (fits < fewest) fewest = fits, best = cell;
  }
  if (best < 0) return 1;
  int found = 0;
  for (int digit = 1; digit <= 9 && found < 2; ++digit) {
    if (!Fits(board, best, digit)) continue;
    board[static_cast<std::size_t>(best)] = static_cast<uint8_t>(digit);
    found += CountByHand(board);
    board[static_cast<std::size_t>(best)] = 0;
  }
  return found;
}

// Walks the puzzle step by step with the whole set; false at the first step
// that strikes a digit of the solution or places a wrong one.
bool StepsKeepSolution(const DealtPuzzle& puzzle, Grade& grade) {
  CandidateBoard board(puzzle.givens);
  while (const auto step = NextStep(board, TechniqueSet::kAll)) {
    if (step->Places() && step->digit != puzzle.solution[static_cast<std::size_t>(step->cell)]) return false;
    for (std::size_t cell = 0; cell < 81; ++cell) {
      if ((step->eliminations[cell] >> (puzzle.solution[cell] - 1) & 1) != 0) return false;
    }
    ++grade.uses[static_cast<std::size_t>(step->technique)];
    grade.hardest = std::max(grade.hardest, step->technique);
    board.Apply(*step);
  }
  grade.solved = board.Solved();
  return true;
}

void PrintShares(const std::array<int, kTechniqueCount + 1>& hardest, int count) {
  for (int t = 0; t <= kTechniqueCount; ++t) {
    if (hardest[static_cast<std::size_t>(t)] == 0) continue;
    std::printf("  %-20s %6d  %5.1f %%\n", t == kTechniqueCount ? "(not solved)" : kNames[t],
                hardest[static_cast<std::size_t>(t)], 100.0 * hardest[static_cast<std::size_t>(t)] / count);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  int level = 5;
  long count = 0;
  unsigned long long seed = 0;
  const bool minimal = mode == "minimal" && argc == 4 && ParseNumber(argv[2], count) && ParseNumber(argv[3], seed);
  const bool deal = mode == "deal" && argc == 5 && ParseNumber(argv[2], level) && ParseNumber(argv[3], count) &&
                    ParseNumber(argv[4], seed);
  if ((!minimal && !deal) || count <= 0) {
    std::fputs("usage: solver_survey minimal COUNT SEED | deal LEVEL COUNT SEED\n", stderr);
    return 2;
  }
  std::array<int, kTechniqueCount + 1> hardest{};
  std::vector<double> millis;
  int faults = 0;
  for (long i = 0; i < count; ++i) {
    SeededRandom random(seed + static_cast<unsigned long long>(i));
    const auto start = std::chrono::steady_clock::now();
    const std::optional<DealtPuzzle> puzzle = minimal ? DealMinimal(random) : DealUniquePuzzle(level, random);
    millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (!puzzle) {
      std::fprintf(stderr, "level %d deals nothing\n", level);
      return 2;
    }
    Grade grade;
    Digits search = puzzle->givens;
    bool sound = StepsKeepSolution(*puzzle, grade) && CountByHand(search) == 1;
    if (deal && level == kGrandMasterLevel) {
      sound = sound && grade.solved && OpenCount(puzzle->givens) >= kGrandMasterOpenMin &&
              !SolvesByLogic(puzzle->givens, TechniqueSet::kFull) && SolvesByLogic(puzzle->givens, TechniqueSet::kAll);
    }
    if (!sound) {
      ++faults;
      std::printf("FAULT seed %llu\n", seed + static_cast<unsigned long long>(i));
    }
    ++hardest[static_cast<std::size_t>(grade.solved ? static_cast<int>(grade.hardest) : kTechniqueCount)];
  }
  std::sort(millis.begin(), millis.end());
  const auto at = [&](double share) { return millis[static_cast<std::size_t>(share * static_cast<double>(millis.size() - 1))]; };
  std::printf("%ld puzzles, %d faults; make time median %.2f ms, p99 %.2f ms, max %.2f ms\nhardest technique:\n",
              count, faults, at(0.5), at(0.99), millis.back());
  PrintShares(hardest, static_cast<int>(count));
  return faults == 0 ? 0 : 1;
}
