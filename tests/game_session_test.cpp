// The session's rules as the windows see them: start-up, the level and the
// options, picks, moves and their outcomes, hints and the clock, the solve
// and the record, undo and redo, the cursor, marks, the pause and the kept
// game; and beneath them the clock on its own, to the millisecond. The
// records against the file are the record book's own test.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>

#include "core/game_clock.h"
#include "core/game_session.h"
#include "core/print_set.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/saved_game.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using testing::PuzzleWithOpenCells;

int OpenCells(const Board& board) { return static_cast<int>(std::ranges::count(testing::Digits(board.Givens), '0')); }

class GameSessionTest : public ::testing::Test {
 protected:
  Outcome Do(const Command& command) { return ExecuteAndWait(game, command); }
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
           {"1", 1}, {"4", 4}, {"5", 5}, {"6", 0}, {"-1", 0}, {"abc", 0}, {"", 0}}) {
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
  EXPECT_FALSE(Do(cmd::SelectLevel{kLevelCount}).Level);
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

// A level change starts the next game's deal; a new game asked before it
// is back waits for it, asked again it gives that one up with its seed, and
// only the latest shows. Once a game shows, the next one's deal is made and
// held, and that game shows at once.
TEST_F(GameSessionTest, HardLevelsWaitForTheirDealAndShowOnlyTheLatest) {
  Play(3);
  for (const int level : {kSuperAdvancedLevel, kMasterLevel, kGrandMasterLevel}) {
    const Outcome switched = Do(cmd::SelectLevel{level});
    ASSERT_TRUE(switched.Deal && switched.Deal->Level == level);
    const Outcome first = Do(cmd::NewGame{});
    EXPECT_TRUE(!first.Deal && !first.Cells && game.Dealing()) << "the game on the board goes on";
    const Outcome second = Do(cmd::NewGame{});
    ASSERT_TRUE(second.Deal && second.Deal->Seed != switched.Deal->Seed) << "asked again, its seed is spent";
    EXPECT_TRUE(*switched.Deal->GivenUp) << "a replaced deal stops early";
    EXPECT_EQ(DealBoard(*switched.Deal).Givens, Grid{}) << "and gives no board";
    EXPECT_FALSE(Do(cmd::FinishDeal{*switched.Deal, DealBoard(*second.Deal)}).Cells) << "a replaced deal is dropped";
    ticks.AdvanceSeconds(7);
    const Board dealt = DealBoard(*second.Deal);
    const Outcome shown = Do(cmd::FinishDeal{*second.Deal, dealt});
    ASSERT_TRUE(shown.Cells && shown.Deal && !game.Dealing()) << "shown, and the next game's deal ordered";
    EXPECT_EQ(game.CurrentBoard().Givens, dealt.Givens);
    EXPECT_GE(OpenCells(dealt), level == kSuperAdvancedLevel ? kSuperAdvancedOpenMin : kMasterOpenMin);
    EXPECT_EQ(game.ElapsedSeconds(), 0) << "the clock starts when the board shows";
    const Board next = DealBoard(*shown.Deal);
    EXPECT_TRUE(!Do(cmd::FinishDeal{*shown.Deal, next}).Cells && game.NextDealReady()) << "held";
    EXPECT_TRUE(Do(cmd::NewGame{}).Deal && game.CurrentBoard().Givens == next.Givens) << "shown at once";
  }
  Do(cmd::NewGame{});
  EXPECT_TRUE(Do(cmd::SelectLevel{kGrandMasterLevel}).Level);
  EXPECT_TRUE(game.Dealing()) << "choosing the same level changes nothing";
  const Outcome lower = Do(cmd::SelectLevel{2});
  EXPECT_FALSE(game.Dealing()) << "another level gives the deal up";
  EXPECT_TRUE(lower.Deal && lower.Deal->Level == 2) << "and starts its own";
  Do(cmd::GiveUpDeals{});
  EXPECT_TRUE(*lower.Deal->GivenUp && !game.NextDealReady()) << "the window going gives every deal up";
}

// The game's seed fixes every board in order, whether the next game's deal
// is made ahead or only when a game asks for it, and whenever the deals come
// back: at once, or only when the player waits, in order or last first.
// The boards are compared where the player waits for the game asked for
// (nullopt in the script).
TEST(DealReserve, TheSameSeedDealsTheSameBoardsWithOrWithoutTheReserveWhateverTheTiming) {
  const std::optional<Command> wait = std::nullopt;
  const std::vector<std::optional<Command>> script = {
      cmd::NewGame{}, wait, cmd::NewGame{}, wait, cmd::SelectLevel{kSuperAdvancedLevel}, cmd::NewGame{}, wait,
      cmd::NewGame{}, cmd::NewGame{}, wait, cmd::SelectLevel{1}, cmd::NewGame{}, wait,
      cmd::SelectLevel{kSuperAdvancedLevel}, cmd::NewGame{}, cmd::SelectLevel{0}, cmd::NewGame{}, wait,
      cmd::SelectLevel{kMasterLevel}, cmd::SelectLevel{kSuperAdvancedLevel}, cmd::NewGame{}, wait,
      cmd::NewGameOn{PuzzleWithOpenCells(3)}, cmd::NewGame{}, wait, cmd::ClearBestTimes{}, cmd::NewGame{}, wait};
  enum class Timing { kAtOnce, kWhenWaiting, kLastFirst };
  std::vector<std::vector<std::string>> seen;
  for (const bool ahead : {false, true}) {
    for (const Timing timing : {Timing::kAtOnce, Timing::kWhenWaiting, Timing::kLastFirst}) {
      SeededRandom random(2026);
      testing::FakeTicks ticks;
      testing::MemoryProfile settings;
      GameSession game(random, ticks, settings);
      game.KeepDealAhead(ahead);
      game.Execute(cmd::Start{});
      std::deque<DealOrder> running;
      const auto order = [&](const Outcome& outcome) { if (outcome.Deal) running.push_back(*outcome.Deal); };
      const auto bringBack = [&] {
        while (!running.empty()) {
          const DealOrder deal = timing == Timing::kLastFirst ? running.back() : running.front();
          timing == Timing::kLastFirst ? running.pop_back() : running.pop_front();
          order(game.Execute(cmd::FinishDeal{deal, DealBoard(deal)}));
        }
      };
      std::vector<std::string> boards;
      for (const auto& step : script) {
        if (step) order(game.Execute(*step));
        if (!step || timing == Timing::kAtOnce) bringBack();
        if (!step) boards.push_back(testing::Digits(game.CurrentBoard().Givens));
      }
      seen.push_back(boards);
    }
  }
  for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_EQ(seen[i], seen[0]) << i;
  EXPECT_EQ(std::set(seen[0].begin(), seen[0].end()).size(), seen[0].size()) << "a new board every time";
}

// A print's set is dealt from a seed read off the game's source without a
// draw: at every level the next game is the one a twin without the print
// deals. The next print deals another set.
TEST_F(GameSessionTest, PrintingLeavesTheNextGameAsItWouldHaveBeen) {
  SeededRandom again(20261206);
  GameSession twin(again, ticks, settings);
  Play(3);
  twin.Execute(cmd::Start{});
  for (int level = 0; level < kLevelCount; ++level) {
    Do(cmd::SelectLevel{level});
    twin.Execute(cmd::SelectLevel{level});
    const std::optional<PrintOrder> order = Do(cmd::OrderPrint{level, 2}).Print;
    ASSERT_TRUE(order);
    const std::vector<DealtPuzzle> set = DealPrintSet(*order);
    ASSERT_EQ(set.size(), 2u) << level;
    for (const DealtPuzzle& puzzle : set) {
      EXPECT_EQ(CountSolutions(puzzle.solution, 2), 1) << "a whole grid, level " << level;
      for (std::size_t cell = 0; cell < 81; ++cell)
        if (puzzle.givens[cell] != 0) ASSERT_EQ(puzzle.givens[cell], puzzle.solution[cell]) << "its solution page";
    }
    EXPECT_NE(DealPrintSet(*Do(cmd::OrderPrint{level, 1}).Print)[0].givens, set[0].givens);
    const Outcome mine = Do(cmd::NewGame{}), theirs = twin.Execute(cmd::NewGame{});
    EXPECT_EQ(mine.Deal ? DealBoard(*mine.Deal).Givens : game.CurrentBoard().Givens,
              theirs.Deal ? DealBoard(*theirs.Deal).Givens : twin.CurrentBoard().Givens) << level;
  }
  for (const auto& [level, count] : {std::pair{-1, 1}, {kLevelCount, 1}, {0, 0}, {0, kMaxPrintSet + 1}})
    EXPECT_FALSE(Do(cmd::OrderPrint{level, count}).Print) << level << " " << count;
  SeededRandom otherSeed(7);
  GameSession other(otherSeed, ticks, settings);
  other.Execute(cmd::Start{});
  EXPECT_NE(DealPrintSet(*other.Execute(cmd::OrderPrint{0, 1}).Print)[0].givens,
            DealPrintSet(*twin.Execute(cmd::OrderPrint{0, 1}).Print)[0].givens)
      << "another game's source prints other puzzles";
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

// The cells whose number, and whose number or marks, differ between two boards.
std::pair<CellSet, CellSet> Differing(const Board& a, const Board& b) {
  std::pair<CellSet, CellSet> differ;
  for (int i = 0; i < 81; ++i) {
    const Cell cell{i / 9, i % 9};
    differ.first[i] = a.Entry(cell) != b.Entry(cell);
    differ.second[i] = differ.first[i] || a.MarksAt(cell) != b.MarksAt(cell);
  }
  return differ;
}

// Each kind of move takes the board back exactly, entries and marks of
// every cell, and replays it exactly; the clock, the spent tokens and the
// pick stay as they are. Each outcome names exactly the cells that changed,
// so a screen reader can read them again. A number that fills the board
// wrongly says so.
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
  const auto changed = [](const Outcome& outcome) { return std::pair{outcome.NumbersChanged, outcome.Changed}; };
  for (const Command& move : moves) {
    const Board before = game.CurrentBoard();
    const Outcome played = Do(move);
    ASSERT_TRUE(played.Cells) << move.index();
    const Board after = game.CurrentBoard();
    const auto kept = rest();
    const auto& now = game.CurrentBoard();
    EXPECT_EQ(changed(played), Differing(before, after)) << move.index();
    EXPECT_EQ(changed(Do(cmd::Undo{})), Differing(before, after)) << move.index();
    EXPECT_EQ(std::tie(now.Entries, now.Marks), std::tie(before.Entries, before.Marks)) << move.index();
    EXPECT_EQ(changed(Do(cmd::Redo{})), Differing(before, after)) << move.index();
    EXPECT_EQ(std::tie(now.Entries, now.Marks), std::tie(after.Entries, after.Marks)) << move.index();
    EXPECT_EQ(rest(), kept) << move.index();
  }
  Do(cmd::NewGame{});
  EXPECT_FALSE(game.CanUndo()) << "a new game forgets the moves";
  Do(cmd::NewGameOn{PuzzleWithOpenCells(2)});
  const int wrong = testing::kSolution[0] - '0' == 9 ? 1 : testing::kSolution[0] - '0' + 1;
  EXPECT_FALSE(Do(cmd::PickAndApply{Pick::Panel(wrong - 1), {0, 0}}).Mistaken) << "not full yet";
  const Outcome full = Put(1);
  EXPECT_TRUE(full.Mistaken && !full.Solved);
  const Outcome solved = Put(0);
  EXPECT_TRUE(solved.Solved && !solved.Mistaken);
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
  ExecuteAndWait(next, cmd::Start{});
  ExecuteAndWait(next, cmd::SelectLevel{0});
  next.Execute(cmd::Restore{*kept});
  EXPECT_TRUE(next.HintVisible(0) && !next.HintVisible(1) && next.HintVisible(2) && next.Paused());
  next.Execute(cmd::Resume{});
  ticks.AdvanceSeconds(3);
  EXPECT_EQ(next.ElapsedSeconds(), 45);
  for (const int column : {2, 3}) {
    next.Execute(cmd::PickItem{Pick::Panel(column)});
    ExecuteAndWait(next, cmd::ApplyPick{{0, column}});
  }
  EXPECT_EQ(next.Pending(), (PendingRecord{45, 2})) << "filed under the kept level";
}

// At the added levels the clock, the kept game and the record go past 999
// seconds, up to 99:59; the first three levels stop at 999, which is no record.
TEST_F(GameSessionTest, AtTheAddedLevelsTimesGoPast999ToTheirOwnCap) {
  Do(cmd::Start{});
  for (const auto& [level, played, kept] :
       {std::tuple{2, 1500, 999}, {kSuperAdvancedLevel, 1500, 1500}, {kMasterLevel, 7000, 5999}}) {
    Do(cmd::SelectLevel{level});
    Do(cmd::NewGameOn{PuzzleWithOpenCells(2)});
    Put(0);
    ticks.AdvanceSeconds(played);
    const auto keeping = ReadSavedGame(WriteSavedGame(*game.GameToKeep()));
    ASSERT_TRUE(keeping) << level;
    EXPECT_EQ(keeping->Seconds, kept) << level;
    Do(cmd::Restore{*keeping});
    EXPECT_EQ(game.ClockInMinutes(), level >= kFirstAddedLevel) << level;
    EXPECT_EQ(Put(1).RecordWaiting, kept < NoRecord(level)) << level;
    Do(cmd::ConfirmRecord{"Ann"});
    EXPECT_EQ(game.BestTimeTable()[static_cast<std::size_t>(level)].Seconds, kept) << level;
  }
}

// A puzzle from outside: while it is set on the board nothing solves and no
// hint shows; played, it solves as any game does, even after a restart, but
// never asks the table or touches the settings file.
TEST_F(GameSessionTest, AnEnteredPuzzleSolvesButNeverSetsARecord) {
  Play(81);
  Do(cmd::EnterPuzzle{});
  for (int column = 0; column < 9; ++column) Put(column);
  EXPECT_TRUE(game.Entering() && game.Kind() == GameKind::kEntered && !game.HintVisible(0) && !game.ClockRunning());
  EXPECT_EQ(testing::Digits(game.CurrentBoard().Entries).substr(0, 10), testing::kSolution.substr(0, 9) + "0");
  std::array<uint8_t, 81> solution{};
  for (std::size_t i = 0; i < 81; ++i) solution[i] = static_cast<uint8_t>(testing::kSolution[i] - '0');
  EXPECT_FALSE(Do(cmd::PlayPuzzle{game.PuzzleGivens(), {}}).Cells) << "no grid";
  std::array<uint8_t, 81> givens = solution;
  givens[80] = givens[79] = 0;
  const std::string before = settings.Bytes();
  EXPECT_TRUE(Do(cmd::PlayPuzzle{givens, solution}).Clock && !game.Entering() && game.HintVisible(2));
  GameSession next{random, ticks, settings};
  next.Execute(cmd::Start{});
  next.Execute(cmd::Restore{*ReadSavedGame(WriteSavedGame(*game.GameToKeep()))});
  next.Execute(cmd::PickAndApply{Pick::Hint(0), {8, 8}});
  const Outcome solved = next.Execute(cmd::PickAndApply{Pick::Panel(testing::kSolution[79] - '1'), {8, 7}});
  EXPECT_TRUE(solved.Solved && solved.Judged && !solved.RecordWaiting && !solved.File && next.Kind() == GameKind::kEntered);
  EXPECT_EQ(settings.Bytes(), before);
}

// One clock through two games and a kept one: after each step, the time, the
// wait the display timer needs (-1: none) and whether it runs (r), is held (p)
// or stopped (s). The display's digits, leading zeros and ends: three
// digits, or m:ss at the added levels, which have no leading zero.
TEST(GameClock, CountsChargesStopsAndHoldsToTheMillisecondAndShowsThreeDigitsOrMinutes) {
  const std::pair<int32_t, std::array<int, 3>> shown[] = {
      {0, {0, 0, 0}}, {7, {0, 0, 7}}, {109, {1, 0, 9}}, {999, {9, 9, 9}}, {1000, {9, 9, 9}}, {-3, {0, 0, 0}}};
  for (const auto& [seconds, digits] : shown) EXPECT_EQ(ShowTime(seconds), digits) << seconds;
  constexpr int off = kUnlitDigit;
  const std::pair<int32_t, std::array<int, 4>> minutes[] = {
      {0, {off, 0, 0, 0}},    {59, {off, 0, 5, 9}},    {60, {off, 1, 0, 0}},     {599, {off, 9, 5, 9}},
      {600, {1, 0, 0, 0}},    {1000, {1, 6, 4, 0}},    {5999, {9, 9, 5, 9}},     {6000, {9, 9, 5, 9}},
      {-1, {off, 0, 0, 0}}};
  for (const auto& [seconds, digits] : minutes) EXPECT_EQ(ShowMinutes(seconds), digits) << seconds;
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
      {"an added level's clock goes past 999", [&] { clock.Start(5999); ticks.AdvanceSeconds(1000.5); }, 1000, 500, 'r'},
      {"and holds at 99:59", [&] { ticks.AdvanceSeconds(1e6); }, 5999, -1, 'r'},
      {"a kept time of an added level", [&] { clock.StartFrom(4321, 5999); }, 4321, 1000, 'r'},
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
