// The logic solver: each technique alone on a worked position where no other
// technique makes progress, removing exactly the textbook candidates; and
// givens that contradict themselves leave a broken board, never a solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/puzzle/logic_solver.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

constexpr int Cell(int row, int column) { return row * 9 + column; }
constexpr uint16_t Bit(int digit) { return static_cast<uint16_t>(1u << (digit - 1)); }

using Removal = std::pair<int, int>;  // cell, digit

// Every cell holding every digit, then the listed candidates struck.
CandidateMasks Position(const std::vector<Removal>& struck) {
  CandidateMasks masks;
  masks.fill(0x1FF);
  for (const auto& [cell, digit] : struck) masks[static_cast<std::size_t>(cell)] &= static_cast<uint16_t>(~Bit(digit));
  return masks;
}

// The cells of a row, a column or a box.
std::vector<int> Unit(int (*cell)(int index, int i), int index) {
  std::vector<int> cells;
  for (int i = 0; i < 9; ++i) cells.push_back(cell(index, i));
  return cells;
}
std::vector<int> Row(int r) { return Unit([](int x, int i) { return Cell(x, i); }, r); }
std::vector<int> Column(int c) { return Unit([](int x, int i) { return Cell(i, x); }, c); }
std::vector<int> Box(int b) { return Unit([](int x, int i) { return Cell(x / 3 * 3 + i / 3, x % 3 * 3 + i % 3); }, b); }

template <typename T>
std::vector<T> Cat(std::initializer_list<std::vector<T>> parts) {
  std::vector<T> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}
// The candidates `digits` in `cells`.
std::vector<Removal> Strike(const std::vector<int>& cells, const std::vector<int>& digits) {
  std::vector<Removal> out;
  for (int cell : cells)
    for (int digit : digits) out.emplace_back(cell, digit);
  return out;
}
std::vector<int> Except(std::vector<int> cells, const std::vector<int>& drop) {
  std::erase_if(cells, [&](int cell) { return std::find(drop.begin(), drop.end(), cell) != drop.end(); });
  return cells;
}
// The 5s of `cells`, except in `keep`.
std::vector<Removal> FivesBut(const std::vector<int>& cells, const std::vector<int>& keep) {
  return Strike(Except(cells, keep), {5});
}

std::set<Removal> Removed(const CandidateBoard& before, const CandidateBoard& after) {
  std::set<Removal> removed;
  for (int cell = 0; cell < 81; ++cell)
    for (int digit = 1; digit <= 9; ++digit)
      if ((before.Candidates(cell) & ~after.Candidates(cell) & Bit(digit)) != 0) removed.emplace(cell, digit);
  return removed;
}

constexpr Technique kAll[] = {Technique::kNakedSingle,  Technique::kHiddenSingle, Technique::kLockedCandidates,
                              Technique::kNakedSubset,  Technique::kHiddenSubset, Technique::kXWing};

struct TechniqueCase {
  const char* name;
  Technique technique;
  std::vector<Removal> struck;    // the position: all candidates but these
  std::vector<Removal> expected;  // what the technique removes
  int placedCell = -1;            // a single also places its 5 here
};

const std::vector<int> kRow0Rest = Except(Row(0), {Cell(0, 0), Cell(0, 4), Cell(0, 8)});

const TechniqueCase kCases[] = {
    {"naked_single", Technique::kNakedSingle, Strike({Cell(4, 4)}, {1, 2, 3, 4, 6, 7, 8, 9}),
     Strike(Except(Cat<int>({Row(4), Column(4), Box(4)}), {Cell(4, 4)}), {5}),
     Cell(4, 4)},
    // 5 has one place left in row 0, and none elsewhere in its column or box.
    {"hidden_single", Technique::kHiddenSingle,
     Cat<Removal>({FivesBut(Row(0), {Cell(0, 4)}), FivesBut(Column(4), {Cell(0, 4)}), FivesBut(Box(1), {Cell(0, 4)})}),
     Strike({Cell(0, 4)}, {1, 2, 3, 4, 6, 7, 8, 9}), Cell(0, 4)},
    // In box 0, 5 keeps to row 0: the rest of row 0 loses it.
    {"locked_pointing", Technique::kLockedCandidates, FivesBut(Box(0), {Cell(0, 0), Cell(0, 1), Cell(0, 2)}),
     Strike(Except(Row(0), Box(0)), {5})},
    // In row 0, 5 keeps to box 0: the rest of box 0 loses it.
    {"locked_claiming", Technique::kLockedCandidates, FivesBut(Row(0), {Cell(0, 0), Cell(0, 1), Cell(0, 2)}),
     Strike(Except(Box(0), Row(0)), {5})},
    {"naked_pair", Technique::kNakedSubset, Strike({Cell(0, 0), Cell(0, 4)}, {3, 4, 5, 6, 7, 8, 9}),
     Strike(Except(Row(0), {Cell(0, 0), Cell(0, 4)}), {1, 2})},
    {"naked_triple", Technique::kNakedSubset,
     Cat<Removal>({Strike({Cell(0, 0)}, {3, 4, 5, 6, 7, 8, 9}), Strike({Cell(0, 4)}, {1, 4, 5, 6, 7, 8, 9}),
           Strike({Cell(0, 8)}, {2, 4, 5, 6, 7, 8, 9})}),
     Strike(kRow0Rest, {1, 2, 3})},
    {"hidden_pair", Technique::kHiddenSubset, Strike(Except(Row(0), {Cell(0, 0), Cell(0, 4)}), {1, 2}),
     Strike({Cell(0, 0), Cell(0, 4)}, {3, 4, 5, 6, 7, 8, 9})},
    // 1 at c0 or c4, 2 at c4 or c8, 3 at c0 or c8.
    {"hidden_triple", Technique::kHiddenSubset,
     Cat<Removal>({Strike(kRow0Rest, {1, 2, 3}), Strike({Cell(0, 8)}, {1}), Strike({Cell(0, 0)}, {2}),
           Strike({Cell(0, 4)}, {3})}),
     Strike({Cell(0, 0), Cell(0, 4), Cell(0, 8)}, {4, 5, 6, 7, 8, 9})},
    {"x_wing_rows", Technique::kXWing,
     Cat<Removal>({FivesBut(Row(1), {Cell(1, 2), Cell(1, 7)}), FivesBut(Row(4), {Cell(4, 2), Cell(4, 7)})}),
     Strike(Except(Cat<int>({Column(2), Column(7)}), {Cell(1, 2), Cell(1, 7), Cell(4, 2), Cell(4, 7)}), {5})},
    {"x_wing_columns", Technique::kXWing,
     Cat<Removal>({FivesBut(Column(1), {Cell(2, 1), Cell(7, 1)}), FivesBut(Column(4), {Cell(2, 4), Cell(7, 4)})}),
     Strike(Except(Cat<int>({Row(2), Row(7)}), {Cell(2, 1), Cell(7, 1), Cell(2, 4), Cell(7, 4)}), {5})},
};

class OneTechnique : public ::testing::TestWithParam<TechniqueCase> {};

TEST_P(OneTechnique, RemovesExactlyItsCandidatesWhereNoOtherProgresses) {
  const TechniqueCase& c = GetParam();
  const CandidateBoard start = CandidateBoard::FromCandidates(Position(c.struck));
  ASSERT_FALSE(start.Broken());
  for (const Technique other : kAll) {
    CandidateBoard board = start;
    const bool progress = board.Apply(other);
    const std::set<Removal> removed = Removed(start, board);
    if (other == c.technique) {
      EXPECT_TRUE(progress);
      EXPECT_EQ(removed, std::set<Removal>(c.expected.begin(), c.expected.end()));
      Digits placed{};
      if (c.placedCell >= 0) placed[static_cast<std::size_t>(c.placedCell)] = 5;
      EXPECT_EQ(board.Placed(), placed);
    } else {
      EXPECT_FALSE(progress || !removed.empty()) << "technique " << static_cast<int>(other);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Techniques, OneTechnique, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The shared solved board of shifted rows.
Digits FullBoard() {
  Digits board{};
  for (std::size_t i = 0; i < 81; ++i) board[i] = static_cast<uint8_t>(testing::kSolution[i] - '0');
  return board;
}

TEST(LogicSolver, GivensThatContradictThemselvesNeverSolve) {
  Digits clash = FullBoard();
  clash[Cell(0, 1)] = clash[Cell(0, 0)];  // a repeat in row 0
  Digits cornered{};  // no repeat, but 1..8 in row 0 and a 9 in its last box leave r0c8 nothing
  for (int c = 0; c < 8; ++c) cornered[static_cast<std::size_t>(Cell(0, c))] = static_cast<uint8_t>(c + 1);
  cornered[Cell(1, 8)] = 9;
  for (const Digits& givens : {clash, cornered}) {
    CandidateBoard board(givens);
    EXPECT_FALSE(board.Solve(TechniqueSet::kFull));
    EXPECT_TRUE(board.Broken());
  }
  EXPECT_TRUE(SolvesByLogic(FullBoard(), TechniqueSet::kSinglesOnly));
  EXPECT_FALSE(SolvesByLogic(Digits{}, TechniqueSet::kFull));  // nothing to go on, and no crash
  EXPECT_TRUE(CandidateBoard::FromCandidates(CandidateMasks{}).Broken());
}

}  // namespace
}  // namespace lumitile
