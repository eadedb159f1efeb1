// The solver's view of the board: the 27 units and the bit arithmetic on
// candidate masks that the sweeps and the step finders share, so the two can
// never number a unit or count a mask differently.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace lumitile::units {

inline constexpr uint16_t kAllDigits = 0x1FF;

// Units 0..8 are the rows, 9..17 the columns, 18..26 the boxes; each lists
// its cells in reading order, so a box's position i is its row i / 3 and
// column i % 3.
inline constexpr int kRowBase = 0;
inline constexpr int kColumnBase = 9;
inline constexpr int kBoxBase = 18;
using Units = std::array<std::array<uint8_t, 9>, 27>;

inline constexpr Units kUnits = [] {
  Units units{};
  for (int i = 0; i < 9; ++i) {
    for (int k = 0; k < 9; ++k) {
      units[i][k] = static_cast<uint8_t>(i * 9 + k);
      units[9 + i][k] = static_cast<uint8_t>(k * 9 + i);
      units[18 + i][k] = static_cast<uint8_t>((i / 3 * 3 + k / 3) * 9 + i % 3 * 3 + k % 3);
    }
  }
  return units;
}();

// Candidate counts by table: the game may run where the processor has no
// popcount instruction, and the library call for it dominated the solver.
inline constexpr std::array<uint8_t, 512> kBitCounts = [] {
  std::array<uint8_t, 512> counts{};
  for (int mask = 1; mask < 512; ++mask) counts[mask] = static_cast<uint8_t>(counts[mask >> 1] + (mask & 1));
  return counts;
}();

inline int CountBits(unsigned mask) { return kBitCounts[mask & kAllDigits]; }
inline bool SingleBit(unsigned mask) { return mask != 0 && (mask & (mask - 1)) == 0; }
inline constexpr uint16_t DigitBit(int digit) { return static_cast<uint16_t>(1u << (digit - 1)); }
inline int LowestDigit(unsigned mask) { return std::countr_zero(mask) + 1; }

inline int UnitCell(int unit, int position) {
  return kUnits[static_cast<std::size_t>(unit)][static_cast<std::size_t>(position)];
}
inline constexpr int RowUnit(int cell) { return kRowBase + cell / 9; }
inline constexpr int ColumnUnit(int cell) { return kColumnBase + cell % 9; }
inline constexpr int BoxUnit(int cell) { return kBoxBase + cell / 27 * 3 + cell % 9 / 3; }

// The three-position stretches of a unit's 9 positions: in a row or column
// they are the boxes it crosses, in a box they are its rows.
inline constexpr uint16_t kThirds[3] = {0x007, 0x038, 0x1C0};
// A box's positions by column.
inline constexpr uint16_t kBoxColumns[3] = {0x049, 0x092, 0x124};

}  // namespace lumitile::units

namespace lumitile::units {

// Whether two different cells share a row, a column or a box.
inline constexpr bool Sees(int a, int b) {
  return a != b && (a / 9 == b / 9 || a % 9 == b % 9 || BoxUnit(a) == BoxUnit(b));
}

}  // namespace lumitile::units
