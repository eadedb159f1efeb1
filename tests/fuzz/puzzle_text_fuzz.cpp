// Arbitrary bytes as a pasted puzzle. A puzzle that reads has no clash and
// reads back the same from its line; a refusal points inside the text at a
// character truly wrong there, and leaves the givens empty.
#include <cstdlib>

#include "core/puzzle/puzzle_line.h"
#include "core/puzzle/puzzle_text.h"

static void Require(bool condition) { if (!condition) std::abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace lumitile;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const PuzzleText read = ReadPuzzle(text);
  for (const std::string& puzzle : PuzzlesInFile(text)) Require(!puzzle.empty());
  if (!read.Error) return Require(!FirstClash(read.Givens) && ReadPuzzle(PuzzleLine(read.Givens)).Givens == read.Givens), 0;
  const PuzzleTextError& error = *read.Error;
  Require(read.Givens == Digits{} && error.Offset + error.Length <= size && error.Line >= 1 && error.Column >= 1);
  const std::string_view here = text.substr(error.Offset, error.Length);
  using enum PuzzleTextError::Kind;
  if (error.What == kTooShort) Require(error.Cells < 81 && error.Offset == size);
  if (error.What == kTooLong) Require(error.Cells == 81 && here.size() == 1);
  if (error.What == kStray) Require(!here.empty() && here.find_first_of("0123456789.*|-+ \t\r\n") == here.npos);
  if (error.What == kClash) Require(here.size() == 1 && here[0] > '0' && error.Cell == error.Cells &&
                                    error.EarlierCell >= 0 && error.EarlierCell < error.Cell);
  return 0;
}
