// The small words the core and the windows share: where a cell is, what it
// shows, what the palette holds, the sounds, a row of the best-time table.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumitile {

inline constexpr int kBoardSize = 9;
inline constexpr int kLevelCount = 6;  // 初級, 中級, 上級, 超上級, 達人, 名人
inline constexpr int kHintCount = 3;
// The clock's three digits stop at 999. A time they cannot show can never be
// beaten, so the cap itself stands for "no record yet".
inline constexpr int32_t kMaxShownSeconds = 999;
inline constexpr int32_t kNoRecord = kMaxShownSeconds;
// The levels added after the first three take longer than 999 seconds, so
// their clock counts minutes and seconds, m:ss, and holds at 99:59; there
// that cap is "no record yet".
inline constexpr int kFirstAddedLevel = 3;
inline constexpr int32_t kMaxShownMinutesSeconds = 99 * 60 + 59;
inline constexpr bool CountsMinutes(int level) { return level >= kFirstAddedLevel; }
inline constexpr int32_t MaxShownSeconds(int level) {
  return CountsMinutes(level) ? kMaxShownMinutesSeconds : kMaxShownSeconds;
}
inline constexpr int32_t NoRecord(int level) { return MaxShownSeconds(level); }
inline constexpr int kNameLength = 20;     // characters in a stored name
// The name a record holder starts with, and the table's name for "nobody".
inline constexpr std::string_view kNoName = "名前なし";
// The main window's zoom steps, in percent of its designed size.
inline constexpr std::array<int, 4> kZoomPercents{100, 150, 200, 300};
inline constexpr bool IsZoomPercent(int percent) {
  return std::find(kZoomPercents.begin(), kZoomPercents.end(), percent) != kZoomPercents.end();
}

// A board cell, both 0 to 8: the row from the top, the column from the left.
struct Cell {
  int Row = 0;
  int Column = 0;
  bool operator==(const Cell&) const = default;
};

inline bool OnBoard(Cell cell) {
  return cell.Row >= 0 && cell.Row < kBoardSize && cell.Column >= 0 && cell.Column < kBoardSize;
}

enum class CellKind { Empty, Given, Placed };
struct CellView {
  CellKind Kind = CellKind::Empty;
  int Number = 0;  // 1..9 for a given or placed cell
  bool operator==(const CellView&) const = default;
};

// A palette item: a numbered panel (Index 0..8 places Index + 1), the eraser,
// or a hint token (Index 0..2).
struct Pick {
  enum class Kind { Panel, Eraser, Hint };
  Kind What = Kind::Panel;
  int Index = 0;

  static Pick Panel(int index) { return {Kind::Panel, index}; }
  static Pick Eraser() { return {Kind::Eraser, 0}; }
  static Pick Hint(int index) { return {Kind::Hint, index}; }
  bool operator==(const Pick&) const = default;
};

// The pointer over the main window shows the picked item, or the arrow.
using PointerView = std::optional<Pick>;

enum class Sound { Pick, Solved };

// Where the puzzle on the board came from: dealt by the game at its level,
// or brought in by the player (typed in, pasted, or named on the command
// line). Only a dealt game can set a best time: a puzzle from outside was
// never drawn at the level it would be timed against.
enum class GameKind : uint8_t { kDealt, kEntered };

struct BestTimeRow {
  int32_t Seconds = kNoRecord;
  std::string Name;  // UTF-8, all kNameLength characters, trailing spaces included
  bool operator==(const BestTimeRow&) const = default;
};

}  // namespace lumitile
