#include "core/highlight.h"

#include <array>

#include "core/peers.h"

namespace lumitile {

Highlight HighlightOn(const Board& board, Cell cursor, const std::optional<Pick>& picked) {
  Highlight shown;
  if (OnBoard(cursor)) {
    const int at = cursor.Row * kBoardSize + cursor.Column;
    shown.Tinted.set(static_cast<std::size_t>(at));
    for (const uint8_t peer : kPeers[static_cast<std::size_t>(at)]) shown.Tinted.set(peer);
    const CellView here = ViewOf(board, cursor);
    if (here.Kind != CellKind::Empty) shown.Numbers |= MarkBit(here.Number);
  }
  if (picked && picked->What == Pick::Kind::Panel) shown.Numbers |= MarkBit(picked->Index + 1);
  std::array<int, 10> standing{};
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
    const CellView view = ViewOf(board, {i / kBoardSize, i % kBoardSize});
    if (view.Kind == CellKind::Empty) continue;
    ++standing[static_cast<std::size_t>(view.Number)];
    if (shown.Numbers & MarkBit(view.Number)) shown.SameNumber.set(static_cast<std::size_t>(i));
  }
  for (int n = 1; n <= 9; ++n) {
    if (standing[static_cast<std::size_t>(n)] >= kBoardSize) shown.Done |= MarkBit(n);
  }
  return shown;
}

}  // namespace lumitile
