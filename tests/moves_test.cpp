// A click with the picked item becomes a move; moves apply, revert and stand
// in the history for undo and redo.
#include <gtest/gtest.h>

#include "core/board_click.h"
#include "core/history.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using testing::PuzzleWithOpenCells;

// Cells 0 and 1 are open (solution 1 and 2); cell 2 is given. Clearing
// takes only the player's panels (the session's test takes every kind of
// move back and forth).
TEST(BoardClick, EachPickOnEachKindOfCellAndClearingAll) {
  Board board = PuzzleWithOpenCells(2);
  board.Entries[0][1] = 5;
  board.Entries[0][2] = 1;  // under the given: no entry of the player's
  EXPECT_EQ(ClearEntries(board).Changes, (std::vector<CellChange>{{{0, 1}, 5, 0}}));
  // What a click becomes: the changes, whether a number was put, the hint token spent.
  using Action = std::tuple<std::vector<CellChange>, bool, std::optional<int>>;
  const std::tuple<std::optional<Pick>, Cell, std::optional<Action>> cases[] = {  // nothing: the click means nothing
      {std::nullopt, {0, 0}, std::nullopt}, {Pick::Panel(3), {0, 2}, std::nullopt},
      {Pick::Panel(3), {0, 9}, std::nullopt}, {Pick::Panel(3), {0, 0}, Action{{{{0, 0}, 0, 4}}, true, {}}},
      {Pick::Panel(8), {0, 1}, Action{{{{0, 1}, 5, 9}}, true, {}}},
      {Pick::Panel(4), {0, 1}, Action{std::vector<CellChange>{}, true, {}}},
      {Pick::Eraser(), {0, 1}, Action{{{{0, 1}, 5, 0}}, false, {}}},
      {Pick::Eraser(), {0, 0}, Action{std::vector<CellChange>{}, false, {}}}, {Pick::Eraser(), {0, 2}, std::nullopt},
      {Pick::Hint(2), {0, 1}, Action{{{{0, 1}, 5, 2}}, true, 2}}, {Pick::Hint(0), {0, 2}, std::nullopt},
  };
  for (const auto& [pick, cell, expected] : cases) {
    const auto action = BoardClick(board, pick, cell);
    EXPECT_EQ(action ? std::optional(Action{action->Change.Changes, action->PutNumber, action->Hint}) : std::nullopt,
              expected) << cell.Row << "," << cell.Column;
  }
}

TEST(History, UndoRedoAndANewMoveDropsTheRedo) {
  Board board = PuzzleWithOpenCells(3);
  History history;
  const auto play = [&](Move move) { Apply(board, move); history.Record(std::move(move)); };
  play(SetEntry(board, {0, 0}, 5));
  play(SetEntry(board, {0, 0}, 5));  // no change, not kept
  play(SetEntry(board, {0, 1}, 6));
  const auto undo = [&] { Revert(board, *history.Undo()); return board.Entries[0][0] * 10 + board.Entries[0][1]; };
  EXPECT_EQ(undo(), 50);
  EXPECT_EQ(undo(), 0);
  EXPECT_EQ(history.Undo(), nullptr);
  Apply(board, *history.Redo());
  play(SetEntry(board, {0, 1}, 9));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(undo(), 50);
  EXPECT_EQ(undo(), 0) << "the move undone before the new one is gone";
}

// Open cells everywhere; 5 is marked in peers of (0, 0) and elsewhere.
TEST(Marks, PlacingStrikesTheNumberFromRowColumnAndBlockOnly) {
  Board board = PuzzleWithOpenCells(81);
  for (const Cell cell : {Cell{0, 0}, Cell{0, 8}, Cell{8, 0}, Cell{2, 2}, Cell{3, 3}})
    Apply(board, ToggleMark(board, cell, 5));
  for (const Cell cell : {Cell{0, 8}, Cell{3, 3}}) Apply(board, ToggleMark(board, cell, 4));
  Apply(board, PutNumber(board, {0, 0}, 5));  // taken back exactly in the session's every-kind-of-move test
  const std::pair<Cell, uint16_t> after[] = {
      {{0, 0}, MarkBit(5)}, {{0, 8}, MarkBit(4)}, {{8, 0}, 0}, {{2, 2}, 0}, {{3, 3}, MarkBit(4) | MarkBit(5)}};
  for (const auto& [cell, marks] : after) EXPECT_EQ(board.MarksAt(cell), marks) << cell.Row << "," << cell.Column;

  board.Entries[1][1] = 7;
  for (const Move& none : {ToggleMark(board, {1, 1}, 3), ToggleMark(board, {0, 1}, 0), ToggleMark(board, {0, 1}, 10),
                           ToggleMark(PuzzleWithOpenCells(0), {0, 0}, 1), ClearMarks(board, {0, 1})})
    EXPECT_TRUE(none.Empty()) << "filled, out of range, given, nothing to clear";
  EXPECT_EQ(ClearMarks(board, {3, 3}).Marks, (std::vector<MarkChange>{{{3, 3}, uint16_t(MarkBit(4) | MarkBit(5)), 0}}));
}

// Row 0 of the shifted board is 1..9; cells 0 to 2 are open.
TEST(BoardCheck, ARepeatMarksBothCellsAndOnlyAValidFillingSolves) {
  Board board = PuzzleWithOpenCells(3);
  board.Entries[0][0] = 4;  // a given 4 in its row and another in its block
  board.Entries[0][1] = 2;
  EXPECT_FALSE(IsFull(board));
  EXPECT_EQ(Clashes(board), CellSet().set(0).set(3).set(9));
  board.Entries[0][2] = 3;
  EXPECT_TRUE(IsFull(board));
  EXPECT_FALSE(IsSolved(board)) << "a repeat";
  board.Entries[0][0] = 1;
  EXPECT_TRUE(Clashes(board).none());
  EXPECT_TRUE(IsSolved(board));
  board.Entries[0][0] = 0;
  EXPECT_FALSE(IsSolved(board)) << "a gap";
  // Each row the last shifted by one: rows and columns whole, blocks not.
  for (int i = 0; i < 81; ++i) board.Givens[i / 9][i % 9] = static_cast<int16_t>((i / 9 + i % 9) % 9 + 1);
  EXPECT_FALSE(IsSolved(board)) << "blocks repeat";
  // Rows 0 and 1 swapped: not the stored solution, but valid.
  board = PuzzleWithOpenCells(18);
  for (int c = 0; c < 9; ++c) {
    board.Entries[0][c] = board.Solution[1][c];
    board.Entries[1][c] = board.Solution[0][c];
  }
  EXPECT_TRUE(IsSolved(board));
}

}  // namespace
}  // namespace lumitile
