#include "core/game_session.h"

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
  bestTimes_ = LoadBestTimes(settings_);
  level_ = LoadLevel(settings_);
  // Read only: the zoom is written when the player picks one, never as a default.
  zoom_ = LoadZoom(settings_);
  std::vector<Setting> values = BestTimeSettings(bestTimes_, settings_);
  values.push_back(LevelSetting(level_));
  // A file that cannot be written leaves the game playable with what was read.
  (void)settings_.Change(values);
  return {.Level = true, .Table = true, .Zoom = true};
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
  board_ = board;
  history_.Clear();
  hints_ = {true, true, true};
  clock_.Start();
  dealt_ = true;
  return {.Cells = true, .Tokens = true, .Clock = true};
}

Outcome GameSession::SelectLevel(int level) {
  if (level < 0 || level >= kLevelCount) return {};
  SetLevel(level);
  (void)settings_.Change(std::array{LevelSetting(level)});
  return {.Level = true};
}

void GameSession::SetLevel(int level) {
  if (level != level_) awaited_.reset();
  level_ = level;
}

Outcome GameSession::SetZoom(int percent) {
  if (!IsZoomPercent(percent) || percent == zoom_) return {};
  zoom_ = percent;
  // As with the level, a file that cannot be written still lets the choice stand.
  (void)settings_.Change(std::array{ZoomSetting(percent)});
  return {.Zoom = true};
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
  // A record must beat the best time; an equal time is none.
  if (bestTimes_[static_cast<std::size_t>(level_)].Seconds <= seconds) return;
  pending_ = PendingRecord{seconds, level_};
  outcome.RecordWaiting = true;
}

Outcome GameSession::ConfirmRecord(std::string_view name) {
  if (!pending_) return {};
  bestTimes_[static_cast<std::size_t>(pending_->Level)] = {pending_->Seconds, FitName(name)};
  pending_.reset();
  (void)settings_.Change(BestTimeSettings(bestTimes_, settings_));
  return {.Table = true};
}

Outcome GameSession::DismissRecord() {
  pending_.reset();
  return {};
}

Outcome GameSession::ClearBestTimes() {
  const BestTimes cleared = EmptyBestTimes();
  // The level goes first, as it always has, so a file missing both sections
  // gets them in the same order as before.
  std::vector<Setting> values{LevelSetting(0)};
  for (Setting& value : BestTimeSettings(cleared, settings_)) values.push_back(std::move(value));
  if (!settings_.Change(values)) return {};
  bestTimes_ = cleared;
  SetLevel(0);
  return {.Level = true, .Table = true};
}

}  // namespace lumitile
