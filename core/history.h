// The moves of the current game, for undo and redo. A new move after an
// undo drops the moves that could have been redone.
#pragma once

#include <cstddef>
#include <vector>

#include "core/move.h"

namespace lumitile {

class History {
 public:
  // Empty moves change nothing and are not kept.
  void Record(Move move);
  // The move to revert, now counted as undone; null when there is none.
  const Move* Undo();
  // The move to apply again; null when there is none.
  const Move* Redo();
  void Clear();

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < moves_.size(); }

 private:
  std::vector<Move> moves_;
  std::size_t done_ = 0;  // moves_[0, done_) are applied
};

}  // namespace lumitile
