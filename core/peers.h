// Which cells see each other. Two cells are peers when they share a row, a
// column or a block, so they may never hold the same number; the rules, the
// moves and the puzzle tools all ask here, so none of them can disagree.
#pragma once

#include <array>
#include <cstdint>

#include "core/game_types.h"

namespace lumitile {

inline constexpr int kPeerCount = 20;  // 8 in the row, 8 in the column, 4 more in the block

// Blocks 0 to 8 in reading order.
constexpr int BlockOf(int row, int column) { return row / 3 * 3 + column / 3; }

constexpr bool SharesUnit(Cell a, Cell b) {
  return a.Row == b.Row || a.Column == b.Column || BlockOf(a.Row, a.Column) == BlockOf(b.Row, b.Column);
}

// Each cell's peers by index row * 9 + column, the cell itself left out, in
// reading order.
using PeerList = std::array<uint8_t, kPeerCount>;
inline constexpr std::array<PeerList, kBoardSize * kBoardSize> kPeers = [] {
  std::array<PeerList, kBoardSize * kBoardSize> peers{};
  for (int cell = 0; cell < kBoardSize * kBoardSize; ++cell) {
    const Cell at{cell / kBoardSize, cell % kBoardSize};
    int n = 0;
    for (int other = 0; other < kBoardSize * kBoardSize; ++other) {
      if (other != cell && SharesUnit(at, {other / kBoardSize, other % kBoardSize}))
        peers[cell][n++] = static_cast<uint8_t>(other);
    }
  }
  return peers;
}();

}  // namespace lumitile
