// Where the board lies in the main window: 9 x 9 cells of 32 x 32 pixels
// from the top-left corner of the client area, with no gaps.
#pragma once

#include <optional>

namespace lumitile {

inline constexpr int kCellPixels = 32;
inline constexpr int kBoardPixels = 9 * kCellPixels;  // 288

struct BoardCell {
  int row;     // 0 to 8, from the top
  int column;  // 0 to 8, from the left
};

// The cell under pixel (x, y) of the client area. A point on the boundary
// between two cells belongs to the right or lower one; pixel 287 is in the
// last cell, 288 and anything left of or above the board is outside.
inline std::optional<BoardCell> CellAtPixel(int x, int y) {
  if (x < 0 || y < 0 || x >= kBoardPixels || y >= kBoardPixels) return std::nullopt;
  return BoardCell{y / kCellPixels, x / kCellPixels};
}

}  // namespace lumitile
