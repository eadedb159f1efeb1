// Arbitrary bytes as a kept game. Beyond not crashing: whatever reads as a
// game is one the game can play (a complete solution, givens from it, no
// entry or mark on a given, unsolved), and writes back to the same bytes.
#include <cstdlib>
#include <string_view>

#include "core/saved_game.h"

static void Require(bool condition) { if (!condition) std::abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace lumitile;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto game = ReadSavedGame(text);
  if (!game) return 0;
  const Board& board = game->Position;
  Require(IsCompleteGrid(board.Solution) && !IsSolved(board));
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
    const Cell cell{i / kBoardSize, i % kBoardSize};
    if (board.Given(cell) != 0)
      Require(board.Given(cell) == board.SolutionAt(cell) && board.Entry(cell) == 0 && board.MarksAt(cell) == 0);
    Require(board.Entry(cell) >= 0 && board.Entry(cell) <= 9 && board.MarksAt(cell) < (1u << 10));
  }
  Require(WriteSavedGame(*game) == text);
  return 0;
}
