// The kept game's text: what is written reads back whole, and anything
// damaged, foreign or inconsistent reads as no game at all.
#include <gtest/gtest.h>

#include "core/saved_game.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

// The first 40 cells open; nothing in it reads the same backwards or
// transposed: tokens, level, time, entries and marks off the diagonal.
SavedGame AGame() {
  SavedGame game{testing::PuzzleWithOpenCells(40), {false, true, true}, 3, 407, true};
  game.Position.Entries[0][2] = 3;
  game.Position.Entries[1][7] = 9;  // a wrong number stays as placed
  game.Position.Entries[4][1] = 6;
  game.Position.Marks[0][0] = MarkBit(1) | MarkBit(8);
  game.Position.Marks[2][5] = MarkBit(4) | MarkBit(6) | MarkBit(7);
  game.Position.Marks[0][2] = MarkBit(4);  // hidden under the 3
  return game;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) ADD_FAILURE() << "the case does not apply: " << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(SavedGame, WhatIsWrittenReadsBackWholeAndAnythingElseIsNoGame) {
  const std::string good = WriteSavedGame(AGame());
  EXPECT_EQ(good.substr(0, good.find("\nsolution")), "Lumitile saved game 1\nlevel=3\nseconds=407\npaused=1\nhints=011");
  EXPECT_NE(good.find("\nentries=0030000000000000900000000000000000000600"), std::string::npos);
  EXPECT_NE(good.find("\nmarks=18,,4,,,,"), std::string::npos);
  EXPECT_EQ(ReadSavedGame(good), AGame());
  SavedGame running = AGame();
  running.Paused = false;
  running.Hints = {true, true, false};
  // The time to each level's cap: 999 at the first three, 99:59 above.
  for (const auto& [level, seconds] : {std::pair{0, 0}, {2, 999}, {3, 5999}, {kLevelCount - 1, 5999}}) {
    running.Level = level;
    running.Seconds = seconds;
    EXPECT_EQ(ReadSavedGame(WriteSavedGame(running)), running) << level;
  }
  running.Level = 0;
  running.Seconds = 0;
  running.Kind = GameKind::kEntered;
  const std::string entered = WriteSavedGame(running);
  EXPECT_TRUE(entered.ends_with(",\nkind=entered\n")) << "one line more, after the old ones";
  EXPECT_EQ(ReadSavedGame(entered), running);
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"cut short", good.substr(0, good.size() - 1)},
      {"a line more", good + "x=1\n"},
      {"a dealt game's kind spelt out", good + "kind=dealt\n"},
      {"the kind before the marks", Replaced(good, "\nmarks=", "\nkind=entered\nmarks=")},
      {"a line after the kind", good + "kind=entered\nx=1\n"},
      {"Windows line ends", Replaced(good, "\nlevel", "\r\nlevel")},
      {"another version", Replaced(good, "game 1", "game 2")},
      {"unknown level", Replaced(good, "level=3", "level=7")},
      {"level with a zero in front", Replaced(good, "level=3", "level=03")},
      {"time beyond the clock", Replaced(good, "seconds=407", "seconds=6000")},
      {"time beyond the first levels' clock", Replaced(Replaced(good, "level=3", "level=2"), "seconds=407", "seconds=1000")},
      {"negative time", Replaced(good, "seconds=407", "seconds=-1")},
      {"signed zero time", Replaced(good, "seconds=407", "seconds=-0")},
      {"signed zero level", Replaced(good, "level=3", "level=-0")},
      {"pause flag 2", Replaced(good, "paused=1", "paused=2")},
      {"two tokens", Replaced(good, "hints=011", "hints=01")},
      {"lines swapped", Replaced(Replaced(good, "level=3\n", ""), "paused=1\n", "paused=1\nlevel=3\n")},
      {"solution not a grid", Replaced(good, "solution=123456789", "solution=213456789")},
      {"solution with a zero", Replaced(good, "solution=123456789", "solution=023456789")},
      {"given against the solution", Replaced(good, "givens=0000000000000000000000000000000000000000912", "givens=0000000000000000000000000000000000000000192")},
      {"entry on a given", Replaced(good, "060000000", "060001000")},
      {"entry not a digit", Replaced(good, "entries=0030", "entries=00:0")},
      {"mark on a given", Replaced(good, ",\n", ",1\n")},
      {"marks out of order", Replaced(good, "marks=18", "marks=81")},
      {"mark 0", Replaced(good, "marks=18", "marks=08")},
      {"80 mark fields", Replaced(good, "marks=18,", "marks=18")},
      {"solved", Replaced(good, "entries=" + good.substr(good.find("entries=") + 8, 40),
                          "entries=" + testing::kSolution.substr(0, 40))},
      {"too long", good + std::string(kMaxSavedGameBytes, '\n')},
  };
  for (const auto& [what, text] : cases) EXPECT_FALSE(ReadSavedGame(text)) << what;
}

}  // namespace
}  // namespace lumitile
