// The solving aids below the windows: the candidates the fill writes, the
// highlight's cells and numbers, which panels count as mistakes, and the
// next step as the session tells it and as a player follows it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/game_play.h"
#include "core/game_session.h"
#include "core/highlight.h"
#include "core/move.h"
#include "core/next_step.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using testing::PuzzleWithOpenCells;

// Whether number may stand at (row, column), by looking along the row, the
// column and the block, apart from the game's peer table.
bool AllowedByLooking(const Board& board, int row, int column, int number) {
  for (int k = 0; k < 9; ++k) {
    const int blockRow = row / 3 * 3 + k / 3, blockColumn = column / 3 * 3 + k % 3;
    for (const Cell other : {Cell{row, k}, Cell{k, column}, Cell{blockRow, blockColumn}}) {
      if (other != Cell{row, column} && ViewOf(board, other).Number == number) return false;
    }
  }
  return true;
}

// Random givens and panels, clashes and hidden marks included: the fill
// marks each open cell without a panel with exactly what looking allows,
// keeps the hidden marks, and goes back whole; the clear takes every mark.
TEST(Candidates, FillAgreesWithLookingAndClearTakesEveryMark) {
  SeededRandom random(7);
  const auto draw = [&](int below) { return static_cast<int>(random.Next() * static_cast<float>(below)); };
  for (int round = 0; round < 200; ++round) {
    Board board = PuzzleWithOpenCells(81);
    for (int i = 0; i < 81; ++i) {
      const int kind = draw(4);
      if (kind == 0) board.Givens[i / 9][i % 9] = static_cast<int16_t>(1 + draw(9));
      if (kind == 1) board.Entries[i / 9][i % 9] = static_cast<int16_t>(1 + draw(9));
      if (kind != 0) board.Marks[i / 9][i % 9] = static_cast<uint16_t>(draw(512) << 1);
    }
    const Board before = board;
    const Move fill = FillCandidates(board);
    Apply(board, fill);
    for (int i = 0; i < 81; ++i) {
      const Cell cell{i / 9, i % 9};
      uint16_t expected = before.MarksAt(cell);
      if (ViewOf(before, cell).Kind == CellKind::Empty) {
        expected = 0;
        for (int n = 1; n <= 9; ++n) expected |= AllowedByLooking(before, i / 9, i % 9, n) ? MarkBit(n) : 0;
      }
      ASSERT_EQ(board.MarksAt(cell), expected) << "round " << round << " cell " << i;
    }
    Revert(board, fill);
    ASSERT_EQ(board.Marks, before.Marks);
    Apply(board, ClearAllMarks(board));
    ASSERT_EQ(board.Marks, MarkGrid{});
  }
}

// The shifted board's row 0 is 1..9 and its column 0 1,4,7,2,5,8,3,6,9.
TEST(Highlight, TheCursorsLinesTheNumbersInQuestionAndTheDoneOnes) {
  Board board = PuzzleWithOpenCells(9);  // row 0 open: each number stands eight times
  board.Entries[0][0] = 1;              // and 1 nine times
  const auto cells = [](std::initializer_list<int> list) {
    CellSet set;
    for (const int i : list) set.set(static_cast<std::size_t>(i));
    return set;
  };
  const Highlight atPanel = HighlightOn(board, {0, 0}, Pick::Panel(4));
  EXPECT_EQ(atPanel.Numbers, MarkBit(1) | MarkBit(5));
  EXPECT_EQ(atPanel.Done, MarkBit(1));
  EXPECT_EQ(atPanel.Tinted.count(), 21u);
  EXPECT_TRUE(atPanel.Tinted[0] && atPanel.Tinted[8] && atPanel.Tinted[72] && atPanel.Tinted[20] && !atPanel.Tinted[21]);
  EXPECT_EQ(atPanel.SameNumber.count(), 17u) << "nine 1s and eight 5s";
  const Highlight atOpen = HighlightOn(board, {0, 4}, Pick::Eraser());
  EXPECT_EQ(atOpen.Numbers, 0) << "an open cell and no panel picked";
  EXPECT_TRUE(atOpen.SameNumber.none());
  EXPECT_EQ(HighlightOn(board, {1, 0}, std::nullopt).SameNumber & cells({0, 9, 18, 27}), cells({9})) << "the 4s";
}

// Rows 0 and 1 of the shifted board swap into another solution, so with
// both rows open a panel is wrong only when it clashes or no solution holds
// it; with three cells open the one solution decides.
TEST(Mistakes, OneSolutionDecidesElseClashesAndPanelsNoSolutionHolds) {
  testing::FakeTicks ticks;
  GamePlay game(ticks);
  const auto mistakes = [&](int open, std::initializer_list<std::pair<int, int16_t>> panels) {
    Board board = PuzzleWithOpenCells(open);
    for (const auto& [cell, number] : panels) board.Entries[cell / 9][cell % 9] = number;
    game.Begin(board, 0);
    std::string marked;
    for (int i = 0; i < 81; ++i) marked += game.Mistakes()[static_cast<std::size_t>(i)] ? std::to_string(i) + " " : "";
    return marked;
  };
  EXPECT_EQ(mistakes(3, {{0, 1}, {1, 3}, {2, 3}}), "1 ");
  EXPECT_EQ(mistakes(18, {{0, 5}, {1, 2}}), "0 ") << "column 0 lacks only 1 and 4";
  EXPECT_EQ(mistakes(18, {{0, 4}, {1, 2}}), "") << "each is right in one of the solutions";
  EXPECT_EQ(mistakes(18, {{0, 4}, {1, 4}, {9, 1}}), "0 1 ") << "two 4s clash; the 1 below is right";
}

// The shifted board's first three cells open hold 1, 2, 3: a naked single
// at once. An open board gives the techniques nothing, unless the player's
// marks hold the answer.
TEST(NextStep, AWrongPanelFirstMarksWhereTheyHoldTheAnswerAndAnHonestEnd) {
  SeededRandom random(1);
  testing::FakeTicks ticks;
  testing::MemoryProfile settings;
  GameSession game(random, ticks, settings);
  game.Execute(cmd::Start{});
  const auto ask = [&](int open, std::initializer_list<std::tuple<int, int16_t, uint16_t>> cells) {
    Board board = PuzzleWithOpenCells(open);
    for (const auto& [cell, number, marks] : cells) {
      board.Entries[cell / 9][cell % 9] = number;
      board.Marks[cell / 9][cell % 9] = marks;
    }
    game.Execute(cmd::NewGameOn{board});
    const int32_t before = game.ElapsedSeconds();
    const Outcome outcome = game.Execute(cmd::NextStep{});
    EXPECT_EQ(game.ElapsedSeconds() - before, 30) << "charged as a hint";
    EXPECT_TRUE(outcome.Clock && outcome.Cells && game.ShownStep());
    return outcome.Step.value_or(NextStepHelp{});
  };
  using Kind = NextStepHelp::Kind;
  const NextStepHelp wrong = ask(3, {{2, 1, 0}});
  EXPECT_EQ(wrong.What, Kind::WrongPanel);
  EXPECT_EQ(wrong.Wrong, (Cell{0, 2})) << "named before the single beside it";
  const NextStepHelp single = ask(3, {{0, 0, MarkBit(5)}});
  EXPECT_EQ(std::tuple(single.What, single.Found.cell, single.Found.digit), std::tuple(Kind::Deduction, 0, 1))
      << "marks without the answer are passed over";
  EXPECT_EQ(ask(81, {}).What, Kind::OutOfTechniques);
  EXPECT_EQ(ask(18, {{0, 4, 0}, {6, 7, 0}}).What, Kind::PanelsDisagree) << "each right in one of two solutions";
  const NextStepHelp marked = ask(81, {{0, 0, MarkBit(5)}, {1, 0, MarkBit(2)}});
  EXPECT_EQ(std::tuple(marked.What, marked.Found.cell, marked.Found.digit), std::tuple(Kind::Deduction, 1, 2))
      << "the mark that holds the answer counts, the one that struck it does not";

  // No limit on uses; a move ends what is shown, and its undo does not bring it back.
  for (int use = 0; use < 40; ++use) game.Execute(cmd::NextStep{});
  EXPECT_EQ(game.ElapsedSeconds(), 999);
  game.Execute(cmd::ToggleMark{{0, 0}, 3});
  EXPECT_FALSE(game.ShownStep());
  game.Execute(cmd::Undo{});
  EXPECT_FALSE(game.ShownStep());
}

// Dealt 達人 puzzles followed step by step as a player would, from every
// candidate filled in: a single put as a panel, an elimination struck from
// the marks. Each step is true to the solution and the simplest there is,
// and the steps reach the solution. LUMITILE_STEP_WALK sets how many deals.
TEST(NextStep, FollowedFromTheCandidatesItSolvesMasterDealsSimplestFirst) {
  const char* count = std::getenv("LUMITILE_STEP_WALK");
#if defined(__SANITIZE_ADDRESS__)
  const int deals = count ? std::atoi(count) : 20;
#else
  const int deals = count ? std::atoi(count) : 500;
#endif
  int steps = 0;
  for (int seed = 1; seed <= deals; ++seed) {
    SeededRandom random(static_cast<uint64_t>(seed));
    const auto puzzle = DealUniquePuzzle(kMasterLevel, random);
    ASSERT_TRUE(puzzle);
    Board board;
    for (std::size_t i = 0; i < 81; ++i) {
      board.Solution[i / 9][i % 9] = puzzle->solution[i];
      board.Givens[i / 9][i % 9] = puzzle->givens[i];
    }
    Apply(board, FillCandidates(board));
    while (!IsSolved(board)) {
      const NextStepHelp help = NextStepOn(board, {}, true);
      ASSERT_EQ(help.What, NextStepHelp::Kind::Deduction) << "seed " << seed << " step " << steps;
      const Step& step = help.Found;
      for (int t = 0; t < static_cast<int>(step.technique); ++t)
        ASSERT_FALSE(FindStep(PlayerPosition(board), static_cast<Technique>(t))) << "seed " << seed << " " << t;
      if (step.Places()) {
        const Cell cell{step.cell / 9, step.cell % 9};
        ASSERT_EQ(step.digit, board.SolutionAt(cell)) << "seed " << seed;
        Apply(board, PutNumber(board, cell, static_cast<int16_t>(step.digit)));
      } else {
        for (int i = 0; i < 81; ++i) {
          const auto struck = static_cast<uint16_t>(step.eliminations[static_cast<std::size_t>(i)] << 1);
          ASSERT_FALSE(struck & MarkBit(board.Solution[i / 9][i % 9])) << "seed " << seed;
          board.Marks[i / 9][i % 9] &= static_cast<uint16_t>(~struck);
        }
      }
      ++steps;
    }
  }
  std::printf("%d deals, %d steps\n", deals, steps);
}

}  // namespace
}  // namespace lumitile
