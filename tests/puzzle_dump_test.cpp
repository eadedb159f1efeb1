// The puzzle dump tool, run as a child process: its lines parse back into
// valid puzzles, the seed fixes the output, the first three levels print
// what they always printed, and bad arguments are refused.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/level_table.h"
#include "core/puzzle/unique_puzzle.h"
#include "scripted_random.h"

namespace lumitile {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
};

// Runs the tool whose path the build passes in as LUMITILE_PUZZLES_TOOL.
ToolRun RunTool(const std::string& arguments) {
  ToolRun run;
  FILE* pipe = popen(("'" LUMITILE_PUZZLES_TOOL "' " + arguments + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, got);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Each line: the 81 solution digits, a space, the 81 givens (0 open), a space, the level.
TEST(PuzzleDump, EveryLevelPrintsValidPuzzles) {
  for (int level = 0; level <= kMasterLevel; ++level) {
    const std::size_t count = level < kSuperAdvancedLevel ? 200 : 20;
    const ToolRun run = RunTool(std::to_string(count) + " 4711 " + std::to_string(level));
    ASSERT_EQ(run.exitCode, 0) << "level " << level;
    ASSERT_EQ(run.out.size(), count * 166) << "level " << level;
    for (std::size_t at = 0; at < run.out.size(); at += 166) {
      const std::string line = run.out.substr(at, 166);
      ASSERT_EQ(line.substr(81, 1) + line.substr(163), "  " + std::to_string(level) + "\n") << line;
      Grid solution{};
      int open = 0;
      for (int i = 0; i < 81; ++i) {
        const char given = line[82 + i];
        solution[i / 9][i % 9] = static_cast<int16_t>(line[i] - '0');
        open += given == '0' ? 1 : 0;
        ASSERT_TRUE(given == '0' || given == line[i]) << "cell " << i << " of " << line;
      }
      ASSERT_TRUE(test::IsCompleteBoard(solution)) << line;
      if (level < kSuperAdvancedLevel) {
        ASSERT_LE(open, kLevelTable[level].OpenQuota) << line;
      } else {
        ASSERT_GE(open, level == kMasterLevel ? kMasterOpenMin : kSuperAdvancedOpenMin) << line;
      }
    }
  }
}

// A seed's puzzles at levels 0 to 2 are part of the game: adding levels must
// not move a single draw. The hashes (FNV-1a, 64 bits) are of the output
// before levels 3 and 4 existed.
TEST(PuzzleDump, TheFirstThreeLevelsPrintWhatTheyAlwaysPrinted) {
  const uint64_t expected[] = {0x9fe765654ab9cb67, 0x974f5b6e49bdad99, 0x7ef80319ff6d6d76};
  for (int level = 0; level < 3; ++level) {
    const ToolRun run = RunTool("300 4711 " + std::to_string(level));
    uint64_t hash = 0xcbf29ce484222325;
    for (const char byte : run.out) hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3;
    EXPECT_EQ(hash, expected[level]) << "level " << level;
  }
}

TEST(PuzzleDump, TheSeedFixesTheOutput) {
  const ToolRun first = RunTool("50 99 1");
  ASSERT_EQ(first.exitCode, 0);
  EXPECT_EQ(first.out, RunTool("50 99 1").out);
  EXPECT_NE(first.out, RunTool("50 100 1").out);
}

TEST(PuzzleDump, BadArgumentsExitNonZeroAndPrintNothing) {
  for (const char* arguments :
       {"", "5 1", "5 1 0 5", "5 1 5", "5 1 -1", "abc 1 0", "-5 1 0", "5 x1 0", "5 -1 0", "5 1 0x", "2.5 1 0"}) {
    const ToolRun run = RunTool(arguments);
    EXPECT_NE(run.exitCode, 0) << "arguments '" << arguments << "'";
    EXPECT_EQ(run.out, "") << "arguments '" << arguments << "'";
  }
}

}  // namespace
}  // namespace lumitile
