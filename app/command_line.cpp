#include "app/command_line.h"

#include <algorithm>
#include <array>

#ifndef LUMITILE_VERSION
#define LUMITILE_VERSION "unknown"
#endif

namespace lumitile {

namespace {

// Qt's options that QApplication takes out of the arguments itself, the
// first ones followed by a value; either with one dash or two.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session",  "display",            "style",         "stylesheet", "geometry",     "title",       "name"};
constexpr std::array<std::string_view, 5> kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Made only of what a puzzle's text may hold: such an argument is a puzzle,
// anything else the name of a file.
bool PuzzleCharacters(std::string_view argument) {
  return !argument.empty() && argument.find_first_not_of("0123456789.*|-+ \t\r\n") == std::string_view::npos;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string_view>& arguments) {
  CommandLine line;
  const auto fail = [&line](std::string problem) {
    line = {};
    line.What = CommandLine::Action::kUsageError;
    line.Problem = std::move(problem);
    return line;
  };
  bool optionsEnded = false;
  bool help = false;
  bool version = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const bool option = !optionsEnded && argument.size() > 1 && argument[0] == '-' && !PuzzleCharacters(argument);
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (option) {
      std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
      if (argument == "--help" || argument == "-h") {
        help = true;
      } else if (argument == "--version") {
        version = true;
      } else if (argument == "--show-and-quit") {
        line.ShowAndQuit = true;
      } else if (std::ranges::find(kQtOptionsWithValue, name) != kQtOptionsWithValue.end()) {
        if (++i == arguments.size()) return fail("option '" + std::string(argument) + "' needs a value");
      } else if (std::ranges::find(kQtFlags, name) == kQtFlags.end()) {
        return fail("unknown option '" + std::string(argument) + "'");
      }
    } else if (!line.Puzzle.empty() || !line.PuzzleFile.empty()) {
      return fail("one puzzle or file at a time: '" + std::string(argument) + "' is one too many");
    } else if (PuzzleCharacters(argument)) {
      line.Puzzle = argument;
    } else {
      line.PuzzleFile = argument;
    }
  }
  if (help) line.What = CommandLine::Action::kHelp;
  else if (version) line.What = CommandLine::Action::kVersion;
  return line;
}

std::string UsageLine() { return "usage: lumitile [--help] [--version] [PUZZLE | FILE]"; }

std::string VersionText() { return std::string("lumitile ") + LUMITILE_VERSION; }

std::string HelpText() {
  return UsageLine() + "\n"
         "\n"
         "9×9 の数字を置くパズルゲーム。\n"
         "  PUZZLE     この問題で始める: 81 個のマスを読む順に、1～9 は数字、0 . * は空きマス。\n"
         "             空白・改行と | - + は読み飛ばすので、9 行に並べた盤でもよい。\n"
         "  FILE       一行に一問のテキストファイルの最初の問題で始める。\n"
         "             残りの問題は ﾌｧｲﾙ > 次の問題 で遊べる。\n"
         "  --help     この説明を表示して終わる\n"
         "  --version  バージョンを表示して終わる\n"
         "持ち込んだ問題はハイスコアに記録されない。\n"
         "\n"
         "A number-placement puzzle game on a 9 x 9 board.\n"
         "  PUZZLE     start with this puzzle: its 81 cells in reading order, 1-9 a given,\n"
         "             0 . * an open cell; spaces, line breaks and | - + are skipped, so a\n"
         "             grid laid out over nine lines works too.\n"
         "  FILE       start with the first puzzle of a text file of one puzzle a line;\n"
         "             File > Next Puzzle plays the others.\n"
         "  --help     show this help and quit\n"
         "  --version  show the version and quit\n"
         "A puzzle brought in is never entered in the best times.\n";
}

}  // namespace lumitile
