#include "core/game_session.h"

#include <type_traits>

#include "core/board_click.h"
#include "core/level_table.h"
#include "core/puzzle/puzzle_setup.h"
#include "core/puzzle/unique_puzzle.h"

namespace lumitile {

namespace {

// 64 bits from three 24-bit draws of the game's source.
uint64_t DrawSeed(RandomSource& random) {
  uint64_t seed = 0;
  for (int i = 0; i < 3; ++i) seed = seed << 24 | static_cast<uint64_t>(random.Next() * 16777216.0f);
  return seed;
}

// The commands that change the board or move over it.
template <typename T>
constexpr bool kPlaysOnBoard =
    std::is_same_v<T, cmd::PickAndApply> || std::is_same_v<T, cmd::HintAt> || std::is_same_v<T, cmd::ToggleMark> ||
    std::is_same_v<T, cmd::MarkWithPick> || std::is_same_v<T, cmd::MoveCursor> ||
    std::is_same_v<T, cmd::CursorToRowEdge> || std::is_same_v<T, cmd::ClearPlacedPanels> ||
    std::is_same_v<T, cmd::Undo> || std::is_same_v<T, cmd::Redo> || std::is_same_v<T, cmd::FillCandidates> ||
    std::is_same_v<T, cmd::ClearCandidates> || std::is_same_v<T, cmd::NextStep>;

}  // namespace

Board DealBoard(const DealOrder& order) {
  SeededRandom random(order.Seed);
  Board board;
  if (const auto puzzle = DealUniquePuzzle(order.Level, random, order.GivenUp.get())) {
    for (int cell = 0; cell < 81; ++cell) {
      board.Solution[cell / 9][cell % 9] = puzzle->solution[static_cast<std::size_t>(cell)];
      board.Givens[cell / 9][cell % 9] = puzzle->givens[static_cast<std::size_t>(cell)];
    }
  }
  return board;
}

GameSession::GameSession(RandomSource& random, TickSource& ticks, Profile& settings)
    : random_(random), game_(ticks), records_(settings) {}

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
  // A file that cannot be written leaves the game playable with what was read.
  FileChange opened = records_.Open();
  level_ = LoadLevel(opened.File);
  // Options are read but not written back: a first run writes no [Options].
  options_.Load(opened.File);
  return {.Level = true, .Table = true, .Zoom = true, .Trouble = opened.Trouble};
}

Outcome GameSession::Do(const cmd::NewGame&) {
  if (const auto parameters = LevelParametersFor(level_)) {
    Board board;
    NewPuzzle(board, *parameters, random_);
    return Do(cmd::NewGameOn{board});
  }
  GiveUpDeal();
  awaitedGivenUp_ = std::make_shared<std::atomic<bool>>(false);
  const DealOrder order{++deals_, level_, DrawSeed(random_), awaitedGivenUp_};
  awaited_ = order.Number;
  return {.Deal = order};
}

Outcome GameSession::Do(const cmd::FinishDeal& command) {
  if (awaited_ != command.Order.Number) return {};
  return Do(cmd::NewGameOn{command.Dealt});
}

Outcome GameSession::Do(const cmd::NewGameOn& command) {
  GiveUpDeal();
  told_.reset();
  game_.Begin(command.Position, level_);
  input_.NewGame();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true};
}

Outcome GameSession::Do(const cmd::Restore& command) {
  told_.reset();
  game_.Restore(command.Game);
  input_.NewGame();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true};
}

Outcome GameSession::Do(const cmd::SelectLevel& command) {
  const int level = command.Level;
  if (level < 0 || level >= kLevelCount) return {};
  SetLevel(level);
  const FileChange stored = records_.Change(Keeping::kLevel, [level](IniFile& file) { SaveLevel(file, level); });
  return {.Level = true, .Trouble = stored.Trouble};
}

void GameSession::SetLevel(int level) {
  if (level != level_) GiveUpDeal();
  level_ = level;
}

void GameSession::GiveUpDeal() {
  if (awaitedGivenUp_) *awaitedGivenUp_ = true;
  awaitedGivenUp_.reset();
  awaited_.reset();
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
    outcome.Cells = game_.Play(std::move(action->Change));
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
  const Outcome outcome{.Cells = game_.Play(ToggleMark(CurrentBoard(), command.At, command.Number))};
  return command.ByKey ? ByKey(outcome) : outcome;
}

Outcome GameSession::Do(const cmd::MarkWithPick& command) {
  const auto& pick = input_.Picked;
  if (!OnBoard(command.At)) return {};
  // Marks need no pick: the right button alone toggles the slot it hit.
  if (!pick) return Do(cmd::ToggleMark{command.At, command.Mark});
  if (pick->What == Pick::Kind::Panel) return Do(cmd::ToggleMark{command.At, pick->Index + 1});
  if (pick->What == Pick::Kind::Eraser) return {.Cells = game_.Play(ClearMarks(CurrentBoard(), command.At))};
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
  return {.Cells = game_.Play(ClearEntries(CurrentBoard()))};
}

Outcome GameSession::Do(const cmd::FillCandidates&) { return {.Cells = game_.Play(FillCandidates(CurrentBoard()))}; }

Outcome GameSession::Do(const cmd::ClearCandidates&) { return {.Cells = game_.Play(ClearAllMarks(CurrentBoard()))}; }

Outcome GameSession::Do(const cmd::Undo&) { return Replayed(game_.Undo()); }

Outcome GameSession::Do(const cmd::Redo&) { return Replayed(game_.Redo()); }

Outcome GameSession::Replayed(bool moved) {
  if (!moved) return {};
  Outcome outcome{.Cells = true};
  CheckSolved(outcome);
  return outcome;
}

void GameSession::CheckSolved(Outcome& outcome) {
  const auto seconds = game_.CheckSolved();
  if (!seconds) return;
  outcome.Solved = true;
  outcome.Play = Sound::Solved;
  outcome.Clock = outcome.Table = true;
  // Judged against the file, which another game may have changed, and under
  // the level the board was dealt at, whatever the menu says by now.
  outcome.RecordWaiting = records_.Judge(*seconds, game_.DealtLevel());
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
  outcome.Trouble = records_.Change(Keeping::kOptions, [&](IniFile& file) { options_.Save(file, which); }).Trouble;
}

Outcome GameSession::Do(const cmd::ConfirmRecord& command) {
  const auto stored = records_.Confirm(command.Name);
  if (!stored) return {};
  return {.Table = true, .Trouble = stored->Trouble};
}

Outcome GameSession::Do(const cmd::DismissRecord&) {
  records_.Dismiss();
  return {};
}

Outcome GameSession::Do(const cmd::ClearBestTimes&) {
  const FileChange cleared = records_.Clear();
  Outcome outcome{.Table = true, .Trouble = cleared.Trouble};
  if (cleared.Saved) {
    SetLevel(0);
    outcome.Level = true;
  }
  return outcome;
}

Outcome GameSession::Do(const cmd::ReadBestTimes&) {
  records_.Reread();
  return {.Table = true};
}

}  // namespace lumitile
