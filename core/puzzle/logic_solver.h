// Solves a puzzle the way a player does, by candidates and named deductions
// only, never by guessing. The two hard levels are graded by it: a puzzle
// either falls to the singles alone, needs the wider technique set, or is
// out of reach. Every deduction is sound, so a puzzle it solves has exactly
// one solution.
#pragma once

#include <array>
#include <cstdint>

namespace lumitile {

// A 9 x 9 board in reading order (row * 9 + column): 1 to 9 a digit, 0 an open cell.
using Digits = std::array<uint8_t, 81>;

// Per cell, bit d - 1 set while digit d may still stand there.
using CandidateMasks = std::array<uint16_t, 81>;

enum class Technique : uint8_t {
  kNakedSingle,       // a cell with one candidate left
  kHiddenSingle,      // a digit with one place left in a row, column or box
  kLockedCandidates,  // a digit confined to one line within a box, or to one box within a line
  kNakedSubset,       // two or three cells of a unit holding only two or three digits
  kHiddenSubset,      // two or three digits of a unit confined to two or three cells
  kXWing,             // a digit on two places in each of two rows (columns), in the same columns (rows)
};

struct Step;

enum class TechniqueSet : uint8_t {
  kSinglesOnly,  // naked and hidden singles
  kFull,         // every Technique above
};

class CandidateBoard {
 public:
  // Places the givens. A given that repeats a digit of its row, column or
  // box, or a value above 9, leaves the board broken.
  explicit CandidateBoard(const Digits& givens);

  // A worked position: these candidates, no cell placed yet. An empty mask
  // leaves the board broken; bits above digit 9 are dropped.
  static CandidateBoard FromCandidates(const CandidateMasks& masks);

  // A player's position: `filled` holds the givens and the player's panels
  // (0 where open), placed as givens are. An open cell takes the player's
  // marks (bit d - 1 for digit d) as its candidates, less any digit its
  // placed peers hold; a cell without marks, or whose marks its peers rule
  // out entirely, takes every digit its peers allow. Panels that clash leave
  // the board broken.
  static CandidateBoard FromPosition(const Digits& filled, const CandidateMasks& marks);

  // One sweep of the technique over the whole board; true when it placed a
  // digit or removed a candidate.
  bool Apply(Technique technique);

  // Carries out one step: places its digit, or removes its candidates. True
  // when anything changed.
  bool Apply(const Step& step);

  // Applies the set to a fixpoint, the singles first and the rest only when
  // they are stuck. True when every cell is placed.
  bool Solve(TechniqueSet set);

  bool Solved() const { return !broken_ && placedCount_ == 81; }
  // A contradiction turned up: a cell or a unit ran out of places for a digit.
  bool Broken() const { return broken_; }
  uint16_t Candidates(int cell) const { return candidates_[static_cast<std::size_t>(cell)]; }
  const Digits& Placed() const { return placed_; }

 private:
  // Per digit (index digit - 1) and unit, the unit's positions that still
  // hold the digit. A table taken before a sweep's eliminations only ever
  // shows more positions than are left, and every deduction drawn from
  // "confined to these positions" stays true for fewer of them.
  using PositionTable = std::array<std::array<uint16_t, 27>, 9>;

  CandidateBoard() = default;

  void Place(int cell, int digit);
  bool Eliminate(int cell, uint16_t bits);
  uint16_t PositionsOf(int unit, uint16_t bit) const;
  PositionTable AllPositions() const;

  bool NakedSingles();
  bool HiddenSingles();
  bool LockedCandidates();
  bool NakedSubsets();
  bool HiddenSubsets();
  bool XWings();

  CandidateMasks candidates_{};
  Digits placed_{};
  int placedCount_ = 0;
  bool broken_ = false;
};

// Whether the set alone solves the puzzle from these givens.
bool SolvesByLogic(const Digits& givens, TechniqueSet set);

}  // namespace lumitile
