// One game session, the mid end between the windows and the rules. It holds
// four owners: the game on the board (GamePlay), the player's input state
// (pick and cursor), the display options and the record book, and turns
// each command into their calls. The windows send it commands in board
// terms through Execute and act on the Outcome each returns; it never calls
// back. Nothing here waits on the settings file but start-up's one read,
// which does not wait for another game's lock: every other trip to the file
// leaves as an errand in the outcome.
#pragma once

#include <array>
#include <optional>

#include "core/command.h"
#include "core/deal_reserve.h"
#include "core/display_options.h"
#include "core/game_play.h"
#include "core/game_types.h"
#include "core/highlight.h"
#include "core/input_state.h"
#include "core/next_step.h"
#include "core/random_source.h"
#include "core/records/record_book.h"

namespace lumitile {

// What a command did, for the view to show.
struct Outcome {
  bool Cells = false;    // the board must repaint
  bool Pointer = false;  // the pick changed
  bool Tokens = false;   // a hint token was spent or all came back
  bool Clock = false;    // the time jumped (a hint), stopped or restarted
  bool Level = false;    // the level changed
  bool Table = false;    // the best-time table changed or was read again
  bool ShowTable = false;  // a record was stored (or could not be): the table shows
  bool Zoom = false;     // the main window's zoom changed
  bool Cursor = false;   // the cell cursor moved or first showed
  // The cells a move, its undo or its redo changed, each read out again by a
  // screen reader: those whose number changed, and those whose number or
  // marks did (a number put also takes its marks off the cell's peers).
  CellSet NumbersChanged = {};
  CellSet Changed = {};
  std::optional<Sound> Play = std::nullopt;
  bool Solved = false;
  // The solve judged against the file, in the reply of the errand the
  // solving move ordered: a record waits for a name, or the solve is none.
  bool Judged = false;
  bool RecordWaiting = false;  // a solve beat the best time: ask for a name
  bool Mistaken = false;       // a number filled the board, but not as a solution
  // A deal to make: run DealBoard on it, off the window's thread, and hand
  // the board back in FinishDeal. A new game may wait for it (Dealing), or
  // it is the next game's, made ahead.
  std::optional<DealOrder> Deal = std::nullopt;
  // A set for paper waits for this deal: run DealPrintSet on it off the
  // window's thread.
  std::optional<PrintOrder> Print = std::nullopt;
  // 次の一手's answer, for the view to tell.
  std::optional<NextStepHelp> Step = std::nullopt;
  // The settings file did not take a change; told once per session for each cause.
  std::optional<CannotSave> Trouble = std::nullopt;
  // A trip to the settings file: run it off the window's thread, after
  // every errand ordered before it, and hand its reply back in FileDone.
  std::optional<FileErrand> File = std::nullopt;
};

class GameSession {
 public:
  GameSession(RandomSource& random, TickSource& ticks, Profile& settings);
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  Outcome Execute(const Command& command);
  // Whether the command can act now: nothing on the board moves before the
  // first deal or under the pause cover.
  bool Accepts(const Command& command) const;

  // What the view draws.
  bool Dealt() const { return game_.Dealt(); }
  // The board is being set by the player (問題を入力), not played.
  bool Entering() const { return game_.Entering(); }
  GameKind Kind() const { return game_.Kind(); }
  // The puzzle on the board as its givens: while entering, what the player
  // has set so far.
  std::array<uint8_t, 81> PuzzleGivens() const;
  // A new game waits for its deal.
  bool Dealing() const { return deals_.Waiting(); }
  // The next game's deal is made ahead while a game is played (on by
  // default); off, only when a new game asks for it.
  void KeepDealAhead(bool on) { deals_.KeepAhead(on); }
  // The next game's deal is made and held: a new game shows at once.
  bool NextDealReady() const { return deals_.Holds(level_); }
  CellView CellAt(Cell cell) const { return ViewOf(game_.CurrentBoard(), cell); }
  const Board& CurrentBoard() const { return game_.CurrentBoard(); }
  bool HintVisible(int index) const { return game_.HintVisible(index); }
  PointerView Pointer() const { return input_.Picked; }
  int Level() const { return level_; }
  // The level the board on show was dealt at, whatever the menu says since.
  int DealtLevel() const { return game_.DealtLevel(); }
  int Zoom() const { return options_.Zoom(); }
  bool ShowingDuplicates() const { return options_.ShowDuplicates(); }
  const BestTimes& BestTimeTable() const { return records_.Table(); }
  const std::optional<PendingRecord>& Pending() const { return records_.Pending(); }
  int32_t ElapsedSeconds() const { return game_.Clock().ElapsedSeconds(); }
  // The clock counts the game on the board, in minutes at the levels added
  // after the first three; before the first deal, the level's.
  bool ClockInMinutes() const { return CountsMinutes(Dealt() ? game_.DealtLevel() : level_); }
  std::array<int, 3> ClockDigits() const { return ShowTime(ElapsedSeconds()); }
  std::array<int, 4> ClockMinuteDigits() const { return ShowMinutes(ElapsedSeconds()); }
  // Milliseconds until the shown time changes, -1 when it cannot change.
  int64_t MsUntilClockChanges() const { return game_.Clock().MsUntilNextSecond(); }
  bool ClockRunning() const { return game_.Clock().Running(); }
  bool Paused() const { return game_.Clock().Paused(); }
  bool CanPause() const { return ClockRunning() && !Pending(); }
  bool CanUndo() const { return game_.CanUndo() && Accepts(cmd::Undo{}); }
  bool CanRedo() const { return game_.CanRedo() && Accepts(cmd::Redo{}); }
  Cell Cursor() const { return input_.Cursor; }
  // The cursor starts on the top-left cell with every game and shows once
  // a key was used in it.
  bool CursorShown() const { return input_.KeyboardUsed; }
  uint16_t MarksShown(Cell cell) const { return game_.MarksShown(cell); }
  CellSet ShownClashes() const { return game_.ShownClashes(options_.ShowDuplicates()); }
  bool Highlighting() const { return options_.Highlight(); }
  bool ShowingMistakes() const { return options_.ShowMistakes(); }
  // What the highlight marks; nothing while it is off or before the first deal.
  Highlight Highlights() const;
  // 次の一手's last answer while the board is as it was asked on: a move
  // (or its undo) ends it.
  const NextStepHelp* ShownStep() const;
  // The wrong panels marked; none while 間違いを表示 is off.
  CellSet ShownMistakes() const { return options_.ShowMistakes() ? game_.Mistakes() : CellSet{}; }
  // The game to keep when the program ends.
  std::optional<SavedGame> GameToKeep() const { return game_.ToKeep(); }

 private:
  Outcome Do(const cmd::Start&);
  Outcome Do(const cmd::NewGame&);
  Outcome Do(const cmd::FinishDeal& command);
  Outcome Do(const cmd::NewGameOn& command);
  Outcome Do(const cmd::Restore& command);
  Outcome Do(const cmd::EnterPuzzle&);
  Outcome Do(const cmd::PlayPuzzle& command);
  Outcome Do(const cmd::SelectLevel& command);
  Outcome Do(const cmd::PickItem& command);
  Outcome Do(const cmd::ApplyPick& command);
  Outcome Do(const cmd::PickAndApply& command);
  Outcome Do(const cmd::HintAt& command);
  Outcome Do(const cmd::PutPickDown&);
  Outcome Do(const cmd::ToggleMark& command);
  Outcome Do(const cmd::MarkWithPick& command);
  Outcome Do(const cmd::MoveCursor& command);
  Outcome Do(const cmd::CursorToRowEdge& command);
  Outcome Do(const cmd::ClearPlacedPanels&);
  Outcome Do(const cmd::Undo&);
  Outcome Do(const cmd::Redo&);
  Outcome Do(const cmd::Pause&);
  Outcome Do(const cmd::Resume&);
  Outcome Do(const cmd::TogglePause&);
  Outcome Do(const cmd::ShowDuplicates& command);
  Outcome Do(const cmd::SetZoom& command);
  Outcome Do(const cmd::ConfirmRecord& command);
  Outcome Do(const cmd::DismissRecord&);
  Outcome Do(const cmd::ClearBestTimes&);
  Outcome Do(const cmd::ReadBestTimes&);
  Outcome Do(const cmd::FileDone& command);
  Outcome Do(const cmd::OrderPrint& command);
  Outcome Do(const cmd::GiveUpDeals&);
  Outcome Do(const cmd::FillCandidates&);
  Outcome Do(const cmd::ClearCandidates&);
  Outcome Do(const cmd::ShowHighlight& command);
  Outcome Do(const cmd::ShowMistakes& command);
  Outcome Do(const cmd::NextStep&);

  // A move played on the board, and what it touched.
  Outcome Played(Move move);
  // An undone or redone move, then checked.
  Outcome Replayed(const CellsTouched& touched);
  // The solved check and, on a solved board, the win sequence.
  void CheckSolved(Outcome& outcome);
  // A different level gives up the deal under way; the deal to make instead.
  std::optional<DealOrder> SetLevel(int level);
  // A new game begins on the board; the outcome carries the next deal to make ahead.
  Outcome Begin(const Board& board);
  // The outcome of a key: the cursor shows from now on.
  Outcome ByKey(Outcome outcome);
  // An option changed: stored, or the trouble told.
  void StoreOption(DisplayOption which, Outcome& outcome);

  RandomSource& random_;  // read for a print's seed; the deals draw through deals_
  GamePlay game_;
  InputState input_;
  DisplayOptions options_;
  RecordBook records_;
  int level_ = 0;
  // Levels chosen so far, and how many had been when the last clear was
  // ordered: a level chosen while the clear is in flight stands.
  uint64_t levelChoices_ = 0, levelChoicesAtClear_ = 0;
  uint64_t prints_ = 0;  // print orders so far
  // The last next step and the board it was found on.
  struct ToldStep {
    NextStepHelp Help;
    Grid Entries;
    MarkGrid Marks;
  };
  std::optional<ToldStep> told_;
  // Last: destroyed first, a deal still running stops at its next try.
  DealReserve deals_;
};

// The command with its errand run here and now and the reply's outcome
// folded in, for tools and tests that have no window to keep responsive.
Outcome ExecuteAndWait(GameSession& game, const Command& command);

}  // namespace lumitile
