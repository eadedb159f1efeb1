// Inside the step finders: a read-only view of a board with its digit
// positions per unit worked out once, and the finders each technique has.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/puzzle/logic_solver.h"
#include "core/puzzle/step.h"

namespace lumitile::steps {

class SolverView {
 public:
  explicit SolverView(const CandidateBoard& board);

  const CandidateBoard& Board() const { return board_; }
  bool Open(int cell) const { return board_.Placed()[static_cast<std::size_t>(cell)] == 0; }
  uint16_t Candidates(int cell) const { return board_.Candidates(cell); }
  // The positions (0..8 in the unit's order) of the open cells of `unit`
  // that still hold `digit`.
  uint16_t Positions(int digit, int unit) const {
    return positions_[static_cast<std::size_t>(digit - 1)][static_cast<std::size_t>(unit)];
  }
  // The digits placed in `unit`, bit d - 1 for digit d.
  uint16_t PlacedIn(int unit) const { return placedIn_[static_cast<std::size_t>(unit)]; }
  // Adds to the step's eliminations whatever of `bits` the open cell still
  // holds; true when that was anything.
  bool Remove(Step& step, int cell, uint16_t bits) const;

 private:
  const CandidateBoard& board_;
  std::array<std::array<uint16_t, 27>, 9> positions_{};
  std::array<uint16_t, 27> placedIn_{};
};

// The first instance of the technique that makes progress, in its fixed order.
std::optional<Step> Find(const SolverView& view, Technique technique);

// The first naked (hidden) subset of exactly `size` cells (digits), and the
// first fish of `size` lines, in their fixed order, named `technique`.
std::optional<Step> NakedSubset(const SolverView& view, int size, Technique technique);
std::optional<Step> HiddenSubset(const SolverView& view, int size, Technique technique);
std::optional<Step> Fish(const SolverView& view, int size, Technique technique);

// The finders of the techniques beyond 達人's set (step_finder_expert.cpp).
std::optional<Step> FindBeyondMaster(const SolverView& view, Technique technique);

}  // namespace lumitile::steps
