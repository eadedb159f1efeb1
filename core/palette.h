// The palette beside the board: picking a numbered panel, the eraser or a
// hint token, and what the pointer shows as a result.
#pragma once

#include <array>
#include <cstdint>

#include "core/game_state.h"

namespace lumitile {

// The three hint tokens; a spent token stays hidden until the next game.
struct HintTokens {
  std::array<bool, 3> Visible{true, true, true};
  void ShowAll() { Visible = {true, true, true}; }
};

enum class PointerKind { Default, Panel, Eraser, Hint };

// What the pointer over the main window shows: the default arrow, or the
// picture of the picked item (Index is the panel 0..8 or the hint token 0..2).
struct PointerView {
  PointerKind Kind = PointerKind::Default;
  int Index = 0;
  bool operator==(const PointerView&) const = default;
};

// The picks return false, and change nothing, for an index that names no
// item or a hint token that is already spent.
bool PickPanel(GameState& state, int16_t index);
bool PickEraser(GameState& state);
bool PickHint(GameState& state, const HintTokens& tokens, int16_t index);

PointerView PointerFor(const GameState& state);

}  // namespace lumitile
