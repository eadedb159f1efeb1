// The session's rules as the windows see them: start-up, the level and the
// options, picks, moves and their outcomes, hints and the clock, the solve
// and the record, undo and redo, the cursor, marks, the pause and the kept
// game; and beneath them the clock on its own, to the millisecond. The
// records against the file are the record book's own test.
#include <gtest/gtest.h>

#include <functional>

#include "core/game_clock.h"
#include "core/game_session.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/saved_game.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using testing::PuzzleWithOpenCells;

int OpenCells(const Board& board) { return static_cast<int>(std::ranges::count(testing::Digits(board.Givens), '0')); }

class GameSessionTest : public ::testing::Test {
 protected:
  Outcome Do(const Command& command) { return game.Execute(command); }
  // Starts up and plays a board whose first `open` cells are open.
  void Play(int open) { Do(cmd::Start{}); Do(cmd::NewGameOn{PuzzleWithOpenCells(open)}); }
  // The solution's number into cell i of the first row, by panel.
  Outcome Put(int column) {
    Do(cmd::PickItem{Pick::Panel(testing::kSolution[column] - '1')});
    return Do(cmd::ApplyPick{{0, column}});
  }

  SeededRandom random{20261206};
  testing::FakeTicks ticks;
  testing::MemoryProfile settings;
  GameSession game{random, ticks, settings};
};

// A first start writes the bytes it always has; then the stored level is
// read, mended and stored, and decides the next deal only; the display
// options are read, never mended, and written only when the player changes
// them. Clashes show when asked, or on a full board that is wrong.
TEST_F(GameSessionTest, StartUpTheLevelTheOptionsAndTheClashesTheyShow) {
  EXPECT_FALSE(Do(cmd::Start{}).Trouble);
  Do(cmd::PickItem{Pick::Panel(0)});
  EXPECT_FALSE(Do(cmd::ApplyPick{{0, 0}}).Cells) << "a click before the first deal";
  EXPECT_FALSE(Do(cmd::SetZoom{100}).Zoom || Do(cmd::SetZoom{125}).Zoom || Do(cmd::ShowDuplicates{false}).Cells ||
               Do(cmd::ShowHighlight{false}).Cells || Do(cmd::ShowMistakes{false}).Cells);
  EXPECT_EQ(settings.Bytes(), testing::Golden("first_run.ini")) << "only start-up wrote";
  for (const auto& [stored, level] : std::vector<std::pair<std::string, int>>{
           {"1", 1}, {"4", 4}, {"5", 0}, {"-1", 0}, {"abc", 0}, {"", 0}}) {
    settings.Set("レベル", "値", stored);
    Do(cmd::Start{});
    EXPECT_EQ(game.Level(), level) << stored;
    EXPECT_EQ(settings.Get("レベル", "値"), std::to_string(level)) << stored;
  }
  // The zoom read, plus one when clashes show.
  for (const auto& [zoom, duplicates, read] : std::vector<std::tuple<std::string, std::string, int>>{
           {"300", "1", 301}, {"150", "0", 150}, {"125", "1", 101}, {"-200", "2", 100}, {"abc", "", 100}}) {
    settings.Set("Options", "Zoom", zoom);
    settings.Set("Options", "ShowDuplicates", duplicates);
    Do(cmd::Start{});
    EXPECT_EQ(game.Zoom() + game.ShowingDuplicates(), read) << zoom;
    EXPECT_EQ(settings.Get("Options", "Zoom"), zoom) << "read, never mended by a write";
  }
  Do(cmd::NewGame{});
  const Board first = game.CurrentBoard();
  EXPECT_TRUE(Do(cmd::SelectLevel{2}).Level);
  EXPECT_FALSE(Do(cmd::SelectLevel{5}).Level);
  EXPECT_EQ(settings.Get("レベル", "値"), "2");
  EXPECT_EQ(game.CurrentBoard().Givens, first.Givens);
  Do(cmd::NewGame{});
  EXPECT_GT(OpenCells(game.CurrentBoard()), OpenCells(first) + 10);
  Do(cmd::NewGameOn{PuzzleWithOpenCells(2)});
  Do(cmd::PickItem{Pick::Panel(3)});
  Do(cmd::ApplyPick{{0, 0}});  // a 4 in the row of a given 4
  EXPECT_TRUE(game.ShownClashes().none()) << "off by default";
  EXPECT_TRUE(Do(cmd::SetZoom{200}).Zoom && Do(cmd::ShowDuplicates{true}).Cells);
  EXPECT_TRUE(game.ShownClashes()[0]);
  EXPECT_EQ(settings.Get("Options", "Zoom") + settings.Get("Options", "ShowDuplicates"), "2001");
  EXPECT_TRUE(Do(cmd::ShowHighlight{true}).Cells && Do(cmd::ShowMistakes{true}).Cells);
  EXPECT_EQ(settings.Get("Options", "Highlight") + settings.Get("Options", "ShowMistakes"), "11");
  EXPECT_TRUE(game.ShownMistakes()[0] && game.Highlights().Tinted[72]);
  Do(cmd::ShowDuplicates{false});
  Do(cmd::ShowHighlight{false});
  Do(cmd::ShowMistakes{false});
  EXPECT_TRUE(game.ShownMistakes().none() && game.Highlights() == Highlight{});
  Do(cmd::ApplyPick{{0, 1}});
  EXPECT_TRUE(game.ShownClashes()[0] && game.ShownClashes()[1]) << "a full board that is wrong";
}

TEST_F(GameSessionTest, HardLevelsWaitForTheirDealAndShowOnlyTheLatest) {
  Play(3);
  SeededRandom again(20261206);
  GameSession twin(again, ticks, settings);
  for (const int level : {kSuperAdvancedLevel, kMasterLevel}) {
    Do(cmd::SelectLevel{level});
    twin.Execute(cmd::SelectLevel{level});
    const Outcome first = Do(cmd::NewGame{});
    ASSERT_TRUE(first.Deal);
    EXPECT_FALSE(first.Cells || first.Clock) << "the game on the board goes on";
    EXPECT_EQ(twin.Execute(cmd::NewGame{}).Deal->Seed, first.Deal->Seed) << "the game's seed fixes the deal";
    const Outcome second = Do(cmd::NewGame{});
    twin.Execute(cmd::NewGame{});  // the twin's draws kept in step
    ticks.AdvanceSeconds(7);
    EXPECT_TRUE(*first.Deal->GivenUp) << "a replaced deal stops early";
    EXPECT_EQ(DealBoard(*first.Deal).Givens, Grid{}) << "and gives no board";
    EXPECT_FALSE(Do(cmd::FinishDeal{*first.Deal, DealBoard(*second.Deal)}).Cells) << "a replaced deal is dropped";
    EXPECT_TRUE(game.Dealing());
    const Board dealt = DealBoard(*second.Deal);
    EXPECT_TRUE(Do(cmd::FinishDeal{*second.Deal, dealt}).Cells);
    EXPECT_FALSE(game.Dealing());
    EXPECT_EQ(game.CurrentBoard().Givens, dealt.Givens);
    EXPECT_GE(OpenCells(dealt), level == kMasterLevel ? kMasterOpenMin : kSuperAdvancedOpenMin);
    EXPECT_EQ(game.ElapsedSeconds(), 0) << "the clock starts when the board shows";
  }
  const Outcome waiting = Do(cmd::NewGame{});
  EXPECT_TRUE(Do(cmd::SelectLevel{kMasterLevel}).Level);
  EXPECT_TRUE(game.Dealing()) << "choosing the same level changes nothing";
  Do(cmd::SelectLevel{2});
  EXPECT_FALSE(game.Dealing()) << "another level gives the deal up";
  EXPECT_FALSE(Do(cmd::FinishDeal{*waiting.Deal, DealBoard(*waiting.Deal)}).Cells);
}

TEST_F(GameSessionTest, AGameToTheSolveWithPicksHintsAndTheRecord) {
  Play(4);
  EXPECT_EQ(Do(cmd::PickItem{Pick::Panel(8)}).Play, Sound::Pick);
  EXPECT_FALSE(Do(cmd::PickItem{Pick::Panel(9)}).Play || Do(cmd::PickItem{Pick::Hint(3)}).Play) << "nothing there";
  EXPECT_EQ(Do(cmd::PickItem{Pick::Eraser()}).Play, Sound::Pick);
  ticks.AdvanceSeconds(5);
  EXPECT_TRUE(Put(0).Cells);
  Do(cmd::PickItem{Pick::Hint(0)});
  const Outcome hint = Do(cmd::ApplyPick{{0, 1}});
  EXPECT_TRUE(hint.Cells && hint.Tokens && hint.Clock && hint.Pointer);
  EXPECT_EQ(game.Pointer(), std::nullopt) << "a spent hint is put down";
  EXPECT_FALSE(game.HintVisible(0) || Do(cmd::PickItem{Pick::Hint(0)}).Play) << "and cannot be picked again";
  Do(cmd::PickItem{Pick::Hint(1)});
  Do(cmd::ApplyPick{{0, 1}});  // the number that is already there still costs
  EXPECT_EQ(game.ElapsedSeconds(), 65);
  EXPECT_FALSE(Put(2).Solved);
  ticks.AdvanceSeconds(2.5);
  const Outcome solved = Put(3);
  EXPECT_TRUE(solved.Solved && solved.RecordWaiting);
  EXPECT_EQ(solved.Play, Sound::Solved);
  // Solved again by undo and redo under another level in the menu: the time
  // frozen at the solve, judged under the level the board was dealt at.
  Do(cmd::SelectLevel{2});
  Do(cmd::Undo{});
  ticks.AdvanceSeconds(100);
  EXPECT_TRUE(Do(cmd::Redo{}).RecordWaiting);
  EXPECT_EQ(game.Pending(), (PendingRecord{67, 0}));
  EXPECT_TRUE(Do(cmd::ConfirmRecord{"Tanaka\tTaro"}).Table);
  EXPECT_EQ(game.BestTimeTable()[0], (BestTimeRow{67, "Tanaka Taro         "}));
  EXPECT_FALSE(Do(cmd::ConfirmRecord{"again"}).Table) << "no record waits any more";
  Do(cmd::NewGame{});
  EXPECT_TRUE(game.HintVisible(0) && game.HintVisible(1)) << "a new game brings the tokens back";
  // What the file does not take is told once per cause; the game goes on at the level chosen.
  Do(cmd::NewGameOn{PuzzleWithOpenCells(1)});
  Put(0);
  settings.disk.spaceLeft = 0;
  EXPECT_EQ(Do(cmd::ConfirmRecord{"Ann"}).Trouble,
            (CannotSave{Keeping::kRecord, {FileStep::kWrite, ENOSPC, testing::MemoryProfile::kPath}}));
  EXPECT_FALSE(Do(cmd::SelectLevel{1}).Trouble) << "told once";
  EXPECT_EQ(game.Level(), 1);
}

// Each kind of move takes the board back exactly, entries and marks of
// every cell, and replays it exactly; the clock, the spent tokens and the
// pick stay as they are.
TEST_F(GameSessionTest, EveryKindOfMoveUndoesAndRedoesExactly) {
  Play(30);
  Do(cmd::ToggleMark{{0, 4}, 5});
  Do(cmd::ToggleMark{{1, 1}, 5});
  Do(cmd::ToggleMark{{2, 7}, 3});
  Do(cmd::PickAndApply{Pick::Panel(6), {3, 2}});
  // A 5 struck from its row and block, a mark, a hint, an erased panel, every
  // mark of a cell (with the eraser just picked), and clearing.
  const Command moves[] = {cmd::PickAndApply{Pick::Panel(4), {0, 0}}, cmd::ToggleMark{{2, 7}, 8},
                           cmd::HintAt{{1, 6}}, cmd::PickAndApply{Pick::Eraser(), {3, 2}},
                           cmd::MarkWithPick{{2, 7}}, cmd::FillCandidates{}, cmd::ClearCandidates{},
                           cmd::ClearPlacedPanels{}};
  const auto rest = [&] {
    return std::tuple(game.ElapsedSeconds(), game.HintVisible(0), game.HintVisible(1), game.Pointer());
  };
  for (const Command& move : moves) {
    const Board before = game.CurrentBoard();
    ASSERT_TRUE(Do(move).Cells) << move.index();
    const Board after = game.CurrentBoard();
    const auto kept = rest();
    const auto& now = game.CurrentBoard();
    ASSERT_TRUE(Do(cmd::Undo{}).Cells);
    EXPECT_EQ(std::tie(now.Entries, now.Marks), std::tie(before.Entries, before.Marks)) << move.index();
    ASSERT_TRUE(Do(cmd::Redo{}).Cells);
    EXPECT_EQ(std::tie(now.Entries, now.Marks), std::tie(after.Entries, after.Marks)) << move.index();
    EXPECT_EQ(rest(), kept) << move.index();
  }
  Do(cmd::NewGame{});
  EXPECT_FALSE(game.CanUndo()) << "a new game forgets the moves";
}

// The cursor: hidden until a key moves it, wrapping at the edges, moved by a
// click, and back top left and hidden with each game; a key picks even where
// it cannot play. Marks hide under a panel and come back with it undone.
TEST_F(GameSessionTest, TheCursorAndTheMarks) {
  Play(3);
  EXPECT_FALSE(game.CursorShown());
  Do(cmd::MoveCursor{-1, -1});
  EXPECT_EQ(game.Cursor(), (Cell{8, 8})) << "wraps at both edges";
  EXPECT_TRUE(game.CursorShown());
  Do(cmd::ApplyPick{{0, 3}});
  EXPECT_EQ(game.Cursor(), (Cell{0, 3})) << "a click moves the cursor";
  const Outcome onGiven = Do(cmd::PickAndApply{Pick::Panel(2), game.Cursor()});
  EXPECT_TRUE(onGiven.Pointer && !onGiven.Cells) << "the pick changes, the given stays";
  Do(cmd::ToggleMark{{0, 0}, 1});
  Do(cmd::MarkWithPick{{0, 0}});
  EXPECT_EQ(game.MarksShown({0, 0}), MarkBit(1) | MarkBit(3));
  Put(0);
  EXPECT_EQ(game.MarksShown({0, 0}), 0) << "hidden under the panel";
  Do(cmd::Undo{});
  EXPECT_EQ(game.MarksShown({0, 0}), MarkBit(1) | MarkBit(3)) << "back with the panel undone";
  Do(cmd::PutPickDown{});
  Do(cmd::MarkWithPick{{0, 1}, 7});
  EXPECT_EQ(game.MarksShown({0, 1}), MarkBit(7)) << "with nothing picked, the slot under the pointer";
  Do(cmd::PickItem{Pick::Hint(0)});
  EXPECT_FALSE(Do(cmd::MarkWithPick{{0, 1}, 7}).Cells) << "a hint token marks nothing";
  Do(cmd::NewGame{});
  EXPECT_EQ(game.Cursor(), (Cell{0, 0}));
  EXPECT_FALSE(game.CursorShown()) << "each game starts without the cursor";
}

TEST_F(GameSessionTest, APauseHoldsTheClockAndCoversTheBoard) {
  Play(3);
  Put(0);
  ticks.AdvanceSeconds(5);
  EXPECT_TRUE(Do(cmd::TogglePause{}).Clock);
  ticks.AdvanceSeconds(100);
  EXPECT_EQ(game.ElapsedSeconds(), 5);
  const Board covered = game.CurrentBoard();
  for (const Command& key : std::initializer_list<Command>{
           cmd::PickAndApply{Pick::Panel(1), {0, 1}}, cmd::HintAt{{0, 1}}, cmd::ApplyPick{{0, 1}, true},
           cmd::MoveCursor{0, 1}, cmd::CursorToRowEdge{true}, cmd::ToggleMark{{0, 1}, 1}, cmd::MarkWithPick{{0, 1}},
           cmd::ClearPlacedPanels{}, cmd::Undo{}}) {
    EXPECT_FALSE(game.Accepts(key)) << key.index();
    EXPECT_FALSE(Do(key).Cells) << "nothing moves under the cover: " << key.index();
  }
  EXPECT_EQ(std::tie(game.CurrentBoard().Entries, game.CurrentBoard().Marks), std::tie(covered.Entries, covered.Marks));
  EXPECT_FALSE(game.CanUndo()) << "the menu entry follows the same rule";
  Do(cmd::PickItem{Pick::Panel(1)});
  EXPECT_TRUE(Do(cmd::ApplyPick{{0, 1}}).Clock) << "a click on the cover resumes";
  EXPECT_EQ(game.CurrentBoard().Entries[0][1], 0) << "and only resumes";
  ticks.AdvanceSeconds(1);
  EXPECT_EQ(game.ElapsedSeconds(), 6);
  Do(cmd::Pause{});
  Do(cmd::NewGame{});
  EXPECT_FALSE(game.Paused()) << "a new game runs";
  Play(1);
  Put(0);
  EXPECT_FALSE(game.CanPause());
  EXPECT_FALSE(Do(cmd::Pause{}).Clock) << "a solved game has nothing to pause";
}

// The kept game comes back with its tokens, time and pause, and stays a game
// of the level it was dealt at whatever the menu says in the next run. Its
// board and marks, and that a solved game is not kept, are the whole game's
// restart test.
TEST_F(GameSessionTest, AKeptGameComesBackWithTokensTimeLevelAndPause) {
  settings.Set("レベル", "値", "2");
  Play(4);
  Put(0);
  Do(cmd::PickItem{Pick::Hint(1)});
  Do(cmd::ApplyPick{{0, 1}});
  ticks.AdvanceSeconds(12);
  Do(cmd::Pause{});
  const auto kept = ReadSavedGame(WriteSavedGame(*game.GameToKeep()));
  ASSERT_TRUE(kept);
  GameSession next{random, ticks, settings};
  next.Execute(cmd::Start{});
  next.Execute(cmd::SelectLevel{0});
  next.Execute(cmd::Restore{*kept});
  EXPECT_TRUE(next.HintVisible(0) && !next.HintVisible(1) && next.HintVisible(2) && next.Paused());
  next.Execute(cmd::Resume{});
  ticks.AdvanceSeconds(3);
  EXPECT_EQ(next.ElapsedSeconds(), 45);
  for (const int column : {2, 3}) {
    next.Execute(cmd::PickItem{Pick::Panel(column)});
    next.Execute(cmd::ApplyPick{{0, column}});
  }
  EXPECT_EQ(next.Pending(), (PendingRecord{45, 2})) << "filed under the kept level";
}

// One clock through two games and a kept one: after each step, the time, the
// wait the display timer needs (-1: none) and whether it runs (r), is held (p)
// or stopped (s). The display's digits, leading zeros and ends.
TEST(GameClock, CountsChargesStopsAndHoldsToTheMillisecondAndShowsThreeDigits) {
  const std::pair<int32_t, std::array<int, 3>> shown[] = {
      {0, {0, 0, 0}}, {7, {0, 0, 7}}, {109, {1, 0, 9}}, {999, {9, 9, 9}}, {1000, {9, 9, 9}}, {-3, {0, 0, 0}}};
  for (const auto& [seconds, digits] : shown) EXPECT_EQ(ShowTime(seconds), digits) << seconds;
  testing::FakeTicks ticks;
  GameClock clock(ticks);
  const struct { const char* what; std::function<void()> act; int32_t seconds; int64_t msToNext; char state; } steps[] = {
      {"before the first game", [] {}, 0, -1, 's'},
      {"only a running clock pauses", [&] { clock.Pause(); }, 0, -1, 's'},
      {"a new game", [&] { clock.Start(); }, 0, 1000, 'r'},
      {"the timer wakes at the next whole second", [&] { ticks.AdvanceSeconds(9.75); }, 9, 250, 'r'},
      {"a hint", [&] { clock.ChargeHintTime(); }, 39, 250, 'r'},
      {"the solve freezes the time", [&] { clock.Stop(); ticks.AdvanceSeconds(100); }, 39, -1, 's'},
      {"a hint after the solve changes no time", [&] { clock.ChargeHintTime(); }, 39, -1, 's'},
      {"the next game starts from zero", [&] { clock.Start(); }, 0, 1000, 'r'},
      {"near the ceiling", [&] { ticks.AdvanceSeconds(998.2); }, 998, 800, 'r'},
      {"four months and a hint stop at 999", [&] { ticks.AdvanceSeconds(1e7); clock.ChargeHintTime(); }, 999, -1, 'r'},
      {"a kept game goes on from its time", [&] { clock.StartFrom(120); ticks.AdvanceSeconds(5.5); }, 125, 500, 'r'},
      {"a pause holds it", [&] { clock.Pause(); ticks.AdvanceSeconds(600); }, 125, -1, 'p'},
      {"the half second before the pause is not lost", [&] { clock.Resume(); }, 125, 500, 'r'},
      {"a stopped clock does not resume", [&] { clock.Pause(); clock.Stop(); clock.Resume(); }, 125, -1, 's'},
      {"a kept time beyond the clock", [&] { clock.StartFrom(5000); }, 999, -1, 'r'},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(clock.ElapsedSeconds(), step.seconds) << step.what;
    EXPECT_EQ(clock.MsUntilNextSecond(), step.msToNext) << step.what;
    EXPECT_EQ(clock.Running() ? 'r' : clock.Paused() ? 'p' : 's', step.state) << step.what;
  }
}

}  // namespace
}  // namespace lumitile
