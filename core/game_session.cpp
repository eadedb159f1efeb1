#include "core/game_session.h"

#include <algorithm>

#include "core/board_click.h"
#include "core/level_table.h"
#include "core/puzzle/puzzle_setup.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/records/zoom_setting.h"

namespace lumitile {

namespace {

// 64 bits from three 24-bit draws of the game's source.
uint64_t DrawSeed(RandomSource& random) {
  uint64_t seed = 0;
  for (int i = 0; i < 3; ++i) seed = seed << 24 | static_cast<uint64_t>(random.Next() * 16777216.0f);
  return seed;
}

constexpr std::string_view kOptionsSection = "Options";
constexpr std::string_view kShowDuplicatesKey = "ShowDuplicates";

}  // namespace

Board DealBoard(const DealOrder& order) {
  SeededRandom random(order.Seed);
  Board board;
  if (const auto puzzle = DealUniquePuzzle(order.Level, random)) {
    for (int cell = 0; cell < 81; ++cell) {
      board.Solution[cell / 9][cell % 9] = puzzle->solution[static_cast<std::size_t>(cell)];
      board.Givens[cell / 9][cell % 9] = puzzle->givens[static_cast<std::size_t>(cell)];
    }
  }
  return board;
}

GameSession::GameSession(RandomSource& random, TickSource& ticks, Profile& settings)
    : random_(random), settings_(settings), clock_(ticks) {}

Outcome GameSession::Start() {
  Outcome outcome{.Level = true, .Table = true, .Zoom = true};
  // Read and written back in one change: a record another game stores
  // meanwhile is not overwritten with what this one read a moment earlier.
  // A file that cannot be written leaves the game playable with what was read.
  const FileAfter after = ChangeFile(Keeping::kSettings, [](IniFile& file) {
    SaveBestTimes(file, LoadBestTimes(file));
    SaveLevel(file, LoadLevel(file));
  }, outcome);
  level_ = LoadLevel(after.File);
  // Options are read but not written back: a first run writes no [Options].
  zoom_ = LoadZoom(after.File);
  showDuplicates_ = ReadIniInt(after.File, kOptionsSection, kShowDuplicatesKey, 0) == 1;
  return outcome;
}

Outcome GameSession::NewGame() {
  if (const auto parameters = LevelParametersFor(level_)) {
    Board board;
    NewPuzzle(board, *parameters, random_);
    return NewGameOn(board);
  }
  const DealOrder order{++deals_, level_, DrawSeed(random_)};
  awaited_ = order.Number;
  return {.Deal = order};
}

Outcome GameSession::FinishDeal(const DealOrder& order, const Board& board) {
  if (awaited_ != order.Number) return {};
  return NewGameOn(board);
}

Outcome GameSession::NewGameOn(const Board& board) {
  awaited_.reset();
  const bool wasPaused = Paused();
  BeginGame(board);
  hints_ = {true, true, true};
  dealtLevel_ = level_;
  clock_.Start();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true, .Pause = wasPaused};
}

void GameSession::BeginGame(const Board& board) {
  board_ = board;
  dealtLevel_ = level_;
  history_.Clear();
  cursor_ = {};
  keyboardUsed_ = false;
  dealt_ = true;
}

Outcome GameSession::SelectLevel(int level) {
  if (level < 0 || level >= kLevelCount) return {};
  SetLevel(level);
  Outcome outcome{.Level = true};
  ChangeFile(Keeping::kLevel, [level](IniFile& file) { SaveLevel(file, level); }, outcome);
  return outcome;
}

void GameSession::SetLevel(int level) {
  if (level != level_) awaited_.reset();
  level_ = level;
}

Outcome GameSession::SetZoom(int percent) {
  if (!IsZoomPercent(percent) || percent == zoom_) return {};
  zoom_ = percent;
  // As with the level, a file that cannot be written still lets the choice stand.
  Outcome outcome{.Zoom = true};
  ChangeFile(Keeping::kOptions, [percent](IniFile& file) { SaveZoom(file, percent); }, outcome);
  return outcome;
}

bool GameSession::HintVisible(int index) const {
  return index >= 0 && index < kHintCount && hints_[static_cast<std::size_t>(index)];
}

Outcome GameSession::PickItem(Pick pick) {
  const bool there = pick.What == Pick::Kind::Panel  ? pick.Index >= 0 && pick.Index <= 8
                     : pick.What == Pick::Kind::Hint ? HintVisible(pick.Index)
                                                     : true;
  if (!there) return {};
  if (pick.What == Pick::Kind::Eraser) pick.Index = 0;
  pick_ = pick;
  return {.Pointer = true, .Play = Sound::Pick};
}

Outcome GameSession::ApplyPick(Cell cell) {
  if (!dealt_) return {};
  // The board is covered while paused; a click on it only resumes.
  if (Paused()) return Resume();
  if (OnBoard(cell)) cursor_ = cell;
  auto action = BoardClick(board_, pick_, cell);
  if (!action) return {};
  Outcome outcome{.Cells = !action->Change.Empty()};
  Apply(board_, action->Change);
  history_.Record(std::move(action->Change));
  if (action->Hint) {
    clock_.ChargeHintTime();
    hints_[static_cast<std::size_t>(*action->Hint)] = false;
    // One token, one reveal: the spent token is put down with the pointer.
    pick_.reset();
    outcome.Pointer = outcome.Tokens = outcome.Clock = true;
  }
  if (action->PutNumber) CheckSolved(outcome);
  return outcome;
}

Outcome GameSession::ClearPlacedPanels() {
  if (Paused()) return {};
  Move move = ClearEntries(board_);
  const Outcome outcome{.Cells = !move.Empty()};
  Apply(board_, move);
  history_.Record(std::move(move));
  return outcome;
}

// Nothing changes under the pause cover.
Outcome GameSession::Undo() { return Paused() ? Outcome{} : Replay(history_.Undo(), Revert); }

Outcome GameSession::Redo() { return Paused() ? Outcome{} : Replay(history_.Redo(), Apply); }

Outcome GameSession::Replay(const Move* move, void (*step)(Board&, const Move&)) {
  if (!move) return {};
  step(board_, *move);
  Outcome outcome{.Cells = true};
  CheckSolved(outcome);
  return outcome;
}

void GameSession::CheckSolved(Outcome& outcome) {
  if (!IsSolved(board_)) return;
  outcome.Solved = true;
  outcome.Play = Sound::Solved;
  outcome.Clock = true;
  // Stopping freezes the time at this moment, hint charges included.
  clock_.Stop();
  const int32_t seconds = clock_.ElapsedSeconds();
  // Judged against the file, which another game may have changed, and under
  // the level the board was dealt at, whatever the menu says by now.
  bestTimes_ = LoadBestTimes(settings_.Read().file);
  outcome.Table = true;
  // A record must beat the best time; an equal time is none.
  if (bestTimes_[static_cast<std::size_t>(dealtLevel_)].Seconds <= seconds) return;
  pending_ = PendingRecord{seconds, dealtLevel_};
  outcome.RecordWaiting = true;
}

Outcome GameSession::ByKey(Outcome outcome) {
  // The first key of a game brings the cursor out: the board must repaint.
  if (!keyboardUsed_) outcome.Cells = outcome.Cursor = true;
  keyboardUsed_ = true;
  return outcome;
}

Outcome GameSession::MoveCursor(int rows, int columns) {
  if (!dealt_ || Paused()) return {};
  const auto wrap = [](int value) { return ((value % kBoardSize) + kBoardSize) % kBoardSize; };
  cursor_ = {wrap(cursor_.Row + rows), wrap(cursor_.Column + columns)};
  return ByKey({.Cells = true, .Cursor = true});
}

Outcome GameSession::CursorToRowEdge(bool last) {
  if (!dealt_ || Paused()) return {};
  cursor_.Column = last ? kBoardSize - 1 : 0;
  return ByKey({.Cells = true, .Cursor = true});
}

Outcome GameSession::PickAndApply(Pick pick) {
  if (!dealt_ || Paused()) return {};
  const Outcome picked = PickItem(pick);
  if (!picked.Pointer) return {};
  Outcome outcome = ApplyPick(cursor_);
  outcome.Pointer = true;
  // One key, one sound: the solve's if it solved, else the pick's.
  if (!outcome.Play) outcome.Play = picked.Play;
  return ByKey(outcome);
}

Outcome GameSession::HintAtCursor() {
  if (!dealt_ || Paused() || board_.Given(cursor_) != 0) return {};
  for (int i = 0; i < kHintCount; ++i) {
    if (HintVisible(i)) return PickAndApply(Pick::Hint(i));
  }
  return {};
}

Outcome GameSession::ApplyPickAtCursor() {
  if (!dealt_ || Paused()) return {};
  return ByKey(ApplyPick(cursor_));
}

Outcome GameSession::PutPickDown() {
  if (!pick_) return {};
  pick_.reset();
  return {.Pointer = true};
}

Outcome GameSession::Mark(Move move) {
  if (!dealt_ || Paused() || move.Empty()) return {};
  Apply(board_, move);
  history_.Record(std::move(move));
  return {.Cells = true};
}

Outcome GameSession::ToggleMark(Cell cell, int number) { return Mark(lumitile::ToggleMark(board_, cell, number)); }

Outcome GameSession::ToggleMarkAtCursor(int number) {
  if (!dealt_ || Paused()) return {};
  return ByKey(ToggleMark(cursor_, number));
}

Outcome GameSession::MarkWithPick(Cell cell) {
  if (!pick_ || !OnBoard(cell) || Paused()) return {};
  if (pick_->What == Pick::Kind::Panel) return ToggleMark(cell, pick_->Index + 1);
  if (pick_->What == Pick::Kind::Eraser) return Mark(ClearMarks(board_, cell));
  return {};
}

uint16_t GameSession::MarksShown(Cell cell) const {
  if (!OnBoard(cell) || ViewOf(board_, cell).Kind != CellKind::Empty) return 0;
  return board_.MarksAt(cell);
}

Outcome GameSession::Pause() {
  if (!CanPause()) return {};
  clock_.Pause();
  return {.Cells = true, .Clock = true, .Pause = true};
}

Outcome GameSession::Resume() {
  if (!Paused()) return {};
  clock_.Resume();
  return {.Cells = true, .Clock = true, .Pause = true};
}

Outcome GameSession::TogglePause() { return Paused() ? Resume() : Pause(); }

Outcome GameSession::ShowDuplicates(bool on) {
  if (on == showDuplicates_) return {};
  showDuplicates_ = on;
  // Not stored, the option still holds for this run.
  Outcome outcome{.Cells = true, .Options = true};
  ChangeFile(Keeping::kOptions, [on](IniFile& file) {
    WriteIniString(file, kOptionsSection, kShowDuplicatesKey, on ? "1" : "0");
  }, outcome);
  return outcome;
}

CellSet GameSession::ShownClashes() const {
  if (!dealt_) return {};
  if (showDuplicates_ || (IsFull(board_) && !IsSolved(board_))) return Clashes(board_);
  return {};
}

std::optional<SavedGame> GameSession::GameToKeep() const {
  if (!dealt_ || !(clock_.Running() || clock_.Paused()) || IsSolved(board_)) return std::nullopt;
  return SavedGame{board_, hints_, dealtLevel_, clock_.ElapsedSeconds(), clock_.Paused()};
}

Outcome GameSession::RestoreGame(const SavedGame& game) {
  BeginGame(game.Position);
  hints_ = game.Hints;
  dealtLevel_ = game.Level;
  clock_.StartFrom(game.Seconds);
  if (game.Paused) clock_.Pause();
  return {.Cells = true, .Tokens = true, .Clock = true, .Cursor = true, .Pause = true};
}

Outcome GameSession::ConfirmRecord(std::string_view name) {
  if (!pending_) return {};
  const PendingRecord record = *pending_;
  const BestTimeRow row{record.Seconds, FitName(name)};
  pending_.reset();
  Outcome outcome{.Table = true};
  ChangeFile(Keeping::kRecord, [&](IniFile& file) {
    if (LoadBestTimes(file)[static_cast<std::size_t>(record.Level)].Seconds > record.Seconds) {
      SaveBestTime(file, record.Level, row);
    }
  }, outcome);
  return outcome;
}

Outcome GameSession::DismissRecord() {
  pending_.reset();
  return {};
}

Outcome GameSession::ClearBestTimes() {
  Outcome outcome{.Table = true};
  const FileAfter after = ChangeFile(Keeping::kClearedTable, [](IniFile& file) {
    // The level goes first, as it always has, so a file missing both
    // sections gets them in the same order as before.
    SaveLevel(file, 0);
    SaveBestTimes(file, EmptyBestTimes());
  }, outcome);
  if (after.Saved) {
    SetLevel(0);
    outcome.Level = true;
  }
  return outcome;
}

Outcome GameSession::ReadBestTimes() {
  bestTimes_ = LoadBestTimes(settings_.Read().file);
  return {.Table = true};
}

GameSession::FileAfter GameSession::ChangeFile(Keeping what,
                                               const std::function<void(IniFile&)>& change,
                                               Outcome& outcome) {
  std::optional<IniFile> changed;
  const auto failure = settings_.Edit([&](IniFile& file) {
    change(file);
    changed = file;
  });
  FileAfter after{failure ? settings_.Read().file : std::move(*changed), !failure};
  bestTimes_ = LoadBestTimes(after.File);
  if (failure && std::find(told_.begin(), told_.end(), *failure) == told_.end()) {
    told_.push_back(*failure);
    outcome.Trouble = CannotSave{what, *failure};
  }
  return after;
}

}  // namespace lumitile
