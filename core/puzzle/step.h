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
  // base lines.
  UnitSet units = 0;
  // Where the eliminations are made, when that is other units than `units`:
  // the line a pointing pair clears, the box a claiming one clears, a fish's
  // cover lines.
  UnitSet coverUnits = 0;
  // The cells that make the deduction: the placed digits that leave a
  // single its place, a locked digit's cells, a subset's cells, a fish's
  // corners.
  CellSet pattern;

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
std::optional<Step> NextStep(const CandidateBoard& board, TechniqueSet set = TechniqueSet::kFull);

// The first step of one technique, in the same order NextStep tries it.
std::optional<Step> FindStep(const CandidateBoard& board, Technique technique);

}  // namespace lumitile
