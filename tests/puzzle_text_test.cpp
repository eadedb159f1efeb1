// A puzzle brought in from outside: its text read in the layouts players
// paste, refused where it goes wrong, and checked for clashes, solutions and
// the grader's level; and the command line that can bring one, read without Qt.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "core/board.h"
#include "core/puzzle/puzzle_check.h"
#include "core/puzzle/puzzle_line.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"

namespace lumitile {
namespace {

// Arto Inkala's "AI Escargot": one solution, far beyond singles, subsets and X-wings.
const std::string kEscargot =
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..";
// The line laid out over nine lines, with or without bars and rules.
std::string Drawn(std::string_view line, bool rules, std::string_view end) {
  std::string grid;
  for (std::size_t i = 0; i < 81; ++i) {
    if (rules && i % 27 == 0 && i > 0) (grid += "------+-------+------") += end;
    grid += (rules && i % 3 == 0 && i % 9 > 0 ? "| " : "") + std::string(1, line[i]) + ' ';
    if (i % 9 == 8) grid += end;
  }
  return grid;
}
Digits Read(std::string_view text) { return ReadPuzzle(text).Givens; }

TEST(PuzzleText, CommonLayoutsReadAndAnythingElseIsRefusedWhereItWentWrong) {
  using enum PuzzleTextError::Kind;
  std::string zeros = kEscargot;
  std::ranges::replace(zeros, '.', '0');
  const struct {
    const char* what;
    std::string text;
    std::optional<PuzzleTextError> error;  // kind, offset, length, line, column, cells, cell, earlier
  } cases[] = {
      {"one line", kEscargot, {}},
      {"zeros and stars", std::string(zeros).replace(1, 1, "*"), {}},
      {"9-line grid", Drawn(kEscargot, false, "\n"), {}},
      {"9-line grid with | and -", Drawn(kEscargot, true, "\n"), {}},
      {"Windows line ends", Drawn(kEscargot, true, "\r\n"), {}},
      {"too short", kEscargot.substr(0, 80) + "\n", PuzzleTextError{kTooShort, 81, 0, 2, 1, 80}},
      {"too long", kEscargot + " 5", PuzzleTextError{kTooLong, 82, 1, 1, 83, 81}},
      {"a letter", "1....7.9\r\n..3x", PuzzleTextError{kStray, 13, 1, 2, 4, 11}},
      {"a kana, counted as one column", "12あ", PuzzleTextError{kStray, 2, 3, 1, 3, 2}},
      {"a digit in a clash", "1...1" + kEscargot.substr(5), PuzzleTextError{kClash, 4, 1, 1, 5, 4, 4, 0}},
      {"a clash in a grid", Drawn("1.........1" + kEscargot.substr(11), true, "\n"),
       PuzzleTextError{kClash, 25, 1, 2, 3, 10, 10, 0}},
  };
  for (const auto& [what, text, error] : cases) {
    const PuzzleText read = ReadPuzzle(text);
    EXPECT_EQ(read.Error, error) << what;
    if (!error) EXPECT_EQ(PuzzleLine(read.Givens), kEscargot) << what;
  }
  EXPECT_EQ(PuzzlesInFile("# mine\r\n" + kEscargot + "\r\n\n  " + zeros + "  \n"),
            (std::vector<std::string>{kEscargot, zeros}));
  EXPECT_EQ(PuzzlesInFile(Drawn(kEscargot, true, "\n")).size(), 1u) << "a grid file is one puzzle";
}

TEST(PuzzleCheck, ClashesSolutionCountsAndTheGradersLevel) {
  SeededRandom random(20261207);
  const DealtPuzzle superAdvanced = DealSuperAdvanced(random), master = DealMaster(random),
                    grandMaster = DealGrandMaster(random);
  const struct { const char* what; Digits givens; SolutionCount solutions; std::optional<int> level; } cases[] = {
      {"none", Read("12345678." "........9" + std::string(63, '.')), SolutionCount::kNone, {}},
      {"several", Digits{}, SolutionCount::kSeveral, {}},
      {"singles alone", superAdvanced.givens, SolutionCount::kOne, kSuperAdvancedLevel},
      {"up to the X-wing", master.givens, SolutionCount::kOne, kMasterLevel},
      {"the whole set", grandMaster.givens, SolutionCount::kOne, kGrandMasterLevel},
      {"beyond logic", Read(kEscargot), SolutionCount::kOne, {}},
  };
  for (const auto& [what, givens, solutions, level] : cases) {
    const PuzzleVerdict verdict = CheckPuzzle(givens);
    EXPECT_TRUE(!verdict.Clash && verdict.Solutions == solutions && verdict.Grade.Level == level &&
                verdict.Grade.Hardest.has_value() == level.has_value()) << what;
    // The filling is one the solved check takes: a grid keeping every given.
    Grid grid{};
    for (std::size_t i = 0; i < 81; ++i) {
      grid[i / 9][i % 9] = verdict.Solution[i];
      EXPECT_TRUE(givens[i] == 0 || verdict.Solution[i] == givens[i] || solutions == SolutionCount::kNone) << what;
    }
    EXPECT_EQ(IsCompleteGrid(grid), solutions != SolutionCount::kNone) << what;
  }
  EXPECT_EQ(CheckPuzzle(master.givens).Solution, master.solution);
  EXPECT_EQ(CheckPuzzle(master.solution).Open + CheckPuzzle(master.givens).Open, OpenCount(master.givens));
  const auto clash = CheckPuzzle(Digits{1, 0, 0, 0, 1}).Clash;
  EXPECT_TRUE(clash && clash->Cell * 100 + clash->EarlierCell * 10 + clash->Digit == 401);
}

TEST(CommandLine, EachFormAndEachMistake) {
  using enum CommandLine::Action;
  const struct {
    std::vector<std::string_view> arguments;
    CommandLine::Action what;
    std::string read;  // the puzzle, "file:" and the file's name, or the problem
  } cases[] = {
      {{}, kPlay, ""},
      {{"--help"}, kHelp, ""},
      {{"-h", "--bogus"}, kUsageError, "unknown option '--bogus'"},
      {{"--version"}, kVersion, ""},
      {{"+---+\n|1.3|"}, kPlay, "+---+\n|1.3|"},
      {{"puzzles.txt"}, kPlay, "file:puzzles.txt"},
      {{"--", "-data"}, kPlay, "file:-data"},
      {{"-platform", "offscreen", "--reverse", "--show-and-quit", "12"}, kPlay, "12"},
      {{"--style"}, kUsageError, "option '--style' needs a value"},
      {{"a.txt", "b.txt"}, kUsageError, "one puzzle or file at a time: 'b.txt' is one too many"},
  };
  for (const auto& [arguments, what, read] : cases) {
    const CommandLine line = ReadCommandLine(arguments);
    EXPECT_EQ(line.What, what) << read;
    EXPECT_EQ(line.Problem + line.Puzzle + (line.PuzzleFile.empty() ? "" : "file:" + line.PuzzleFile), read);
  }
}

}  // namespace
}  // namespace lumitile
