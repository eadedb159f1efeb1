// One deduction of the logic solver, told whole: which technique, about
// which digits, what it places or removes, and which cells and units make it.
// The next-step aid highlights a step's cells and words its sentence from it;
// the solver's sweeps never need one.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/puzzle/logic_solver.h"

namespace lumitile {

// A set of cells by index row * 9 + column.
using CellSet = std::bitset<81>;

// Units by number: 0..8 the rows, 9..17 the columns, 18..26 the boxes (in
// reading order). A UnitSet holds bit u for unit u.
using UnitSet = uint32_t;
inline constexpr int kFirstColumnUnit = 9;
inline constexpr int kFirstBoxUnit = 18;
CellSet CellsOfUnit(int unit);

struct Step {
  Technique technique = Technique::kNakedSingle;
  // The digits the deduction is about, bit d - 1 for digit d: the single's
  // digit, the locked or fish digit, a subset's digits.
  uint16_t digits = 0;
  // A single places `digit` at `cell`; every other step only removes
  // candidates and leaves `cell` at -1.
  int cell = -1;
  int digit = 0;
  // Per cell, the candidates the step removes (all zero for a placement).
  CandidateMasks eliminations{};
  // Where the pattern is found: a single's unit (every unit where the digit
  // has that one place; a naked single's row, column and box), the box of a
  // pointing pair, the line of a claiming one, a subset's unit, a fish's
  // base lines (a finned one's too), a skyscraper's two lines, a kite's row
  // and column, the units of simple colouring's links, a W-wing's link, a
  // unique rectangle's rows and columns. None for the other chains and wings.
  UnitSet units = 0;
  // Where the eliminations are made, when that is other units than `units`:
  // the line a pointing pair clears, the box a claiming one clears, a fish's
  // cover lines; the line a skyscraper's two lines share, the box a kite's
  // row and column meet in.
  UnitSet coverUnits = 0;
  // The cells that make the deduction: the placed digits that leave a
  // single its place, a locked digit's cells, a subset's cells, a fish's
  // corners, a chain's cells, a rectangle's three two-digit corners.
  CellSet pattern;
  // A second group of the deduction's cells, where the technique has one:
  // a finned fish's fins, simple colouring's second colour (`pattern` holds
  // the first), a wing's pivot (`pattern` holds the pincers).
  CellSet secondary;
  // The chains (skyscraper, kite, X-chain, XY-wing, W-wing, XY-chain): the
  // cells in order along the chain, from one end to the other. One of the
  // two ends holds the step's digit, so the cells that see both lose it.
  std::vector<uint8_t> chain;

  bool Places() const { return cell >= 0; }
  // The cells the step changes: the placed cell, or every cell that loses a
  // candidate.
  CellSet Targets() const;
};

// The simplest deduction the set allows on this board: the techniques are
// tried from the simplest to the hardest (Technique's order), and within a
// technique in a fixed order, so the same board always gives the same step.
// Only a step that places a digit or removes a candidate counts. Nothing on
// a broken board, a solved one, or one the set cannot advance.
// The unique rectangle in kAll takes the puzzle to have one solution, as
// every puzzle of 超上級, 達人 and 名人 has; for a puzzle that may have more
// (初級 to 上級 deal such), ask with kAllButUniqueness.
std::optional<Step> NextStep(const CandidateBoard& board, TechniqueSet set = TechniqueSet::kAll);

// The first step of one technique, in the same order NextStep tries it.
std::optional<Step> FindStep(const CandidateBoard& board, Technique technique);

}  // namespace lumitile
