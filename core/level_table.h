// The three first levels and the puzzle parameters each one applies; the
// two hard levels above them are dealt by core/puzzle/unique_puzzle.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace lumitile {

struct LevelParameters {
  int16_t OpenOdds;   // a cell opens with chance 1 in this
  int16_t OpenQuota;  // at most this many open cells
};

inline constexpr std::array<LevelParameters, 3> kLevelTable{{
    {7, 10},  // 0 beginner
    {4, 20},  // 1 intermediate
    {2, 40},  // 2 advanced
}};

// The parameters of level 0, 1 or 2; nothing for any other value.
inline std::optional<LevelParameters> LevelParametersFor(int level) {
  if (level < 0 || level >= static_cast<int>(kLevelTable.size())) return std::nullopt;
  return kLevelTable[static_cast<std::size_t>(level)];
}

}  // namespace lumitile
