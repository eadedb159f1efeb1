// The solving aids below the windows: the candidates the fill writes, the
// highlight's cells and numbers, and which panels count as mistakes.
#include <gtest/gtest.h>

#include "core/game_play.h"
#include "core/highlight.h"
#include "core/move.h"
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

}  // namespace
}  // namespace lumitile
