#include "core/puzzle/puzzle_text.h"

#include <algorithm>
#include <array>

#include "core/peers.h"

namespace lumitile {

namespace {

bool Skipped(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '|' || ch == '-' || ch == '+';
}

// The bytes of the UTF-8 character that starts here, at least one and never
// past the text's end; a broken sequence counts as one byte.
std::size_t CharacterBytes(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t wanted = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < wanted && at + length < text.size() &&
         (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length == wanted ? length : 1;
}

}  // namespace

std::optional<GivenClash> FirstClash(const Digits& givens) {
  for (int cell = 0; cell < 81; ++cell) {
    const uint8_t digit = givens[static_cast<std::size_t>(cell)];
    if (digit == 0) continue;
    for (const uint8_t peer : kPeers[static_cast<std::size_t>(cell)]) {
      if (peer >= cell) break;  // peers come in reading order: only earlier ones
      if (givens[peer] == digit) return GivenClash{cell, peer, digit};
    }
  }
  return std::nullopt;
}

PuzzleText ReadPuzzle(std::string_view text) {
  PuzzleText read;
  PuzzleTextError where;
  std::array<PuzzleTextError, 81> placeOf{};  // where each cell was read, for a clash
  const auto fail = [&](PuzzleTextError::Kind kind, std::size_t length) {
    where.What = kind;
    where.Length = length;
    read.Givens = {};
    read.Error = where;
    return read;
  };
  for (std::size_t at = 0; at < text.size();) {
    const char ch = text[at];
    where.Offset = at;
    const std::size_t length = CharacterBytes(text, at);
    if (ch == '\n' || (ch == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
      ++where.Line;
      where.Column = 1;
      at += length;
      continue;
    }
    if (!Skipped(ch)) {
      const bool given = ch >= '1' && ch <= '9';
      if (!given && ch != '0' && ch != '.' && ch != '*') return fail(PuzzleTextError::Kind::kStray, length);
      if (where.Cells == 81) return fail(PuzzleTextError::Kind::kTooLong, length);
      placeOf[static_cast<std::size_t>(where.Cells)] = where;
      read.Givens[static_cast<std::size_t>(where.Cells)] = given ? static_cast<uint8_t>(ch - '0') : 0;
      ++where.Cells;
    }
    ++where.Column;
    at += length;
  }
  where.Offset = text.size();
  if (where.Cells < 81) return fail(PuzzleTextError::Kind::kTooShort, 0);
  if (const auto clash = FirstClash(read.Givens)) {
    where = placeOf[static_cast<std::size_t>(clash->Cell)];
    where.Cell = clash->Cell;
    where.EarlierCell = clash->EarlierCell;
    return fail(PuzzleTextError::Kind::kClash, 1);
  }
  return read;
}

std::vector<std::string> PuzzlesInFile(std::string_view text) {
  if (!ReadPuzzle(text).Error) return {std::string(text)};
  std::vector<std::string> puzzles;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || line[first] == '#') continue;
    const std::size_t last = line.find_last_not_of(" \t\r");
    puzzles.emplace_back(line.substr(first, last - first + 1));
  }
  return puzzles;
}

}  // namespace lumitile
