// The step finders of the techniques the sweeps in logic_solver.cpp apply.
// They are kept apart from the sweeps on purpose: the sweeps decide every
// deal of 超上級 and 達人, so their order of work, and with it their speed
// and the puzzles they let through, stays exactly as it was; a finder only
// has to find the first instance that makes progress, in a fixed order, and
// say which cells make it. The suite holds the two together: a finder finds
// a step exactly when its sweep makes progress.
#include <bit>

#include "core/puzzle/step.h"
#include "core/puzzle/step_finders.h"
#include "core/puzzle/units.h"

namespace lumitile {

using namespace units;

CellSet CellsOfUnit(int unit) {
  CellSet cells;
  if (unit < 0 || unit >= 27) return cells;
  for (int k = 0; k < 9; ++k) cells.set(static_cast<std::size_t>(UnitCell(unit, k)));
  return cells;
}

CellSet Step::Targets() const {
  CellSet cells;
  if (Places()) cells.set(static_cast<std::size_t>(cell));
  for (std::size_t at = 0; at < 81; ++at) {
    if (eliminations[at] != 0) cells.set(at);
  }
  return cells;
}

namespace steps {

SolverView::SolverView(const CandidateBoard& board) : board_(board) {
  for (int cell = 0; cell < 81; ++cell) {
    if (Open(cell)) {
      const int row = cell / 9;
      const int column = cell % 9;
      const int inBox = row % 3 * 3 + column % 3;
      for (unsigned bits = board.Candidates(cell); bits != 0; bits &= bits - 1) {
        auto& units = positions_[static_cast<std::size_t>(std::countr_zero(bits))];
        units[static_cast<std::size_t>(row)] |= static_cast<uint16_t>(1u << column);
        units[static_cast<std::size_t>(9 + column)] |= static_cast<uint16_t>(1u << row);
        units[static_cast<std::size_t>(BoxUnit(cell))] |= static_cast<uint16_t>(1u << inBox);
      }
    } else {
      const int digit = board.Placed()[static_cast<std::size_t>(cell)];
      for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)})
        placedIn_[static_cast<std::size_t>(unit)] |= DigitBit(digit);
    }
  }
}

bool SolverView::Remove(Step& step, int cell, uint16_t bits) const {
  if (!Open(cell)) return false;
  const auto removed = static_cast<uint16_t>(Candidates(cell) & bits);
  step.eliminations[static_cast<std::size_t>(cell)] |= removed;
  return removed != 0;
}

namespace {

// The placed cells holding `digit` that see `cell`.
CellSet PlacedPeersWith(const SolverView& view, int cell, int digit) {
  CellSet cells;
  for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
    for (int k = 0; k < 9; ++k) {
      const int other = UnitCell(unit, k);
      if (!view.Open(other) && view.Board().Placed()[static_cast<std::size_t>(other)] == digit)
        cells.set(static_cast<std::size_t>(other));
    }
  }
  return cells;
}

std::optional<Step> NakedSingle(const SolverView& view) {
  for (int cell = 0; cell < 81; ++cell) {
    if (!view.Open(cell) || !SingleBit(view.Candidates(cell))) continue;
    Step step;
    step.technique = Technique::kNakedSingle;
    step.digits = view.Candidates(cell);
    step.cell = cell;
    step.digit = LowestDigit(step.digits);
    step.units = 1u << RowUnit(cell) | 1u << ColumnUnit(cell) | 1u << BoxUnit(cell);
    // The placed digits that took the cell's other candidates.
    for (int digit = 1; digit <= 9; ++digit) {
      if (digit != step.digit) step.pattern |= PlacedPeersWith(view, cell, digit);
    }
    return step;
  }
  return std::nullopt;
}

// Boxes first, then rows, then columns: the order a player scans in.
constexpr int kScanOrder[27] = {18, 19, 20, 21, 22, 23, 24, 25, 26, 0,  1,  2,  3,  4,
                                5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17};

std::optional<Step> HiddenSingle(const SolverView& view) {
  for (const int unit : kScanOrder) {
    for (int digit = 1; digit <= 9; ++digit) {
      const uint16_t positions = view.Positions(digit, unit);
      if (!SingleBit(positions) || (view.PlacedIn(unit) & DigitBit(digit)) != 0) continue;
      Step step;
      step.technique = Technique::kHiddenSingle;
      step.digits = DigitBit(digit);
      step.cell = UnitCell(unit, std::countr_zero(positions));
      step.digit = digit;
      for (const int other : {RowUnit(step.cell), ColumnUnit(step.cell), BoxUnit(step.cell)}) {
        if (SingleBit(view.Positions(digit, other))) step.units |= 1u << other;
      }
      // The placed digits that shut the unit's other open cells.
      for (int k = 0; k < 9; ++k) {
        const int other = UnitCell(unit, k);
        if (other != step.cell && view.Open(other)) step.pattern |= PlacedPeersWith(view, other, digit);
      }
      return step;
    }
  }
  return std::nullopt;
}

std::optional<Step> LockedCandidates(const SolverView& view) {
  // Pointing: within a box the digit keeps to one row or column, which loses
  // it outside the box. Claiming: within a line it keeps to one box, which
  // loses it off the line.
  for (int pointing = 1; pointing >= 0; --pointing) {
    for (int digit = 1; digit <= 9; ++digit) {
      const uint16_t bit = DigitBit(digit);
      for (int unit = pointing ? kBoxBase : 0; unit < (pointing ? 27 : kBoxBase); ++unit) {
        const uint16_t positions = view.Positions(digit, unit);
        if (positions == 0) continue;
        for (int k = 0; k < 3; ++k) {
          for (const uint16_t stretch : {kThirds[k], kBoxColumns[k]}) {
            if (!pointing && stretch == kBoxColumns[k]) continue;
            if ((positions & ~stretch) != 0) continue;
            const int anyCell = UnitCell(unit, std::countr_zero(positions));
            const int cover = !pointing ? BoxUnit(anyCell) : stretch == kThirds[k] ? RowUnit(anyCell) : ColumnUnit(anyCell);
            Step step;
            step.technique = Technique::kLockedCandidates;
            step.digits = bit;
            step.units = 1u << unit;
            step.coverUnits = 1u << cover;
            bool progress = false;
            for (int i = 0; i < 9; ++i) {
              const int cell = UnitCell(cover, i);
              if (CellsOfUnit(unit)[static_cast<std::size_t>(cell)]) continue;
              progress |= view.Remove(step, cell, bit);
            }
            if (!progress) continue;
            for (uint16_t p = positions; p != 0; p &= p - 1)
              step.pattern.set(static_cast<std::size_t>(UnitCell(unit, std::countr_zero(p))));
            return step;
          }
        }
      }
    }
  }
  return std::nullopt;
}

// The open cells of a unit with their candidates.
struct OpenCells {
  int count = 0;
  int cell[9]{};
  uint16_t mask[9]{};
};

OpenCells OpenIn(const SolverView& view, int unit) {
  OpenCells open;
  for (int k = 0; k < 9; ++k) {
    const int cell = UnitCell(unit, k);
    if (!view.Open(cell)) continue;
    open.cell[open.count] = cell;
    open.mask[open.count++] = view.Candidates(cell);
  }
  return open;
}

// Every choice of `size` members out of `count`, as a bit set, in a fixed
// order; `visit` returns true to stop.
template <typename Visit>
bool ForEachChoice(int count, int size, Visit visit) {
  for (unsigned members = 0; members < (1u << count); ++members) {
    if (std::popcount(members) == size && visit(static_cast<uint16_t>(members))) return true;
  }
  return false;
}

}  // namespace

std::optional<Step> NakedSubset(const SolverView& view, int size, Technique technique) {
  std::optional<Step> found;
  for (int unit = 0; unit < 27 && !found; ++unit) {
    const OpenCells open = OpenIn(view, unit);
    if (open.count <= size) continue;
    ForEachChoice(open.count, size, [&](uint16_t members) {
      uint16_t digits = 0;
      for (uint16_t m = members; m != 0; m &= m - 1) digits |= open.mask[std::countr_zero(m)];
      if (CountBits(digits) != size) return false;
      Step step;
      step.technique = technique;
      step.digits = digits;
      step.units = 1u << unit;
      bool progress = false;
      for (int i = 0; i < open.count; ++i) {
        if ((members >> i & 1) != 0) {
          step.pattern.set(static_cast<std::size_t>(open.cell[i]));
        } else {
          progress |= view.Remove(step, open.cell[i], digits);
        }
      }
      if (progress) found = step;
      return progress;
    });
  }
  return found;
}

std::optional<Step> HiddenSubset(const SolverView& view, int size, Technique technique) {
  std::optional<Step> found;
  for (int unit = 0; unit < 27 && !found; ++unit) {
    int digitOf[9];
    uint16_t where[9];
    int count = 0;
    for (int digit = 1; digit <= 9; ++digit) {
      const uint16_t positions = view.Positions(digit, unit);
      if (positions == 0) continue;
      digitOf[count] = digit;
      where[count++] = positions;
    }
    if (count <= size) continue;
    ForEachChoice(count, size, [&](uint16_t members) {
      uint16_t positions = 0;
      uint16_t digits = 0;
      for (uint16_t m = members; m != 0; m &= m - 1) {
        positions |= where[std::countr_zero(m)];
        digits |= DigitBit(digitOf[std::countr_zero(m)]);
      }
      if (CountBits(positions) != size) return false;
      Step step;
      step.technique = technique;
      step.digits = digits;
      step.units = 1u << unit;
      bool progress = false;
      for (uint16_t p = positions; p != 0; p &= p - 1) {
        const int cell = UnitCell(unit, std::countr_zero(p));
        step.pattern.set(static_cast<std::size_t>(cell));
        progress |= view.Remove(step, cell, static_cast<uint16_t>(kAllDigits & ~digits));
      }
      if (progress) found = step;
      return progress;
    });
  }
  return found;
}

std::optional<Step> Fish(const SolverView& view, int size, Technique technique) {
  for (int digit = 1; digit <= 9; ++digit) {
    const uint16_t bit = DigitBit(digit);
    // Rows (base 0) then columns (base 9): `size` lines whose places for the
    // digit lie on `size` crossing lines take it off those crossing lines
    // everywhere else.
    for (int base = 0; base <= kColumnBase; base += kColumnBase) {
      const int crossBase = kColumnBase - base;
      std::optional<Step> found;
      ForEachChoice(9, size, [&](uint16_t lines) {
        uint16_t crosses = 0;
        for (uint16_t l = lines; l != 0; l &= l - 1) {
          const uint16_t positions = view.Positions(digit, base + std::countr_zero(l));
          if (CountBits(positions) < 2) return false;
          crosses |= positions;
        }
        if (CountBits(crosses) != size) return false;
        Step step;
        step.technique = technique;
        step.digits = bit;
        bool progress = false;
        for (uint16_t l = lines; l != 0; l &= l - 1) step.units |= 1u << (base + std::countr_zero(l));
        for (uint16_t c = crosses; c != 0; c &= c - 1) {
          const int cross = crossBase + std::countr_zero(c);
          step.coverUnits |= 1u << cross;
          for (int k = 0; k < 9; ++k) {
            const int cell = UnitCell(cross, k);
            if ((lines >> k & 1) != 0) {
              if (view.Open(cell) && (view.Candidates(cell) & bit) != 0) step.pattern.set(static_cast<std::size_t>(cell));
            } else {
              progress |= view.Remove(step, cell, bit);
            }
          }
        }
        if (progress) found = step;
        return progress;
      });
      if (found) return found;
    }
  }
  return std::nullopt;
}

std::optional<Step> Find(const SolverView& view, Technique technique) {
  switch (technique) {
    case Technique::kNakedSingle: return NakedSingle(view);
    case Technique::kHiddenSingle: return HiddenSingle(view);
    case Technique::kLockedCandidates: return LockedCandidates(view);
    case Technique::kNakedSubset: {
      if (auto step = NakedSubset(view, 2, technique)) return step;
      return NakedSubset(view, 3, technique);
    }
    case Technique::kHiddenSubset: {
      if (auto step = HiddenSubset(view, 2, technique)) return step;
      return HiddenSubset(view, 3, technique);
    }
    case Technique::kXWing: return Fish(view, 2, technique);
    default: return FindBeyondMaster(view, technique);
  }
}

}  // namespace steps

std::optional<Step> FindStep(const CandidateBoard& board, Technique technique) {
  if (board.Broken()) return std::nullopt;
  return steps::Find(steps::SolverView(board), technique);
}

std::optional<Step> NextStep(const CandidateBoard& board, TechniqueSet set) {
  if (board.Broken()) return std::nullopt;
  const steps::SolverView view(board);
  const Technique last = set == TechniqueSet::kSinglesOnly        ? Technique::kHiddenSingle
                         : set == TechniqueSet::kFull             ? Technique::kXWing
                         : set == TechniqueSet::kAllButUniqueness ? Technique::kXYChain
                                                                  : Technique::kUniqueRectangle;
  for (int t = 0; t <= static_cast<int>(last); ++t) {
    if (auto step = steps::Find(view, static_cast<Technique>(t))) return step;
  }
  return std::nullopt;
}

}  // namespace lumitile
