#include "core/game_state.h"

namespace lumitile {

void InitGame(GameState& state) {
  for (int row = 0; row <= 9; ++row) {
    for (int column = 0; column <= 9; ++column) {
      state.SolutionGrid[row][column] = 1;
    }
  }
}

}  // namespace lumitile
