// One game session, the mid end between the windows and the rules. It holds
// four owners: the game on the board (GamePlay), the player's input state
// (pick and cursor), the display options and the record book, and turns
// each command into their calls. The windows send it commands in board
// terms through Execute and act on the Outcome each returns; it never calls
// back. Nothing here waits for another game longer than the settings file's
// kLockAttempts allows.
#pragma once

#include <array>
#include <optional>

#include "core/command.h"
#include "core/display_options.h"
#include "core/game_play.h"
#include "core/game_types.h"
#include "core/highlight.h"
#include "core/input_state.h"
#include "core/next_step.h"
#include "core/random_source.h"
#include "core/records/record_book.h"

namespace lumitile {

// The board of a deal: a pure function of the order.
Board DealBoard(const DealOrder& order);

// What a command did, for the view to show.
struct Outcome {
  bool Cells = false;    // the board must repaint
  bool Pointer = false;  // the pick changed
  bool Tokens = false;   // a hint token was spent or all came back
  bool Clock = false;    // the time jumped (a hint), stopped or restarted
  bool Level = false;    // the level changed
  bool Table = false;    // the best-time table changed or was read again
  bool Zoom = false;     // the main window's zoom changed
  bool Cursor = false;   // the cell cursor moved or first showed
  std::optional<Sound> Play = std::nullopt;
  bool Solved = false;
  bool RecordWaiting = false;  // a solve beat the best time: ask for a name
  // A new game waits for this deal: run DealBoard on it, off the window's
  // thread, and hand the board back in FinishDeal.
  std::optional<DealOrder> Deal = std::nullopt;
  // 次の一手's answer, for the view to tell.
  std::optional<NextStepHelp> Step = std::nullopt;
  // The settings file did not take a change; told once per session for each cause.
  std::optional<CannotSave> Trouble = std::nullopt;
};

class GameSession {
 public:
  GameSession(RandomSource& random, TickSource& ticks, Profile& settings);
  // A deal still running on another thread stops at its next try.
  ~GameSession() { GiveUpDeal(); }
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  Outcome Execute(const Command& command);
  // Whether the command can act now: nothing on the board moves before the
  // first deal or under the pause cover.
  bool Accepts(const Command& command) const;

  // What the view draws.
  bool Dealt() const { return game_.Dealt(); }
  // A new game waits for its deal.
  bool Dealing() const { return awaited_.has_value(); }
  CellView CellAt(Cell cell) const { return ViewOf(game_.CurrentBoard(), cell); }
  const Board& CurrentBoard() const { return game_.CurrentBoard(); }
  bool HintVisible(int index) const { return game_.HintVisible(index); }
  PointerView Pointer() const { return input_.Picked; }
  int Level() const { return level_; }
  int Zoom() const { return options_.Zoom(); }
  bool ShowingDuplicates() const { return options_.ShowDuplicates(); }
  const BestTimes& BestTimeTable() const { return records_.Table(); }
  const std::optional<PendingRecord>& Pending() const { return records_.Pending(); }
  int32_t ElapsedSeconds() const { return game_.Clock().ElapsedSeconds(); }
  std::array<int, 3> ClockDigits() const { return ShowTime(ElapsedSeconds()); }
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
  Outcome Do(const cmd::FillCandidates&);
  Outcome Do(const cmd::ClearCandidates&);
  Outcome Do(const cmd::ShowHighlight& command);
  Outcome Do(const cmd::ShowMistakes& command);
  Outcome Do(const cmd::NextStep&);

  // An undone or redone move, then checked.
  Outcome Replayed(bool moved);
  // The solved check and, on a solved board, the win sequence.
  void CheckSolved(Outcome& outcome);
  // A different level gives up the deal under way.
  void SetLevel(int level);
  // The new game no longer waits for the deal under way, which stops.
  void GiveUpDeal();
  // The outcome of a key: the cursor shows from now on.
  Outcome ByKey(Outcome outcome);
  // An option changed: stored, or the trouble told.
  void StoreOption(DisplayOption which, Outcome& outcome);

  RandomSource& random_;
  GamePlay game_;
  InputState input_;
  DisplayOptions options_;
  RecordBook records_;
  int level_ = 0;
  uint64_t deals_ = 0;               // deal orders so far
  std::optional<uint64_t> awaited_;  // the deal the next game waits for
  std::shared_ptr<std::atomic<bool>> awaitedGivenUp_;
  // The last next step and the board it was found on.
  struct ToldStep {
    NextStepHelp Help;
    Grid Entries;
    MarkGrid Marks;
  };
  std::optional<ToldStep> told_;
};

}  // namespace lumitile
