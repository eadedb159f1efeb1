// Arbitrary bytes as a pasted puzzle. Beyond not crashing: a puzzle that
// reads has 81 cells of 0 to 9 with no clash and reads back the same from its
// line; a refusal points inside the text, at a character that is truly
// wrong there, with the givens left empty. A file's puzzles are each a line.
#include <cstdlib>
#include <string_view>

#include "core/puzzle/puzzle_line.h"
#include "core/puzzle/puzzle_text.h"

static void Require(bool condition) { if (!condition) std::abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace lumitile;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const PuzzleText read = ReadPuzzle(text);
  if (!read.Error) {
    for (const uint8_t digit : read.Givens) Require(digit <= 9);
    Require(!FirstClash(read.Givens));
    const PuzzleText again = ReadPuzzle(PuzzleLine(read.Givens));
    Require(!again.Error && again.Givens == read.Givens);
  } else {
    const PuzzleTextError& error = *read.Error;
    Require(read.Givens == Digits{});
    Require(error.Offset + error.Length <= size && error.Line >= 1 && error.Column >= 1);
    Require(error.Cells >= 0 && error.Cells <= 81);
    const std::string_view here = text.substr(error.Offset, error.Length);
    using enum PuzzleTextError::Kind;
    switch (error.What) {
      case kTooShort: Require(error.Cells < 81 && error.Offset == size); break;
      case kTooLong: Require(error.Cells == 81 && here.size() == 1); break;
      case kStray: Require(!here.empty() && here.find_first_of("0123456789.*|-+ \t\r\n") == std::string_view::npos); break;
      case kClash:
        Require(here.size() == 1 && here[0] >= '1' && here[0] <= '9' && error.Cell == error.Cells);
        Require(error.EarlierCell >= 0 && error.EarlierCell < error.Cell);
        break;
    }
  }
  for (const std::string& puzzle : PuzzlesInFile(text)) Require(!puzzle.empty());
  return 0;
}
