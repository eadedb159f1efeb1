#include "core/puzzle/logic_solver.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "core/peers.h"
#include "core/puzzle/step.h"
#include "core/puzzle/units.h"

namespace lumitile {

using namespace units;

CandidateBoard::CandidateBoard(const Digits& givens) {
  candidates_.fill(kAllDigits);
  for (int cell = 0; cell < 81 && !broken_; ++cell) {
    const int digit = givens[static_cast<std::size_t>(cell)];
    if (digit == 0) continue;
    if (digit > 9) {
      broken_ = true;
    } else {
      Place(cell, digit);
    }
  }
}

CandidateBoard CandidateBoard::FromCandidates(const CandidateMasks& masks) {
  CandidateBoard board;
  for (std::size_t cell = 0; cell < 81; ++cell) {
    board.candidates_[cell] = masks[cell] & kAllDigits;
    if (board.candidates_[cell] == 0) board.broken_ = true;
  }
  return board;
}

CandidateBoard CandidateBoard::FromPosition(const Digits& filled, const CandidateMasks& marks) {
  CandidateBoard board(filled);
  for (std::size_t cell = 0; cell < 81; ++cell) {
    if (board.placed_[cell] != 0) continue;
    const auto kept = static_cast<uint16_t>(board.candidates_[cell] & marks[cell]);
    if (kept != 0) board.candidates_[cell] = kept;
  }
  return board;
}

bool CandidateBoard::Apply(const Step& step) {
  if (broken_) return false;
  if (step.Places()) {
    if (step.cell >= 81 || step.digit < 1 || step.digit > 9 || placed_[static_cast<std::size_t>(step.cell)] != 0)
      return false;
    Place(step.cell, step.digit);
    return true;
  }
  bool progress = false;
  for (int cell = 0; cell < 81; ++cell) progress |= Eliminate(cell, step.eliminations[static_cast<std::size_t>(cell)]);
  return progress;
}

void CandidateBoard::Place(int cell, int digit) {
  const auto at = static_cast<std::size_t>(cell);
  const uint16_t bit = DigitBit(digit);
  if (placed_[at] != 0 || (candidates_[at] & bit) == 0) {
    broken_ = true;
    return;
  }
  placed_[at] = static_cast<uint8_t>(digit);
  candidates_[at] = bit;
  ++placedCount_;
  for (const uint8_t peer : kPeers[at]) {
    if (placed_[peer] != 0) continue;
    candidates_[peer] &= static_cast<uint16_t>(~bit);
    if (candidates_[peer] == 0) broken_ = true;
  }
}

bool CandidateBoard::Eliminate(int cell, uint16_t bits) {
  const auto at = static_cast<std::size_t>(cell);
  if (placed_[at] != 0 || (candidates_[at] & bits) == 0) return false;
  candidates_[at] &= static_cast<uint16_t>(~bits);
  if (candidates_[at] == 0) broken_ = true;
  return true;
}

uint16_t CandidateBoard::PositionsOf(int unit, uint16_t bit) const {
  uint16_t positions = 0;
  for (int k = 0; k < 9; ++k) {
    const auto cell = static_cast<std::size_t>(UnitCell(unit, k));
    if (placed_[cell] == 0 && (candidates_[cell] & bit) != 0) positions |= static_cast<uint16_t>(1u << k);
  }
  return positions;
}

CandidateBoard::PositionTable CandidateBoard::AllPositions() const {
  PositionTable table{};
  for (int cell = 0; cell < 81; ++cell) {
    const auto at = static_cast<std::size_t>(cell);
    if (placed_[at] != 0) continue;
    const int row = cell / 9;
    const int column = cell % 9;
    const int box = BlockOf(row, column);
    const int inBox = row % 3 * 3 + column % 3;
    for (unsigned bits = candidates_[at]; bits != 0; bits &= bits - 1) {
      auto& units = table[static_cast<std::size_t>(std::countr_zero(bits))];
      units[static_cast<std::size_t>(row)] |= static_cast<uint16_t>(1u << column);
      units[static_cast<std::size_t>(9 + column)] |= static_cast<uint16_t>(1u << row);
      units[static_cast<std::size_t>(18 + box)] |= static_cast<uint16_t>(1u << inBox);
    }
  }
  return table;
}

bool CandidateBoard::NakedSingles() {
  bool progress = false;
  for (int cell = 0; cell < 81 && !broken_; ++cell) {
    const auto at = static_cast<std::size_t>(cell);
    if (placed_[at] == 0 && SingleBit(candidates_[at])) {
      Place(cell, std::countr_zero(candidates_[at]) + 1);
      progress = true;
    }
  }
  return progress;
}

bool CandidateBoard::HiddenSingles() {
  bool progress = false;
  for (int unit = 0; unit < 27 && !broken_; ++unit) {
    // Digits seen once and more than once among the unit's open cells.
    unsigned once = 0;
    unsigned twice = 0;
    unsigned done = 0;
    for (int k = 0; k < 9; ++k) {
      const auto cell = static_cast<std::size_t>(UnitCell(unit, k));
      if (placed_[cell] != 0) {
        done |= candidates_[cell];
        continue;
      }
      twice |= once & candidates_[cell];
      once |= candidates_[cell];
    }
    if (((once | done) & kAllDigits) != kAllDigits) {
      broken_ = true;
      break;
    }
    for (unsigned single = once & ~twice & ~done & kAllDigits; single != 0 && !broken_; single &= single - 1) {
      const int digit = std::countr_zero(single) + 1;
      // An earlier placement in this sweep may have taken the place already.
      const uint16_t positions = PositionsOf(unit, DigitBit(digit));
      if (positions == 0) {
        broken_ = true;
      } else if (SingleBit(positions)) {
        Place(UnitCell(unit, std::countr_zero(positions)), digit);
        progress = true;
      }
    }
  }
  return progress;
}

bool CandidateBoard::LockedCandidates() {
  bool progress = false;
  const PositionTable table = AllPositions();
  for (int digit = 1; digit <= 9; ++digit) {
    const uint16_t bit = DigitBit(digit);
    const auto& digitPositions = table[static_cast<std::size_t>(digit - 1)];
    // Pointing: within a box the digit keeps to one row or one column, so
    // the rest of that line cannot hold it.
    for (int box = 0; box < 9; ++box) {
      const uint16_t positions = digitPositions[static_cast<std::size_t>(18 + box)];
      if (positions == 0) continue;
      for (int k = 0; k < 3; ++k) {
        if ((positions & ~kThirds[k]) == 0) {
          const int row = box / 3 * 3 + k;
          for (int column = 0; column < 9; ++column) {
            if (column / 3 != box % 3) progress |= Eliminate(row * 9 + column, bit);
          }
        }
        if ((positions & ~kBoxColumns[k]) == 0) {
          const int column = box % 3 * 3 + k;
          for (int row = 0; row < 9; ++row) {
            if (row / 3 != box / 3) progress |= Eliminate(row * 9 + column, bit);
          }
        }
      }
    }
    // Claiming: within a row or column the digit keeps to one box, so the
    // rest of that box cannot hold it.
    for (int line = 0; line < 18; ++line) {
      const uint16_t positions = digitPositions[static_cast<std::size_t>(line)];
      if (positions == 0) continue;
      for (int k = 0; k < 3; ++k) {
        if ((positions & ~kThirds[k]) != 0) continue;
        const int anyCell = UnitCell(line, k * 3);
        const int box = BlockOf(anyCell / 9, anyCell % 9);
        for (int i = 0; i < 9; ++i) {
          const int cell = UnitCell(18 + box, i);
          const bool onLine = line < 9 ? cell / 9 == line : cell % 9 == line - 9;
          if (!onLine) progress |= Eliminate(cell, bit);
        }
      }
    }
  }
  return progress;
}

bool CandidateBoard::NakedSubsets() {
  bool progress = false;
  for (int unit = 0; unit < 27 && !broken_; ++unit) {
    int open[9];
    uint16_t masks[9];
    int n = 0;
    for (int k = 0; k < 9; ++k) {
      const int cell = UnitCell(unit, k);
      if (placed_[static_cast<std::size_t>(cell)] != 0) continue;
      open[n] = cell;
      masks[n++] = candidates_[static_cast<std::size_t>(cell)];
    }
    // k cells holding k digits between them keep those digits from the rest.
    const auto clear = [&](uint16_t digits, uint16_t members) {
      for (int i = 0; i < n; ++i) {
        if ((members >> i & 1) == 0) progress |= Eliminate(open[i], digits);
      }
    };
    for (int a = 0; a < n; ++a) {
      if (CountBits(masks[a]) > 3) continue;
      for (int b = a + 1; b < n; ++b) {
        const uint16_t ab = masks[a] | masks[b];
        if (CountBits(ab) > 3) continue;
        if (CountBits(ab) == 2 && n > 2) clear(ab, static_cast<uint16_t>(1u << a | 1u << b));
        for (int c = b + 1; c < n && n > 3; ++c) {
          const uint16_t abc = ab | masks[c];
          if (CountBits(abc) == 3) clear(abc, static_cast<uint16_t>(1u << a | 1u << b | 1u << c));
        }
      }
    }
  }
  return progress;
}

bool CandidateBoard::HiddenSubsets() {
  bool progress = false;
  const PositionTable table = AllPositions();
  for (int unit = 0; unit < 27 && !broken_; ++unit) {
    uint16_t where[9];
    int digitOf[9];
    int n = 0;
    for (int digit = 1; digit <= 9; ++digit) {
      const uint16_t positions = table[static_cast<std::size_t>(digit - 1)][static_cast<std::size_t>(unit)];
      if (positions == 0) continue;  // placed in this unit (or a contradiction the singles will find)
      where[n] = positions;
      digitOf[n++] = digit;
    }
    // k digits confined to k cells leave those cells no other digit.
    const auto keep = [&](uint16_t positions, uint16_t digits) {
      for (uint16_t p = positions; p != 0; p &= p - 1) {
        progress |= Eliminate(UnitCell(unit, std::countr_zero(p)), static_cast<uint16_t>(kAllDigits & ~digits));
      }
    };
    for (int a = 0; a < n; ++a) {
      if (CountBits(where[a]) > 3) continue;
      for (int b = a + 1; b < n; ++b) {
        const uint16_t ab = where[a] | where[b];
        if (CountBits(ab) > 3) continue;
        const uint16_t digitsAb = static_cast<uint16_t>(DigitBit(digitOf[a]) | DigitBit(digitOf[b]));
        if (CountBits(ab) == 2 && n > 2) keep(ab, digitsAb);
        for (int c = b + 1; c < n && n > 3; ++c) {
          const uint16_t abc = ab | where[c];
          if (CountBits(abc) == 3) keep(abc, static_cast<uint16_t>(digitsAb | DigitBit(digitOf[c])));
        }
      }
    }
  }
  return progress;
}

bool CandidateBoard::XWings() {
  bool progress = false;
  const PositionTable table = AllPositions();
  for (int digit = 1; digit <= 9; ++digit) {
    const uint16_t bit = DigitBit(digit);
    const auto& digitPositions = table[static_cast<std::size_t>(digit - 1)];
    // Rows (base 0) then columns (base 9): two lines with the digit on the
    // same two crossing lines take it off those crossing lines elsewhere.
    for (int base = 0; base <= 9; base += 9) {
      const uint16_t* positions = &digitPositions[static_cast<std::size_t>(base)];
      for (int a = 0; a < 9; ++a) {
        if (CountBits(positions[a]) != 2) continue;
        for (int b = a + 1; b < 9; ++b) {
          if (positions[b] != positions[a]) continue;
          for (int other = 0; other < 9; ++other) {
            if (other == a || other == b) continue;
            for (uint16_t p = positions[a]; p != 0; p &= p - 1) {
              const int cross = std::countr_zero(p);
              progress |= Eliminate(base == 0 ? other * 9 + cross : cross * 9 + other, bit);
            }
          }
        }
      }
    }
  }
  return progress;
}

bool CandidateBoard::Apply(Technique technique) {
  if (broken_) return false;
  switch (technique) {
    case Technique::kNakedSingle: return NakedSingles();
    case Technique::kHiddenSingle: return HiddenSingles();
    case Technique::kLockedCandidates: return LockedCandidates();
    case Technique::kNakedSubset: return NakedSubsets();
    case Technique::kHiddenSubset: return HiddenSubsets();
    case Technique::kXWing: return XWings();
    default: {
      const std::optional<Step> step = FindStep(*this, technique);
      return step && Apply(*step);
    }
  }
}

// The techniques beyond 達人's set, tried one instance at a time from the
// simplest: the sweeps above are cheaper and come back first.
bool CandidateBoard::BeyondMaster(TechniqueSet set) {
  const int last = static_cast<int>(set == TechniqueSet::kAll ? Technique::kUniqueRectangle : Technique::kXYChain);
  for (int t = static_cast<int>(Technique::kNakedQuad); t <= last; ++t) {
    if (const std::optional<Step> step = FindStep(*this, static_cast<Technique>(t))) return Apply(*step);
  }
  return false;
}

bool CandidateBoard::Solve(TechniqueSet set) {
  while (!broken_ && placedCount_ < 81) {
    if (NakedSingles() || HiddenSingles()) continue;
    if (set == TechniqueSet::kSinglesOnly) break;
    if (LockedCandidates() || NakedSubsets() || HiddenSubsets() || XWings()) continue;
    if (set == TechniqueSet::kFull || !BeyondMaster(set)) break;
  }
  return Solved();
}

bool SolvesByLogic(const Digits& givens, TechniqueSet set) {
  CandidateBoard board(givens);
  return board.Solve(set);
}

Grade GradePuzzle(const Digits& givens, TechniqueSet set) {
  Grade grade;
  CandidateBoard board(givens);
  while (const std::optional<Step> step = NextStep(board, set)) {
    ++grade.uses[static_cast<std::size_t>(step->technique)];
    grade.hardest = std::max(grade.hardest, step->technique);
    board.Apply(*step);
  }
  grade.solved = board.Solved();
  return grade;
}

}  // namespace lumitile
