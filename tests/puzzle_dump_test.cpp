// The puzzle dump tool, run as a child process: its lines parse back into
// valid puzzles, the seed fixes the output, and bad arguments are refused.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/level_table.h"
#include "game/random_source.h"
#include "puzzle/puzzle_setup.h"
#include "scripted_random.h"

#ifndef LUMITILE_PUZZLES_TOOL
#error "LUMITILE_PUZZLES_TOOL must name the puzzles executable"
#endif

namespace lumitile {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
};

ToolRun RunTool(const std::string& arguments) {
  const std::string command = std::string("'") + LUMITILE_PUZZLES_TOOL + "' " + arguments + " 2>/dev/null";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));  // an unterminated last line fails the format check
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Empty when the line is a valid puzzle of the level; otherwise what is wrong.
std::string LineFault(const std::string& line, int level) {
  if (line.size() != 81 + 1 + 81 + 1 + 1 || line[81] != ' ' || line[163] != ' ')
    return "not 81 digits, a space, 81 digits, a space and the level";
  if (line[164] != static_cast<char>('0' + level)) return "wrong level";
  test::Board solution{};
  int open = 0;
  for (int i = 0; i < 81; ++i) {
    const char s = line[static_cast<std::size_t>(i)];
    const char g = line[static_cast<std::size_t>(82 + i)];
    if (s < '1' || s > '9' || g < '0' || g > '9') return "a cell is not a digit of its grid";
    solution[i / 9][i % 9] = s - '0';
    if (g == '0') {
      ++open;
    } else if (g != s) {
      return "a given differs from the solution at cell " + std::to_string(i);
    }
  }
  const std::string fault = test::BoardFault(solution);
  if (!fault.empty()) return "solution: " + fault;
  if (open > LevelParametersFor(level)->OpenQuota) return "too many open cells: " + std::to_string(open);
  return {};
}

// What the library itself deals from the same seed, in the tool's format.
std::string DealtInProcess(int count, uint64_t seed, int level) {
  SeededRandom random(seed);
  GameState state;
  InitGame(state);
  state.OpenOdds = LevelParametersFor(level)->OpenOdds;
  state.OpenQuota = LevelParametersFor(level)->OpenQuota;
  std::string text;
  for (int i = 0; i < count; ++i) {
    NewPuzzle(state, random);
    for (const Grid* grid : {&state.SolutionGrid, &state.GivenGrid}) {
      for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) text += static_cast<char>('0' + (*grid)[r][c]);
      text += ' ';
    }
    text += std::to_string(level) + '\n';
  }
  return text;
}

TEST(PuzzleDump, EveryLevelPrintsValidPuzzlesThatMatchTheLibrary) {
  for (int level = 0; level < 3; ++level) {
    const ToolRun run = RunTool("200 4711 " + std::to_string(level));
    ASSERT_EQ(run.exitCode, 0) << "level " << level;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 200u) << "level " << level;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      ASSERT_EQ(LineFault(lines[i], level), "") << "level " << level << " line " << i + 1 << ": " << lines[i];
    }
    // Rows in reading order and the level's own parameters, not just any valid board.
    EXPECT_EQ(run.out, DealtInProcess(200, 4711, level)) << "level " << level;
  }
}

TEST(PuzzleDump, TheSeedFixesTheOutput) {
  const ToolRun first = RunTool("50 99 1");
  const ToolRun again = RunTool("50 99 1");
  const ToolRun other = RunTool("50 100 1");
  ASSERT_EQ(first.exitCode, 0);
  EXPECT_EQ(first.out, again.out);
  EXPECT_NE(first.out, other.out);
  EXPECT_EQ(RunTool("0 99 1").out, "");
}

TEST(PuzzleDump, BadArgumentsExitNonZeroAndPrintNothing) {
  ASSERT_EQ(RunTool("1 1 0").exitCode, 0) << "the tool must run at all for its refusals to mean anything";
  for (const char* arguments : {"", "200", "200 1", "200 1 0 5", "200 1 3", "200 1 -1", "abc 1 0", "-5 1 0",
                                "200 x1 0", "200 -1 0", "200 1 one", "200 1 0x", "2.5 1 0"}) {
    const ToolRun run = RunTool(arguments);
    EXPECT_NE(run.exitCode, 0) << "arguments '" << arguments << "'";
    EXPECT_EQ(run.out, "") << "arguments '" << arguments << "'";
  }
}

}  // namespace
}  // namespace lumitile
