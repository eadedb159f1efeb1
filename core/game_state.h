// The whole state of one game of Lumitile: the three board grids, the level
// parameters, the palette pick, the solution builder's clash counter, the
// clock and the best-time table. There is one game at a time; the game
// controller owns the single instance and hands it to the routines that
// work on it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace lumitile {

// 11 x 11 cells indexed [row][column]; rows and columns 0 to 8 are the board,
// 9 and 10 lie outside it and only ever hold what InitGame put there.
using Grid = std::array<std::array<int16_t, 11>, 11>;

inline constexpr int kBoardSize = 9;
inline constexpr int kLevelCount = 3;
inline constexpr int32_t kNoRecord = 999;  // a best time of 999 means "none yet"
inline constexpr int kNameLength = 20;     // characters in a stored name

// SelectedPanel codes.
inline constexpr int16_t kEraserCode = 10;
inline constexpr int16_t kFirstHintCode = 20;

struct GameState {
  Grid SolutionGrid{};  // the complete solution, 1..9 on the board
  Grid GivenGrid{};     // the given number, or 0 for an open cell
  Grid EntryGrid{};     // the player's number in an open cell, or 0

  int16_t OpenOdds = 0;   // a cell opens with chance 1 in this (0 until a level is applied)
  int16_t OpenQuota = 0;  // the most cells a puzzle opens
  int16_t CurrentLevel = 0;

  // Best time in whole seconds and holder's name per level. Entry 3 exists
  // only because the table has always had four slots; it is never stored.
  std::array<int32_t, 4> BestTimes{};
  std::array<std::string, 4> BestNames{};  // UTF-8, exactly 20 characters once assigned

  // Empty until the first palette pick: 0..8 a numbered panel (number code + 1),
  // 10 the eraser, 20..22 a hint token.
  std::optional<int16_t> SelectedPanel;

  int16_t ClashCount = 0;  // the solution builder's clashes at the current cell
};

// Prepares a fresh state for the first deal: SolutionGrid holds 1 in rows and
// columns 0 to 9 (a 10 x 10 block) and 0 in row and column 10. The random
// source is seeded by whoever creates it (from the time, in the game).
void InitGame(GameState& state);

}  // namespace lumitile
