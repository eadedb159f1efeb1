#include "core/puzzle/unique_puzzle.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <utility>

#include "core/board.h"
#include "core/peers.h"
#include "core/puzzle/solution_builder.h"

namespace lumitile {

namespace {

// How many cell orders one board gets before the next board is built. A few
// tries spread the cost of a build; a board that keeps failing is dropped.
constexpr int kOrdersPerBoard = 4;

using Order = std::array<uint8_t, 81>;

// Fisher-Yates over the 81 cells with the game's own draws.
Order DrawOrder(RandomSource& random) {
  Order order{};
  std::iota(order.begin(), order.end(), uint8_t{0});
  for (int i = 80; i > 0; --i) {
    const int j = DrawOneTo(random, static_cast<int16_t>(i + 1)) - 1;
    std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
  }
  return order;
}

// A backtracking count over bitmasks, always branching on the open cell
// with the fewest digits left.
class SolutionCounter {
 public:
  SolutionCounter(const Digits& givens, int limit) : limit_(std::max(limit, 1)) {
    for (int cell = 0; cell < 81; ++cell) {
      const int digit = givens[static_cast<std::size_t>(cell)];
      if (digit == 0) {
        open_[openCount_++] = static_cast<uint8_t>(cell);
        continue;
      }
      const uint16_t bit = static_cast<uint16_t>(1u << digit);
      if (digit > 9 || (Used(cell) & bit) != 0) {
        valid_ = false;
        return;
      }
      Mark(cell, bit);
    }
  }

  int Count() {
    if (valid_) Search(0);
    return found_;
  }

 private:
  static int Box(int cell) { return BlockOf(cell / 9, cell % 9); }
  uint16_t Used(int cell) const { return rows_[cell / 9] | columns_[cell % 9] | boxes_[Box(cell)]; }
  void Mark(int cell, uint16_t bit) {
    rows_[cell / 9] ^= bit;
    columns_[cell % 9] ^= bit;
    boxes_[Box(cell)] ^= bit;
  }

  void Search(int depth) {
    if (depth == openCount_) {
      ++found_;
      return;
    }
    int best = depth;
    int fewest = 10;
    for (int i = depth; i < openCount_; ++i) {
      const int left = 9 - std::popcount(static_cast<uint16_t>(Used(open_[i]) & 0x3FE));
      if (left < fewest) {
        fewest = left;
        best = i;
        if (left <= 1) break;
      }
    }
    if (fewest == 0) return;
    std::swap(open_[depth], open_[best]);
    const int cell = open_[depth];
    for (uint16_t free = static_cast<uint16_t>(~Used(cell) & 0x3FE); free != 0 && found_ < limit_; free &= free - 1) {
      const uint16_t bit = static_cast<uint16_t>(free & -free);
      Mark(cell, bit);
      Search(depth + 1);
      Mark(cell, bit);
    }
  }

  int limit_;
  int found_ = 0;
  bool valid_ = true;
  std::array<uint8_t, 81> open_{};
  int openCount_ = 0;
  std::array<uint16_t, 9> rows_{};
  std::array<uint16_t, 9> columns_{};
  std::array<uint16_t, 9> boxes_{};
};

// Tries to open each given in `order`, keeping the cell open when the
// technique set still solves the puzzle. True when it opened any.
bool OpenSweep(const Digits& solution, const Order& order, Digits& givens, TechniqueSet set = TechniqueSet::kFull) {
  bool opened = false;
  for (const uint8_t cell : order) {
    if (givens[cell] == 0) continue;
    givens[cell] = 0;
    if (SolvesByLogic(givens, set)) {
      opened = true;
    } else {
      givens[cell] = solution[cell];
    }
  }
  return opened;
}

// Opens each cell in `order` that the puzzle can lose and keep one solution.
void OpenWhileUnique(const Digits& solution, const Order& order, Digits& givens) {
  for (const uint8_t cell : order) {
    givens[cell] = 0;
    if (SolutionCounter(givens, 2).Count() != 1) givens[cell] = solution[cell];
  }
}

}  // namespace

Digits BuildFullGrid(RandomSource& random) {
  // The one place that knows how the builder keeps its board.
  Grid solution{};
  MakeSolution(solution, random);
  Digits grid{};
  for (int cell = 0; cell < 81; ++cell) {
    grid[static_cast<std::size_t>(cell)] = static_cast<uint8_t>(solution[cell / 9][cell % 9]);
  }
  return grid;
}

int CountSolutions(const Digits& givens, int limit) { return SolutionCounter(givens, limit).Count(); }

int OpenCount(const Digits& givens) {
  return static_cast<int>(std::count(givens.begin(), givens.end(), uint8_t{0}));
}

// The tries of one deal: each a fresh order over the full board, with a new
// board after kOrdersPerBoard orders; the givens start as the whole solution.
class Tries {
 public:
  Tries(RandomSource& random, DealtPuzzle& puzzle, const GiveUp* givenUp)
      : random_(random), puzzle_(puzzle), givenUp_(givenUp) {
    puzzle_.solution = BuildFullGrid(random_);
  }
  bool GivenUp() const { return givenUp_ && givenUp_->load(std::memory_order_relaxed); }
  Order Next() {
    if (++tries_ > kOrdersPerBoard) {
      puzzle_.solution = BuildFullGrid(random_);
      tries_ = 1;
    }
    puzzle_.givens = puzzle_.solution;
    return DrawOrder(random_);
  }

 private:
  RandomSource& random_;
  DealtPuzzle& puzzle_;
  const GiveUp* givenUp_;
  int tries_ = 0;
};

DealtPuzzle DealSuperAdvanced(RandomSource& random, const GiveUp* givenUp) {
  DealtPuzzle puzzle;
  Tries tries(random, puzzle, givenUp);
  // Drawn once, so a target that is hard to reach is not traded for an
  // easier one on the retries.
  const int target = kSuperAdvancedOpenMin - 1 +
                     DrawOneTo(random, static_cast<int16_t>(kSuperAdvancedOpenMax - kSuperAdvancedOpenMin + 1));
  while (!tries.GivenUp()) {
    const Order order = tries.Next();
    Digits& givens = puzzle.givens;
    int open = 0;
    for (int i = 0; i < 81 && open < target && open + (81 - i) >= target; ++i) {
      const uint8_t cell = order[static_cast<std::size_t>(i)];
      givens[cell] = 0;
      if (SolvesByLogic(givens, TechniqueSet::kSinglesOnly)) {
        ++open;
      } else {
        givens[cell] = puzzle.solution[cell];
      }
    }
    // The count guards against a faulty deduction ever dealing two solutions.
    if (open == target && CountSolutions(givens) == 1) return puzzle;
  }
  return puzzle;
}

DealtPuzzle DealMaster(RandomSource& random, const GiveUp* givenUp) {
  DealtPuzzle puzzle;
  Tries tries(random, puzzle, givenUp);
  while (!tries.GivenUp()) {
    const Order order = tries.Next();
    Digits& givens = puzzle.givens;
    const auto kept = [&] {
      return OpenCount(givens) >= kMasterOpenMin && !SolvesByLogic(givens, TechniqueSet::kSinglesOnly);
    };
    if (!OpenSweep(puzzle.solution, order, givens) || !kept()) continue;
    // Opening a cell could in principle let the set solve a puzzle that an
    // earlier refusal in the sweep said it could not, so a puzzle about to be
    // kept is swept again until nothing more opens: then no given is left
    // that could open. Only the kept ones pay for it: over a thousand trial
    // deals the extra sweep never opened a cell.
    while (OpenSweep(puzzle.solution, order, givens)) {
    }
    if (kept() && CountSolutions(givens) == 1) return puzzle;
  }
  return puzzle;
}

DealtPuzzle DealGrandMaster(RandomSource& random, const GiveUp* givenUp) {
  DealtPuzzle puzzle;
  Tries tries(random, puzzle, givenUp);
  // Opened by the count rather than by the solver: a minimal puzzle is cheap
  // to make (about a millisecond), and about one in four needs more than
  // 達人's set yet falls to the whole set, so a few tries find one.
  while (!tries.GivenUp()) {
    const Order order = tries.Next();
    OpenWhileUnique(puzzle.solution, order, puzzle.givens);
    if (OpenCount(puzzle.givens) >= kGrandMasterOpenMin && !SolvesByLogic(puzzle.givens, TechniqueSet::kFull) &&
        SolvesByLogic(puzzle.givens, TechniqueSet::kAll))
      return puzzle;
  }
  return puzzle;
}

DealtPuzzle DealMinimal(RandomSource& random) {
  DealtPuzzle puzzle;
  puzzle.solution = BuildFullGrid(random);
  puzzle.givens = puzzle.solution;
  OpenWhileUnique(puzzle.solution, DrawOrder(random), puzzle.givens);
  return puzzle;
}

std::optional<DealtPuzzle> DealUniquePuzzle(int level, RandomSource& random, const GiveUp* givenUp) {
  std::optional<DealtPuzzle> puzzle;
  if (level == kSuperAdvancedLevel) puzzle = DealSuperAdvanced(random, givenUp);
  if (level == kMasterLevel) puzzle = DealMaster(random, givenUp);
  if (level == kGrandMasterLevel) puzzle = DealGrandMaster(random, givenUp);
  if (givenUp && givenUp->load()) return std::nullopt;
  return puzzle;
}

}  // namespace lumitile
