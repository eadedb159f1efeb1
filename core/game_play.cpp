#include "core/game_play.h"

#include <utility>

namespace lumitile {

void GamePlay::Begin(const Board& board, int level, GameKind kind) {
  board_ = board;
  dealtLevel_ = level;
  kind_ = kind;
  hints_ = {true, true, true};
  history_.Clear();
  dealt_ = true;
  entering_ = false;
  clock_.Start(MaxShownSeconds(level));
}

void GamePlay::BeginEntry() {
  board_ = Board{};
  kind_ = GameKind::kEntered;
  hints_ = {false, false, false};
  history_.Clear();
  dealt_ = entering_ = true;
  clock_.StartFrom(0);
  clock_.Stop();
}

void GamePlay::Restore(const SavedGame& game) {
  board_ = game.Position;
  dealtLevel_ = game.Level;
  kind_ = game.Kind;
  entering_ = false;
  hints_ = game.Hints;
  history_.Clear();
  dealt_ = true;
  clock_.StartFrom(game.Seconds, MaxShownSeconds(game.Level));
  if (game.Paused) clock_.Pause();
}

CellsTouched GamePlay::Play(Move move) {
  const CellsTouched touched = TouchedBy(move);
  if (move.Empty()) return touched;
  Apply(board_, move);
  history_.Record(std::move(move));
  return touched;
}

void GamePlay::SpendHint(int index) {
  if (!HintVisible(index)) return;
  hints_[static_cast<std::size_t>(index)] = false;
  clock_.ChargeHintTime();
}

CellsTouched GamePlay::Undo() {
  const Move* move = history_.Undo();
  if (!move) return {};
  Revert(board_, *move);
  return TouchedBy(*move);
}

CellsTouched GamePlay::Redo() {
  const Move* move = history_.Redo();
  if (!move) return {};
  Apply(board_, *move);
  return TouchedBy(*move);
}

std::optional<int32_t> GamePlay::CheckSolved() {
  if (!dealt_ || entering_ || !IsSolved(board_)) return std::nullopt;
  clock_.Stop();
  return clock_.ElapsedSeconds();
}

bool GamePlay::Pause() {
  if (!clock_.Running()) return false;
  clock_.Pause();
  return true;
}

bool GamePlay::Resume() {
  if (!clock_.Paused()) return false;
  clock_.Resume();
  return true;
}

std::optional<SavedGame> GamePlay::ToKeep() const {
  if (!dealt_ || !(clock_.Running() || clock_.Paused()) || IsSolved(board_)) return std::nullopt;
  return SavedGame{board_, hints_, dealtLevel_, clock_.ElapsedSeconds(), clock_.Paused(), kind_};
}

uint16_t GamePlay::MarksShown(Cell cell) const {
  if (!OnBoard(cell) || ViewOf(board_, cell).Kind != CellKind::Empty) return 0;
  return board_.MarksAt(cell);
}

CellSet GamePlay::ShownClashes(bool showDuplicates) const {
  if (!dealt_) return {};
  if (showDuplicates || entering_ || (IsFull(board_) && !IsSolved(board_))) return Clashes(board_);
  return {};
}

}  // namespace lumitile
