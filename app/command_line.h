// What the game was asked for on its command line, read without a display,
// before Qt is started: so --help and --version answer where there is no
// window system, and a mistyped option fails at once with the usage line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumitile {

struct CommandLine {
  enum class Action { kPlay, kHelp, kVersion, kUsageError };
  Action What = Action::kPlay;
  // kPlay: a puzzle to start with, as its text, or the name of a file of
  // puzzles, one a line; both empty for a dealt game.
  std::string Puzzle;
  std::string PuzzleFile;
  bool ShowAndQuit = false;
  // kUsageError: what was wrong, in a few words, naming the argument.
  std::string Problem;
};

// The arguments after the program's name. Qt's own options (-platform and
// the like) pass through untouched for QApplication to take.
CommandLine ReadCommandLine(const std::vector<std::string_view>& arguments);

// "usage: lumitile [--help] [--version] [PUZZLE | FILE]"
std::string UsageLine();
// The --help text: Japanese first, the same in English beneath.
std::string HelpText();
// "lumitile 0.1"
std::string VersionText();

}  // namespace lumitile
