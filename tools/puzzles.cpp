// Prints dealt puzzles, one a line, for inspection and for checking the
// generator from outside: the 81 solution digits row by row, a space, the 81
// given digits (0 for an open cell), a space, the level.
//
//   puzzles COUNT SEED LEVEL
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/board.h"
#include "core/level_table.h"
#include "core/puzzle/puzzle_setup.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"

namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
  const auto* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

void AppendDigits(std::string& line, const lumitile::Grid& grid) {
  for (const auto& row : grid)
    for (const int16_t number : row) line += static_cast<char>('0' + number);
}

void AppendDigits(std::string& line, const lumitile::Digits& digits) {
  for (const uint8_t digit : digits) line += static_cast<char>('0' + digit);
}

bool IsUniqueLevel(int level) {
  return level == lumitile::kSuperAdvancedLevel || level == lumitile::kMasterLevel ||
         level == lumitile::kGrandMasterLevel;
}

}  // namespace

int main(int argc, char** argv) {
  long long count = 0;
  unsigned long long seed = 0;
  int level = 0;
  if (argc != 4 || !ParseNumber(argv[1], count) || count < 0 || !ParseNumber(argv[2], seed) ||
      !ParseNumber(argv[3], level) || !(lumitile::LevelParametersFor(level) || IsUniqueLevel(level))) {
    std::fputs("usage: puzzles COUNT SEED LEVEL   (LEVEL 0 beginner, 1 intermediate, 2 advanced,\n"
               "                                  3 super-advanced, 4 master, 5 grandmaster)\n", stderr);
    return 2;
  }
  lumitile::SeededRandom random(seed);
  lumitile::Board board;
  std::string line;
  for (long long i = 0; i < count; ++i) {
    line.clear();
    if (IsUniqueLevel(level)) {
      const auto puzzle = lumitile::DealUniquePuzzle(level, random);
      AppendDigits(line, puzzle->solution);
      line += ' ';
      AppendDigits(line, puzzle->givens);
    } else {
      lumitile::NewPuzzle(board, *lumitile::LevelParametersFor(level), random);
      AppendDigits(line, board.Solution);
      line += ' ';
      AppendDigits(line, board.Givens);
    }
    line += ' ' + std::to_string(level) + '\n';
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}
