#include "core/puzzle/puzzle_line.h"

namespace lumitile {

std::string PuzzleLine(const Digits& givens) {
  std::string line(givens.size(), '.');
  for (std::size_t cell = 0; cell < givens.size(); ++cell) {
    const int digit = givens[cell];
    if (digit >= 1 && digit <= 9) line[cell] = static_cast<char>('0' + digit);
  }
  return line;
}

}  // namespace lumitile
