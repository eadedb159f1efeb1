// The command line, read before any display is needed: what each form asks
// for, Qt's own options let through, and every mistake a usage error.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace lumitile {
namespace {

TEST(CommandLine, EachFormAndEachMistake) {
  using enum CommandLine::Action;
  const std::string puzzle(81, '.');
  const struct {
    std::vector<std::string_view> arguments;
    CommandLine::Action what;
    std::string read;  // the puzzle, "file:" and the file's name, or the problem
  } cases[] = {
      {{}, kPlay, ""},
      {{"--help"}, kHelp, ""},
      {{"-h", "--bogus"}, kUsageError, "unknown option '--bogus'"},
      {{"--version"}, kVersion, ""},
      {{puzzle}, kPlay, puzzle},
      {{"+---+\n|1.3|"}, kPlay, "+---+\n|1.3|"},
      {{"puzzles.txt"}, kPlay, "file:puzzles.txt"},
      {{"--", "-data"}, kPlay, "file:-data"},
      {{"-platform", "offscreen", "--reverse", "--show-and-quit", "12"}, kPlay, "12"},
      {{"-x"}, kUsageError, "unknown option '-x'"},
      {{"--style"}, kUsageError, "option '--style' needs a value"},
      {{"a.txt", "b.txt"}, kUsageError, "one puzzle or file at a time: 'b.txt' is one too many"},
  };
  for (const auto& [arguments, what, read] : cases) {
    const CommandLine line = ReadCommandLine(arguments);
    EXPECT_EQ(line.What, what) << read;
    EXPECT_EQ(line.Problem + line.Puzzle + (line.PuzzleFile.empty() ? "" : "file:" + line.PuzzleFile), read);
  }
  EXPECT_TRUE(HelpText().starts_with(UsageLine() + "\n"));
}

}  // namespace
}  // namespace lumitile
