// A game in progress as it is kept between runs: the board with its marks,
// the spent hint tokens, the level it was dealt at and the time played. The
// text is written by this program only, so the reader is strict: anything
// damaged, foreign or inconsistent is no saved game at all.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/board.h"

namespace lumitile {

// No kept game is anywhere near this; a bigger file is not ours.
inline constexpr std::size_t kMaxSavedGameBytes = 4096;

struct SavedGame {
  Board Position;
  std::array<bool, kHintCount> Hints{true, true, true};  // true while the token is unspent
  int Level = 0;
  int32_t Seconds = 0;
  bool Paused = false;
  GameKind Kind = GameKind::kDealt;
  bool operator==(const SavedGame&) const;
};

std::string WriteSavedGame(const SavedGame& game);

// Nothing unless the text is exactly what WriteSavedGame writes for an
// unsolved game: a solution that is a complete grid, givens taken from it,
// entries and marks only in open cells, numbers, level, time and flags in
// range. An entered game carries one more line, "kind=entered", last; a
// file without it is a dealt game, as every file was before there was any
// other kind.
std::optional<SavedGame> ReadSavedGame(std::string_view text);

}  // namespace lumitile
