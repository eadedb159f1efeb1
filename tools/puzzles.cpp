// Prints dealt puzzles, one a line, for inspection and for checking the
// generator from outside: the 81 solution digits row by row, a space, the 81
// given digits (0 for an open cell), a space, the level.
//
//   puzzles COUNT SEED LEVEL
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/level_table.h"
#include "core/random_source.h"
#include "core/puzzle/puzzle_setup.h"
#include "core/puzzle/unique_puzzle.h"

namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
  const auto* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

int Usage() {
  std::fputs("usage: puzzles COUNT SEED LEVEL   (LEVEL 0 beginner, 1 intermediate, 2 advanced,\n"
      "                                  3 super-advanced, 4 master)\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Usage();
  long long count = 0;
  unsigned long long seed = 0;
  int level = 0;
  if (!ParseNumber(argv[1], count) || count < 0 || !ParseNumber(argv[2], seed) ||
      !ParseNumber(argv[3], level)) {
    return Usage();
  }
  const auto parameters = lumitile::LevelParametersFor(level);
  const bool unique = level == lumitile::kSuperAdvancedLevel || level == lumitile::kMasterLevel;
  if (!parameters && !unique) return Usage();

  lumitile::SeededRandom random(seed);
  std::string line;
  if (unique) {
    for (long long i = 0; i < count; ++i) {
      const auto puzzle = lumitile::DealUniquePuzzle(level, random);
      line.clear();
      for (const uint8_t digit : puzzle->solution) line += static_cast<char>('0' + digit);
      line += ' ';
      for (const uint8_t digit : puzzle->givens) line += static_cast<char>('0' + digit);
      line += ' ';
      line += std::to_string(level);
      line += '\n';
      std::fputs(line.c_str(), stdout);
    }
    return 0;
  }

  lumitile::GameState state;
  lumitile::InitGame(state);
  state.OpenOdds = parameters->OpenOdds;
  state.OpenQuota = parameters->OpenQuota;

  for (long long i = 0; i < count; ++i) {
    lumitile::NewPuzzle(state, random);
    line.clear();
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) line += static_cast<char>('0' + state.SolutionGrid[r][c]);
    line += ' ';
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) line += static_cast<char>('0' + state.GivenGrid[r][c]);
    line += ' ';
    line += std::to_string(level);
    line += '\n';
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}
