#include "core/board_click.h"

#include "core/board_geometry.h"

namespace lumitile {

int16_t BoardClick(GameState& state, HintTokens& tokens, GameClock& clock, int x, int y) {
  const auto cell = CellAtPixel(x, y);
  if (!cell) return 0;
  const int r = cell->row;
  const int c = cell->column;
  if (state.GivenGrid[r][c] != 0) return 0;
  // Nothing picked yet: the pointer is still the arrow, so the click means nothing.
  if (!state.SelectedPanel) return 0;

  const int16_t code = *state.SelectedPanel;
  if (code >= 0 && code <= 8) {
    state.EntryGrid[r][c] = static_cast<int16_t>(code + 1);
    return 1;
  }
  if (code == kEraserCode) {
    state.EntryGrid[r][c] = 0;
    return 0;
  }
  if (code >= kFirstHintCode && code <= kFirstHintCode + 2) {
    state.EntryGrid[r][c] = state.SolutionGrid[r][c];
    clock.ChargeHintTime();
    tokens.Visible[static_cast<std::size_t>(code - kFirstHintCode)] = false;
    // One token, one reveal: the spent token is put down with the pointer.
    state.SelectedPanel.reset();
    return 1;
  }
  return 0;
}

void ClearPlacedPanels(GameState& state) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (state.GivenGrid[r][c] == 0) state.EntryGrid[r][c] = 0;
    }
  }
}

}  // namespace lumitile
