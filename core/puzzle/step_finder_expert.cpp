// The techniques beyond 達人's set. Each is written once, as a finder of its
// first instance that makes progress; the solver applies what the finder
// finds, and the next-step aid shows it. They only run when every simpler
// technique is stuck, so they favour plain loops over the board's 81 cells
// to clever bookkeeping.
#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "core/puzzle/step_finders.h"
#include "core/puzzle/units.h"

namespace lumitile::steps {

using namespace units;

namespace {

constexpr auto At(int cell) { return static_cast<std::size_t>(cell); }

bool Holds(const SolverView& view, int cell, int digit) {
  return view.Open(cell) && (view.Candidates(cell) & DigitBit(digit)) != 0;
}

// Removes `digit` from every cell that sees all of `ends` (and is none of
// them); true when that was any.
bool RemoveSeenByAll(const SolverView& view, Step& step, int digit, std::initializer_list<int> ends) {
  bool progress = false;
  for (int cell = 0; cell < 81; ++cell) {
    if (!Holds(view, cell, digit)) continue;
    if (std::all_of(ends.begin(), ends.end(), [cell](int end) { return Sees(cell, end); }))
      progress |= view.Remove(step, cell, DigitBit(digit));
  }
  return progress;
}

Step Begin(Technique technique, uint16_t digits) {
  Step step;
  step.technique = technique;
  step.digits = digits;
  return step;
}

void SetChain(Step& step, const std::vector<int>& cells) {
  for (const int cell : cells) {
    step.chain.push_back(static_cast<uint8_t>(cell));
    step.pattern.set(At(cell));
  }
}

// The two cells of `unit` holding `digit`, when it has exactly two.
bool ConjugatePair(const SolverView& view, int digit, int unit, int& first, int& second) {
  const uint16_t positions = view.Positions(digit, unit);
  if (CountBits(positions) != 2) return false;
  first = UnitCell(unit, std::countr_zero(positions));
  second = UnitCell(unit, 15 - std::countl_zero(static_cast<uint16_t>(positions)));
  return true;
}

// A fish of `size` lines with fins: the digit's places in the base lines
// lie on `size` cover lines, at least two in each, but for some places (the
// fins) all in one box.
// Either a fin holds the digit, or the fish stands: the cells of the cover
// lines in the fin's box, off the base lines, lose it either way.
std::optional<Step> FinnedFish(const SolverView& view, int size, Technique technique) {
  for (int digit = 1; digit <= 9; ++digit) {
    for (int base = 0; base <= kColumnBase; base += kColumnBase) {
      const int crossBase = kColumnBase - base;
      for (unsigned lines = 0; lines < 512; ++lines) {
        if (std::popcount(lines) != size) continue;
        uint16_t all = 0;
        bool usable = true;
        for (unsigned l = lines; l != 0 && usable; l &= l - 1) {
          const uint16_t positions = view.Positions(digit, base + std::countr_zero(l));
          usable = positions != 0;
          all |= positions;
        }
        if (!usable || CountBits(all) <= size) continue;
        for (unsigned covers = all; covers != 0; covers = (covers - 1) & all) {
          if (std::popcount(covers) != size) continue;
          // The fins, and the one box they must share.
          int finBox = -1;
          bool oneBox = true;
          CellSet fins;
          for (unsigned l = lines; l != 0 && oneBox; l &= l - 1) {
            const int line = base + std::countr_zero(l);
            for (unsigned p = view.Positions(digit, line) & ~covers; p != 0; p &= p - 1) {
              const int cell = UnitCell(line, std::countr_zero(p));
              fins.set(At(cell));
              if (finBox < 0) finBox = BoxUnit(cell);
              oneBox &= BoxUnit(cell) == finBox;
            }
          }
          // Each base line keeps two places on the cover lines: with fewer the
          // pattern is a chain, and the chain techniques name it.
          for (unsigned l = lines; l != 0 && oneBox; l &= l - 1)
            oneBox &= CountBits(view.Positions(digit, base + std::countr_zero(l)) & covers) >= 2;
          if (!oneBox) continue;
          Step step = Begin(technique, DigitBit(digit));
          bool progress = false;
          for (unsigned c = covers; c != 0; c &= c - 1) {
            const int cross = crossBase + std::countr_zero(c);
            step.coverUnits |= 1u << cross;
            for (int k = 0; k < 9; ++k) {
              const int cell = UnitCell(cross, k);
              if ((lines >> k & 1) != 0) {
                if (Holds(view, cell, digit)) step.pattern.set(At(cell));
              } else if (BoxUnit(cell) == finBox) {
                progress |= view.Remove(step, cell, DigitBit(digit));
              }
            }
          }
          if (!progress) continue;
          for (unsigned l = lines; l != 0; l &= l - 1) step.units |= 1u << (base + std::countr_zero(l));
          step.secondary = fins;
          return step;
        }
      }
    }
  }
  return std::nullopt;
}

// Two lines with the digit on two places each, one place of each on the
// same crossing line: one of the two free ends holds the digit.
std::optional<Step> Skyscraper(const SolverView& view) {
  for (int digit = 1; digit <= 9; ++digit) {
    for (int base = 0; base <= kColumnBase; base += kColumnBase) {
      for (int a = base; a < base + 9; ++a) {
        const uint16_t pa = view.Positions(digit, a);
        if (CountBits(pa) != 2) continue;
        for (int b = a + 1; b < base + 9; ++b) {
          const uint16_t pb = view.Positions(digit, b);
          const auto shared = static_cast<uint16_t>(pa & pb);
          if (CountBits(pb) != 2 || CountBits(shared) != 1) continue;
          const int freeA = UnitCell(a, std::countr_zero(static_cast<uint16_t>(pa & ~shared)));
          const int freeB = UnitCell(b, std::countr_zero(static_cast<uint16_t>(pb & ~shared)));
          Step step = Begin(Technique::kSkyscraper, DigitBit(digit));
          if (!RemoveSeenByAll(view, step, digit, {freeA, freeB})) continue;
          step.units = 1u << a | 1u << b;
          step.coverUnits = 1u << (kColumnBase - base + std::countr_zero(shared));
          SetChain(step, {freeA, UnitCell(a, std::countr_zero(shared)), UnitCell(b, std::countr_zero(shared)), freeB});
          return step;
        }
      }
    }
  }
  return std::nullopt;
}

// A row and a column with the digit on two places each, one end of each in
// the same box: one of the two other ends holds the digit.
std::optional<Step> TwoStringKite(const SolverView& view) {
  for (int digit = 1; digit <= 9; ++digit) {
    for (int row = 0; row < 9; ++row) {
      int r[2];
      if (!ConjugatePair(view, digit, row, r[0], r[1])) continue;
      for (int column = kColumnBase; column < kColumnBase + 9; ++column) {
        int c[2];
        if (!ConjugatePair(view, digit, column, c[0], c[1])) continue;
        for (int i = 0; i < 2; ++i) {
          for (int j = 0; j < 2; ++j) {
            const int rowEnd = r[1 - i], columnEnd = c[1 - j];
            const int box = BoxUnit(r[i]);
            if (r[i] == c[j] || BoxUnit(c[j]) != box || BoxUnit(rowEnd) == box || BoxUnit(columnEnd) == box) continue;
            if (rowEnd == columnEnd || rowEnd == c[j] || columnEnd == r[i]) continue;
            Step step = Begin(Technique::kTwoStringKite, DigitBit(digit));
            if (!RemoveSeenByAll(view, step, digit, {rowEnd, columnEnd})) continue;
            step.units = 1u << row | 1u << column;
            step.coverUnits = 1u << box;
            SetChain(step, {rowEnd, r[i], c[j], columnEnd});
            return step;
          }
        }
      }
    }
  }
  return std::nullopt;
}

// Each group of a digit's two-place links coloured in turn, so exactly one
// colour holds the digit: a colour with two cells that see each other is
// the false one, and a cell that sees both colours cannot hold it.
std::optional<Step> SimpleColouring(const SolverView& view) {
  for (int digit = 1; digit <= 9; ++digit) {
    std::array<int8_t, 81> colour;
    colour.fill(-1);
    for (int start = 0; start < 81; ++start) {
      if (colour[At(start)] >= 0 || !Holds(view, start, digit)) continue;
      // Colours the group of `start` by a walk over its links.
      std::vector<int> group{start};
      UnitSet links = 0;
      colour[At(start)] = 0;
      for (std::size_t next = 0; next < group.size(); ++next) {
        const int cell = group[next];
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
          int a, b;
          if (!ConjugatePair(view, digit, unit, a, b)) continue;
          links |= 1u << unit;
          const int other = a == cell ? b : a;
          if (colour[At(other)] < 0) {
            colour[At(other)] = static_cast<int8_t>(1 - colour[At(cell)]);
            group.push_back(other);
          }
        }
      }
      if (group.size() < 3) continue;  // one link alone is the locked candidates' business
      Step step = Begin(Technique::kSimpleColouring, DigitBit(digit));
      for (const int cell : group) (colour[At(cell)] == 0 ? step.pattern : step.secondary).set(At(cell));
      step.units = links;
      bool progress = false;
      for (int c = 0; c < 2 && !progress; ++c) {
        const CellSet& same = c == 0 ? step.pattern : step.secondary;
        bool wrap = false;
        for (const int a : group)
          for (const int b : group) wrap |= same[At(a)] && same[At(b)] && Sees(a, b);
        if (!wrap) continue;
        for (const int cell : group) {
          if (same[At(cell)]) progress |= view.Remove(step, cell, DigitBit(digit));
        }
      }
      for (int cell = 0; cell < 81 && !progress; ++cell) {
        if ((step.pattern | step.secondary)[At(cell)] || !Holds(view, cell, digit)) continue;
        bool sees[2] = {false, false};
        for (const int member : group) sees[colour[At(member)]] |= Sees(cell, member);
        if (sees[0] && sees[1]) view.Remove(step, cell, DigitBit(digit));
      }
      for (int cell = 0; cell < 81; ++cell) progress |= step.eliminations[At(cell)] != 0;
      if (progress) return step;
    }
  }
  return std::nullopt;
}

// A breadth-first search for the shortest chain: states are numbered by the
// caller, each remembers the state it was reached from.
struct ChainSearch {
  std::vector<int> parent;
  std::vector<int> queue;
  explicit ChainSearch(int states) : parent(static_cast<std::size_t>(states), -2) {}
  bool Visit(int state, int from) {
    if (parent[At(state)] != -2) return false;
    parent[At(state)] = from;
    queue.push_back(state);
    return true;
  }
  std::vector<int> PathTo(int state) const {
    std::vector<int> path;
    for (int s = state; s >= 0; s = parent[At(s)]) path.push_back(s);
    std::reverse(path.begin(), path.end());
    return path;
  }
};

// A chain of one digit from a start cell: a strong link (the only other
// place in a unit) then weak links (any cell in sight) and strong ones in
// turn, ending on a strong link. If the start lacks the digit the end holds
// it, so a cell seeing both cannot. The shortest such chain is taken, the
// earliest start among equals.
std::optional<Step> XChain(const SolverView& view) {
  std::optional<Step> best;
  for (int digit = 1; digit <= 9; ++digit) {
    std::vector<int> holding;
    for (int cell = 0; cell < 81; ++cell) {
      if (Holds(view, cell, digit)) holding.push_back(cell);
    }
    for (const int start : holding) {
      // State cell * 2 + 1: the cell holds the digit (if the start does not);
      // cell * 2: it does not.
      ChainSearch search(162);
      search.Visit(start * 2, -1);
      for (std::size_t next = 0; next < search.queue.size(); ++next) {
        const int state = search.queue[next];
        const int cell = state / 2;
        const bool on = state % 2 == 1;
        const auto path = [&] { return search.PathTo(state); };
        if (best && static_cast<int>(path().size()) >= static_cast<int>(best->chain.size())) break;
        if (on && cell != start) {
          Step step = Begin(Technique::kXChain, DigitBit(digit));
          if (RemoveSeenByAll(view, step, digit, {start, cell})) {
            std::vector<int> cells;
            for (const int s : path()) cells.push_back(s / 2);
            SetChain(step, cells);
            best = step;
            break;
          }
        }
        if (on) {
          for (const int other : holding) {
            if (Sees(cell, other)) search.Visit(other * 2, state);
          }
        } else {
          for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
            int a, b;
            if (ConjugatePair(view, digit, unit, a, b)) search.Visit((a == cell ? b : a) * 2 + 1, state);
          }
        }
      }
    }
  }
  return best;
}

bool Bivalue(const SolverView& view, int cell) { return view.Open(cell) && CountBits(view.Candidates(cell)) == 2; }

// A pivot xy sees pincers xz and yz: whichever the pivot holds, one pincer
// holds z.
std::optional<Step> XYWing(const SolverView& view) {
  for (int pivot = 0; pivot < 81; ++pivot) {
    if (!Bivalue(view, pivot)) continue;
    const uint16_t xy = view.Candidates(pivot);
    for (int a = 0; a < 81; ++a) {
      if (!Bivalue(view, a) || !Sees(pivot, a) || CountBits(view.Candidates(a) & xy) != 1) continue;
      const auto z = static_cast<uint16_t>(view.Candidates(a) & ~xy);
      const auto wanted = static_cast<uint16_t>((xy & ~view.Candidates(a)) | z);
      for (int b = a + 1; b < 81; ++b) {
        if (!Bivalue(view, b) || !Sees(pivot, b) || view.Candidates(b) != wanted) continue;
        Step step = Begin(Technique::kXYWing, z);
        if (!RemoveSeenByAll(view, step, LowestDigit(z), {a, b})) continue;
        SetChain(step, {a, pivot, b});
        step.pattern.reset(At(pivot));
        step.secondary.set(At(pivot));
        return step;
      }
    }
  }
  return std::nullopt;
}

// A pivot xyz sees pincers xz and yz: one of the three holds z.
std::optional<Step> XYZWing(const SolverView& view) {
  for (int pivot = 0; pivot < 81; ++pivot) {
    const uint16_t xyz = view.Candidates(pivot);
    if (!view.Open(pivot) || CountBits(xyz) != 3) continue;
    for (int a = 0; a < 81; ++a) {
      if (!Bivalue(view, a) || !Sees(pivot, a) || (view.Candidates(a) & ~xyz) != 0) continue;
      for (int b = a + 1; b < 81; ++b) {
        const uint16_t ab = view.Candidates(a) | view.Candidates(b);
        if (!Bivalue(view, b) || !Sees(pivot, b) || (view.Candidates(b) & ~xyz) != 0 || ab != xyz) continue;
        const auto z = static_cast<uint16_t>(view.Candidates(a) & view.Candidates(b));
        Step step = Begin(Technique::kXYZWing, z);
        if (!RemoveSeenByAll(view, step, LowestDigit(z), {pivot, a, b})) continue;
        step.pattern.set(At(a)).set(At(b));
        step.secondary.set(At(pivot));
        return step;
      }
    }
  }
  return std::nullopt;
}

// Two cells xy that do not see each other, joined by a two-place link on x
// whose ends see one each: if neither held y, both would hold x, and the
// link could not hold x at either end.
std::optional<Step> WWing(const SolverView& view) {
  for (int a = 0; a < 81; ++a) {
    if (!Bivalue(view, a)) continue;
    for (int b = a + 1; b < 81; ++b) {
      if (!Bivalue(view, b) || view.Candidates(b) != view.Candidates(a) || Sees(a, b)) continue;
      for (unsigned x = view.Candidates(a); x != 0; x &= x - 1) {
        const int linkDigit = LowestDigit(x);
        const auto y = static_cast<uint16_t>(view.Candidates(a) & ~DigitBit(linkDigit));
        for (int unit = 0; unit < 27; ++unit) {
          int ends[2];
          if (!ConjugatePair(view, linkDigit, unit, ends[0], ends[1])) continue;
          for (int i = 0; i < 2; ++i) {
            const int nearA = ends[i], nearB = ends[1 - i];
            if (nearA == a || nearA == b || nearB == a || nearB == b) continue;
            if (!Sees(nearA, a) || !Sees(nearB, b)) continue;
            Step step = Begin(Technique::kWWing, y);
            if (!RemoveSeenByAll(view, step, LowestDigit(y), {a, b})) continue;
            step.units = 1u << unit;
            SetChain(step, {a, nearA, nearB, b});
            return step;
          }
        }
      }
    }
  }
  return std::nullopt;
}

// Two-digit cells in a chain, each in sight of the last and sharing a digit
// with it: if the start lacks z, each cell in turn holds its other digit,
// and the end holds z. The shortest such chain is taken.
std::optional<Step> XYChain(const SolverView& view) {
  std::optional<Step> best;
  std::vector<int> bivalues;
  for (int cell = 0; cell < 81; ++cell) {
    if (Bivalue(view, cell)) bivalues.push_back(cell);
  }
  for (const int start : bivalues) {
    for (unsigned zs = view.Candidates(start); zs != 0; zs &= zs - 1) {
      const int z = LowestDigit(zs);
      // State cell * 9 + digit - 1: the cell holds that digit (if the start
      // lacks z).
      ChainSearch search(81 * 9);
      search.Visit(start * 9 + LowestDigit(view.Candidates(start) & ~DigitBit(z)) - 1, -1);
      for (std::size_t next = 0; next < search.queue.size(); ++next) {
        const int state = search.queue[next];
        const int cell = state / 9;
        const int digit = state % 9 + 1;
        const std::vector<int> path = search.PathTo(state);
        if (best && path.size() >= best->chain.size()) break;
        if (digit == z && cell != start && path.size() >= 3) {
          Step step = Begin(Technique::kXYChain, DigitBit(z));
          if (RemoveSeenByAll(view, step, z, {start, cell})) {
            std::vector<int> cells;
            for (const int s : path) cells.push_back(s / 9);
            SetChain(step, cells);
            best = step;
            break;
          }
        }
        for (const int other : bivalues) {
          if (!Sees(cell, other) || (view.Candidates(other) & DigitBit(digit)) == 0) continue;
          search.Visit(other * 9 + LowestDigit(view.Candidates(other) & ~DigitBit(digit)) - 1, state);
        }
      }
    }
  }
  return best;
}

// Type 1: three corners of a rectangle on two rows, two columns and two
// boxes hold only a and b. Were the fourth a or b too, a and b could swap
// on the four corners and the puzzle would have two solutions; every puzzle
// of 超上級, 達人 and 名人 has one, so the fourth holds neither.
std::optional<Step> UniqueRectangle(const SolverView& view) {
  for (int r1 = 0; r1 < 9; ++r1) {
    for (int r2 = r1 + 1; r2 < 9; ++r2) {
      for (int c1 = 0; c1 < 9; ++c1) {
        for (int c2 = c1 + 1; c2 < 9; ++c2) {
          if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;  // two boxes exactly
          const int corners[4] = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
          for (int odd = 0; odd < 4; ++odd) {
            const uint16_t ab = view.Candidates(corners[(odd + 1) % 4]);
            bool rectangle = CountBits(ab) == 2;
            for (int i = 0; i < 4; ++i) {
              rectangle &= view.Open(corners[i]);
              if (i != odd) rectangle &= view.Candidates(corners[i]) == ab;
            }
            const uint16_t last = view.Candidates(corners[odd]);
            if (!rectangle || (last & ab) != ab || last == ab) continue;
            Step step = Begin(Technique::kUniqueRectangle, ab);
            view.Remove(step, corners[odd], ab);
            for (int i = 0; i < 4; ++i) {
              if (i != odd) step.pattern.set(At(corners[i]));
            }
            step.units = 1u << r1 | 1u << r2 | 1u << (kColumnBase + c1) | 1u << (kColumnBase + c2);
            return step;
          }
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Step> FindBeyondMaster(const SolverView& view, Technique technique) {
  switch (technique) {
    case Technique::kNakedQuad: return NakedSubset(view, 4, technique);
    case Technique::kHiddenQuad: return HiddenSubset(view, 4, technique);
    case Technique::kSwordfish: return Fish(view, 3, technique);
    case Technique::kJellyfish: return Fish(view, 4, technique);
    case Technique::kFinnedXWing: return FinnedFish(view, 2, technique);
    case Technique::kFinnedSwordfish: return FinnedFish(view, 3, technique);
    case Technique::kSkyscraper: return Skyscraper(view);
    case Technique::kTwoStringKite: return TwoStringKite(view);
    case Technique::kSimpleColouring: return SimpleColouring(view);
    case Technique::kXChain: return XChain(view);
    case Technique::kXYWing: return XYWing(view);
    case Technique::kXYZWing: return XYZWing(view);
    case Technique::kWWing: return WWing(view);
    case Technique::kXYChain: return XYChain(view);
    case Technique::kUniqueRectangle: return UniqueRectangle(view);
    default: return std::nullopt;
  }
}

}  // namespace lumitile::steps
