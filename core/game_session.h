// One game session, the mid end between the windows and the rules: it owns
// the board, the level, the pick, the hint tokens, the clock, the move
// history and the best-time table, and reads and writes the settings file.
// The windows send it commands in board terms and act on the Outcome each
// returns (redraw, play a sound, open the name entry); it never calls back.
// The settings file is the truth about the records: the session reads it
// again before it judges a solve or shows the table, and changes it only in
// one locked read-modify-write (Profile::Edit), so two running games never
// write over each other. Nothing here waits for another game longer than
// kLockAttempts allows (twice, when a failed change reads the file again).
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/board.h"
#include "core/game_clock.h"
#include "core/game_types.h"
#include "core/history.h"
#include "core/random_source.h"
#include "core/records/best_times.h"
#include "core/records/cannot_save.h"
#include "core/records/profile.h"

namespace lumitile {

// What a command did, for the view to show.
struct Outcome {
  bool Cells = false;    // cells changed
  bool Pointer = false;  // the pick changed
  bool Tokens = false;   // a hint token was spent or all came back
  bool Clock = false;    // the time jumped (a hint), stopped or restarted
  bool Level = false;    // the level changed
  bool Table = false;    // the best-time table changed
  std::optional<Sound> Play = std::nullopt;
  bool Solved = false;
  bool RecordWaiting = false;  // a solve beat the best time: ask for a name
  // The settings file did not take a change; told once per session for each cause.
  std::optional<CannotSave> Trouble = std::nullopt;
};

// A record that waits for its holder's name: the solve time exactly as it
// was judged, and the level it was judged at.
struct PendingRecord {
  int32_t Seconds = 0;
  int Level = 0;
  bool operator==(const PendingRecord&) const = default;
};

class GameSession {
 public:
  GameSession(RandomSource& random, TickSource& ticks, Profile& settings);

  // Start-up before the window shows: the best times and the level from the
  // settings file, read once and written back in the same change so a
  // missing file or key is created with its default.
  Outcome Start();
  // Deals a new puzzle at the current level, shows all hint tokens again,
  // forgets the moves and starts the clock from zero. The pick stays.
  Outcome NewGame();
  // A new game on this board instead of a dealt one, for tests and tools;
  // its records go to the current level as a dealt board's would.
  Outcome NewGameOn(const Board& board);
  // 0 beginner, 1 intermediate, 2 advanced. The board and the clock stay;
  // the next game is dealt at it. Stored at once; when the file cannot take
  // it the level still changes, and Trouble says so. Any other value
  // changes nothing.
  Outcome SelectLevel(int level);

  // A palette pick plays the pick sound; an item that is not there (a spent
  // hint token, an index out of range) changes nothing and stays silent.
  Outcome PickItem(Pick pick);
  // The picked item applied to a cell, then the solved check when a number
  // was placed or revealed. A hint charges the clock 30 seconds and its
  // token is spent and put down.
  Outcome ApplyPick(Cell cell);
  // Empties every open cell; givens, clock, hint tokens and pick stay.
  Outcome ClearPlacedPanels();
  // Take back or replay a move: the board only; the clock, the spent tokens
  // and the pick stay. A board completed this way is checked like any move.
  Outcome Undo();
  Outcome Redo();

  // The name entry's OK: the name, fitted to 20 characters, and the pending
  // time go to the pending level in one change, if the time still beats what
  // the file holds by now (another game may have stored a better one). The
  // table then says what the file says. Nothing when no record waits.
  Outcome ConfirmRecord(std::string_view name);
  // The entry closed without OK: the record is dropped.
  Outcome DismissRecord();
  // Clears every record and switches to beginner, as one change of the
  // settings file; when it cannot be written the level stays and the table
  // says what the file says. The game on the board and its clock go on.
  Outcome ClearBestTimes();
  // The table as the file holds it now, for showing; writes nothing.
  Outcome ReadBestTimes();

  // What the view draws.
  bool Dealt() const { return dealt_; }
  CellView CellAt(Cell cell) const { return ViewOf(board_, cell); }
  const Board& CurrentBoard() const { return board_; }
  bool HintVisible(int index) const;
  PointerView Pointer() const { return pick_; }
  int Level() const { return level_; }
  const BestTimes& BestTimeTable() const { return bestTimes_; }
  const std::optional<PendingRecord>& Pending() const { return pending_; }
  int32_t ElapsedSeconds() const { return clock_.ElapsedSeconds(); }
  std::array<int, 3> ClockDigits() const { return ShowTime(clock_.ElapsedSeconds()); }
  // Milliseconds until the shown time changes, -1 when it cannot change.
  int64_t MsUntilClockChanges() const { return clock_.MsUntilNextSecond(); }
  bool ClockRunning() const { return clock_.Running(); }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }

 private:
  // An undone or redone move taken back or applied, then checked.
  Outcome Replay(const Move* move, void (*step)(Board&, const Move&));
  // The solved check and, on a solved board, the win sequence.
  void CheckSolved(Outcome& outcome);
  // One change of the settings file. The table in memory then says what the
  // file says; a failure is told in outcome, once per cause. Returns the file
  // as it is after the change, and whether it holds the change.
  struct FileAfter {
    IniFile File;
    bool Saved;
  };
  FileAfter ChangeFile(Keeping what, const std::function<void(IniFile&)>& change, Outcome& outcome);

  RandomSource& random_;
  Profile& settings_;
  Board board_;
  GameClock clock_;
  History history_;
  int level_ = 0;
  int dealtLevel_ = 0;  // the level the board on show was dealt at
  std::optional<Pick> pick_;
  std::array<bool, kHintCount> hints_{true, true, true};
  BestTimes bestTimes_ = EmptyBestTimes();
  std::optional<PendingRecord> pending_;
  bool dealt_ = false;
  std::vector<FileFailure> told_;
};

}  // namespace lumitile
