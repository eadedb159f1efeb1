// A puzzle brought in from outside: its text read in the layouts players
// paste, refused where it goes wrong, and checked for clashes, solutions
// and the level the logic grader gives it.
#include <gtest/gtest.h>

#include <string>

#include "core/board.h"
#include "core/puzzle/puzzle_check.h"
#include "core/puzzle/puzzle_line.h"
#include "core/puzzle/puzzle_text.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"

namespace lumitile {
namespace {

// Arto Inkala's "AI Escargot": one solution, far beyond singles, subsets and X-wings.
constexpr std::string_view kEscargot =
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..";
// A 9-line grid of the same puzzle, drawn with bars and rules.
std::string Drawn(std::string_view line, bool rules, std::string_view end) {
  std::string grid;
  for (int row = 0; row < 9; ++row) {
    if (rules && row > 0 && row % 3 == 0) grid += std::string("------+-------+------") += end;
    for (int column = 0; column < 9; ++column) {
      if (rules && column > 0 && column % 3 == 0) grid += "| ";
      grid += line[static_cast<std::size_t>(row * 9 + column)];
      grid += ' ';
    }
    grid += end;
  }
  return grid;
}

Digits Read(std::string_view line) {
  Digits digits{};
  for (std::size_t i = 0; i < 81; ++i) digits[i] = line[i] >= '1' && line[i] <= '9' ? uint8_t(line[i] - '0') : 0;
  return digits;
}

TEST(PuzzleText, CommonLayoutsReadAndAnythingElseIsRefusedWhereItWentWrong) {
  using enum PuzzleTextError::Kind;
  const std::string line(kEscargot);
  const std::string zeros = [&] { std::string z = line; std::ranges::replace(z, '.', '0'); return z; }();
  const struct {
    const char* what;
    std::string text;
    std::optional<PuzzleTextError> error;  // kind, offset, length, line, column, cells, cell, earlier
  } cases[] = {
      {"one line", line, {}},
      {"zeros and stars", std::string(zeros).replace(zeros.find('0'), 1, "*"), {}},
      {"9-line grid", Drawn(line, false, "\n"), {}},
      {"9-line grid with | and -", Drawn(line, true, "\n"), {}},
      {"Windows line ends", Drawn(line, true, "\r\n"), {}},
      {"too short", line.substr(0, 80) + "\n", PuzzleTextError{kTooShort, 81, 0, 2, 1, 80}},
      {"too long", line + " 5", PuzzleTextError{kTooLong, 82, 1, 1, 83, 81}},
      {"a letter", "1....7.9\r\n..3x", PuzzleTextError{kStray, 13, 1, 2, 4, 11}},
      {"a kana, counted as one column", "12あ", PuzzleTextError{kStray, 2, 3, 1, 3, 2}},
      {"a digit in a clash", "1...1" + line.substr(5), PuzzleTextError{kClash, 4, 1, 1, 5, 4, 4, 0}},
      {"a clash in a grid", Drawn("1.........1" + line.substr(11), true, "\n"),
       PuzzleTextError{kClash, 25, 1, 2, 3, 10, 10, 0}},
  };
  for (const auto& [what, text, error] : cases) {
    const PuzzleText read = ReadPuzzle(text);
    EXPECT_EQ(read.Error, error) << what;
    if (!error) EXPECT_EQ(PuzzleLine(read.Givens), line) << what;
  }
  EXPECT_EQ(PuzzlesInFile("# mine\r\n" + line + "\r\n\n  " + zeros + "  \n"),
            (std::vector<std::string>{line, zeros}));
  EXPECT_EQ(PuzzlesInFile(Drawn(line, true, "\n")).size(), 1u) << "a grid file is one puzzle";
}

TEST(PuzzleCheck, ClashesSolutionCountsAndTheGradersLevel) {
  SeededRandom random(20261207);
  const DealtPuzzle superAdvanced = DealSuperAdvanced(random);
  const DealtPuzzle master = DealMaster(random);
  const struct {
    const char* what;
    Digits givens;
    SolutionCount solutions;
    std::optional<int> level;
  } cases[] = {
      {"none", Read("12345678." "........9" + std::string(63, '.')), SolutionCount::kNone, {}},
      {"several", Digits{}, SolutionCount::kSeveral, {}},
      {"singles alone", superAdvanced.givens, SolutionCount::kOne, kSuperAdvancedLevel},
      {"the full set", master.givens, SolutionCount::kOne, kMasterLevel},
      {"beyond logic", Read(kEscargot), SolutionCount::kOne, {}},
  };
  for (const auto& [what, givens, solutions, level] : cases) {
    const PuzzleVerdict verdict = CheckPuzzle(givens);
    EXPECT_FALSE(verdict.Clash) << what;
    EXPECT_EQ(verdict.Solutions, solutions) << what;
    EXPECT_EQ(verdict.Grade.Level, level) << what;
    if (solutions == SolutionCount::kNone) continue;
    // The filling is one the solved check takes: a grid keeping every given.
    Grid grid{};
    for (std::size_t i = 0; i < 81; ++i) {
      grid[i / 9][i % 9] = verdict.Solution[i];
      if (givens[i] != 0) EXPECT_EQ(verdict.Solution[i], givens[i]) << what;
    }
    EXPECT_TRUE(IsCompleteGrid(grid)) << what;
  }
  EXPECT_EQ(CheckPuzzle(master.givens).Solution, master.solution);
  const auto clash = CheckPuzzle(Read("1...1" + std::string(76, '.'))).Clash;
  ASSERT_TRUE(clash);
  EXPECT_EQ(clash->Cell * 100 + clash->EarlierCell * 10 + clash->Digit, 401);
}

}  // namespace
}  // namespace lumitile
