// Clicks on the board: which cell a pixel hits, and what each picked item
// does to an open cell, a given cell or a point off the board.
#include <gtest/gtest.h>

#include "core/board_click.h"
#include "core/board_geometry.h"
#include "core_fakes.h"

namespace lumitile {
namespace {

TEST(BoardGeometry, EdgesOfCellsAndBoard) {
  struct Case { int pixel; std::optional<int> index; };
  const Case cases[] = {{0, 0}, {31, 0}, {32, 1}, {287, 8}, {288, std::nullopt}, {-1, std::nullopt}};
  for (const auto& c : cases) {
    const auto onX = CellAtPixel(c.pixel, 100);
    const auto onY = CellAtPixel(100, c.pixel);
    ASSERT_EQ(onX.has_value(), c.index.has_value()) << "x = " << c.pixel;
    ASSERT_EQ(onY.has_value(), c.index.has_value()) << "y = " << c.pixel;
    if (c.index) {
      EXPECT_EQ(onX->column, *c.index) << "x = " << c.pixel;
      EXPECT_EQ(onX->row, 3);
      EXPECT_EQ(onY->row, *c.index) << "y = " << c.pixel;
      EXPECT_EQ(onY->column, 3);
    }
  }
}

class BoardClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) {
        state.SolutionGrid[r][c] = static_cast<int16_t>((r * 3 + r / 3 + c) % 9 + 1);
        state.GivenGrid[r][c] = state.SolutionGrid[r][c];
      }
    state.GivenGrid[0][0] = 0;  // open cells: (0,0) and (8,8)
    state.GivenGrid[8][8] = 0;
    clock.Start();
  }
  int16_t Click(int row, int column) { return BoardClick(state, tokens, clock, 32 * column + 16, 32 * row + 16); }

  GameState state;
  HintTokens tokens;
  testing::FakeTicks ticks;
  GameClock clock{ticks};
};

TEST_F(BoardClickTest, NothingPickedMeansNothingHappens) {
  EXPECT_EQ(Click(0, 0), 0);
  EXPECT_EQ(state.EntryGrid[0][0], 0);
}

TEST_F(BoardClickTest, PanelsReplaceEachOtherAndTheEraserEmpties) {
  ASSERT_TRUE(PickPanel(state, 4));
  EXPECT_EQ(Click(0, 0), 1);
  EXPECT_EQ(state.EntryGrid[0][0], 5);
  ASSERT_TRUE(PickPanel(state, 6));
  EXPECT_EQ(Click(0, 0), 1);
  EXPECT_EQ(state.EntryGrid[0][0], 7);
  EXPECT_EQ(Click(0, 0), 1) << "the same panel again still asks for the check";
  PickEraser(state);
  EXPECT_EQ(Click(0, 0), 0);
  EXPECT_EQ(state.EntryGrid[0][0], 0);
  EXPECT_EQ(Click(0, 0), 0) << "erasing an empty cell is harmless";
  EXPECT_EQ(state.SelectedPanel, kEraserCode) << "the eraser stays picked";
}

TEST_F(BoardClickTest, GivenCellsAndPointsOffTheBoardIgnoreEveryTool) {
  const auto before = state;
  auto tryEverywhere = [&] {
    EXPECT_EQ(Click(0, 1), 0);
    EXPECT_EQ(BoardClick(state, tokens, clock, 288, 0), 0);
    EXPECT_EQ(BoardClick(state, tokens, clock, 0, 288), 0);
    EXPECT_EQ(BoardClick(state, tokens, clock, 400, 400), 0);
  };
  PickPanel(state, 0);
  tryEverywhere();
  PickEraser(state);
  tryEverywhere();
  PickHint(state, tokens, 1);
  tryEverywhere();
  EXPECT_EQ(state.EntryGrid, before.EntryGrid);
  EXPECT_EQ(tokens.Visible, (std::array<bool, 3>{true, true, true})) << "a missed hint is not spent";
  EXPECT_EQ(clock.ClockStartTick(), ticks.now) << "and costs no time";
}

TEST_F(BoardClickTest, AHintRevealsChargesAndIsPutDown) {
  ASSERT_TRUE(PickHint(state, tokens, 1));
  EXPECT_EQ(PointerFor(state), (PointerView{PointerKind::Hint, 1}));
  const int64_t start = clock.ClockStartTick();
  EXPECT_EQ(Click(8, 8), 1);
  EXPECT_EQ(state.EntryGrid[8][8], state.SolutionGrid[8][8]);
  EXPECT_EQ(clock.ClockStartTick(), start - 30000);
  EXPECT_EQ(tokens.Visible, (std::array<bool, 3>{true, false, true}));
  EXPECT_FALSE(state.SelectedPanel.has_value());
  EXPECT_EQ(PointerFor(state), PointerView{});

  EXPECT_EQ(Click(0, 0), 0) << "one token gives one reveal";
  EXPECT_EQ(state.EntryGrid[0][0], 0);
  EXPECT_FALSE(PickHint(state, tokens, 1)) << "a spent token cannot be picked";
}

TEST_F(BoardClickTest, AHintOnTheRightNumberStillCosts) {
  PickPanel(state, static_cast<int16_t>(state.SolutionGrid[0][0] - 1));
  Click(0, 0);
  PickHint(state, tokens, 0);
  EXPECT_EQ(Click(0, 0), 1);
  EXPECT_EQ(clock.ClockStartTick(), ticks.now - 30000);
  EXPECT_FALSE(tokens.Visible[0]);
}

TEST_F(BoardClickTest, ClearingEmptiesOpenCellsOnly) {
  PickPanel(state, 0);
  Click(0, 0);
  Click(8, 8);
  const Grid givens = state.GivenGrid;
  ClearPlacedPanels(state);
  EXPECT_EQ(state.EntryGrid[0][0], 0);
  EXPECT_EQ(state.EntryGrid[8][8], 0);
  EXPECT_EQ(state.GivenGrid, givens);
  EXPECT_EQ(state.SelectedPanel, 0) << "the pick survives clearing";
}

}  // namespace
}  // namespace lumitile
