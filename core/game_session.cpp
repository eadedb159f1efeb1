#include "core/game_session.h"

#include <algorithm>

#include "core/board_click.h"
#include "core/level_table.h"
#include "core/puzzle/puzzle_setup.h"

namespace lumitile {

GameSession::GameSession(RandomSource& random, TickSource& ticks, Profile& settings)
    : random_(random), settings_(settings), clock_(ticks) {}

Outcome GameSession::Start() {
  Outcome outcome{.Level = true, .Table = true};
  // Read and written back in one change: a record another game stores
  // meanwhile is not overwritten with what this one read a moment earlier.
  // A file that cannot be written leaves the game playable with what was read.
  const FileAfter after = ChangeFile(Keeping::kSettings, [](IniFile& file) {
    SaveBestTimes(file, LoadBestTimes(file));
    SaveLevel(file, LoadLevel(file));
  }, outcome);
  level_ = LoadLevel(after.File);
  return outcome;
}

Outcome GameSession::NewGame() {
  Board board;
  NewPuzzle(board, *LevelParametersFor(level_), random_);
  return NewGameOn(board);
}

Outcome GameSession::NewGameOn(const Board& board) {
  board_ = board;
  dealtLevel_ = level_;
  history_.Clear();
  hints_ = {true, true, true};
  clock_.Start();
  dealt_ = true;
  return {.Cells = true, .Tokens = true, .Clock = true};
}

Outcome GameSession::SelectLevel(int level) {
  if (!LevelParametersFor(level)) return {};
  level_ = level;
  Outcome outcome{.Level = true};
  ChangeFile(Keeping::kLevel, [level](IniFile& file) { SaveLevel(file, level); }, outcome);
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
  Move move = ClearEntries(board_);
  const Outcome outcome{.Cells = !move.Empty()};
  Apply(board_, move);
  history_.Record(std::move(move));
  return outcome;
}

Outcome GameSession::Undo() { return Replay(history_.Undo(), Revert); }

Outcome GameSession::Redo() { return Replay(history_.Redo(), Apply); }

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
    level_ = 0;
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
