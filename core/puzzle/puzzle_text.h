// A puzzle read from text as players paste it: the one 81-character line of
// puzzle sites and solvers, or a grid laid out over nine lines. Digits 1 to 9
// are givens; 0, '.' and '*' open cells. Spaces, tabs, line breaks (Unix,
// Windows or old Mac) and the grid's drawing characters '|', '-' and '+' are
// skipped. Anything else stops the reading where it stands, so the player
// can be told which line and column to mend.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/puzzle/logic_solver.h"

namespace lumitile {

struct PuzzleTextError {
  enum class Kind : uint8_t {
    kTooShort,  // the text ended before the 81st cell; Cells says how many were read
    kTooLong,   // an 82nd cell, at the position given
    kStray,     // a character that is neither a cell nor skipped
    kClash,     // a given repeating an earlier one of its row, column or block
  };
  Kind What = Kind::kTooShort;
  // Where: the byte offset and that character's bytes (the text's end and 0
  // for kTooShort), and the same place as a 1-based line and column, the
  // column counted in characters, not bytes.
  std::size_t Offset = 0;
  std::size_t Length = 0;
  int Line = 1;
  int Column = 1;
  int Cells = 0;  // cells read before this place
  // kClash: the clashing given's cell and the earlier given's, row * 9 + column.
  int Cell = -1;
  int EarlierCell = -1;
  bool operator==(const PuzzleTextError&) const = default;
};

struct PuzzleText {
  Digits Givens{};  // all open unless the text read whole
  std::optional<PuzzleTextError> Error;
};

PuzzleText ReadPuzzle(std::string_view text);

// The puzzles of a file, as texts for ReadPuzzle: the whole file when it
// reads as one puzzle (a grid over nine lines), else each line that holds
// anything but spaces and does not start with '#', a comment in collections.
std::vector<std::string> PuzzlesInFile(std::string_view text);

// The first given, in reading order, that repeats an earlier given of its
// row, column or block, with that earlier given: nothing when none does.
struct GivenClash {
  int Cell = 0;
  int EarlierCell = 0;
  int Digit = 0;
};
std::optional<GivenClash> FirstClash(const Digits& givens);

}  // namespace lumitile
