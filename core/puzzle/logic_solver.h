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

// From the simplest to the hardest: the next-step aid offers the first that
// makes progress, and a puzzle's grade is the hardest it needed.
enum class Technique : uint8_t {
  kNakedSingle,       // a cell with one candidate left
  kHiddenSingle,      // a digit with one place left in a row, column or box
  kLockedCandidates,  // a digit confined to one line within a box, or to one box within a line
  kNakedSubset,       // two or three cells of a unit holding only two or three digits
  kHiddenSubset,      // two or three digits of a unit confined to two or three cells
  kXWing,             // a digit on two places in each of two rows (columns), in the same columns (rows)
  // Beyond 達人's set: 名人 needs at least one of these.
  kNakedQuad,         // four cells of a unit holding only four digits between them
  kHiddenQuad,        // four digits of a unit confined to four cells
  kSwordfish,         // a digit's places in three rows (columns) lie in three columns (rows)
  kJellyfish,         // a digit's places in four rows (columns) lie in four columns (rows)
  kFinnedXWing,       // an X-wing but for extra places (the fin) in one box: only that box's cells lose the digit
  kFinnedSwordfish,   // a swordfish but for a fin in one box, likewise
  kSkyscraper,        // two rows (columns) with a digit on two places, one end shared: a cell seeing both free ends loses it
  kTwoStringKite,     // a row and a column with a digit on two places, one end of each in one box: likewise
  kSimpleColouring,   // a digit's two-place links coloured in turn: a colour that sees itself is false, a cell seeing both colours loses it
  kXChain,            // a chain of one digit, strong and weak links in turn: a cell seeing both ends loses it
  kXYWing,            // a two-digit pivot xy seeing pincers xz and yz: a cell seeing both pincers loses z
  kXYZWing,           // a pivot xyz seeing pincers xz and yz: a cell seeing all three loses z
  kWWing,             // two cells xy joined by a two-place link on x: a cell seeing both loses y
  kXYChain,           // two-digit cells in a chain, each passing on its other digit: a cell seeing both ends loses the end digit
  kUniqueRectangle,   // type 1: three corners of a rectangle over two boxes hold only ab: the fourth loses a and b
};
inline constexpr int kTechniqueCount = static_cast<int>(Technique::kUniqueRectangle) + 1;

struct Step;

enum class TechniqueSet : uint8_t {
  kSinglesOnly,  // naked and hidden singles (超上級)
  kFull,         // the singles up to the X-wing (達人)
  // Every Technique, the unique rectangle too. That one rests on the puzzle
  // having exactly one solution, which every puzzle of 超上級, 達人 and 名人
  // has; on a position that may have several, use kAllButUniqueness.
  kAll,
  kAllButUniqueness,  // every Technique but the unique rectangle
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
  // digit or removed a candidate. The techniques beyond 達人's set apply
  // their first instance (see FindStep).
  bool Apply(Technique technique);

  // Carries out one step: places its digit, or removes its candidates. True
  // when anything changed.
  bool Apply(const Step& step);

  // Applies the set to a fixpoint, the singles first and each harder
  // technique only when the simpler ones are stuck. True when every cell is
  // placed.
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
  bool BeyondMaster(TechniqueSet set);

  CandidateMasks candidates_{};
  Digits placed_{};
  int placedCount_ = 0;
  bool broken_ = false;
};

// Whether the set alone solves the puzzle from these givens.
bool SolvesByLogic(const Digits& givens, TechniqueSet set);

// How hard a puzzle is: solved step by step, always by the simplest step
// there is (NextStep), the techniques it took and how often.
struct Grade {
  bool solved = false;  // the set solved it (uses counts the steps either way)
  Technique hardest = Technique::kNakedSingle;
  std::array<int, kTechniqueCount> uses{};  // steps taken, by Technique
};
Grade GradePuzzle(const Digits& givens, TechniqueSet set = TechniqueSet::kAll);

}  // namespace lumitile
