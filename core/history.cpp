#include "core/history.h"

#include <utility>

namespace lumitile {

void History::Record(Move move) {
  if (move.Empty()) return;
  moves_.resize(done_);
  moves_.push_back(std::move(move));
  done_ = moves_.size();
}

const Move* History::Undo() { return CanUndo() ? &moves_[--done_] : nullptr; }

const Move* History::Redo() { return CanRedo() ? &moves_[done_++] : nullptr; }

void History::Clear() {
  moves_.clear();
  done_ = 0;
}

}  // namespace lumitile
