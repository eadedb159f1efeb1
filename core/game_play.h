// One game from its deal to its solve: the board, the moves and their
// history, the clock and the hint tokens, and the solved check. It knows
// nothing of the pick, the cursor, the settings file or the windows; the
// session turns the player's commands into its calls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/board.h"
#include "core/game_clock.h"
#include "core/history.h"
#include "core/saved_game.h"

namespace lumitile {

class GamePlay {
 public:
  explicit GamePlay(TickSource& ticks) : clock_(ticks) {}

  // A fresh board dealt at level: every token back, no moves, the clock from zero.
  void Begin(const Board& board, int level, GameKind kind = GameKind::kDealt);
  // An empty board on which the player sets a puzzle's givens as entries:
  // no solution to check against or hint from, so no tokens and no solve;
  // the clock stands at zero until the puzzle is played.
  void BeginEntry();
  // A kept game back on the board, its clock going on from the kept time
  // (held if it was paused); the moves before it cannot be undone.
  void Restore(const SavedGame& game);

  // A move applied and recorded; the cells it touched, none when it changes nothing.
  CellsTouched Play(Move move);
  // The token spent and 30 seconds charged to the clock.
  void SpendHint(int index);
  // 30 seconds charged to the clock, as a hint token charges, for help that spends no token.
  void ChargeTime() { clock_.ChargeHintTime(); }
  // Take back or replay a move: the board only. The cells it touched, none
  // when there is no move.
  CellsTouched Undo();
  CellsTouched Redo();
  // On a solved board the clock stops, freezing the time hint charges
  // included, and the solve time comes back; nothing on any other board.
  std::optional<int32_t> CheckSolved();

  // Only a running clock pauses, only a paused one resumes.
  bool Pause();
  bool Resume();

  // The game to keep when the program ends: nothing once it is solved or
  // before the first deal.
  std::optional<SavedGame> ToKeep() const;

  bool Dealt() const { return dealt_; }
  bool Entering() const { return entering_; }
  GameKind Kind() const { return kind_; }
  int DealtLevel() const { return dealtLevel_; }
  const Board& CurrentBoard() const { return board_; }
  bool HintVisible(int index) const {
    return index >= 0 && index < kHintCount && hints_[static_cast<std::size_t>(index)];
  }
  const GameClock& Clock() const { return clock_; }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // The marks a cell shows: none under a panel or a given.
  uint16_t MarksShown(Cell cell) const;
  // The cells marked as clashing: every clash when the player asks for
  // them, and always on a board that is full but not solved.
  CellSet ShownClashes(bool showDuplicates) const;
  // The player's panels that are wrong: on a puzzle with one solution, every
  // panel that differs from it. Givens may admit several solutions (the
  // first three levels' can); then a panel counts as wrong only when it
  // clashes, or when no solution of the givens holds its number there, so
  // a panel right in another solution is never called wrong.
  CellSet Mistakes() const;
  // Whether the givens admit one solution only; worked out once a game.
  bool OneSolution() const;

 private:
  void ForgetSolutions();

  Board board_;
  GameClock clock_;
  History history_;
  std::array<bool, kHintCount> hints_{true, true, true};
  int dealtLevel_ = 0;
  GameKind kind_ = GameKind::kDealt;
  bool dealt_ = false;
  bool entering_ = false;
  // Worked out once a game, when first asked: whether the givens admit
  // several solutions, and per cell and number (index cell * 9 + number - 1)
  // whether some solution holds that number there (-1 not asked yet).
  mutable std::optional<bool> severalSolutions_;
  mutable std::array<int8_t, 81 * 9> agrees_{};
};

}  // namespace lumitile
