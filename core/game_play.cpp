#include "core/game_play.h"

#include <utility>

#include "core/puzzle/unique_puzzle.h"

namespace lumitile {

void GamePlay::Begin(const Board& board, int level, GameKind kind) {
  board_ = board;
  dealtLevel_ = level;
  kind_ = kind;
  hints_ = {true, true, true};
  history_.Clear();
  dealt_ = true;
  entering_ = false;
  ForgetSolutions();
  clock_.Start(MaxShownSeconds(level));
}

void GamePlay::BeginEntry() {
  board_ = Board{};
  kind_ = GameKind::kEntered;
  hints_ = {false, false, false};
  history_.Clear();
  dealt_ = entering_ = true;
  ForgetSolutions();
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
  ForgetSolutions();
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

void GamePlay::ForgetSolutions() {
  severalSolutions_.reset();
  agrees_.fill(-1);
}

namespace {

Digits GivensOf(const Board& board) {
  Digits givens{};
  for (int i = 0; i < 81; ++i) givens[static_cast<std::size_t>(i)] = static_cast<uint8_t>(board.Givens[i / 9][i % 9]);
  return givens;
}

}  // namespace

bool GamePlay::OneSolution() const {
  if (!severalSolutions_) severalSolutions_ = CountSolutions(GivensOf(board_), 2) > 1;
  return !*severalSolutions_;
}

CellSet GamePlay::Mistakes() const {
  CellSet wrong;
  if (!dealt_) return wrong;
  OneSolution();
  const CellSet clashes = *severalSolutions_ ? Clashes(board_) : CellSet{};
  for (int i = 0; i < 81; ++i) {
    const Cell cell{i / 9, i % 9};
    const int number = board_.Entry(cell);
    if (board_.Given(cell) != 0 || number < 1 || number > 9) continue;
    if (!*severalSolutions_) {
      wrong[static_cast<std::size_t>(i)] = number != board_.SolutionAt(cell);
      continue;
    }
    int8_t& agrees = agrees_[static_cast<std::size_t>(i * 9 + number - 1)];
    if (agrees < 0) {
      Digits givens = GivensOf(board_);
      givens[static_cast<std::size_t>(i)] = static_cast<uint8_t>(number);
      agrees = CountSolutions(givens, 1) > 0 ? 1 : 0;
    }
    wrong[static_cast<std::size_t>(i)] = clashes[static_cast<std::size_t>(i)] || agrees == 0;
  }
  return wrong;
}

}  // namespace lumitile
