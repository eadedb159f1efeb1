#include "core/game_session.h"

#include <type_traits>

#include "core/board_click.h"
#include "core/print_set.h"

namespace lumitile {

namespace {

// The commands that change the board or move over it.
template <typename T>
constexpr bool kPlaysOnBoard =
    std::is_same_v<T, cmd::PickAndApply> || std::is_same_v<T, cmd::HintAt> || std::is_same_v<T, cmd::ToggleMark> ||
    std::is_same_v<T, cmd::MarkWithPick> || std::is_same_v<T, cmd::MoveCursor> ||
    std::is_same_v<T, cmd::CursorToRowEdge> || std::is_same_v<T, cmd::ClearPlacedPanels> ||
    std::is_same_v<T, cmd::Undo> || std::is_same_v<T, cmd::Redo> || std::is_same_v<T, cmd::FillCandidates> ||
    std::is_same_v<T, cmd::ClearCandidates> || std::is_same_v<T, cmd::NextStep>;

}  // namespace

GameSession::GameSession(RandomSource& random, TickSource& ticks, Profile& settings)
    : random_(random), game_(ticks), records_(settings), deals_(random) {}

bool GameSession::Accepts(const Command& command) const {
  return std::visit([this](const auto& c) {
    using T = std::decay_t<decltype(c)>;
    // The board is covered while paused: nothing on it moves, and a click
    // on the cover only resumes.
    if constexpr (kPlaysOnBoard<T>) return Dealt() && !Paused();
    if constexpr (std::is_same_v<T, cmd::ApplyPick>) return Dealt() && !(c.ByKey && Paused());
    return true;
  }, command);
}

Outcome GameSession::Execute(const Command& command) {
  if (!Accepts(command)) return {};
  Outcome outcome = std::visit([this](const auto& c) { return Do(c); }, command);
  // A step told is gone with the next move, and stays gone when it is undone.
  if (told_ && !ShownStep()) told_.reset();
  return outcome;
}

Outcome GameSession::Do(const cmd::Start&) {
  // The window comes up with what the file holds now; the defaults are
  // written back by the errand, and a file that cannot be written leaves
  // the game playable with what was read.
  const IniFile file = records_.Look();
  level_ = LoadLevel(file);
  // Options are read but not written back: a first run writes no [Options].
  options_.Load(file);
  return {.Level = true, .Table = true, .Zoom = true, .File = records_.Open()};
}

Outcome GameSession::Do(const cmd::NewGame&) {
  std::optional<DealOrder> run;
  if (const auto board = deals_.NewGame(level_, run)) return Begin(*board);
  return {.Deal = run};
}

Outcome GameSession::Do(const cmd::FinishDeal& command) {
  if (const auto board = deals_.Finish(command.Order, command.Dealt)) return Begin(*board);
  return {};
}

Outcome GameSession::Do(const cmd::NewGameOn& command) {
  deals_.StopWaiting();
  return Begin(command.Position);
}

Outcome GameSession::Begin(const Board& board) {
  told_.reset();
  game_.Begin(board, level_);
  input_.NewGame();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true, .Deal = deals_.Refill(level_)};
}

Outcome GameSession::Do(const cmd::Restore& command) {
  deals_.StopWaiting();
  told_.reset();
  game_.Restore(command.Game);
  input_.NewGame();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true, .Deal = deals_.Refill(level_)};
}

Outcome GameSession::Do(const cmd::EnterPuzzle&) {
  deals_.StopWaiting();
  told_.reset();
  game_.BeginEntry();
  input_.NewGame();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true};
}

Outcome GameSession::Do(const cmd::PlayPuzzle& command) {
  Board board;
  for (int cell = 0; cell < 81; ++cell) {
    const auto at = static_cast<std::size_t>(cell);
    const int given = command.Givens[at];
    if (given != 0 && given != command.Solution[at]) return {};
    board.Givens[cell / 9][cell % 9] = static_cast<int16_t>(given);
    board.Solution[cell / 9][cell % 9] = static_cast<int16_t>(command.Solution[at]);
  }
  if (!IsCompleteGrid(board.Solution)) return {};
  deals_.StopWaiting();
  told_.reset();
  game_.Begin(board, level_, GameKind::kEntered);
  input_.NewGame();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true, .Deal = deals_.Refill(level_)};
}

std::array<uint8_t, 81> GameSession::PuzzleGivens() const {
  std::array<uint8_t, 81> givens{};
  for (int cell = 0; cell < 81; ++cell) {
    const Cell at{cell / 9, cell % 9};
    givens[static_cast<std::size_t>(cell)] =
        static_cast<uint8_t>(Entering() ? ViewOf(CurrentBoard(), at).Number : CurrentBoard().Given(at));
  }
  return givens;
}

Outcome GameSession::Do(const cmd::SelectLevel& command) {
  const int level = command.Level;
  if (level < 0 || level >= kLevelCount) return {};
  const auto deal = SetLevel(level);
  ++levelChoices_;
  return {.Level = true,
          .Deal = deal,
          .File = records_.Change(Keeping::kLevel, [level](IniFile& file) { SaveLevel(file, level); })};
}

std::optional<DealOrder> GameSession::SetLevel(int level) {
  if (level == level_) return std::nullopt;
  level_ = level;
  return deals_.SwitchLevel(level);
}

Outcome GameSession::Do(const cmd::PickItem& command) {
  Pick pick = command.Item;
  const bool there = pick.What == Pick::Kind::Panel  ? pick.Index >= 0 && pick.Index <= 8
                     : pick.What == Pick::Kind::Hint ? HintVisible(pick.Index)
                                                     : true;
  if (!there) return {};
  if (pick.What == Pick::Kind::Eraser) pick.Index = 0;
  input_.Picked = pick;
  return {.Pointer = true, .Play = Sound::Pick};
}

Outcome GameSession::Do(const cmd::ApplyPick& command) {
  if (Paused()) return Do(cmd::Resume{});
  const Cell cell = command.At;
  if (OnBoard(cell)) input_.Cursor = cell;
  Outcome outcome;
  if (auto action = BoardClick(game_.CurrentBoard(), input_.Picked, cell)) {
    outcome = Played(std::move(action->Change));
    if (action->Hint) {
      game_.SpendHint(*action->Hint);
      // One token, one reveal: the spent token is put down with the pointer.
      input_.Picked.reset();
      outcome.Pointer = outcome.Tokens = outcome.Clock = true;
    }
    if (action->PutNumber) CheckSolved(outcome);
  }
  return command.ByKey ? ByKey(outcome) : outcome;
}

Outcome GameSession::Do(const cmd::PickAndApply& command) {
  const Outcome picked = Do(cmd::PickItem{command.Item});
  if (!picked.Pointer) return {};
  Outcome outcome = Do(cmd::ApplyPick{command.At, true});
  outcome.Pointer = true;
  // One key, one sound: the solve's if it solved, else the pick's.
  if (!outcome.Play) outcome.Play = picked.Play;
  return outcome;
}

Outcome GameSession::Do(const cmd::HintAt& command) {
  if (!OnBoard(command.At) || CurrentBoard().Given(command.At) != 0) return {};
  for (int i = 0; i < kHintCount; ++i) {
    if (HintVisible(i)) return Do(cmd::PickAndApply{Pick::Hint(i), command.At});
  }
  return {};
}

Outcome GameSession::Do(const cmd::PutPickDown&) {
  if (!input_.Picked) return {};
  input_.Picked.reset();
  return {.Pointer = true};
}

Outcome GameSession::Do(const cmd::ToggleMark& command) {
  const Outcome outcome = Played(ToggleMark(CurrentBoard(), command.At, command.Number));
  return command.ByKey ? ByKey(outcome) : outcome;
}

Outcome GameSession::Do(const cmd::MarkWithPick& command) {
  const auto& pick = input_.Picked;
  if (!OnBoard(command.At)) return {};
  // Marks need no pick: the right button alone toggles the slot it hit.
  if (!pick) return Do(cmd::ToggleMark{command.At, command.Mark});
  if (pick->What == Pick::Kind::Panel) return Do(cmd::ToggleMark{command.At, pick->Index + 1});
  if (pick->What == Pick::Kind::Eraser) return Played(ClearMarks(CurrentBoard(), command.At));
  return {};
}

Outcome GameSession::ByKey(Outcome outcome) {
  // The first key of a game brings the cursor out: the board must repaint.
  if (!input_.KeyboardUsed) outcome.Cells = outcome.Cursor = true;
  input_.KeyboardUsed = true;
  return outcome;
}

Outcome GameSession::Do(const cmd::MoveCursor& command) {
  input_.MoveCursor(command.Rows, command.Columns);
  return ByKey({.Cells = true, .Cursor = true});
}

Outcome GameSession::Do(const cmd::CursorToRowEdge& command) {
  input_.Cursor.Column = command.Last ? kBoardSize - 1 : 0;
  return ByKey({.Cells = true, .Cursor = true});
}

Outcome GameSession::Do(const cmd::ClearPlacedPanels&) {
  return Played(ClearEntries(CurrentBoard()));
}

Outcome GameSession::Played(Move move) {
  const CellsTouched touched = game_.Play(std::move(move));
  return {.Cells = touched.Any.any(), .NumbersChanged = touched.Numbers, .Changed = touched.Any};
}

Outcome GameSession::Do(const cmd::FillCandidates&) { return Played(FillCandidates(CurrentBoard())); }

Outcome GameSession::Do(const cmd::ClearCandidates&) { return Played(ClearAllMarks(CurrentBoard())); }

Outcome GameSession::Do(const cmd::Undo&) { return Replayed(game_.Undo()); }

Outcome GameSession::Do(const cmd::Redo&) { return Replayed(game_.Redo()); }

Outcome GameSession::Replayed(const CellsTouched& touched) {
  if (touched.Any.none()) return {};
  Outcome outcome{.Cells = true, .NumbersChanged = touched.Numbers, .Changed = touched.Any};
  CheckSolved(outcome);
  return outcome;
}

void GameSession::CheckSolved(Outcome& outcome) {
  const auto seconds = game_.CheckSolved();
  if (!seconds) {
    // A board being set is no solve gone wrong, however full.
    outcome.Mistaken = !Entering() && IsFull(CurrentBoard());
    return;
  }
  outcome.Solved = true;
  outcome.Play = Sound::Solved;
  outcome.Clock = true;
  // A puzzle from outside was never dealt at the level it would be timed
  // against: judged at once as no record, and the file is never asked.
  if (game_.Kind() != GameKind::kDealt) {
    outcome.Judged = true;
    return;
  }
  // Judged against the file, which another game may have changed, and under
  // the level the board was dealt at, whatever the menu says by now.
  outcome.File = records_.Judge(*seconds, game_.DealtLevel());
}

Outcome GameSession::Do(const cmd::Pause&) {
  if (!CanPause() || !game_.Pause()) return {};
  return {.Cells = true, .Clock = true};
}

Outcome GameSession::Do(const cmd::Resume&) {
  if (!game_.Resume()) return {};
  return {.Cells = true, .Clock = true};
}

Outcome GameSession::Do(const cmd::TogglePause&) { return Paused() ? Do(cmd::Resume{}) : Do(cmd::Pause{}); }

Outcome GameSession::Do(const cmd::ShowDuplicates& command) {
  if (!options_.SetShowDuplicates(command.On)) return {};
  Outcome outcome{.Cells = true};
  StoreOption(DisplayOption::ShowDuplicates, outcome);
  return outcome;
}

Outcome GameSession::Do(const cmd::ShowHighlight& command) {
  if (!options_.SetHighlight(command.On)) return {};
  Outcome outcome{.Cells = true};
  StoreOption(DisplayOption::Highlight, outcome);
  return outcome;
}

Outcome GameSession::Do(const cmd::ShowMistakes& command) {
  if (!options_.SetShowMistakes(command.On)) return {};
  Outcome outcome{.Cells = true};
  StoreOption(DisplayOption::ShowMistakes, outcome);
  return outcome;
}

Outcome GameSession::Do(const cmd::NextStep&) {
  // Nothing to find on a solved board, nor while a record holder's name is asked.
  if (!ClockRunning()) return {};
  const Board& board = CurrentBoard();
  told_ = ToldStep{NextStepOn(board, game_.Mistakes(), game_.OneSolution()), board.Entries, board.Marks};
  // Each use costs what a hint does, so a best time stays fair.
  game_.ChargeTime();
  return {.Cells = true, .Clock = true, .Step = told_->Help};
}

const NextStepHelp* GameSession::ShownStep() const {
  const Board& board = CurrentBoard();
  if (!told_ || told_->Entries != board.Entries || told_->Marks != board.Marks) return nullptr;
  return &told_->Help;
}

Highlight GameSession::Highlights() const {
  if (!options_.Highlight() || !Dealt()) return {};
  return HighlightOn(CurrentBoard(), input_.Cursor, input_.Picked);
}

Outcome GameSession::Do(const cmd::SetZoom& command) {
  if (!options_.SetZoom(command.Percent)) return {};
  Outcome outcome{.Zoom = true};
  StoreOption(DisplayOption::Zoom, outcome);
  return outcome;
}

void GameSession::StoreOption(DisplayOption which, Outcome& outcome) {
  // As with the level, a file that cannot take it still lets the choice
  // stand for this run.
  outcome.File = records_.Change(Keeping::kOptions,
                                 [options = options_, which](IniFile& file) { options.Save(file, which); });
}

Outcome GameSession::Do(const cmd::ConfirmRecord& command) {
  auto stored = records_.Confirm(command.Name);
  if (!stored) return {};
  return {.File = std::move(*stored)};
}

Outcome GameSession::Do(const cmd::DismissRecord&) {
  records_.Dismiss();
  return {};
}

Outcome GameSession::Do(const cmd::ClearBestTimes&) {
  levelChoicesAtClear_ = levelChoices_;
  return {.File = records_.Clear()};
}

Outcome GameSession::Do(const cmd::ReadBestTimes&) { return {.File = records_.Reread()}; }

Outcome GameSession::Do(const cmd::FileDone& command) {
  const FileReply& reply = command.Reply;
  const FileChange taken = records_.Take(reply);
  Outcome outcome{.Table = true, .Trouble = taken.Trouble};
  if (reply.Solve) {
    outcome.Judged = true;
    outcome.RecordWaiting = taken.RecordWaiting;
  }
  // Shown also when the record could not be kept: the table says what was.
  outcome.ShowTable = reply.What == Keeping::kRecord;
  // A clear the file could not take leaves the level as it was, and so does
  // a level chosen since the clear was ordered, which the file gets next.
  if (reply.What == Keeping::kClearedTable && taken.Saved && levelChoices_ == levelChoicesAtClear_) {
    outcome.Deal = SetLevel(0);
    outcome.Level = true;
  }
  return outcome;
}

Outcome ExecuteAndWait(GameSession& game, const Command& command) {
  Outcome outcome = game.Execute(command);
  if (!outcome.File) return outcome;
  const Outcome reply = game.Execute(cmd::FileDone{outcome.File->Run()});
  outcome.File.reset();
  for (auto [flag, more] : {std::pair{&outcome.Cells, reply.Cells}, {&outcome.Pointer, reply.Pointer},
                            {&outcome.Tokens, reply.Tokens}, {&outcome.Clock, reply.Clock},
                            {&outcome.Level, reply.Level}, {&outcome.Table, reply.Table},
                            {&outcome.ShowTable, reply.ShowTable}, {&outcome.Zoom, reply.Zoom},
                            {&outcome.Cursor, reply.Cursor}, {&outcome.Judged, reply.Judged},
                            {&outcome.RecordWaiting, reply.RecordWaiting}}) {
    *flag = *flag || more;
  }
  if (reply.Trouble) outcome.Trouble = reply.Trouble;
  return outcome;
}

Outcome GameSession::Do(const cmd::OrderPrint& command) {
  if (command.Level < 0 || command.Level >= kLevelCount || command.Count < 1 || command.Count > kMaxPrintSet) return {};
  // SideSeed reads the source without drawing from it, so the game dealt
  // next is the one it would have been without this print.
  return {.Print = PrintOrder{command.Level, command.Count, PrintSeed(random_.SideSeed(), ++prints_)}};
}

Outcome GameSession::Do(const cmd::GiveUpDeals&) {
  deals_.GiveUp();
  return {};
}

}  // namespace lumitile
