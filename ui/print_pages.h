// Puzzles on paper: where each grid and its small print go on the pages, and
// the drawing itself. The puzzles come first, perPage to a page, then their
// solutions on pages of their own. The layout is a pure function of the
// page's size, so it is tested without a printer.
#pragma once

#include <QRectF>
#include <array>
#include <vector>

#include "core/puzzle/unique_puzzle.h"

class QPagedPaintDevice;

namespace lumitile {

inline constexpr std::array<int, 4> kPuzzlesPerPage{1, 2, 4, 6};
// Solutions are for checking, not for solving on: six to a page whatever
// size the puzzles were printed at.
inline constexpr int kSolutionsPerPage = 6;

struct PrintSlot {
  int Puzzle = 0;  // its place in the set, from 0
  bool Solution = false;
  QRectF Grid;     // a square
  QRectF Caption;  // under the grid and as wide: two lines of small print
};
using PrintPage = std::vector<PrintSlot>;

// The pages for `puzzles` puzzles on pages whose printable area is `page`:
// the puzzles in order, then the solutions in order. Nothing for no puzzles
// or for a perPage not in kPuzzlesPerPage. A page wider than tall turns the
// arrangement on its side.
std::vector<PrintPage> LayOutPrint(const QRectF& page, int puzzles, int perPage);

struct PrintedPuzzle {
  DealtPuzzle Puzzle;
  int Level = 0;  // kNotDealt: a puzzle brought in from elsewhere
};
inline constexpr int kNotDealt = -1;

// The puzzles drawn black on white on the device as LayOutPrint places them:
// a puzzle's givens only, with its level and its 81-character line under
// it; a solution's givens in bold among the other numbers. False when the
// device could not be painted on or given another page (a file that cannot
// be written). Paints on any thread.
bool PaintPuzzles(QPagedPaintDevice& device, const std::vector<PrintedPuzzle>& puzzles, int perPage);

}  // namespace lumitile
