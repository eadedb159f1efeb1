#include "core/palette.h"

namespace lumitile {

bool PickPanel(GameState& state, int16_t index) {
  if (index < 0 || index > 8) return false;
  state.SelectedPanel = index;
  return true;
}

bool PickEraser(GameState& state) {
  state.SelectedPanel = kEraserCode;
  return true;
}

bool PickHint(GameState& state, const HintTokens& tokens, int16_t index) {
  if (index < 0 || index > 2 || !tokens.Visible[static_cast<std::size_t>(index)]) return false;
  state.SelectedPanel = static_cast<int16_t>(kFirstHintCode + index);
  return true;
}

PointerView PointerFor(const GameState& state) {
  if (!state.SelectedPanel) return {};
  const int16_t code = *state.SelectedPanel;
  if (code >= 0 && code <= 8) return {PointerKind::Panel, code};
  if (code == kEraserCode) return {PointerKind::Eraser, 0};
  if (code >= kFirstHintCode && code <= kFirstHintCode + 2) return {PointerKind::Hint, code - kFirstHintCode};
  return {};
}

}  // namespace lumitile
