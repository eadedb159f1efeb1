// The kept game's text: what is written reads back whole, and anything
// damaged, foreign or inconsistent reads as no game at all.
#include <gtest/gtest.h>

#include "core/saved_game.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

// Row 0 open (solution 1..9), 3 and 5 placed, marks in two cells.
SavedGame AGame() {
  SavedGame game{testing::PuzzleWithOpenCells(9), {true, false, true}, 2, 345, true};
  game.Position.Entries[0][2] = 3;
  game.Position.Entries[0][4] = 5;
  game.Position.Marks[0][0] = MarkBit(1) | MarkBit(9);
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
  EXPECT_EQ(good.substr(0, good.find("\nsolution")), "Lumitile saved game 1\nlevel=2\nseconds=345\npaused=1\nhints=101");
  EXPECT_NE(good.find("\nmarks=19,,4,,,,"), std::string::npos);
  EXPECT_EQ(ReadSavedGame(good), AGame());
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"cut short", good.substr(0, good.size() - 1)},
      {"a line more", good + "x=1\n"},
      {"Windows line ends", Replaced(good, "\nlevel", "\r\nlevel")},
      {"another version", Replaced(good, "game 1", "game 2")},
      {"unknown level", Replaced(good, "level=2", "level=7")},
      {"level with a zero in front", Replaced(good, "level=2", "level=02")},
      {"time beyond the clock", Replaced(good, "seconds=345", "seconds=1000")},
      {"negative time", Replaced(good, "seconds=345", "seconds=-1")},
      {"pause flag 2", Replaced(good, "paused=1", "paused=2")},
      {"two tokens", Replaced(good, "hints=101", "hints=10")},
      {"lines swapped", Replaced(Replaced(good, "level=2\n", ""), "paused=1\n", "paused=1\nlevel=2\n")},
      {"solution not a grid", Replaced(good, "solution=123456789", "solution=213456789")},
      {"solution with a zero", Replaced(good, "solution=123456789", "solution=023456789")},
      {"given against the solution", Replaced(good, "givens=000000000456", "givens=000000000546")},
      {"entry on a given", Replaced(good, "entries=003050000000", "entries=003050000100")},
      {"entry not a digit", Replaced(good, "entries=0030", "entries=00:0")},
      {"mark on a given", Replaced(good, "marks=19,,4,,,,,,,", "marks=19,,4,,,,,,,1")},
      {"marks out of order", Replaced(good, "marks=19", "marks=91")},
      {"mark 0", Replaced(good, "marks=19", "marks=09")},
      {"80 mark fields", Replaced(good, "marks=19,", "marks=19")},
      {"solved", Replaced(good, "entries=003050000", "entries=123456789")},
      {"too long", good + std::string(kMaxSavedGameBytes, '\n')},
  };
  for (const auto& [what, text] : cases) EXPECT_FALSE(ReadSavedGame(text)) << what;
}

}  // namespace
}  // namespace lumitile
