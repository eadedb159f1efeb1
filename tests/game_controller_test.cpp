// Whole games driven through the controller: a seeded deal, picks and clicks,
// hints and their cost, the solve, the record check, levels and clearing.
#include <gtest/gtest.h>

#include <algorithm>

#include "core_fakes.h"
#include "core/game_controller.h"
#include "core/solved_check.h"
#include "core/puzzle/solution_builder.h"

namespace lumitile {
namespace {

using testing::FakeTicks;
using testing::MemoryProfile;
using testing::RecordingEvents;
using Digits = std::array<int, 3>;

class GameControllerTest : public ::testing::Test {
 protected:
  void StartUp() {
    game.LoadSettings();
    game.NewGame();
  }
  // Clicks the middle of cell (row, column).
  int16_t ClickCell(int row, int column) { return game.ClickBoard(32 * column + 16, 32 * row + 16); }
  std::vector<std::pair<int, int>> OpenCells() const {
    std::vector<std::pair<int, int>> cells;
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c)
        if (game.State().GivenGrid[r][c] == 0) cells.emplace_back(r, c);
    return cells;
  }
  void Place(int row, int column, int number) {
    game.PickPanel(static_cast<int16_t>(number - 1));
    ClickCell(row, column);
  }
  int Solution(int row, int column) const { return game.State().SolutionGrid[row][column]; }

  SeededRandom random{20261206};
  FakeTicks ticks;
  MemoryProfile settings;
  RecordingEvents events;
  GameController game{random, ticks, settings, events};
};

TEST_F(GameControllerTest, StartUpWritesTheDefaultsAndDealsABeginnerGame) {
  EXPECT_FALSE(game.Dealt());
  StartUp();
  EXPECT_TRUE(game.Dealt());
  EXPECT_EQ(game.LevelChecks(), (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(game.State().OpenOdds, 7);
  EXPECT_EQ(game.State().OpenQuota, 10);
  EXPECT_LE(OpenCells().size(), 10u);
  EXPECT_EQ(settings.Get("ハイスコア", "初級"), "999");
  EXPECT_EQ(settings.Get("ハイスコア", "上級名前"), "名前なし                ");
  EXPECT_EQ(settings.Get("レベル", "値"), "0");
  EXPECT_EQ(game.ClockDigits(), (Digits{0, 0, 0}));
  EXPECT_TRUE(game.ClockRunning());
}

TEST_F(GameControllerTest, StoredLevelsAreAppliedAndNonsenseMeansBeginner) {
  struct Case { const char* stored; int16_t level; int16_t odds; };
  for (const Case c : {Case{"1", 1, 4}, Case{"2", 2, 2}, Case{"7", 0, 7}, Case{"-1", 0, 7}, Case{"abc", 0, 7}}) {
    MemoryProfile file;
    file.values[{"レベル", "値"}] = c.stored;
    GameController other(random, ticks, file, events);
    other.LoadSettings();
    EXPECT_EQ(other.State().CurrentLevel, c.level) << c.stored;
    EXPECT_EQ(other.State().OpenOdds, c.odds) << c.stored;
    EXPECT_EQ(other.LevelChecks()[static_cast<std::size_t>(c.level)], true) << c.stored;
    EXPECT_EQ(file.Get("レベル", "値"), std::to_string(c.level)) << "written back corrected";
  }
}

TEST_F(GameControllerTest, AGamePlayedToTheSolveWithTheTimeAtEveryStep) {
  StartUp();
  const auto open = OpenCells();
  ASSERT_GE(open.size(), 3u);

  ticks.AdvanceSeconds(10);
  EXPECT_EQ(game.ClockDigits(), (Digits{0, 1, 0}));
  ASSERT_TRUE(game.PickHint(0));
  EXPECT_EQ(ClickCell(open[0].first, open[0].second), 1);
  EXPECT_EQ(game.ClockDigits(), (Digits{0, 4, 0})) << "10 s and a hint";
  ASSERT_TRUE(game.PickHint(2));
  ClickCell(open[1].first, open[1].second);
  EXPECT_EQ(game.ClockDigits(), (Digits{0, 7, 0})) << "a second hint";
  EXPECT_FALSE(game.HintVisible(0));
  EXPECT_TRUE(game.HintVisible(1));
  EXPECT_FALSE(game.HintVisible(2));

  // A wrong number in the last cell is no solve; the right one is.
  for (std::size_t i = 2; i + 1 < open.size(); ++i) Place(open[i].first, open[i].second, Solution(open[i].first, open[i].second));
  const auto [lr, lc] = open.back();
  Place(lr, lc, Solution(lr, lc) % 9 + 1);
  EXPECT_TRUE(game.ClockRunning());
  EXPECT_EQ(std::count(events.sounds.begin(), events.sounds.end(), Sound::Solved), 0);

  ticks.AdvanceSeconds(5.7);
  Place(lr, lc, Solution(lr, lc));
  EXPECT_FALSE(game.ClockRunning());
  EXPECT_EQ(events.sounds.back(), Sound::Solved);
  EXPECT_EQ(game.ElapsedSeconds(), 75);
  ASSERT_EQ(events.records, (std::vector<int32_t>{75}));
  EXPECT_EQ(game.Pending(), (PendingRecord{75, 0}));

  ticks.AdvanceSeconds(30);
  EXPECT_EQ(game.ClockDigits(), (Digits{0, 7, 5})) << "the solved clock stands still";

  // The board still takes clicks; solving it again reports the same time.
  Place(lr, lc, Solution(lr, lc));
  EXPECT_EQ(events.records, (std::vector<int32_t>{75, 75}));

  game.NewGame();
  EXPECT_EQ(game.ClockDigits(), (Digits{0, 0, 0}));
  EXPECT_TRUE(game.HintVisible(0) && game.HintVisible(1) && game.HintVisible(2));
  EXPECT_EQ(game.Pending(), (PendingRecord{75, 0})) << "a new game leaves the waiting record alone";
  ticks.AdvanceSeconds(12);
  ASSERT_TRUE(game.ConfirmRecord("Aki"));
  EXPECT_EQ(game.BestTimeTable()[0].Seconds, 75) << "the time judged, not the new game's";
  EXPECT_EQ(game.BestTimeTable()[0].Name, "Aki                 ");
}

TEST_F(GameControllerTest, TheLastCellFilledByAHintIncludesItsCharge) {
  StartUp();
  const auto open = OpenCells();
  ASSERT_FALSE(open.empty());
  for (std::size_t i = 0; i + 1 < open.size(); ++i) Place(open[i].first, open[i].second, Solution(open[i].first, open[i].second));
  ticks.AdvanceSeconds(20.4);
  game.PickHint(1);
  ClickCell(open.back().first, open.back().second);
  EXPECT_FALSE(game.ClockRunning());
  EXPECT_EQ(events.records, (std::vector<int32_t>{50}));
  EXPECT_EQ(game.ClockDigits(), (Digits{0, 5, 0}));
}

TEST_F(GameControllerTest, ARecordNeedsToBeatTheBestTimeStrictly) {
  settings.values[{"ハイスコア", "初級"}] = "100";
  StartUp();
  EXPECT_FALSE(game.CheckRecord(100));
  EXPECT_FALSE(game.CheckRecord(999));
  EXPECT_TRUE(events.records.empty());
  EXPECT_TRUE(game.CheckRecord(99));
  EXPECT_EQ(events.records, (std::vector<int32_t>{99}));

  game.DismissRecord();
  EXPECT_FALSE(game.ConfirmRecord("nobody")) << "closing the entry drops the record";
  EXPECT_EQ(game.BestTimeTable()[0].Seconds, 100);

  game.SelectLevel(1);  // no record there yet: anything below 999 counts
  EXPECT_FALSE(game.CheckRecord(999));
  EXPECT_TRUE(game.CheckRecord(998));
}

TEST_F(GameControllerTest, ARecordIsStoredUnderTheLevelItWasJudgedAt) {
  StartUp();
  game.SelectLevel(2);
  game.NewGame();
  ASSERT_TRUE(game.CheckRecord(300));
  game.SelectLevel(1);  // before the name is confirmed
  ASSERT_TRUE(game.ConfirmRecord("ゆき"));
  const auto table = game.BestTimeTable();
  EXPECT_EQ(table[2].Seconds, 300);
  EXPECT_EQ(table[1].Seconds, 999);
  EXPECT_EQ(table[2].Name.substr(0, 6), "ゆき");
}

TEST_F(GameControllerTest, ALevelCommandWaitsForTheNextGame) {
  StartUp();
  ticks.AdvanceSeconds(33);
  const GameState before = game.State();
  game.SelectLevel(2);
  EXPECT_EQ(game.State().GivenGrid, before.GivenGrid);
  EXPECT_EQ(game.State().SolutionGrid, before.SolutionGrid);
  EXPECT_EQ(game.ElapsedSeconds(), 33);
  EXPECT_EQ(game.LevelChecks(), (std::array<bool, 3>{false, false, true}));
  EXPECT_EQ(settings.Get("レベル", "値"), "2");
  game.NewGame();
  EXPECT_EQ(game.State().OpenOdds, 2);
  EXPECT_GT(OpenCells().size(), 10u) << "an advanced deal opens more than a beginner one can";
  game.SelectLevel(5);
  EXPECT_EQ(game.State().CurrentLevel, 2) << "no such level";
}

TEST_F(GameControllerTest, ClearingKeepsGivensClockTokensAndPick) {
  StartUp();
  const auto open = OpenCells();
  ASSERT_GE(open.size(), 2u);
  game.PickHint(0);
  ClickCell(open[0].first, open[0].second);
  Place(open[1].first, open[1].second, 4);
  ticks.AdvanceSeconds(7);
  const Grid givens = game.State().GivenGrid;
  game.ClearPlacedPanels();
  for (const auto& [r, c] : open) EXPECT_EQ(game.Cell(r, c), CellView{});
  EXPECT_EQ(game.State().GivenGrid, givens);
  EXPECT_EQ(game.ElapsedSeconds(), 37);
  EXPECT_FALSE(game.HintVisible(0));
  EXPECT_EQ(game.Pointer(), (PointerView{PointerKind::Panel, 3}));
}

TEST_F(GameControllerTest, PicksPlayTheirSoundAndClicksBeforeTheFirstPickDoNothing) {
  StartUp();
  const auto open = OpenCells();
  ASSERT_FALSE(open.empty());
  EXPECT_EQ(ClickCell(open[0].first, open[0].second), 0);
  EXPECT_EQ(game.Cell(open[0].first, open[0].second), CellView{});
  EXPECT_TRUE(events.sounds.empty());
  game.PickPanel(4);
  game.PickEraser();
  game.PickHint(1);
  EXPECT_EQ(events.sounds, (std::vector<Sound>{Sound::Pick, Sound::Pick, Sound::Pick}));
  EXPECT_EQ(game.Pointer(), (PointerView{PointerKind::Hint, 1}));
  ClickCell(open[0].first, open[0].second);
  EXPECT_EQ(game.Pointer(), PointerView{}) << "the arrow after a hint";
  EXPECT_FALSE(game.PickHint(1));
  EXPECT_EQ(events.sounds.size(), 3u) << "a spent token makes no sound";
}

TEST_F(GameControllerTest, ClearingTheTableSelectsBeginnerWhileTheGameGoesOn) {
  settings.values[{"ハイスコア", "中級"}] = "120";
  settings.values[{"ハイスコア", "中級名前"}] = "Ren";
  settings.values[{"レベル", "値"}] = "1";
  StartUp();
  ticks.AdvanceSeconds(15);
  const GameState before = game.State();
  game.ClearBestTimes();
  for (const auto& row : game.BestTimeTable()) {
    EXPECT_EQ(row.Seconds, 999);
    EXPECT_EQ(row.Name, "名前なし                ");
  }
  EXPECT_EQ(game.LevelChecks(), (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(settings.Get("レベル", "値"), "0");
  EXPECT_EQ(settings.Get("ハイスコア", "中級"), "999");
  EXPECT_EQ(game.State().GivenGrid, before.GivenGrid);
  EXPECT_TRUE(game.ClockRunning());
  EXPECT_EQ(game.ElapsedSeconds(), 15);
  EXPECT_TRUE(game.CheckRecord(500));
  game.ConfirmRecord("x");
  EXPECT_EQ(game.BestTimeTable()[0].Seconds, 500) << "the next record goes to beginner";
}

TEST(SolvedCheck, AnyValidFillingSolvesAndGapsOrRepeatsDoNot) {
  // Find a dealt solution with two cells a, b in one row and b, a in another
  // row of the same band: swapping them gives a second valid filling.
  SeededRandom random(7);
  for (int attempt = 0; attempt < 200; ++attempt) {
    GameState state;
    InitGame(state);
    MakeSolution(state, random);
    const Grid& s = state.SolutionGrid;
    for (int r1 = 0; r1 < 9; ++r1)
      for (int r2 = r1 + 1; r2 < (r1 / 3 + 1) * 3; ++r2)
        for (int c1 = 0; c1 < 9; ++c1)
          for (int c2 = c1 + 1; c2 < 9; ++c2) {
            if (s[r1][c1] != s[r2][c2] || s[r1][c2] != s[r2][c1]) continue;
            state.GivenGrid = s;
            for (auto [r, c] : {std::pair{r1, c1}, {r1, c2}, {r2, c1}, {r2, c2}}) state.GivenGrid[r][c] = 0;
            state.EntryGrid = {};
            state.EntryGrid[r1][c1] = s[r1][c2];
            state.EntryGrid[r1][c2] = s[r1][c1];
            state.EntryGrid[r2][c1] = s[r2][c2];
            state.EntryGrid[r2][c2] = s[r2][c1];
            EXPECT_TRUE(IsSolved(state)) << "the swapped filling is valid";
            state.EntryGrid[r1][c1] = 0;
            EXPECT_FALSE(IsSolved(state)) << "an empty cell is not solved";
            state.EntryGrid[r1][c1] = state.EntryGrid[r1][c2];
            EXPECT_FALSE(IsSolved(state)) << "a repeat is not solved";
            return;
          }
  }
  FAIL() << "no swappable rectangle found";
}

}  // namespace
}  // namespace lumitile
