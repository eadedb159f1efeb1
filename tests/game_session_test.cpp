// The session's rules as the windows see them: start-up and the settings
// file, picks, moves and their outcomes, hints and the clock, the solve and
// the record, levels, clearing, undo and redo.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include "core/game_session.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

using testing::MemoryProfile;
using testing::PuzzleWithOpenCells;

class GameSessionTest : public ::testing::Test {
 protected:
  // Starts up and plays a board whose first `open` cells are open.
  void Play(int open) {
    game.Start();
    game.NewGameOn(PuzzleWithOpenCells(open));
  }
  // The solution's number into cell i of the first row, by panel.
  Outcome Put(int column) {
    game.PickItem(Pick::Panel(testing::kSolution[column] - '1'));
    return game.ApplyPick({0, column});
  }
  int Entry(int column) const { return game.CurrentBoard().Entries[0][column]; }

  SeededRandom random{20261206};
  testing::FakeTicks ticks;
  testing::MemoryProfile settings;
  GameSession game{random, ticks, settings};
};

TEST_F(GameSessionTest, AFirstStartWritesTheBytesItAlwaysHas) {
  EXPECT_FALSE(game.Start().Trouble);
  EXPECT_EQ(settings.Bytes(), testing::Golden("first_run.ini"));
  EXPECT_FALSE(game.Dealt());
  game.PickItem(Pick::Panel(0));
  EXPECT_FALSE(game.ApplyPick({0, 0}).Cells) << "a click before the first deal";
}

TEST_F(GameSessionTest, TheLevelDecidesTheNextDealOnly) {
  game.Start();
  game.NewGame();
  const Board first = game.CurrentBoard();
  const auto open = [&] {
    int count = 0;
    for (const auto& row : game.CurrentBoard().Givens) count += static_cast<int>(std::count(row.begin(), row.end(), 0));
    return count;
  };
  EXPECT_LE(open(), 10);
  EXPECT_TRUE(game.SelectLevel(2).Level);
  EXPECT_EQ(settings.Get("レベル", "値"), "2");
  EXPECT_EQ(game.CurrentBoard().Givens, first.Givens);
  EXPECT_FALSE(game.SelectLevel(3).Level);
  EXPECT_EQ(game.Level(), 2);
  game.NewGame();
  EXPECT_GT(open(), 20);
  EXPECT_LE(open(), 40);
}

TEST_F(GameSessionTest, PicksSoundAndShowOnlyWhatIsThere) {
  Play(3);
  EXPECT_EQ(game.PickItem(Pick::Panel(8)).Play, Sound::Pick);
  EXPECT_EQ(game.Pointer(), Pick::Panel(8));
  EXPECT_FALSE(game.PickItem(Pick::Panel(9)).Play);
  EXPECT_FALSE(game.PickItem(Pick::Hint(3)).Play);
  EXPECT_EQ(game.PickItem(Pick::Eraser()).Play, Sound::Pick);
  game.PickItem(Pick::Hint(1));
  EXPECT_EQ(game.Pointer(), Pick::Hint(1));
  game.ApplyPick({0, 2});
  EXPECT_FALSE(game.HintVisible(1));
  EXPECT_EQ(game.Pointer(), std::nullopt) << "a spent hint is put down";
  EXPECT_FALSE(game.PickItem(Pick::Hint(1)).Play) << "a spent token cannot be picked";
  game.NewGame();
  EXPECT_TRUE(game.HintVisible(1)) << "a new game brings the tokens back";
}

TEST_F(GameSessionTest, AGameToTheSolveWithHintsAndTheRecord) {
  Play(4);
  ticks.AdvanceSeconds(5);
  EXPECT_TRUE(Put(0).Cells);
  game.PickItem(Pick::Hint(0));
  const Outcome hint = game.ApplyPick({0, 1});
  EXPECT_TRUE(hint.Cells && hint.Tokens && hint.Clock && hint.Pointer);
  EXPECT_EQ(game.ElapsedSeconds(), 35);
  game.PickItem(Pick::Hint(1));
  game.ApplyPick({0, 1});  // the number that is already there still costs
  EXPECT_EQ(game.ElapsedSeconds(), 65);
  EXPECT_FALSE(Put(2).Solved);
  EXPECT_TRUE(game.ClockRunning());
  ticks.AdvanceSeconds(2.5);
  const Outcome solved = Put(3);
  EXPECT_TRUE(solved.Solved && solved.RecordWaiting);
  EXPECT_EQ(solved.Play, Sound::Solved);
  EXPECT_FALSE(game.ClockRunning());
  ticks.AdvanceSeconds(100);
  EXPECT_EQ(game.Pending(), (PendingRecord{67, 0}));
  EXPECT_TRUE(game.ConfirmRecord("Tanaka\tTaro").Table);
  EXPECT_EQ(game.BestTimeTable()[0], (BestTimeRow{67, "Tanaka Taro         "}));
  EXPECT_EQ(settings.Get("ハイスコア", "初級"), "67");
  EXPECT_EQ(settings.Get("ハイスコア", "初級名前"), "Tanaka Taro");
  EXPECT_FALSE(game.ConfirmRecord("again").Table) << "no record waits any more";
}

// Solved at beginner, the board stays a beginner board whatever the menu
// says later, also when it is solved again by undo and redo or by dropping
// a panel again: the same frozen time under the same dealt level.
TEST_F(GameSessionTest, ARecordBelongsToTheLevelTheBoardWasDealtAt) {
  Play(1);
  ticks.AdvanceSeconds(3);
  Put(0);
  game.SelectLevel(2);
  game.Undo();
  ticks.AdvanceSeconds(50);
  EXPECT_TRUE(game.Redo().RecordWaiting);
  EXPECT_EQ(game.Pending(), (PendingRecord{3, 0}));
  game.ConfirmRecord("Ann");
  game.SelectLevel(2);
  EXPECT_TRUE(Put(0).Solved);
  EXPECT_FALSE(game.Pending()) << "an equal time is no record";
  EXPECT_EQ(settings.Get("ハイスコア", "初級"), "3");
  EXPECT_EQ(settings.Get("ハイスコア", "上級"), "999");
}

// Two games started on one file, as two running copies are: each judges and
// stores against what the file holds at that moment, and showing the table
// writes nothing, so neither loses the other's record.
TEST_F(GameSessionTest, TwoGamesOnOneFileLoseNothing) {
  GameSession other{random, ticks, settings};
  game.Start();
  other.Start();
  const auto solveIn = [this](GameSession& session, int seconds) {
    session.NewGameOn(PuzzleWithOpenCells(1));
    ticks.AdvanceSeconds(seconds);
    session.PickItem(Pick::Panel(0));
    return session.ApplyPick({0, 0}).RecordWaiting;
  };
  EXPECT_TRUE(solveIn(game, 30));
  EXPECT_TRUE(solveIn(other, 25));
  game.ConfirmRecord("Ann");
  EXPECT_EQ(settings.Get("ハイスコア", "初級"), "30");
  const std::string stored = settings.Bytes();
  other.ReadBestTimes();
  EXPECT_EQ(other.BestTimeTable()[0].Seconds, 30) << "the table shows the other game's record";
  EXPECT_EQ(settings.Bytes(), stored) << "showing the table writes nothing";
  other.ConfirmRecord("Bob");
  EXPECT_EQ(settings.Get("ハイスコア", "初級名前"), "Bob");
  EXPECT_FALSE(solveIn(game, 28)) << "judged against the file, 28 does not beat Bob's 25";
  EXPECT_TRUE(solveIn(game, 20));
  EXPECT_TRUE(solveIn(other, 22));
  game.ConfirmRecord("Cid");
  other.ConfirmRecord("Dee");  // no longer a record by the time of OK
  other.SelectLevel(1);
  EXPECT_EQ(settings.Get("ハイスコア", "初級"), "20");
  EXPECT_EQ(settings.Get("ハイスコア", "初級名前"), "Cid");
  EXPECT_EQ(other.BestTimeTable()[0], game.BestTimeTable()[0]);
}

TEST_F(GameSessionTest, ARecordMustBeatTheBestTimeStrictly) {
  settings.Set("ハイスコア", "初級", "30");
  for (const auto& [seconds, record] : std::vector<std::pair<int, bool>>{{30, false}, {31, false}, {29, true}}) {
    Play(1);
    ticks.AdvanceSeconds(seconds);
    EXPECT_EQ(Put(0).RecordWaiting, record) << seconds;
    game.DismissRecord();
  }
  EXPECT_EQ(game.BestTimeTable()[0].Seconds, 30) << "a dismissed record is dropped";
}

TEST_F(GameSessionTest, ClearingPanelsKeepsGivensClockTokensAndPick) {
  Play(4);
  Put(0);
  Put(1);
  game.PickItem(Pick::Hint(2));
  game.ApplyPick({0, 2});
  ticks.AdvanceSeconds(4);
  EXPECT_TRUE(game.ClearPlacedPanels().Cells);
  EXPECT_EQ(Entry(0) + Entry(1) + Entry(2), 0);
  EXPECT_EQ(game.CellAt({0, 4}), (CellView{CellKind::Given, 5}));
  EXPECT_EQ(game.ElapsedSeconds(), 34);
  EXPECT_FALSE(game.HintVisible(2));
  game.PickItem(Pick::Panel(6));
  game.ClearPlacedPanels();
  EXPECT_EQ(game.Pointer(), Pick::Panel(6));
}

// What the file did not take is told once per cause, the game stays
// playable, and the table says what the file says.
TEST_F(GameSessionTest, WhatCannotBeSavedIsToldOnceAndNothingPretendsItWas) {
  settings.Set("ハイスコア", "上級", "12");
  settings.Set("レベル", "値", "2");
  Play(1);
  // Another game stuck in the middle of a change holds the lock.
  const int lock = settings.disk.Open("/game/.lumitile.ini.lock", O_RDWR | O_CREAT, 0666);
  settings.disk.Flock(lock, LOCK_EX | LOCK_NB);
  const Outcome level = game.SelectLevel(1);
  ASSERT_TRUE(level.Trouble);
  EXPECT_EQ(level.Trouble->Failure.step, FileStep::kLock);
  EXPECT_EQ(settings.disk.pauses, 2 * (kLockAttempts - 1)) << "a bounded wait, then a read without the lock";
  EXPECT_EQ(game.Level(), 1) << "the game goes on at the chosen level";
  EXPECT_FALSE(game.SelectLevel(2).Trouble) << "told once";
  settings.disk.Close(lock);

  settings.disk.spaceLeft = 0;
  ticks.AdvanceSeconds(3);
  Put(0);
  const Outcome record = game.ConfirmRecord("Ann");
  ASSERT_TRUE(record.Trouble);
  EXPECT_EQ(record.Trouble->What, Keeping::kRecord);
  EXPECT_EQ(record.Trouble->Failure, (FileFailure{FileStep::kWrite, ENOSPC, MemoryProfile::kPath}));
  EXPECT_EQ(game.BestTimeTable()[2].Seconds, 12);
  EXPECT_EQ(game.BestTimeTable(), LoadBestTimes(settings.Read().file));
  const Outcome clear = game.ClearBestTimes();
  EXPECT_FALSE(clear.Level || clear.Trouble) << "nothing cleared, and the full disk was told already";
  EXPECT_EQ(game.BestTimeTable()[2].Seconds, 12);
  EXPECT_EQ(game.Level(), 2);

  settings.disk.spaceLeft.reset();
  const Outcome cleared = game.ClearBestTimes();
  EXPECT_TRUE(cleared.Level && !cleared.Trouble);
  EXPECT_EQ(game.BestTimeTable(), EmptyBestTimes());
  EXPECT_EQ(game.Level(), 0);
  EXPECT_EQ(settings.Get("レベル", "値"), "0");
}

// A change that fails at any one system call is told, and leaves the table
// in memory as the file holds it: the old record or the new one.
TEST_F(GameSessionTest, AFailedRecordLeavesMemoryAsTheFile) {
  int failAt = 1;
  for (;; ++failAt) {
    SCOPED_TRACE(failAt);
    settings.Set("ハイスコア", "初級", "40");
    GameSession session{random, ticks, settings};
    session.Start();
    session.NewGameOn(PuzzleWithOpenCells(1));
    ticks.AdvanceSeconds(9);
    session.PickItem(Pick::Panel(0));
    session.ApplyPick({0, 0});
    settings.disk.FailAt(failAt, false);
    const Outcome outcome = session.ConfirmRecord("Ann");
    if (!settings.disk.reached()) break;
    const std::string time = settings.Get("ハイスコア", "初級");
    EXPECT_EQ(time, outcome.Trouble ? "40" : "9");
    EXPECT_EQ(session.BestTimeTable(), LoadBestTimes(settings.Read().file));
  }
  EXPECT_GT(failAt, 15) << "the sequence was really walked";
}

TEST_F(GameSessionTest, UndoAndRedoMoveTheBoardOnly) {
  Play(3);
  Put(0);
  game.PickItem(Pick::Hint(0));
  game.ApplyPick({0, 1});
  game.PickItem(Pick::Panel(4));
  game.ApplyPick({0, 2});  // a wrong 5
  ticks.AdvanceSeconds(1);
  EXPECT_TRUE(game.Undo().Cells);
  EXPECT_TRUE(game.Undo().Cells);
  EXPECT_EQ(Entry(0) * 100 + Entry(1) * 10 + Entry(2), 100);
  EXPECT_EQ(game.ElapsedSeconds(), 31) << "the hint's charge stays";
  EXPECT_FALSE(game.HintVisible(0));
  EXPECT_EQ(game.Pointer(), Pick::Panel(4));
  EXPECT_TRUE(game.Redo().Cells);
  EXPECT_EQ(Entry(1), 2);
  Put(2);  // the right 3 completes the board, and the redo is gone
  EXPECT_FALSE(game.Redo().Cells);
  EXPECT_FALSE(game.Undo().Solved);
  const Outcome again = game.Redo();
  EXPECT_TRUE(again.Solved) << "a board completed by redo is checked";
  EXPECT_EQ(again.Play, Sound::Solved);
  game.NewGame();
  EXPECT_FALSE(game.CanUndo()) << "a new game forgets the moves";
}

}  // namespace
}  // namespace lumitile
