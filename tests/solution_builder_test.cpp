// The solution builder: every build is a complete board, and scripted draws
// walk MakeSolution and CheckCell through each of their branches.
#include "puzzle/solution_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "scripted_random.h"

namespace lumitile {
namespace {

using test::Board;
using test::kShiftedBoard;
using test::RunUntilScriptEnds;
using test::ScriptedRandom;

GameState FreshState() {
  GameState state;
  InitGame(state);
  return state;
}

// A board whose rows come from `rows`; cells it leaves out stay 0.
Grid GridOfRows(std::initializer_list<std::initializer_list<int>> rows) {
  Grid grid{};
  int r = 0;
  for (const auto& row : rows) {
    int c = 0;
    for (int v : row) grid[r][c++] = static_cast<int16_t>(v);
    ++r;
  }
  return grid;
}

TEST(DrawOneTo, ScriptedValuesGiveTheirNumberAndTheEdgesStayInRange) {
  for (int16_t n = 1; n <= 9; ++n) {
    for (int d = 1; d <= n; ++d) {
      ScriptedRandom random;
      random.Value(test::DrawFor(d, n));
      EXPECT_EQ(DrawOneTo(random, n), d) << "n=" << n;
    }
    ScriptedRandom edges;
    edges.Value(0.0f).Value(std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(DrawOneTo(edges, n), 1);
    EXPECT_EQ(DrawOneTo(edges, n), n) << "the largest draw below 1 must not reach n + 1";
  }
  // Odds of 0 (no level applied yet) make every draw a 1.
  ScriptedRandom zero;
  zero.Value(0.0f).Value(0.99f);
  EXPECT_EQ(DrawOneTo(zero, 0), 1);
  EXPECT_EQ(DrawOneTo(zero, 0), 1);
}

TEST(MakeSolution, ThousandsOfSeededBuildsAreCompleteBoardsAndLeaveTheOutsideAlone) {
  GameState state = FreshState();
  std::set<Board> distinct;
  constexpr int kBuilds = 5000;
  for (int seed = 1; seed <= kBuilds; ++seed) {
    // One state across all builds, so each build starts over the leftovers of the last.
    SeededRandom seeded(static_cast<uint64_t>(seed));
    test::BoundedRandom random(seeded);
    MakeSolution(state, random);
    const std::string fault = test::BoardFault(test::BoardOf(state.SolutionGrid));
    ASSERT_EQ(fault, "") << "seed " << seed;
    ASSERT_EQ(state.ClashCount, 0) << "seed " << seed;
    for (int i = 0; i <= 10; ++i) {
      const int16_t outside = i <= 9 ? 1 : 0;
      ASSERT_EQ(state.SolutionGrid[9][i], outside) << "seed " << seed << " (9," << i << ")";
      ASSERT_EQ(state.SolutionGrid[i][9], outside) << "seed " << seed << " (" << i << ",9)";
      ASSERT_EQ(state.SolutionGrid[10][i], 0) << "seed " << seed;
      ASSERT_EQ(state.SolutionGrid[i][10], 0) << "seed " << seed;
    }
    distinct.insert(test::BoardOf(state.SolutionGrid));
  }
  EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kBuilds)) << "seeds should deal different boards";
}

TEST(MakeSolution, DrawsThatFitAtOnceBuildTheBoardIn81Draws) {
  GameState state = FreshState();
  ScriptedRandom random;
  random.BoardRows(kShiftedBoard, 0, 8);
  MakeSolution(state, random);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  EXPECT_EQ(random.Left(), 0u);
}

// Thirty repeats in row 0 would be far past the clash limit if they counted.
TEST(MakeSolution, RepeatsInTheFirstRowAreDrawnAgainWithoutCounting) {
  GameState state = FreshState();
  ScriptedRandom halted;
  halted.Digit(1).Repeat(1, 30).StopAtEnd();
  ASSERT_TRUE(RunUntilScriptEnds([&] { MakeSolution(state, halted); }));
  EXPECT_EQ(state.ClashCount, 0);
  EXPECT_EQ(state.SolutionGrid[0][1], 1) << "a draw is stored in its cell at once";

  state = FreshState();
  ScriptedRandom random;
  random.Digit(1).Repeat(1, 30).BoardRow(kShiftedBoard, 0, 1, 8).BoardRows(kShiftedBoard, 1, 8);
  MakeSolution(state, random);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  EXPECT_EQ(random.Left(), 0u);
}

// At (1,1) a 2 clashes with the 2 above it; a 4 repeats the row's first cell.
TEST(MakeSolution, RepeatsBelowTheFirstRowNeitherCountNorResetTheClashes) {
  GameState state = FreshState();
  ScriptedRandom halted;
  halted.BoardRow(kShiftedBoard, 0).Digit(4).Repeat(2, 3).Repeat(4, 25).StopAtEnd();
  ASSERT_TRUE(RunUntilScriptEnds([&] { MakeSolution(state, halted); }));
  EXPECT_EQ(state.ClashCount, 3);

  // 20 clashes with 25 repeats among them: still no board restart.
  state = FreshState();
  ScriptedRandom random;
  random.BoardRow(kShiftedBoard, 0).Digit(4).Repeat(2, 10).Repeat(4, 25).Repeat(2, 10);
  random.BoardRow(kShiftedBoard, 1, 1, 8).BoardRows(kShiftedBoard, 2, 8);
  MakeSolution(state, random);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  EXPECT_EQ(random.Left(), 0u);
}

// Row 1 as 4 5 6 7 8 1 2 3 fits up to column 7 and leaves only 9, which
// stands above it in column 8.
TEST(MakeSolution, AClashInTheLastColumnClearsTheRowAndBuildsItAgain) {
  GameState state = FreshState();
  ScriptedRandom halted;
  halted.BoardRow(kShiftedBoard, 0).Digits({4, 5, 6, 7, 8, 1, 2, 3, 9}).StopAtEnd();
  ASSERT_TRUE(RunUntilScriptEnds([&] { MakeSolution(state, halted); }));
  for (int c = 0; c < 9; ++c) {
    EXPECT_EQ(state.SolutionGrid[0][c], kShiftedBoard[0][c]) << "row 0 stays, column " << c;
    EXPECT_EQ(state.SolutionGrid[1][c], 0) << "row 1 is cleared, column " << c;
    EXPECT_EQ(state.SolutionGrid[2][c], 1) << "row 2 is not touched, column " << c;
  }
  EXPECT_EQ(state.ClashCount, 0);

  // The next draw lands in column 0 of the same row with an empty row string.
  state = FreshState();
  ScriptedRandom random;
  random.BoardRow(kShiftedBoard, 0).Digits({4, 5, 6, 7, 8, 1, 2, 3, 9}).BoardRows(kShiftedBoard, 1, 8);
  MakeSolution(state, random);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  EXPECT_EQ(random.Left(), 0u);
}

// Row 1 as 4 5 6 7 1 2 3 leaves 8 and 9 for column 7: 8 clashes with the 8
// above and 9 is still possible there (1); 9 clashes in the block and 8
// stands above (-1). Two clashes were counted when the row restarts, and 20
// more at (1,0) must not reach the limit.
TEST(MakeSolution, ARowRestartStartsTheClashCountAgain) {
  GameState state = FreshState();
  ScriptedRandom random;
  random.BoardRow(kShiftedBoard, 0).Digits({4, 5, 6, 7, 1, 2, 3, 8, 9});
  random.Repeat(1, 20).BoardRows(kShiftedBoard, 1, 8);
  MakeSolution(state, random);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  EXPECT_EQ(random.Left(), 0u);
}

// At (3,1) a 5 clashes with the 5 above it, and other numbers still could fit.
TEST(MakeSolution, TwentyClashesAtOneCellStillDrawThatCellAgain) {
  GameState state = FreshState();
  ScriptedRandom random;
  random.BoardRows(kShiftedBoard, 0, 2).Digit(2).Repeat(5, 20).BoardRow(kShiftedBoard, 3, 1, 8);
  random.BoardRows(kShiftedBoard, 4, 8);
  MakeSolution(state, random);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  EXPECT_EQ(random.Left(), 0u);
}

TEST(MakeSolution, TheTwentyFirstClashRestartsAtTheTopLeftWithoutClearingTheBoard) {
  GameState state = FreshState();
  ScriptedRandom atRestart;
  atRestart.BoardRows(kShiftedBoard, 0, 2).Digit(2).Repeat(5, 21).StopAtEnd();
  ASSERT_TRUE(RunUntilScriptEnds([&] { MakeSolution(state, atRestart); }));
  EXPECT_EQ(state.ClashCount, 0);

  // Three more draws: a 2 (in the abandoned row string, so a stale string
  // would refuse it), then 9 and 8, go to row 0; everything else stays.
  state = FreshState();
  ScriptedRandom after;
  after.BoardRows(kShiftedBoard, 0, 2).Digit(2).Repeat(5, 21).Digits({2, 9, 8}).StopAtEnd();
  ASSERT_TRUE(RunUntilScriptEnds([&] { MakeSolution(state, after); }));
  Board expected = kShiftedBoard;
  expected[0][0] = 2;
  expected[0][1] = 9;
  expected[0][2] = 8;
  expected[3] = {2, 5, 1, 1, 1, 1, 1, 1, 1};  // row 3 keeps its cells, the last draw included
  for (int r = 4; r < 9; ++r) expected[r].fill(1);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), expected);
}

// Row 1 as 4 5 6 8 1 2 3 leaves 7 and 9 for column 7; the block holds both,
// the column neither, so the dead-end scan never fires and only the clash
// limit gets the build out.
TEST(MakeSolution, ARowBlockedOnlyByItsBlockEndsInABoardRestart) {
  GameState state = FreshState();
  ScriptedRandom random;
  random.BoardRow(kShiftedBoard, 0).Digits({4, 5, 6, 8, 1, 2, 3});
  for (int i = 0; i < 21; ++i) random.Digit(i % 2 == 0 ? 7 : 9);
  random.BoardRows(kShiftedBoard, 0, 8);
  MakeSolution(state, random);
  EXPECT_EQ(test::BoardOf(state.SolutionGrid), kShiftedBoard);
  EXPECT_EQ(random.Left(), 0u);
}

// Over every cell below row 0 and every other board cell holding the same
// number: a clash exactly when the other cell is higher up in the same
// column, or in an earlier row of the same block. For (5,4) that block part
// is (4,3), (4,5), (3,3), (3,5); for (3,7) it is nothing.
TEST(CheckCell, ComparesTheColumnAboveAndTheEarlierRowsOfTheBlockOnly) {
  GameState state;
  for (int16_t row = 1; row < 9; ++row) {
    for (int16_t column = 0; column < 9; ++column) {
      for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
          if (r == row && c == column) continue;
          state.SolutionGrid = Grid{};
          state.SolutionGrid[row][column] = 5;
          state.SolutionGrid[r][c] = 5;
          state.ClashCount = 0;
          const bool sameBlock = r / 3 == row / 3 && c / 3 == column / 3;
          const bool expectClash = r < row && (c == column || sameBlock);
          const int16_t result = CheckCell(state, row, column);
          ASSERT_EQ(result != kCellFits, expectClash)
              << "cell (" << row << "," << column << ") against (" << r << "," << c << ")";
          ASSERT_EQ(state.ClashCount, expectClash ? 1 : 0);
        }
      }
    }
  }
}

TEST(CheckCell, ADeadEndNeedsAClashAndEveryOtherMissingNumberAboveInTheColumn) {
  GameState state;
  state.SolutionGrid = GridOfRows({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 5, 6, 7, 1, 2, 3, 8}});
  EXPECT_EQ(CheckCell(state, 1, 7), kCellClash) << "8 is above; 9 could still come";
  state.SolutionGrid[1][7] = 9;
  EXPECT_EQ(CheckCell(state, 1, 7), kRowDeadEnd) << "9 is in the block; 8 is above";
  EXPECT_EQ(state.ClashCount, 2);

  // 3 fits at (1,7) although the 8 that column 8 then needs clashes in the block.
  state.SolutionGrid = GridOfRows({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 5, 6, 7, 9, 1, 2, 3}});
  state.ClashCount = 0;
  EXPECT_EQ(CheckCell(state, 1, 7), kCellFits);
  EXPECT_EQ(state.ClashCount, 0);

  // Only the block rules out 7 and 9 at (1,7): no dead end.
  state.SolutionGrid = GridOfRows({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 5, 6, 8, 1, 2, 3, 7}});
  EXPECT_EQ(CheckCell(state, 1, 7), kCellClash);
  state.SolutionGrid[1][7] = 9;
  EXPECT_EQ(CheckCell(state, 1, 7), kCellClash);

  // Several numbers missing: at (7,6) the row lacks 4, 5 and 9, and column 6
  // above holds all three; with 6 7 8 9 1 2 it lacks 3, 4 and 5, and 3 is not above.
  Grid grid{};
  test::PutBoard(grid, kShiftedBoard);
  state.SolutionGrid = grid;
  for (int c = 0; c < 9; ++c) state.SolutionGrid[7][c] = 0;
  const int deadRow[] = {6, 7, 8, 3, 1, 2, 4};
  for (int c = 0; c < 7; ++c) state.SolutionGrid[7][c] = static_cast<int16_t>(deadRow[c]);
  EXPECT_EQ(CheckCell(state, 7, 6), kRowDeadEnd);
  state.SolutionGrid[7][3] = 9;
  EXPECT_EQ(CheckCell(state, 7, 6), kCellClash);
}

TEST(CheckCell, TheTwentyFirstClashGivesUpTheBoardBeforeAnyDeadEnd) {
  GameState state;
  // (1,8) holding 9 under the 9 of row 0: a dead end on any count below the limit.
  state.SolutionGrid = GridOfRows({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 5, 6, 7, 8, 1, 2, 3, 9}});
  state.ClashCount = 19;
  EXPECT_EQ(CheckCell(state, 1, 8), kRowDeadEnd);
  EXPECT_EQ(state.ClashCount, 20);
  EXPECT_EQ(CheckCell(state, 1, 8), kBoardGiveUp);
  EXPECT_EQ(state.ClashCount, 21);

  // A number that fits leaves even a count of 20 alone.
  state.SolutionGrid = GridOfRows({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 5, 6, 7, 8, 9, 1, 2, 3}});
  state.ClashCount = 20;
  EXPECT_EQ(CheckCell(state, 1, 8), kCellFits);
  EXPECT_EQ(state.ClashCount, 20);
}

}  // namespace
}  // namespace lumitile
