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
#include "core/saved_game.h"

namespace lumitile {

// A deal of one of the two hard levels, which can take longer than a frame:
// the seed is drawn from the game's own source when the game is asked for,
// so the game's seed still fixes every puzzle, and DealBoard turns it into
// the board on any thread.
struct DealOrder {
  uint64_t Number = 0;  // tells a deal under way from one given up
  int Level = 0;
  uint64_t Seed = 0;
};

// The board of a deal: a pure function of the order.
Board DealBoard(const DealOrder& order);

// What a command did, for the view to show.
struct Outcome {
  bool Cells = false;    // cells changed
  bool Pointer = false;  // the pick changed
  bool Tokens = false;   // a hint token was spent or all came back
  bool Clock = false;    // the time jumped (a hint), stopped or restarted
  bool Level = false;    // the level changed
  bool Table = false;    // the best-time table changed
  bool Zoom = false;     // the main window's zoom changed
  std::optional<Sound> Play = std::nullopt;
  bool Solved = false;
  bool RecordWaiting = false;  // a solve beat the best time: ask for a name
  // A new game waits for this deal: run DealBoard on it, off the window's
  // thread, and hand the board to FinishDeal.
  std::optional<DealOrder> Deal = std::nullopt;
  bool Cursor = false;         // the cell cursor moved or first showed
  bool Pause = false;          // the game was paused or resumed
  bool Options = false;        // a display option changed
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
  // forgets the moves and starts the clock from zero. The pick stays. At
  // the two hard levels the outcome carries the deal instead, and the game
  // on the board goes on until FinishDeal brings the new one.
  Outcome NewGame();
  // The new game of a deal that was ordered: shown and started as NewGame
  // does, unless another new game, a level change or a new board came in
  // the meantime; then the board is dropped and nothing changes.
  Outcome FinishDeal(const DealOrder& order, const Board& board);
  // A new game on this board instead of a dealt one, for tests and tools;
  // its records go to the current level as a dealt board's would.
  Outcome NewGameOn(const Board& board);
  // 0 beginner to 4 master. The board and the clock stay; the next game is
  // dealt at it, and a deal under way for another level is given up. Stored
  // at once; when the file cannot take it the level still changes, and
  // Trouble says so. Any other value changes nothing.
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

  // Keyboard play. The cursor starts on the top-left cell with every game
  // and shows once a key was used in it; a click on a cell moves it there.
  // While the game is paused these keys do nothing.
  // Moves the cursor, wrapping around at the board's edges.
  Outcome MoveCursor(int rows, int columns);
  // Home and End: the first or last cell of the cursor's row.
  Outcome CursorToRowEdge(bool last);
  // A digit, Delete or H: the item picked (one pick sound) and applied at
  // the cursor, as a palette click and a board click would.
  Outcome PickAndApply(Pick pick);
  // H: the first unspent hint token; nothing when all are spent or the
  // cursor is on a given.
  Outcome HintAtCursor();
  // Space or Enter: the current pick applied at the cursor.
  Outcome ApplyPickAtCursor();
  // Escape: the pick put down, the pointer back to the arrow.
  Outcome PutPickDown();

  // Pencil marks, undoable: number 1..9 toggled in an open, unfilled cell.
  Outcome ToggleMark(Cell cell, int number);
  // Ctrl+digit: the same at the cursor.
  Outcome ToggleMarkAtCursor(int number);
  // A right click: a picked panel's number toggled, or with the eraser every
  // mark of the cell taken off.
  Outcome MarkWithPick(Cell cell);

  // The clock held and the board covered. Only a running clock pauses (not
  // a solved game, not one waiting for a record holder's name); a new game
  // or a click on the board resumes.
  Outcome Pause();
  Outcome Resume();
  Outcome TogglePause();

  // 重複を表示: every clash on the board marked. Stored under its own
  // section only once the player changes it.
  Outcome ShowDuplicates(bool on);

  // The game to keep when the program ends: nothing once it is solved or
  // before the first deal.
  std::optional<SavedGame> GameToKeep() const;
  // A kept game back on the board, its clock going on from the kept time
  // (held if it was paused); the moves before it cannot be undone.
  Outcome RestoreGame(const SavedGame& game);

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
  // The main window's zoom in percent, stored when it differs from the
  // current one; a percent not in kZoomPercents changes nothing.
  Outcome SetZoom(int percent);

  // What the view draws.
  bool Dealt() const { return dealt_; }
  // A new game waits for its deal.
  bool Dealing() const { return awaited_.has_value(); }
  CellView CellAt(Cell cell) const { return ViewOf(board_, cell); }
  const Board& CurrentBoard() const { return board_; }
  bool HintVisible(int index) const;
  PointerView Pointer() const { return pick_; }
  int Level() const { return level_; }
  int Zoom() const { return zoom_; }
  const BestTimes& BestTimeTable() const { return bestTimes_; }
  const std::optional<PendingRecord>& Pending() const { return pending_; }
  int32_t ElapsedSeconds() const { return clock_.ElapsedSeconds(); }
  std::array<int, 3> ClockDigits() const { return ShowTime(clock_.ElapsedSeconds()); }
  // Milliseconds until the shown time changes, -1 when it cannot change.
  int64_t MsUntilClockChanges() const { return clock_.MsUntilNextSecond(); }
  bool ClockRunning() const { return clock_.Running(); }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  Cell Cursor() const { return cursor_; }
  bool CursorShown() const { return keyboardUsed_; }
  // The marks a cell shows: none under a panel or a given.
  uint16_t MarksShown(Cell cell) const;
  bool Paused() const { return clock_.Paused(); }
  bool CanPause() const { return clock_.Running() && !pending_; }
  bool ShowingDuplicates() const { return showDuplicates_; }
  // The cells marked as clashing: all clashes while 重複を表示 is on, and
  // always on a board that is full but not solved.
  CellSet ShownClashes() const;

 private:
  // An undone or redone move taken back or applied, then checked.
  Outcome Replay(const Move* move, void (*step)(Board&, const Move&));
  // The solved check and, on a solved board, the win sequence.
  void CheckSolved(Outcome& outcome);
  // A different level gives up the deal under way.
  void SetLevel(int level);
  // A mark move recorded and applied.
  Outcome Mark(Move move);
  // The outcome of a key: the cursor shows from now on.
  Outcome ByKey(Outcome outcome);
  // A fresh board's cursor, clock and moves.
  void BeginGame(const Board& board);
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
  int zoom_ = 100;
  std::optional<Pick> pick_;
  std::array<bool, kHintCount> hints_{true, true, true};
  BestTimes bestTimes_ = EmptyBestTimes();
  std::optional<PendingRecord> pending_;
  bool dealt_ = false;
  uint64_t deals_ = 0;                // deal orders so far
  std::optional<uint64_t> awaited_;  // the deal the next game waits for
  int dealtLevel_ = 0;
  Cell cursor_;
  bool keyboardUsed_ = false;
  bool showDuplicates_ = false;
  std::vector<FileFailure> told_;
};

}  // namespace lumitile
